#pragma once

#include <QWidget>

class AppContext;
class QLineEdit;

// Asks a new user for name and school. Shown beside start-up, which does not wait for it.
class FirstRunForm : public QWidget
{
    Q_OBJECT
public:
    FirstRunForm(AppContext& app, QWidget* mainWindow);

    QLineEdit* nameBox() const { return m_nameBox; }
    QLineEdit* schoolBox() const { return m_schoolBox; }

signals:
    // The user answered or closed the window; the name and school are what they will be.
    void finished();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void submit();
    void finish();

    AppContext& m_app;
    QWidget* m_mainWindow;
    QLineEdit* m_nameBox;
    QLineEdit* m_schoolBox;
    bool m_finished = false;
};
