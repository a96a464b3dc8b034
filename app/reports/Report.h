#pragma once

#include <QList>
#include <QString>
#include <utility>

// A report ready to go: its template and its replacements in their fixed order.
class Report
{
public:
    using Replacement = std::pair<QString, QString>;

    Report(const QString& templateName, QList<Replacement> replacements);

    // The template with every replacement applied, one after another.
    QString document() const;
    // The template's full path, which messages about the report name.
    QString templatePath() const;

    const QList<Replacement>& replacements() const { return m_replacements; }

private:
    QString m_template;
    QList<Replacement> m_replacements;
};
