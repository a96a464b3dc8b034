#include "EntriesSave.h"

#include "records/AppContext.h"
#include "records/EntriesExport.h"
#include "ui/Dialogs.h"
#include "ui/UserAction.h"

#include <QSaveFile>

bool EntriesSave::save(QWidget* parent, AppContext& app, std::optional<qint64> meet)
{
    if (!meet) {
        Dialogs::tell(parent, QStringLiteral("Choose the meet in the main window's list of meets "
                                             "first: its entries are exported."));
        return false;
    }
    EntriesExport entries;
    if (!UserAction::run(parent,
                         QStringLiteral("The entries could not be read; nothing was "
                                        "exported."),
                         [&] { entries = EntriesExport::of(app.connection(), *meet); }))
        return false;
    if (entries.entries.isEmpty()) {
        Dialogs::tell(parent, QStringLiteral("The meet has no runner entered in any event yet: "
                                             "there is nothing to export."));
        return false;
    }
    const QString path =
        Dialogs::saveFile(parent, QStringLiteral("Export Entries"),
                          QStringLiteral("Entries for meet programs (*.txt);;CSV files (*.csv)"),
                          QStringLiteral("Entries %1.txt").arg(entries.date.toString(Qt::ISODate)));
    if (path.isEmpty())
        return false;
    const bool csv = path.endsWith(QLatin1String(".csv"), Qt::CaseInsensitive);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || (csv && file.write("\xEF\xBB\xBF") < 0) ||
        file.write((csv ? entries.csv() : entries.semicolon()).toUtf8()) < 0 || !file.commit()) {
        Dialogs::tell(parent,
                      QStringLiteral("\"%1\" could not be written: %2. Nothing was exported.")
                          .arg(path, file.errorString()),
                      Dialogs::Icon::Warning);
        return false;
    }
    Dialogs::tell(parent, QStringLiteral("%1 entries of %2 athletes written to \"%3\".")
                              .arg(entries.entries.size())
                              .arg(entries.athletes.size())
                              .arg(path));
    return true;
}
