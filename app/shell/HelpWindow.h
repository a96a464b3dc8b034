#pragma once

#include <QWidget>

class QHelpEngine;
class QLabel;
class QTextBrowser;

// The help: its table of contents beside the page, from the compiled help in the program
// folder. Says so plainly when the help file is missing.
class HelpWindow : public QWidget
{
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* owner);
    ~HelpWindow() override;

    static QString helpFile();
    bool hasHelp() const { return m_engine != nullptr; }
    QHelpEngine* engine() const { return m_engine; }
    QTextBrowser* page() const { return m_page; }
    void showContents();

private:
    QHelpEngine* m_engine = nullptr;
    QTextBrowser* m_page = nullptr;
    QLabel* m_missing = nullptr;
};
