#pragma once

#include <QtGlobal>
#include <optional>

class AppContext;
class QWidget;

// File › Export Entries...: the selected meet's entries written for the host's meet program,
// as the semicolon-separated entries file, or as a CSV when the name ends in ".csv". The file
// appears whole or not at all.
class EntriesSave
{
public:
    // False when nothing was written (no meet chosen, cancelled, or refused; said to the user).
    static bool save(QWidget* parent, AppContext& app, std::optional<qint64> meet);
};
