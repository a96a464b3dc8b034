#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

// The frame of every page of a team's website: plain HTML5 with a language, a title, the
// site's one style sheet, the team's links at the top and the date it was made at the foot.
class SitePage
{
public:
    struct Frame
    {
        QString school;
        QString made; // "2026-12-09"
    };
    // `root` leads from the page's folder to the site's ("" or "../").
    static QString document(const Frame& frame, const QString& title, const QString& root,
                            const QString& body);
    // Text and attribute values made safe for HTML.
    static QString escape(const QString& text);
    // A table with a caption, one header row and rows of cells (already HTML).
    static QString table(const QString& caption, const QStringList& headers,
                         const QList<QStringList>& rows);
    static QString link(const QString& href, const QString& text);
    // A day as HTML, kept on one line: "<time datetime=...>2026-04-11</time>"; nothing for none.
    static QString date(QDate day);
    // The site's style sheet: readable on a phone, printable.
    static QByteArray styleSheet();
};
