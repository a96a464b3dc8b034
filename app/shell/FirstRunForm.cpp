#include "FirstRunForm.h"

#include "shell/AppContext.h"
#include "shell/Twips.h"

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

    auto* intro = new QLabel(
        QStringLiteral(
            "Please provide the following information to better tailor this product to you.  "),
        this);
    intro->setObjectName(QStringLiteral("Label1"));
    intro->setWordWrap(true);
    intro->setGeometry(Twips::rect(360, 240, 2415, 855));

    m_nameBox = new QLineEdit(this);
    m_nameBox->setObjectName(QStringLiteral("nameBox"));
    m_nameBox->setAccessibleName(QStringLiteral("Name"));
    m_nameBox->setGeometry(Twips::rect(360, 1200, 2415, 375));

    auto* nameLabel = new QLabel(QStringLiteral("Name"), this);
    nameLabel->setObjectName(QStringLiteral("Label2_0"));
    nameLabel->setGeometry(Twips::rect(2880, 1200, 1095, 375));
    nameLabel->setBuddy(m_nameBox);

    m_schoolBox = new QLineEdit(this);
    m_schoolBox->setObjectName(QStringLiteral("schoolBox"));
    m_schoolBox->setAccessibleName(QStringLiteral("School"));
    m_schoolBox->setGeometry(Twips::rect(360, 1680, 2415, 375));

    auto* schoolLabel = new QLabel(QStringLiteral("School"), this);
    schoolLabel->setObjectName(QStringLiteral("Label2_1"));
    schoolLabel->setGeometry(Twips::rect(2880, 1680, 1095, 375));
    schoolLabel->setBuddy(m_schoolBox);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("submitButton"));
    ok->setGeometry(Twips::rect(2400, 2400, 1695, 375));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &FirstRunForm::submit);

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
    if (m_mainWindow)
        m_mainWindow->show();
}

void FirstRunForm::closeEvent(QCloseEvent* event)
{
    // Closing the window is a refusal to answer, not a way to lose the main window.
    finish();
    QWidget::closeEvent(event);
}
