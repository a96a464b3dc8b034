#include "ListFilters.h"

#include "records/AppContext.h"
#include "records/Season.h"
#include "records/TrackLists.h"
#include "shell/SettingsStore.h"
#include "ui/UserAction.h"
#include "units/Twips.h"

#include <QCheckBox>
#include <QComboBox>

ListFilters::ListFilters(QWidget* clientArea, AppContext& app) : QObject(clientArea), m_app(app)
{
    m_season = new QComboBox(clientArea);
    m_season->setObjectName(QStringLiteral("seasonList"));
    m_season->setAccessibleName(QStringLiteral("Season"));
    m_season->setGeometry(Twips::rect(6000, 480, 3255, 315));
    bool ok = false;
    const int saved = SettingsStore::read(QStringLiteral("Season")).toInt(&ok);
    m_app.setSeason(ok ? std::optional<int>(saved) : std::nullopt);
    connect(m_season, &QComboBox::currentIndexChanged, this, &ListFilters::seasonChosen);

    m_graduates = new QCheckBox(QStringLiteral("Show &graduates"), clientArea);
    m_graduates->setObjectName(QStringLiteral("showGraduates"));
    m_graduates->setGeometry(Twips::rect(3000, 5700, 1680, 315));
    m_graduates->setChecked(m_app.showGraduates());
    m_gender = new QComboBox(clientArea);
    m_gender->setObjectName(QStringLiteral("runnerGender"));
    m_gender->setAccessibleName(QStringLiteral("Runners shown"));
    m_gender->setGeometry(Twips::rect(4710, 5670, 1185, 330));
    m_gender->addItem(QStringLiteral("Everyone"), QString());
    m_gender->addItem(QStringLiteral("Girls"), QStringLiteral("F"));
    m_gender->addItem(QStringLiteral("Boys"), QStringLiteral("M"));
    const QString savedGender = SettingsStore::read(QStringLiteral("RunnerGender"));
    m_app.setRunnerGender(savedGender == QLatin1String("Girls")  ? QStringLiteral("F")
                          : savedGender == QLatin1String("Boys") ? QStringLiteral("M")
                                                                 : QString());
    m_gender->setCurrentIndex(std::max(0, m_gender->findData(m_app.runnerGender())));
    connect(m_gender, &QComboBox::currentIndexChanged, this, [this](int index) {
        m_app.setRunnerGender(m_gender->itemData(index).toString());
        SettingsStore::write(QStringLiteral("RunnerGender"),
                             index > 0 ? m_gender->itemText(index) : QStringLiteral("All"));
        emit changed();
    });
    m_bestOnly = new QCheckBox(QStringLiteral("&Best marks only"), clientArea);
    m_bestOnly->setObjectName(QStringLiteral("eventBestOnly"));
    m_bestOnly->setToolTip(QStringLiteral("The event report lists each athlete's best mark only"));
    m_bestOnly->setGeometry(Twips::rect(9360, 5700, 2055, 315));
    m_eventGender = new QComboBox(clientArea);
    m_eventGender->setObjectName(QStringLiteral("eventGender"));
    m_eventGender->setAccessibleName(QStringLiteral("Marks of"));
    m_eventGender->setToolTip(QStringLiteral("The event report and the school records of girls, "
                                             "of boys, or of both"));
    m_eventGender->setGeometry(Twips::rect(9360, 480, 2055, 315));
    m_eventGender->addItem(QStringLiteral("Girls and boys"), QString());
    m_eventGender->addItem(QStringLiteral("Girls"), QStringLiteral("F"));
    m_eventGender->addItem(QStringLiteral("Boys"), QStringLiteral("M"));
    connect(m_graduates, &QCheckBox::toggled, this, [this](bool on) {
        m_app.setShowGraduates(on);
        emit changed();
    });
}

bool ListFilters::bestOnly() const
{
    return m_bestOnly->isChecked();
}

QString ListFilters::eventGender() const
{
    return m_eventGender->currentData().toString();
}

void ListFilters::refreshSeasons()
{
    QList<int> years;
    if (m_app.connection().isOpen())
        UserAction::run(m_season, QStringLiteral("The seasons could not be read."),
                        [&] { years = TrackLists::seasons(m_app.connection()); });
    m_filling = true;
    m_season->clear();
    m_season->addItem(Season::caption(std::nullopt));
    for (int year : years)
        m_season->addItem(Season::caption(year), year);
    const int at = m_app.season() ? m_season->findData(*m_app.season()) : 0;
    m_season->setCurrentIndex(std::max(at, 0));
    m_filling = false;
    // A season without meets any more (another database, a meet deleted) shows them all.
    if (at < 0)
        seasonChosen(0);
}

void ListFilters::seasonChosen(int index)
{
    if (m_filling || index < 0)
        return;
    const QVariant year = m_season->itemData(index);
    m_app.setSeason(year.isValid() ? std::optional<int>(year.toInt()) : std::nullopt);
    SettingsStore::write(QStringLiteral("Season"),
                         year.isValid() ? QString::number(year.toInt()) : QStringLiteral("All"));
    emit changed();
}
