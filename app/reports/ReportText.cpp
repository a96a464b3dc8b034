#include "ReportText.h"

#include "data/ProgramFolder.h"
#include "reports/ReportError.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

QString ReportText::templateFolder()
{
    const QString shipped = ProgramFolder::file(QStringLiteral("Templates"));
    if (ProgramFolder::isWritable())
        return shipped;
    // An installed program: the work file goes to the user's data folder, with the
    // templates copied beside it (afresh when the shipped ones are newer).
    const QString own = ProgramFolder::writableFile(QStringLiteral("Templates"));
    QDir().mkpath(own);
    const QDir from(shipped);
    for (const QFileInfo& t : from.entryInfoList({QStringLiteral("*.rtf")}, QDir::Files)) {
        if (t.fileName() == QLatin1String("file1.rtf"))
            continue;
        const QString target = own + QLatin1Char('/') + t.fileName();
        const QFileInfo existing(target);
        if (!existing.exists() || existing.lastModified() < t.lastModified()) {
            QFile::remove(target);
            QFile::copy(t.absoluteFilePath(), target);
            QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner);
        }
    }
    return own;
}

QString ReportText::templatePath(const QString& name)
{
    return templateFolder() + QLatin1Char('/') + name;
}

QString ReportText::workFile()
{
    return templatePath(QStringLiteral("file1.rtf"));
}

QString ReportText::readTextFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw ReportError(QStringLiteral("The report template \"%1\" cannot be read: %2")
                              .arg(path, file.errorString()));
    const QByteArray bytes = file.readAll();
    if (bytes.isEmpty())
        throw ReportError(QStringLiteral("The report template \"%1\" is empty.").arg(path));
    QStringDecoder decoder("windows-1252");
    return decoder.decode(bytes);
}

void ReportText::writeReportFile(const QString& text)
{
    writeReportFile(text, workFile());
}

void ReportText::writeReportFile(const QString& text, const QString& path)
{
    QStringEncoder encoder("windows-1252");
    const QByteArray bytes = encoder.encode(text);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(bytes) != bytes.size() || !file.flush())
        throw ReportError(QStringLiteral("The report file \"%1\" cannot be written: %2")
                              .arg(path, file.errorString()));
    file.close();
}

void ReportText::replace(QString& document, const QString& placeholder, const QString& value)
{
    document.replace(placeholder, value, Qt::CaseSensitive);
}

QString ReportText::rtf(const QString& value)
{
    QString out;
    out.reserve(value.size());
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value.at(i);
        const char16_t u = c.unicode();
        if (u == '\\' || u == '{' || u == '}') {
            out += QLatin1Char('\\');
            out += c;
        } else if (u == '\r' || u == '\n') {
            // A line end typed into an address stays a line end on paper.
            if (u == '\n' || i + 1 >= value.size() || value.at(i + 1) != QLatin1Char('\n'))
                out += QLatin1String("\\line ");
        } else if (u >= 0x20 && u < 0x80) {
            out += c;
        } else if (u < 0x20) {
            out += QLatin1Char(' ');
        } else {
            QStringEncoder encoder("windows-1252");
            const QByteArray single = encoder.encode(QString(c));
            if (!encoder.hasError() && single.size() == 1 && single != "?") {
                out += QStringLiteral("\\'%1").arg(static_cast<unsigned char>(single.at(0)), 2, 16,
                                                   QLatin1Char('0'));
            } else {
                // \uN takes a signed 16-bit number; one "?" stands for readers without Unicode.
                const int n = u > 32767 ? int(u) - 65536 : int(u);
                out += QStringLiteral("\\u%1?").arg(n);
            }
        }
    }
    return out;
}

QString ReportText::column(const QString& value, int width)
{
    // At least one blank, so that a value as long as its column or longer never runs into
    // the next one.
    const int blanks = width - static_cast<int>(value.size());
    return rtf(value) + QString(std::max(1, blanks), QLatin1Char(' '));
}
