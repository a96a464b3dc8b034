#pragma once

#include "rtf/RtfControlWord.h"

#include <QByteArray>
#include <QColor>
#include <QList>
#include <QTextCharFormat>

namespace pagora {

// The colour table destination (\colortbl): red, green and blue values, each entry ended by
// ";". An entry without values is the "auto" colour.
class RtfColorTable
{
public:
    void start();
    // \redN, \greenN, \blueN.
    void value(RtfControlWord::Id id, int n);
    void text(const QByteArray& bytes);
    // Invalid for the auto colour and for an index the table lacks.
    QColor color(int index) const;
    // \cfN, \cbN and \highlightN: the colour of that index, or none for the auto colour.
    void foreground(QTextCharFormat& format, int index) const;
    void background(QTextCharFormat& format, int index) const;
    // A shading's colour: the pattern colour `fore` laid over the background colour `back` at
    // `percent` hundredths of a percent; invalid when there is no shading.
    QColor shading(int back, int fore, int percent) const;

private:
    QList<QColor> m_colors;
    int m_red = 0, m_green = 0, m_blue = 0;
    bool m_set = false;
};

} // namespace pagora
