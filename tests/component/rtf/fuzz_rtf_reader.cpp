// libFuzzer target: the RTF reader on arbitrary bytes must neither crash nor hang.
#include "rtf/RtfReader.h"

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
    QTextDocument document;
    QString error;
    pagora::RtfReader::read(
        QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)), &document,
        &error);
    // Lay it out too: what the reader builds must be a document Qt can take.
    document.setPageSize(QSizeF(600, 800));
    document.pageCount();
    return 0;
}
