#include "PdfText.h"

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QThread>
#include <QXmlStreamReader>

namespace {

QString run(const QString& program, const QStringList& args, bool* ok)
{
    QProcess p;
    p.start(program, args);
    *ok = p.waitForFinished(60000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
    return QString::fromUtf8(p.readAllStandardOutput());
}

} // namespace

PdfText::PdfText(const QString& path)
{
    bool ok = false;
    const QString info = run(QStringLiteral("pdfinfo"), {path}, &ok);
    if (!ok)
        return;
    const auto pages = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(info);
    m_pages = pages.captured(1).toInt();
    const auto size =
        QRegularExpression(QStringLiteral("Page size:\\s+([\\d.]+) x ([\\d.]+)")).match(info);
    m_pageSize = QSizeF(size.captured(1).toDouble(), size.captured(2).toDouble());
    m_text = run(QStringLiteral("pdftotext"),
                 {QStringLiteral("-layout"), path, QStringLiteral("-")}, &ok);
    const QString html =
        run(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), path, QStringLiteral("-")}, &ok);
    QXmlStreamReader xml(html);
    int page = 0;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("page")) {
            ++page;
        } else if (xml.name() == QLatin1String("word")) {
            const auto a = xml.attributes();
            Word w;
            w.page = page;
            w.box = QRectF(QPointF(a.value("xMin").toDouble(), a.value("yMin").toDouble()),
                           QPointF(a.value("xMax").toDouble(), a.value("yMax").toDouble()));
            w.text = xml.readElementText();
            m_words << w;
        }
    }
    m_valid = true;
}

QRectF PdfText::inkBox(int page) const
{
    QRectF box;
    for (const Word& w : m_words) {
        if (w.page == page)
            box = box.isNull() ? w.box : box.united(w.box);
    }
    return box;
}

QStringList PdfText::pdfsIn(const QString& folder)
{
    QStringList files;
    const QDir dir(folder);
    for (const QFileInfo& info : dir.entryInfoList({QStringLiteral("*.pdf")}, QDir::Files))
        files << info.fileName() + QLatin1Char('@') +
                     QString::number(info.lastModified().toMSecsSinceEpoch());
    return files;
}

QString PdfText::waitForNewPdf(const QString& folder, const QStringList& before, int seconds)
{
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < seconds * 1000) {
        for (const QString& entry : pdfsIn(folder)) {
            if (before.contains(entry))
                continue;
            const QString path = QDir(folder).filePath(entry.section(QLatin1Char('@'), 0, 0));
            // cups-pdf writes the file in place: wait until it is whole and stops growing.
            const qint64 size = QFileInfo(path).size();
            QThread::msleep(500);
            QFile file(path);
            if (size > 0 && QFileInfo(path).size() == size && file.open(QIODevice::ReadOnly)) {
                file.seek(std::max<qint64>(0, size - 32));
                if (file.readAll().contains("%%EOF"))
                    return path;
            }
        }
        QThread::msleep(200);
    }
    return {};
}

QString PdfText::lastJobText()
{
    const QString folder = qEnvironmentVariable("PAGORA_TEST_SPOOL_DIR");
    if (folder.isEmpty())
        return QString();
    const QDir spool(folder);
    const QStringList jobs =
        spool.entryList({QStringLiteral("d*-001")}, QDir::Files, QDir::Name | QDir::Reversed);
    return jobs.isEmpty() ? QString() : PdfText(spool.filePath(jobs.first())).text();
}

int PdfText::lastJobCopies()
{
    const QDir spool(qEnvironmentVariable("PAGORA_TEST_SPOOL_DIR"));
    const QStringList jobs =
        spool.entryList({QStringLiteral("c*")}, QDir::Files, QDir::Name | QDir::Reversed);
    if (jobs.isEmpty())
        return 0;
    QFile control(spool.filePath(jobs.first()));
    if (!control.open(QIODevice::ReadOnly))
        return 0;
    // The job's IPP attributes: an integer (tag 0x21) named "copies", four bytes long.
    const QByteArray attributes = control.readAll();
    const QByteArray name("\x21\x00\x06" "copies" "\x00\x04", 11);
    const qsizetype at = attributes.indexOf(name);
    if (at < 0 || at + name.size() + 4 > attributes.size())
        return 1; // the queue's default
    const auto* value = reinterpret_cast<const uchar*>(attributes.constData() + at + name.size());
    return (value[0] << 24) | (value[1] << 16) | (value[2] << 8) | value[3];
}

bool PdfText::isWindows1252(const QString& text)
{
    static const QString beyondLatin1 = QStringLiteral(
        "\u20ac\u201a\u0192\u201e\u2026\u2020\u2021\u02c6\u2030\u0160\u2039\u0152\u017d"
        "\u2018\u2019\u201c\u201d\u2022\u2013\u2014\u02dc\u2122\u0161\u203a\u0153\u017e"
        "\u0178");
    for (QChar c : text)
        if (c.unicode() > 0xff && !beyondLatin1.contains(c))
            return false;
    return true;
}

QString PdfText::comparable(QString text)
{
    text.remove(QRegularExpression(QStringLiteral("\\s")));
    text.removeIf([](QChar c) { return c.isSurrogate(); });
    return text.normalized(QString::NormalizationForm_KC);
}
