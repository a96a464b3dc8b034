#pragma once

#include <QString>
#include <QStringList>

class QWidget;

// Every modal message box and file dialog of the program goes through here, so that tests
// can answer them. In answering mode nothing is shown: messages are recorded, questions take
// the next queued answer (No when none is queued; a queued Cancel is No to a Yes/No question) and
// file dialogs the next queued file (cancelled when none is queued).
class Dialogs
{
public:
    enum class Icon
    {
        None,
        Information,
        Warning,
        Critical
    };
    enum class Answer
    {
        Yes,
        No,
        Cancel
    };

    // A message with an OK button only, titled with the application's name unless given.
    static void tell(QWidget* parent, const QString& text, Icon icon = Icon::None,
                     const QString& title = QString());
    // A Yes/No question titled with the application's name; true on Yes.
    static bool ask(QWidget* parent, const QString& text);
    // A warning the user may accept (OK, the default) or not (Cancel); true on OK. In answering
    // mode it is accepted unless a No or Cancel is queued.
    static bool confirm(QWidget* parent, const QString& text);
    // A question with buttons of its own, the last of which cancels (and is the default);
    // the index of the button pressed. In answering mode the next queued choice, else a queued
    // Yes presses the first button and anything else the last.
    static int choose(QWidget* parent, const QString& text, const QStringList& buttons);
    // A Yes/No/Cancel question titled with the application's name; Cancel when dismissed.
    static Answer askYesNoCancel(QWidget* parent, const QString& text);
    // The open-file dialog; the chosen path, or empty when cancelled.
    static QString openFile(QWidget* parent, const QString& title, const QString& filter,
                            const QString& startName);

    // The save-file dialog, which asks before replacing a file; the chosen path, or empty when
    // cancelled. In answering mode it takes the next queued file, as openFile does.
    static QString saveFile(QWidget* parent, const QString& title, const QString& filter,
                            const QString& startName);

    // The folder dialog, which may make a new folder; the chosen folder, or empty when
    // cancelled. In answering mode it takes the next queued file, as openFile does.
    static QString chooseFolder(QWidget* parent, const QString& title, const QString& start);

    // For tests.
    static void setAnswering(bool on);
    static void setNextAnswer(bool yes);
    static void setNextAnswer(Answer answer);
    static void setNextChoice(int button);
    static void setNextOpenFile(const QString& path);
    static QStringList messages();
    static QStringList questions();
    static void clear();
};
