#include "Report.h"

#include "hosting/ComponentClient.h"
#include "pagora/Print.h"
#include "reports/ReportError.h"
#include "reports/ReportText.h"
#include "shell/Dialogs.h"
#include "shell/ProgramFolder.h"

Report::Report(const QString& templateName, QList<Replacement> replacements)
    : m_template(templateName), m_replacements(std::move(replacements))
{
}

QString Report::document() const
{
    const QString path = ReportText::templatePath(m_template);
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

bool Report::present(QWidget* parent) const
{
    pagora::_Print* print = nullptr;
    try {
        QString error;
        print = static_cast<pagora::_Print*>(pagora::ComponentClient::createInstance(
            QString::fromLatin1(pagora::PrintProgId), pagora::PrintInterfaceId, &error,
            ProgramFolder::file(QStringLiteral("libpagora.so"))));
        if (!print)
            throw ReportError(QStringLiteral("The print preview cannot be started: ") + error);
        print->putMyFile(ReportText::workFile());
        ReportText::writeReportFile(document());
        print->ShowPreview();
        const pagora::PrintError result = print->lastError();
        print->Release();
        print = nullptr;
        if (result.number != 0)
            throw ReportError(
                QStringLiteral("The report made from the template \"%1\" cannot be shown: %2 "
                               "(error %3)")
                    .arg(ReportText::templatePath(m_template), result.description)
                    .arg(result.number));
        return true;
    } catch (const ReportError& e) {
        if (print)
            print->Release();
        Dialogs::tell(parent, e.message(), Dialogs::Icon::Warning);
        return false;
    }
}

bool Report::run(QWidget* parent, const std::function<Report()>& build)
{
    try {
        return build().present(parent);
    } catch (const ReportError& e) {
        Dialogs::tell(parent, e.message(), Dialogs::Icon::Warning);
        return false;
    }
}
