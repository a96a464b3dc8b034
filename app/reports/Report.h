#pragma once

#include <QList>
#include <QString>
#include <utility>

// A report ready to go: its template and its replacements in their fixed order.
class Report
{
public:
    using Replacement = std::pair<QString, QString>;

    // One printing of the template's repeated part: a heading of its own (RTF) before it, and
    // its own replacements.
    struct Part
    {
        QString heading;
        QList<Replacement> replacements;
    };

    Report(const QString& templateName, QList<Replacement> replacements);

    // Prints the template's part from the paragraph that holds `first` (or the heading
    // paragraph just before it, when that one holds no placeholder) to the template's end once
    // for each part, instead of once.
    void repeat(const QString& first, QList<Part> parts);

    // The template with every replacement applied, one after another.
    QString document() const;
    // The template's full path, which messages about the report name.
    QString templatePath() const;

    const QList<Replacement>& replacements() const { return m_replacements; }

private:
    QString m_template;
    QList<Replacement> m_replacements;
    QString m_first;
    QList<Part> m_parts;
};
