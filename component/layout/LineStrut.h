#pragma once

#include <QObject>
#include <QTextObjectInterface>

class QTextDocument;

namespace pagora {

// Draws nothing, and makes the line of raised or lowered text (\up, \dn) as tall as the text
// reaches, as a word processor does.
class LineStrut : public QObject, public QTextObjectInterface
{
    Q_OBJECT
    Q_INTERFACES(QTextObjectInterface)

public:
    // Before the document is laid out on its paint device.
    static void registerIn(QTextDocument* document);

    QSizeF intrinsicSize(QTextDocument* document, int position, const QTextFormat& format) override;
    void drawObject(QPainter*, const QRectF&, QTextDocument*, int, const QTextFormat&) override {}
};

} // namespace pagora
