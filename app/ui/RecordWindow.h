#pragma once

#include <QString>
#include <QWidget>

class QPushButton;

// An editor window over one record. It knows whether what it shows differs from what was
// loaded, and asks before closing over changes; Escape closes it and Enter presses the
// focused button, or the update button when the focus is in a box.
class RecordWindow : public QWidget
{
    Q_OBJECT
public:
    explicit RecordWindow(QWidget* parent = nullptr);

    // Loads a record; false (after telling the user) when it cannot be shown.
    virtual bool build(qint64 pin) = 0;
    // Writes what the window shows; false (after telling the user) when nothing was saved.
    virtual bool save() = 0;
    // Deletes the record, after asking.
    virtual void remove() = 0;
    bool isModified() const { return m_loaded != snapshot(); }

signals:
    // "Run Report": the record's report, from what is stored.
    void reportRequested(qint64 pin);

protected:
    // Everything the user can change, as one text, for telling whether anything changed.
    virtual QString snapshot() const = 0;
    // "Save the changes to this meet?" and the like.
    virtual QString saveQuestion() const = 0;
    // Call when the window has been filled from the database or saved to it.
    void markUnchanged() { m_loaded = snapshot(); }
    void setUpdateButton(QPushButton* button) { m_update = button; }
    // Selects a placeholder text so that typing replaces it, and puts the focus there.
    static void offerForTyping(QWidget* box);

    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QString m_loaded;
    QPushButton* m_update = nullptr;
};
