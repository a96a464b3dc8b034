#include "AppHarness.h"

#include "data/RecordSet.h"
#include "ui/KeyedList.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QTest>

AppHarness::AppHarness(const std::function<void(TrackFixture&)>& fill, bool onServer)
{
    m_path = onServer ? TestProgramFolder::serverTrackDatabase()
                      : m_folder.copyOfBlank(QStringLiteral("db/Track.mdb"));
    m_check.open(Connection::connectionStringFor(m_path));
    if (fill)
        fill(m_data);
    m_folder.writeSettings(QStringLiteral("Pat Coach"), QStringLiteral("North Valley High"),
                           m_path);
    m_app = std::make_unique<AppContext>();
    m_window = std::make_unique<MainWindow>(*m_app);
    m_window->startUp();
}

AppHarness::~AppHarness()
{
    m_window.reset();
    m_app.reset();
    m_check.close();
}

QString AppHarness::dump(const QString& table)
{
    RecordSet rs(QStringLiteral("SELECT * FROM ") + table + QStringLiteral(" ORDER BY Pin"),
                 m_check);
    QString text;
    for (; !rs.eof(); rs.moveNext()) {
        for (const QString& name : rs.fieldNames())
            text += rs.field(name).text() + QLatin1Char('|');
        text += QLatin1Char('\n');
    }
    return text;
}

QString AppHarness::dumpAll()
{
    QString text;
    for (const char* table : {"Teams", "Runners", "Meets", "Events", "Runner_to_Team",
                              "Meet_to_Team", "Event_to_Meet", "Event_to_Runner"})
        text += QLatin1String(table) + QLatin1Char('\n') + dump(QLatin1String(table));
    return text;
}

void AppHarness::press(QWidget* parent, const QString& button)
{
    QTest::mouseClick(control<QAbstractButton>(parent, button), Qt::LeftButton);
}

void AppHarness::typeOver(QLineEdit* box, const QString& text)
{
    box->setFocus();
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Delete);
    bool typable = text.size() < 200;
    for (QChar c : text)
        typable = typable && c.unicode() >= 0x20 && c.unicode() < 0x7f;
    if (typable)
        QTest::keyClicks(box, text);
    else
        box->insert(text);
}

void AppHarness::click(KeyedList* list, int row)
{
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(row)).center());
}

void AppHarness::doubleClick(KeyedList* list, int row)
{
    const QPoint at = list->visualItemRect(list->item(row)).center();
    QTest::mousePress(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, at);
}

QStringList AppHarness::texts(const KeyedList* list)
{
    QStringList t;
    for (int i = 0; i < list->count(); ++i)
        t << list->item(i)->text();
    return t;
}
