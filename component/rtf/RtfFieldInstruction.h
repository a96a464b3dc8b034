#pragma once

#include "rtf/RtfControlWord.h"

#include <QByteArray>
#include <QList>
#include <optional>

namespace pagora {

// A field's instruction as it is read: its words ("PAGE", "FORMDROPDOWN ..."), and for a
// drop-down form field its items and the one chosen.
class RtfFieldInstruction
{
public:
    void clear();
    void text(const QByteArray& bytes);
    // An {\ffl} group: the text after it, to the next, is an item of the drop-down.
    void itemStart();
    // \ffres (the item chosen) and \ffdefres (the one chosen when the file gives none).
    void value(RtfControlWord::Id id, int n);

    // The instruction's first word, in capitals.
    QByteArray name() const;
    // The text of a drop-down's chosen item, in the document's bytes; nothing for another
    // field or an item that is not there.
    std::optional<QByteArray> chosenItem() const;

private:
    QByteArray m_words;
    QList<QByteArray> m_items;
    int m_result = -1;
    int m_default = 0;
};

} // namespace pagora
