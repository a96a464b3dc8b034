#include "Dialogs.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <deque>

namespace {

struct Answers
{
    bool answering = false;
    std::deque<Dialogs::Answer> answers;
    std::deque<int> choices;
    std::deque<QString> files;
    QStringList messages;
    QStringList questions;
};

Answers& state()
{
    static Answers a;
    return a;
}

QString appTitle(const QString& title)
{
    return title.isNull() ? QCoreApplication::applicationName() : title;
}

} // namespace

void Dialogs::tell(QWidget* parent, const QString& text, Icon icon, const QString& title)
{
    if (state().answering) {
        state().messages << text;
        return;
    }
    QMessageBox::Icon boxIcon = QMessageBox::NoIcon;
    if (icon == Icon::Information)
        boxIcon = QMessageBox::Information;
    else if (icon == Icon::Warning)
        boxIcon = QMessageBox::Warning;
    else if (icon == Icon::Critical)
        boxIcon = QMessageBox::Critical;
    QMessageBox box(boxIcon, appTitle(title), text, QMessageBox::Ok, parent);
    box.exec();
}

namespace {

Dialogs::Answer nextAnswer(const QString& question,
                           Dialogs::Answer unanswered = Dialogs::Answer::No)
{
    state().questions << question;
    if (state().answers.empty())
        return unanswered;
    const Dialogs::Answer answer = state().answers.front();
    state().answers.pop_front();
    return answer;
}

} // namespace

bool Dialogs::ask(QWidget* parent, const QString& text)
{
    if (state().answering)
        return nextAnswer(text) == Answer::Yes;
    QMessageBox box(QMessageBox::NoIcon, appTitle(QString()), text,
                    QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

bool Dialogs::confirm(QWidget* parent, const QString& text)
{
    if (state().answering)
        return nextAnswer(text, Answer::Yes) == Answer::Yes;
    QMessageBox box(QMessageBox::Warning, appTitle(QString()), text,
                    QMessageBox::Ok | QMessageBox::Cancel, parent);
    box.setDefaultButton(QMessageBox::Ok);
    return box.exec() == QMessageBox::Ok;
}

int Dialogs::choose(QWidget* parent, const QString& text, const QStringList& buttons)
{
    const int last = static_cast<int>(buttons.size()) - 1;
    if (state().answering) {
        if (!state().choices.empty()) {
            state().questions << text;
            const int choice = state().choices.front();
            state().choices.pop_front();
            return choice;
        }
        return nextAnswer(text, Answer::Cancel) == Answer::Yes ? 0 : last;
    }
    QMessageBox box(QMessageBox::Question, appTitle(QString()), text, QMessageBox::NoButton,
                    parent);
    QList<QAbstractButton*> pressed;
    for (int i = 0; i <= last; ++i)
        pressed << box.addButton(buttons.at(i),
                                 i == last ? QMessageBox::RejectRole : QMessageBox::AcceptRole);
    box.setDefaultButton(static_cast<QPushButton*>(pressed.value(last)));
    box.setEscapeButton(pressed.value(last));
    box.exec();
    const int at = static_cast<int>(pressed.indexOf(box.clickedButton()));
    return at < 0 ? last : at;
}

Dialogs::Answer Dialogs::askYesNoCancel(QWidget* parent, const QString& text)
{
    if (state().answering)
        return nextAnswer(text);
    QMessageBox box(QMessageBox::Question, appTitle(QString()), text,
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, parent);
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        return Answer::Cancel;
    }
}

namespace {

// The next queued file, or none (a cancelled dialog).
QString nextFile()
{
    if (state().files.empty())
        return {};
    const QString file = state().files.front();
    state().files.pop_front();
    return file;
}

QString chosenFile(QFileDialog& dialog)
{
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

} // namespace

QString Dialogs::openFile(QWidget* parent, const QString& title, const QString& filter,
                          const QString& startName)
{
    if (state().answering)
        return nextFile();
    QFileDialog dialog(parent, title, QString(), filter);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    if (!startName.contains(QLatin1Char('*')))
        dialog.selectFile(startName);
    return chosenFile(dialog);
}

QString Dialogs::saveFile(QWidget* parent, const QString& title, const QString& filter,
                          const QString& startName)
{
    if (state().answering)
        return nextFile();
    QFileDialog dialog(parent, title, QString(), filter);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.selectFile(startName);
    return chosenFile(dialog);
}

QString Dialogs::chooseFolder(QWidget* parent, const QString& title, const QString& start)
{
    if (state().answering)
        return nextFile();
    QFileDialog dialog(parent, title, start);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    return chosenFile(dialog);
}

void Dialogs::setAnswering(bool on)
{
    state().answering = on;
}

void Dialogs::setNextAnswer(bool yes)
{
    state().answers.push_back(yes ? Answer::Yes : Answer::No);
}

void Dialogs::setNextAnswer(Answer answer)
{
    state().answers.push_back(answer);
}

void Dialogs::setNextChoice(int button)
{
    state().choices.push_back(button);
}

void Dialogs::setNextOpenFile(const QString& path)
{
    state().files.push_back(path);
}

QStringList Dialogs::messages()
{
    return state().messages;
}

QStringList Dialogs::questions()
{
    return state().questions;
}

void Dialogs::clear()
{
    state().answers.clear();
    state().files.clear();
    state().messages.clear();
    state().questions.clear();
}
