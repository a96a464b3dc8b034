#include "ReportViewer.h"

#include "data/ProgramFolder.h"
#include "hosting/ComponentClient.h"
#include "pagora/Print.h"
#include "reports/Report.h"
#include "reports/ReportError.h"
#include "reports/ReportText.h"
#include "ui/Dialogs.h"

bool ReportViewer::show(QWidget* parent, const Report& report)
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
        ReportText::writeReportFile(report.document());
        print->ShowPreview();
        const pagora::PrintError result = print->lastError();
        print->Release();
        print = nullptr;
        if (result.number != 0)
            throw ReportError(
                QStringLiteral("The report made from the template \"%1\" cannot be shown: %2 "
                               "(error %3)")
                    .arg(report.templatePath(), result.description)
                    .arg(result.number));
        return true;
    } catch (const ReportError& e) {
        if (print)
            print->Release();
        Dialogs::tell(parent, e.message(), Dialogs::Icon::Warning);
        return false;
    }
}

bool ReportViewer::show(QWidget* parent, const std::function<Report()>& build)
{
    try {
        return show(parent, build());
    } catch (const ReportError& e) {
        Dialogs::tell(parent, e.message(), Dialogs::Icon::Warning);
        return false;
    }
}
