#include "PublishedName.h"

#include "records/RunnerName.h"

#include <QTextBoundaryFinder>

namespace {

PublishedName::Style g_style;

// The first letter as read, with its accent ("Ö" also where the name keeps it as "O" and a
// combining mark), never half a character.
QString initial(const QString& name)
{
    QTextBoundaryFinder letters(QTextBoundaryFinder::Grapheme, name);
    const qsizetype end = letters.toNextBoundary();
    return name.left(end > 0 ? end : 1);
}

} // namespace

PublishedName::Style PublishedName::style()
{
    return g_style;
}

void PublishedName::setStyle(Style style)
{
    g_style = style;
}

QString PublishedName::key(Names names)
{
    return names == Names::Initial ? QStringLiteral("Initial") : QStringLiteral("Full");
}

PublishedName::Names PublishedName::fromKey(const QString& key)
{
    return key == QLatin1String("Initial") ? Names::Initial : Names::Full;
}

QString PublishedName::anonymous()
{
    return QStringLiteral("Athlete");
}

QString PublishedName::of(const QString& stored, bool doNotPublish, std::optional<int> grade)
{
    if (doNotPublish)
        return anonymous();
    const RunnerName name = RunnerName::split(stored);
    const QString first = name.first.simplified();
    const QString last = name.last.simplified();
    QString shown = last;
    if (!first.isEmpty()) {
        shown = first;
        if (!last.isEmpty())
            shown += QLatin1Char(' ') +
                     (g_style.names == Names::Initial ? initial(last) + QLatin1Char('.') : last);
    }
    if (shown.isEmpty())
        return anonymous();
    if (g_style.grades && grade)
        shown += QStringLiteral(", grade %1").arg(*grade);
    return shown;
}

QString PublishedName::fileName(const QString& published, qint64 pin)
{
    QString plain;
    bool gap = false;
    for (const QChar c : published.normalized(QString::NormalizationForm_KD)) {
        if (c.isMark())
            continue;
        if (c.unicode() < 128 && c.isLetterOrNumber()) {
            if (gap && !plain.isEmpty())
                plain += QLatin1Char('-');
            plain += c.toLower();
            gap = false;
        } else if (c != QLatin1Char('\'') && c != QChar(0x2019)) {
            // An apostrophe joins ("O'Brien" is "obrien"); anything else parts words.
            gap = true;
        }
    }
    if (!plain.isEmpty())
        plain += QLatin1Char('-');
    return plain + QString::number(pin) + QStringLiteral(".html");
}
