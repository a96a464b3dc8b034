#include "DivisionBar.h"

#include "ui/Controls.h"
#include "units/Twips.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>

DivisionBar::DivisionBar(QWidget* window) : QObject(window)
{
    Controls::label(window, QStringLiteral("Label3_0"), QStringLiteral("Division"), 120, 90, 840,
                    255);
    m_divisions = new QComboBox(window);
    m_divisions->setObjectName(QStringLiteral("meetDivision"));
    m_divisions->setAccessibleName(QStringLiteral("Division"));
    m_divisions->setGeometry(Twips::rect(960, 45, 2700, 330));
    m_add = Controls::button(window, QStringLiteral("addDivision"),
                             QStringLiteral("Add Division\u2026"), 3780, 45, 1620, 330);
    m_remove = Controls::button(window, QStringLiteral("removeDivision"),
                                QStringLiteral("Remove Division"), 5520, 45, 1620, 330);
    m_points =
        Controls::label(window, QStringLiteral("divisionPoints"), QString(), 7380, 90, 3000, 255);
    m_points->setAccessibleName(QStringLiteral("Team score"));
    connect(m_divisions, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (!m_filling && index >= 0)
            emit chosen(index);
    });
    connect(m_add, &QPushButton::clicked, this, &DivisionBar::addRequested);
    connect(m_remove, &QPushButton::clicked, this, &DivisionBar::removeRequested);
    auto* next = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_PageDown), window);
    auto* previous = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_PageUp), window);
    connect(next, &QShortcut::activated, this, [this] { step(1); });
    connect(previous, &QShortcut::activated, this, [this] { step(-1); });
}

void DivisionBar::show(const QStringList& titles, int current)
{
    m_filling = true;
    m_divisions->clear();
    m_divisions->addItems(titles);
    m_divisions->setCurrentIndex(current);
    m_filling = false;
    m_remove->setEnabled(titles.size() > 1);
}

void DivisionBar::showPoints(double points)
{
    m_points->setText(QStringLiteral("Team score: ") + QString::number(points, 'g', 10));
}

void DivisionBar::step(int by)
{
    const int next = m_divisions->currentIndex() + by;
    if (next >= 0 && next < m_divisions->count())
        m_divisions->setCurrentIndex(next);
}
