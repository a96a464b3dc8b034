#pragma once

#include <QList>
#include <QString>
#include <functional>
#include <utility>

class QWidget;

// A report ready to go: its template and its replacements in their fixed order.
class Report
{
public:
    using Replacement = std::pair<QString, QString>;

    Report(const QString& templateName, QList<Replacement> replacements);

    // The template with every replacement applied, one after another.
    QString document() const;
    // Writes the work file and hands it to the print-and-preview component's preview.
    // False, after telling the user what went wrong, when there is no preview.
    bool present(QWidget* parent) const;

    const QList<Replacement>& replacements() const { return m_replacements; }

    // Builds a report and presents it; a report that cannot be built is told to the user.
    static bool run(QWidget* parent, const std::function<Report()>& build);

private:
    QString m_template;
    QList<Replacement> m_replacements;
};
