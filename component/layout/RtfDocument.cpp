#include "RtfDocument.h"

#include "errors/PagoraError.h"
#include "rtf/RtfReading.h"

#include <QFile>
#include <QFileInfo>
#include <QTextDocument>

namespace pagora {

std::unique_ptr<QTextDocument> RtfDocument::load(const QString& path, RtfReader::Use use)
{
    return read(bytes(path), path, use);
}

QByteArray RtfDocument::bytes(const QString& path)
{
    if (path.isEmpty())
        throw PagoraError(PagoraError::FileNotFound,
                          QStringLiteral("File not found: no file was named"));
    QFile file(path);
    if (!QFileInfo(path).isFile())
        throw PagoraError(PagoraError::FileNotFound,
                          QStringLiteral("File not found: '%1'").arg(path));
    if (!file.open(QIODevice::ReadOnly))
        throw PagoraError(75,
                          QStringLiteral("Path/File access error: '%1' cannot be read").arg(path));
    return file.readAll();
}

std::unique_ptr<QTextDocument> RtfDocument::read(const QByteArray& data, const QString& name,
                                                 RtfReader::Use use)
{
    auto document = std::make_unique<QTextDocument>();
    start(data, name, document.get(), use)->finish();
    return document;
}

std::unique_ptr<RtfReading> RtfDocument::start(const QByteArray& data, const QString& name,
                                               QTextDocument* document, RtfReader::Use use)
{
    auto reading = std::make_unique<RtfReading>(data, document, use);
    if (!reading->isValid())
        throw PagoraError(
            PagoraError::BadFileFormat,
            QStringLiteral("'%1' is %2")
                .arg(name.isEmpty() ? QStringLiteral("the document") : name, reading->error()));
    return reading;
}

} // namespace pagora
