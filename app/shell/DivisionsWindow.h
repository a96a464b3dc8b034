#pragma once

#include "records/UsualDivisions.h"

#include <QDialog>

class AppContext;
class DivisionWindow;
class QListWidget;
class QMenuBar;

// Options › Divisions: which divisions Add Meet makes. The usual four are offered to check,
// and the coach may add divisions of their own; the choice goes into the settings
// ("Divisions") when OK is pressed. None checked makes one unnamed, mixed division.
class DivisionsWindow : public QDialog
{
    Q_OBJECT
public:
    DivisionsWindow(AppContext& app, QWidget* parent);

    // Reads the settings into the program, and adds "Divisions..." to the bar's Options menu,
    // which opens the window (one, made on first use).
    static void addMenuItem(QMenuBar* bar, AppContext& app, QWidget* parent);
    // Shows the current choice.
    void build();
    QListWidget* list() const { return m_list; }
    // Keeps the checked divisions, in the settings and for Add Meet.
    void keep();

private:
    void add(const QString& name, const QString& gender, bool checked);

    AppContext& m_app;
    QListWidget* m_list;
    DivisionWindow* m_new = nullptr;
};
