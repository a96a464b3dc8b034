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
    QString text = ReportText::readTextFile(ReportText::templatePath(m_template));
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
            throw ReportError(QStringLiteral("The report cannot be shown: %1 (error %2)")
                                  .arg(result.description)
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
