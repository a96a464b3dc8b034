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
    for (const auto& [placeholder, value] : m_replacements)
        ReportText::replace(text, placeholder, value);
    return text;
}

QString Report::templatePath() const
{
    return ReportText::templatePath(m_template);
}
