#include "SitePage.h"

QString SitePage::escape(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        switch (c.unicode()) {
        case '&':
            out += QLatin1String("&amp;");
            break;
        case '<':
            out += QLatin1String("&lt;");
            break;
        case '>':
            out += QLatin1String("&gt;");
            break;
        case '"':
            out += QLatin1String("&quot;");
            break;
        case '\'':
            out += QLatin1String("&#39;");
            break;
        default:
            // Control characters a stored value may hold are not valid HTML.
            if (c.unicode() >= 0x20 || c == QLatin1Char('\n') || c == QLatin1Char('\t'))
                out += c;
        }
    }
    return out;
}

QString SitePage::link(const QString& href, const QString& text)
{
    return QStringLiteral("<a href=\"%1\">%2</a>").arg(escape(href), escape(text));
}

QString SitePage::date(QDate day)
{
    if (!day.isValid())
        return {};
    const QString iso = day.toString(Qt::ISODate);
    return QStringLiteral("<time datetime=\"%1\">%1</time>").arg(iso);
}

QString SitePage::table(const QString& caption, const QStringList& headers,
                        const QList<QStringList>& rows)
{
    QString out = QStringLiteral("<table>\n");
    if (!caption.isEmpty())
        out += QStringLiteral("<caption>%1</caption>\n").arg(escape(caption));
    out += QStringLiteral("<thead><tr>");
    for (const QString& h : headers)
        out += QStringLiteral("<th scope=\"col\">%1</th>").arg(escape(h));
    out += QStringLiteral("</tr></thead>\n<tbody>\n");
    for (const QStringList& row : rows) {
        out += QStringLiteral("<tr>");
        for (const QString& cell : row)
            out += QStringLiteral("<td>") + cell + QStringLiteral("</td>");
        out += QStringLiteral("</tr>\n");
    }
    return out + QStringLiteral("</tbody>\n</table>\n");
}

QString SitePage::document(const Frame& frame, const QString& title, const QString& root,
                           const QString& body)
{
    return QStringLiteral(
               "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
               "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
               "<title>%1</title>\n<link rel=\"stylesheet\" href=\"%2style.css\">\n</head>\n"
               "<body>\n<header><nav aria-label=\"Site\"><a href=\"%2index.html\">%3</a> "
               "<a href=\"%2athletes.html\">Athletes</a> <a href=\"%2records.html\">Records</a> "
               "<a href=\"%2top-ten.html\">Top Ten</a></nav></header>\n<main>\n%4</main>\n"
               "<footer><p>Made with Cindrel on %5.</p></footer>\n</body>\n</html>\n")
        .arg(escape(title), root, escape(frame.school), body, escape(frame.made));
}

QByteArray SitePage::styleSheet()
{
    return QByteArrayLiteral(
        "body { font-family: sans-serif; margin: 0 auto; max-width: 60rem; padding: 0 0.75rem;\n"
        "       line-height: 1.4; color: #1a1a1a; background: #fff; }\n"
        "header nav { display: flex; flex-wrap: wrap; gap: 0.5rem 1rem; padding: 0.75rem 0;\n"
        "             border-bottom: 2px solid #193e72; }\n"
        "header nav a:first-child { font-weight: bold; }\n"
        "a { color: #193e72; }\n"
        "h1 { font-size: 1.5rem; } h2 { font-size: 1.25rem; margin-top: 2rem; }\n"
        "h3 { font-size: 1.05rem; }\n"
        "table { border-collapse: collapse; margin: 0.5rem 0 1rem; width: 100%; }\n"
        "caption { text-align: left; font-weight: bold; padding: 0.25rem 0; }\n"
        "th, td { text-align: left; padding: 0.25rem 0.5rem; border-bottom: 1px solid #ddd;\n"
        "         vertical-align: top; }\n"
        "th { background: #eef2f7; }\n"
        "time { white-space: nowrap; }\n"
        ".chart { width: 100%; max-width: 40rem; height: auto; display: block; }\n"

        "footer { margin: 2rem 0 1rem; color: #555; font-size: 0.9rem; }\n"
        "@media (max-width: 30rem) { th, td { padding: 0.2rem 0.3rem; font-size: 0.9rem; } }\n");
}
