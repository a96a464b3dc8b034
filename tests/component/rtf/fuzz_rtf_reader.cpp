// libFuzzer target: the RTF reader on arbitrary bytes must neither crash nor hang, whether
// it reads them at once or a few bytes at a time.
#include "rtf/RtfReader.h"
#include "rtf/RtfReading.h"

#include <QGuiApplication>
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
    return 0;
}
