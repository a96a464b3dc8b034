#include "MainStatusBar.h"

#include "data/Connection.h"
#include "data/Field.h"
#include "units/Twips.h"

#include <QApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QLabel>
#include <QLocale>
#include <QTimer>

MainStatusBar::MainStatusBar(QWidget* parent) : QStatusBar(parent)
{
    setObjectName(QStringLiteral("statusBar"));
    setSizeGripEnabled(false);
    m_text = new QLabel(this);
    m_text->setObjectName(QStringLiteral("statusPanel1"));
    m_database = new QLabel(this);
    m_database->setObjectName(QStringLiteral("statusDatabase"));
    m_date = new QLabel(this);
    m_date->setObjectName(QStringLiteral("statusPanel2"));
    m_time = new QLabel(this);
    m_time->setObjectName(QStringLiteral("statusPanel3"));
    for (QLabel* panel : {m_date, m_time}) {
        panel->setFixedWidth(Twips::x(1440));
        panel->setAlignment(Qt::AlignCenter);
    }
    addWidget(m_text, 1);
    addPermanentWidget(m_database);
    addPermanentWidget(m_date);
    addPermanentWidget(m_time);

    m_clock = new QTimer(this);
    connect(m_clock, &QTimer::timeout, this, &MainStatusBar::updateClock);
    m_clock->start(1000);
    updateClock();
}

QString MainStatusBar::text() const
{
    return m_text->text();
}

void MainStatusBar::setText(const QString& text)
{
    m_text->setText(text);
}

MainStatusBar::~MainStatusBar()
{
    if (m_watched)
        m_watched->setLinkObserver({});
    if (m_busy)
        QApplication::restoreOverrideCursor();
}

void MainStatusBar::showDatabase(Connection& db)
{
    if (m_watched != &db) {
        if (m_watched)
            m_watched->setLinkObserver({});
        m_watched = &db;
        db.setLinkObserver([this](Connection::Link link) { showLink(link); });
    }
    QString text;
    if (db.isOpen())
        text = db.onServer() ? db.path() : QFileInfo(db.path()).fileName();
    if (db.isOpen() && db.readOnly())
        text += QStringLiteral(" (read only)");
    if (db.isOpen() && !db.reachable())
        text += QStringLiteral(" (the server cannot be reached)");
    m_database->setText(text);
    m_database->setToolTip(db.isOpen() ? db.path() : QString());
}

void MainStatusBar::showLink(Connection::Link link)
{
    if (link == Connection::Link::Connecting) {
        if (!m_busy)
            QApplication::setOverrideCursor(Qt::BusyCursor);
        m_busy = true;
        return;
    }
    if (m_busy)
        QApplication::restoreOverrideCursor();
    m_busy = false;
    showDatabase(*m_watched);
}

QString MainStatusBar::databaseText() const
{
    return m_database->text();
}

void MainStatusBar::updateClock()
{
    const QDateTime now = QDateTime::currentDateTime();
    m_date->setText(Field::dateText(QDateTime(now.date(), QTime(0, 0))));
    m_time->setText(QLocale().toString(now.time(), QLocale::ShortFormat));
}
