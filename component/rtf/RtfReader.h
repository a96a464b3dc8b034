#pragma once

#include "rtf/RtfControlWord.h"
#include "rtf/RtfState.h"
#include "rtf/RtfTokenizer.h"

#include <QColor>
#include <QHash>
#include <QList>
#include <QTextCursor>
#include <vector>

class QTextDocument;
class QTextTable;

namespace pagora {

// Reads an RTF document into a QTextDocument: text with its character and paragraph formats,
// tab stops, tables and pictures. Whatever the bytes, it returns; only input that is not RTF
// at all is refused.
class RtfReader
{
public:
    // Fills `document` (emptied first). False, with the reason, when `data` is no RTF.
    static bool read(const QByteArray& data, QTextDocument* document, QString* error);

private:
    RtfReader(const QByteArray& data, QTextDocument* document);
    void run();

    void groupStart();
    void groupEnd();
    void controlWord(const RtfToken& token);
    void controlSymbol(char symbol);
    void text(const QByteArray& bytes);
    void hexByte(unsigned char byte);

    void destination(const RtfControlWord& word);
    void flag(const RtfControlWord& word);
    void toggle(const RtfControlWord& word, bool on);
    void value(const RtfControlWord& word, int parameter);
    void symbol(const RtfControlWord& word);

    // Turns pending bytes into text, and pending text into the document.
    void flushBytes();
    void flush();
    void append(const QString& text);
    void lineBreak();
    void paragraphEnd();
    void pageBreak();
    void cellEnd();
    void rowEnd();
    // Enters or leaves a table as the current paragraph asks, before anything is inserted.
    void placeCursor();
    void insertPicture();
    void commitFont();
    void commitColor();

    RtfState& state() { return m_stack.back(); }
    QTextCharFormat defaultCharFormat() const;
    // The current paragraph's format, as its current line needs it.
    QTextBlockFormat blockFormat() const;
    int codePage() const;
    QColor color(int index) const;

    struct Font
    {
        QString name;
        int charset = -1;
        QString generic;
    };

    RtfTokenizer m_tokens;
    QTextDocument* m_document;
    QTextCursor m_cursor;
    std::vector<RtfState> m_stack;
    int m_overflowDepth = 0;
    bool m_starPending = false;
    int m_unicodePending = 0;    // replacement bytes still to drop after a \u character
    bool m_continuation = false; // the current block continues a paragraph after \line

    int m_documentCodePage = 1252;
    int m_defaultFont = 0;
    QHash<int, Font> m_fonts;
    int m_fontNumber = 0;
    size_t m_fontTableDepth = 0;
    Font m_font;
    QByteArray m_fontNameBytes;
    QList<QColor> m_colors;
    int m_red = 0, m_green = 0, m_blue = 0;
    bool m_colorSet = false;

    QByteArray m_pendingBytes;
    QString m_pending;

    QTextTable* m_table = nullptr;
    int m_row = 0;
    int m_column = 0;
    bool m_rowEnded = false;
    bool m_cellMoved = false;
    QList<int> m_cellRights;
    bool m_cellBorders = false;

    enum class PictureKind
    {
        None,
        Png,
        Jpeg,
        Other
    };
    PictureKind m_pictureKind = PictureKind::None;
    QByteArray m_pictureData;
    bool m_pictureBinary = false;
    int m_pictureGoalWidth = 0, m_pictureGoalHeight = 0;
    int m_pictureScaleX = 100, m_pictureScaleY = 100;
    int m_pictures = 0;
};

} // namespace pagora
