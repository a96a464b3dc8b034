#pragma once

#include <QDialog>
#include <functional>

class QComboBox;

// "Add Division": a division's name (one of the usual ones or the coach's own) and its gender.
// It is shown without blocking the program; the caller hears of the choice through `accept`.
class DivisionWindow : public QDialog
{
    Q_OBJECT
public:
    explicit DivisionWindow(QWidget* parent);

    // Opens the window empty; `taken` are the names the new one must not repeat, and `add` is
    // called with the name and gender ("F", "M", or empty for mixed) when the coach confirms.
    void ask(const QStringList& taken,
             std::function<void(const QString& name, const QString& gender)> add);

    QComboBox* nameBox() const { return m_name; }
    QComboBox* genderBox() const { return m_gender; }
    // Checks the boxes and hands the division on; a refusal names the box and keeps the window.
    void confirm();

private:
    QComboBox* m_name;
    QComboBox* m_gender;
    QStringList m_taken;
    std::function<void(const QString&, const QString&)> m_add;
};
