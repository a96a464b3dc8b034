// libFuzzer target: the RTF reader on arbitrary bytes must neither crash nor hang, whether
// it reads them at once or a few bytes at a time, and neither must Pagora's page layout of
// what it read, with its headers, footers, notes and tables.
#include "errors/PagoraError.h"
#include "layout/RichTextEngine.h"
#include "rtf/RtfReader.h"
#include "rtf/RtfReading.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTextDocument>
#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "fuzz_rtf_reader";
    static char* argv[] = {name, nullptr};
    new QGuiApplication(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QTextDocument document;
    QString error;
    pagora::RtfReader::read(bytes, &document, &error);
    // Lay it out too: what the reader builds must be a document Qt can take.
    document.setPageSize(QSizeF(600, 800));
    document.pageCount();

    // In pieces, laid out between them as a long document's preview does; the pieces make the
    // same document.
    QTextDocument pieces;
    pieces.setPageSize(QSizeF(600, 800));
    pagora::RtfReading reading(bytes, &pieces);
    const qsizetype step = size > 0 ? 1 + data[0] % 64 : 1;
    while (reading.readMore(step))
        pieces.pageCount();
    if (reading.isValid() && pieces.toPlainText() != document.toPlainText())
        __builtin_trap();

    // Printed on Letter paper with inch margins, the first pages: each moves the text on.
    QTextDocument printed;
    pagora::RtfReader::read(bytes, &printed, &error);
    pagora::RichTextEngine engine(&printed, pagora::RichTextEngine::Use::PrintOnly);
    QImage page(850, 1100, QImage::Format_RGB32);
    QPainter painter(&page);
    painter.scale(page.logicalDpiX() / 1440.0, page.logicalDpiY() / 1440.0);
    const QRect paper(0, 0, 12240, 15840), body(1440, 1440, 9360, 12960);
    try {
        for (int number = 1, start = 0; number <= 20; ++number) {
            const int next = engine.formatRange(&painter, &page, body, start);
            engine.drawPageParts(&painter, &page, paper, body, number, 20);
            if (next >= engine.textEnd())
                break;
            if (next <= start)
                __builtin_trap();
            start = next;
        }
    } catch (const pagora::PagoraError&) {
        // A document too long to lay out is refused: no fault.
    }
    return 0;
}
