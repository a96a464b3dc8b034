#include "Controls.h"

#include "ui/KeyedList.h"
#include "ui/NumberBox.h"
#include "units/Twips.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>

QLabel* Controls::label(QWidget* parent, const QString& name, const QString& caption, int left,
                        int top, int width, int height)
{
    auto* l = new QLabel(caption, parent);
    l->setObjectName(name);
    // Captions sit at the top of their box, level with the text of the control beside them.
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    l->setGeometry(Twips::rect(left, top, width, height));
    return l;
}

namespace {

QLineEdit* placed(QLineEdit* box, const QString& name, const QString& accessibleName, int left,
                  int top, int width, int height)
{
    box->setObjectName(name);
    box->setAccessibleName(accessibleName);
    box->setGeometry(Twips::rect(left, top, width, height));
    return box;
}

} // namespace

QLineEdit* Controls::textBox(QWidget* parent, const QString& name, const QString& accessibleName,
                             int left, int top, int width, int height)
{
    return placed(new QLineEdit(parent), name, accessibleName, left, top, width, height);
}

QLineEdit* Controls::numberBox(QWidget* parent, const QString& name, const QString& accessibleName,
                               int left, int top, int width, int height)
{
    return placed(new NumberBox(parent), name, accessibleName, left, top, width, height);
}

QPlainTextEdit* Controls::multiLineBox(QWidget* parent, const QString& name,
                                       const QString& accessibleName, int left, int top, int width,
                                       int height)
{
    auto* box = new QPlainTextEdit(parent);
    box->setObjectName(name);
    box->setAccessibleName(accessibleName);
    box->setGeometry(Twips::rect(left, top, width, height));
    box->setTabChangesFocus(true);
    return box;
}

QPushButton* Controls::button(QWidget* parent, const QString& name, const QString& caption,
                              int left, int top, int width, int height)
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setGeometry(Twips::rect(left, top, width, height));
    b->setAutoDefault(false);
    return b;
}

QPushButton* Controls::closeButton(QWidget* window, const QString& name, int left, int top,
                                   int width, int height)
{
    QPushButton* close = button(window, name, QStringLiteral("Close"), left, top, width, height);
    QObject::connect(close, &QPushButton::clicked, window, &QWidget::close);
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), window);
    QObject::connect(escape, &QShortcut::activated, window, &QWidget::close);
    return close;
}

KeyedList* Controls::list(QWidget* parent, const QString& name, const QString& accessibleName,
                          int left, int top, int width, int height)
{
    auto* l = new KeyedList(parent);
    l->setObjectName(name);
    l->setAccessibleName(accessibleName);
    l->setGeometry(Twips::rect(left, top, width, height));
    return l;
}

QString Controls::indexed(const QString& name, int index)
{
    return name + QLatin1Char('_') + QString::number(index);
}
