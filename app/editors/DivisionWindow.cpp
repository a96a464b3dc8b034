#include "DivisionWindow.h"

#include "records/Division.h"
#include "ui/Controls.h"
#include "ui/Dialogs.h"
#include "units/Twips.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

namespace {

// A name is given at most this long: it heads a report's page and a list.
constexpr int kLongestName = 40;

} // namespace

DivisionWindow::DivisionWindow(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("divisionWindow"));
    setWindowTitle(QStringLiteral("Add Division"));
    setWindowModality(Qt::WindowModal);
    setFixedSize(Twips::size(4800, 1680));
    Controls::label(this, QStringLiteral("divisionNameLabel"), QStringLiteral("Division"), 120, 180,
                    1080, 255);
    m_name = new QComboBox(this);
    m_name->setObjectName(QStringLiteral("divisionName"));
    m_name->setAccessibleName(QStringLiteral("Division"));
    m_name->setEditable(true);
    m_name->setInsertPolicy(QComboBox::NoInsert);
    m_name->lineEdit()->setMaxLength(kLongestName);
    m_name->lineEdit()->setPlaceholderText(QStringLiteral("Girls Varsity, or a name of your own"));
    for (const auto& [name, gender] : Division::standard())
        m_name->addItem(name, gender);
    m_name->setGeometry(Twips::rect(1200, 120, 3480, 345));
    Controls::label(this, QStringLiteral("divisionGenderLabel"), QStringLiteral("Gender"), 120, 660,
                    1080, 255);
    m_gender = new QComboBox(this);
    m_gender->setObjectName(QStringLiteral("divisionGender"));
    m_gender->setAccessibleName(QStringLiteral("Gender"));
    m_gender->addItem(QString(), QString());
    m_gender->addItem(QStringLiteral("Girls"), QStringLiteral("F"));
    m_gender->addItem(QStringLiteral("Boys"), QStringLiteral("M"));
    m_gender->addItem(QStringLiteral("Mixed"), QStringLiteral("X"));
    m_gender->setGeometry(Twips::rect(1200, 600, 1800, 345));
    // One of the usual names, chosen or typed, brings its gender with it.
    connect(m_name, &QComboBox::currentTextChanged, this, [this](const QString& text) {
        for (const auto& [name, gender] : Division::standard())
            if (name.compare(text.simplified(), Qt::CaseInsensitive) == 0)
                m_gender->setCurrentIndex(m_gender->findData(gender));
    });
    QPushButton* ok = Controls::button(this, QStringLiteral("divisionOk"), QStringLiteral("OK"),
                                       2160, 1140, 1155, 375);
    ok->setDefault(true);
    QPushButton* cancel = Controls::button(this, QStringLiteral("divisionCancel"),
                                           QStringLiteral("Cancel"), 3420, 1140, 1155, 375);
    connect(ok, &QPushButton::clicked, this, &DivisionWindow::confirm);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void DivisionWindow::ask(const QStringList& taken,
                         std::function<void(const QString&, const QString&)> add)
{
    m_taken = taken;
    m_add = std::move(add);
    m_name->setCurrentIndex(-1);
    m_name->setEditText(QString());
    m_gender->setCurrentIndex(0);
    open();
    m_name->setFocus();
}

void DivisionWindow::confirm()
{
    const QString name = m_name->currentText().simplified();
    auto refuse = [this](const QString& text, QWidget* box) {
        Dialogs::tell(this, text + QStringLiteral(" Nothing was added."), Dialogs::Icon::Warning);
        box->setFocus();
    };
    if (name.isEmpty())
        return refuse(QStringLiteral("The Division box is empty, but a division needs a name."),
                      m_name);
    for (const QString& other : std::as_const(m_taken))
        if (other.compare(name, Qt::CaseInsensitive) == 0)
            return refuse(QStringLiteral("The Division box holds \"%1\", but the meet has a "
                                         "division of that name already.")
                              .arg(name),
                          m_name);
    if (m_gender->currentIndex() <= 0)
        return refuse(QStringLiteral("The Gender box is empty: choose Girls, Boys or Mixed."),
                      m_gender);
    const QString gender = m_gender->currentData().toString();
    accept();
    if (m_add)
        m_add(name, gender == QLatin1String("X") ? QString() : gender);
}
