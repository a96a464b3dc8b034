#include "Conversion.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <cstdio>

Conversion Conversion::run(const QString& program, const QStringList& arguments)
{
    Conversion result;
    QTemporaryFile peak;
    peak.open();
    const bool timed = QFile::exists(QStringLiteral("/usr/bin/time"));
    QElapsedTimer t;
    t.start();
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.setStandardOutputFile(QProcess::nullDevice());
    if (timed)
        process.start(QStringLiteral("/usr/bin/time"),
                      QStringList{QStringLiteral("-f"), QStringLiteral("%M"), QStringLiteral("-o"),
                                  peak.fileName(), program} +
                          arguments);
    else
        process.start(program, arguments);
    process.waitForFinished(-1);
    result.ms = static_cast<double>(t.nsecsElapsed()) / 1e6;
    result.ok = process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    if (!result.ok)
        std::printf("%s failed\n", qPrintable(program));
    if (timed) {
        // The last line holds the figure; a failed run writes its status above it.
        const QList<QByteArray> lines = peak.readAll().trimmed().split('\n');
        bool read = false;
        const double kb = lines.isEmpty() ? 0 : lines.last().toDouble(&read);
        if (read)
            result.peakMb = kb / 1024.0;
    }
    return result;
}

int Conversion::pages(const QString& pdf)
{
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {pdf});
    info.waitForFinished();
    const QRegularExpression count(QStringLiteral("Pages:\\s+(\\d+)"));
    return count.match(QString::fromUtf8(info.readAllStandardOutput())).captured(1).toInt();
}

QString Conversion::libreOffice()
{
    return QStandardPaths::findExecutable(QStringLiteral("soffice"));
}

QString Conversion::abiWord()
{
    return QStandardPaths::findExecutable(QStringLiteral("abiword"));
}

QStringList Conversion::libreOfficeArguments(const QString& profile, const QString& folder,
                                             const QString& source)
{
    return {QStringLiteral("-env:UserInstallation=file://") + profile,
            QStringLiteral("--headless"),
            QStringLiteral("--convert-to"),
            QStringLiteral("pdf"),
            QStringLiteral("--outdir"),
            folder,
            source};
}

QStringList Conversion::abiWordArguments(const QString& pdf, const QString& source)
{
    return {QStringLiteral("--to=pdf"), QStringLiteral("-o"), pdf, source};
}

void Conversion::warmLibreOffice(const QString& office, const QString& profile,
                                 const QString& folder)
{
    const QString warm = folder + QStringLiteral("/warm.rtf");
    QFile file(warm);
    file.open(QIODevice::WriteOnly);
    file.write("{\\rtf1 warm}");
    file.close();
    run(office, libreOfficeArguments(profile, folder, warm));
}
