#include "Report.h"

#include "reports/ReportError.h"
#include "reports/ReportText.h"

Report::Report(const QString& templateName, QList<Replacement> replacements)
    : m_template(templateName), m_replacements(std::move(replacements))
{
}

QString Report::document() const
{
    const QString path = templatePath();
    QString text = ReportText::readTextFile(path);
    // Checked here, so that the message names the template and not the work file made from it.
    if (!text.trimmed().startsWith(QLatin1String("{\\rtf")))
        throw ReportError(
            QStringLiteral("The report template \"%1\" is not an RTF file. Put the template that "
                           "came with the program back in its place.")
                .arg(path));
    qsizetype start = -1;
    if (const qsizetype at = text.indexOf(m_first); !m_parts.isEmpty() && at >= 0) {
        start = text.lastIndexOf(QLatin1String("\\pard"), at);
        const qsizetype before =
            start > 0 ? text.lastIndexOf(QLatin1String("\\pard"), start - 1) : -1;
        if (before >= 0 && !text.mid(before, start - before).contains(QLatin1Char('<')))
            start = before;
    }
    const qsizetype end = text.lastIndexOf(QLatin1Char('}'));
    if (start < 0 || end < start) {
        for (const auto& [placeholder, value] : m_replacements)
            ReportText::replace(text, placeholder, value);
        return text;
    }
    QString head = text.left(start);
    for (const auto& [placeholder, value] : m_replacements)
        ReportText::replace(head, placeholder, value);
    const QString body = text.mid(start, end - start);
    for (const Part& part : m_parts) {
        QString copy = body;
        for (const auto& [placeholder, value] : part.replacements)
            ReportText::replace(copy, placeholder, value);
        head += part.heading + copy;
    }
    return head + text.mid(end);
}

void Report::repeat(const QString& first, QList<Part> parts)
{
    m_first = first;
    m_parts = std::move(parts);
}

QString Report::templatePath() const
{
    return ReportText::templatePath(m_template);
}
