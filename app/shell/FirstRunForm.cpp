#include "FirstRunForm.h"

#include "records/AppContext.h"
#include "ui/Controls.h"
#include "units/Twips.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

FirstRunForm::FirstRunForm(AppContext& app, QWidget* mainWindow)
    : QWidget(nullptr, Qt::Window), m_app(app), m_mainWindow(mainWindow)
{
    setObjectName(QStringLiteral("firstRunForm"));
    setWindowTitle(QStringLiteral("Cindrel First Run"));
    setFixedSize(Twips::size(4680, 3195));

    Controls::label(this, QStringLiteral("Label1"),
                    QStringLiteral("Please provide the following information to better tailor "
                                   "this product to you.  "),
                    360, 240, 2415, 855)
        ->setWordWrap(true);
    m_nameBox = Controls::textBox(this, QStringLiteral("nameBox"), QStringLiteral("Name"), 360,
                                  1200, 2415, 375);
    Controls::label(this, QStringLiteral("Label2_0"), QStringLiteral("Name"), 2880, 1200, 1095, 375)
        ->setBuddy(m_nameBox);
    m_schoolBox = Controls::textBox(this, QStringLiteral("schoolBox"), QStringLiteral("School"),
                                    360, 1680, 2415, 375);
    Controls::label(this, QStringLiteral("Label2_1"), QStringLiteral("School"), 2880, 1680, 1095,
                    375)
        ->setBuddy(m_schoolBox);
    auto* ok = Controls::button(this, QStringLiteral("submitButton"), QStringLiteral("OK"), 2400,
                                2400, 1695, 375);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &FirstRunForm::submit);
    connect(m_schoolBox, &QLineEdit::returnPressed, this, &FirstRunForm::submit);

    setTabOrder(m_nameBox, m_schoolBox);
    setTabOrder(m_schoolBox, ok);
}

void FirstRunForm::showEvent(QShowEvent* event)
{
    // The main window waits behind this one until the user has answered.
    if (m_mainWindow)
        m_mainWindow->hide();
    QWidget::showEvent(event);
}

void FirstRunForm::submit()
{
    // Both or nothing: with a box left empty the window comes back at the next start.
    if (!m_nameBox->text().isEmpty() && !m_schoolBox->text().isEmpty()) {
        m_app.setUserName(m_nameBox->text());
        m_app.setSchool(m_schoolBox->text());
    }
    finish();
}

void FirstRunForm::finish()
{
    if (m_finished)
        return;
    m_finished = true;
    hide();
    emit finished();
    if (m_mainWindow)
        m_mainWindow->show();
}

void FirstRunForm::closeEvent(QCloseEvent* event)
{
    // Closing the window is a refusal to answer, not a way to lose the main window.
    finish();
    QWidget::closeEvent(event);
}
