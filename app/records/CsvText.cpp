#include "CsvText.h"

#include <QStringDecoder>

namespace {

// Windows-1252 where it differs from Latin-1: 0x80 to 0x9F.
const char16_t kCp1252[32] = {0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                              0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD,
                              0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                              0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178};

QChar separatorOf(const QString& text)
{
    const QString first = text.section(QLatin1Char('\n'), 0, 0);
    if (first.contains(QLatin1Char('\t')))
        return QLatin1Char('\t');
    return first.count(QLatin1Char(';')) > first.count(QLatin1Char(',')) ? QLatin1Char(';')
                                                                         : QLatin1Char(',');
}

} // namespace

QString CsvText::decode(const QByteArray& bytes, QString* error)
{
    // A NUL never stands in text: a spreadsheet's own file, a picture, a program.
    if (bytes.contains('\0')) {
        *error = QStringLiteral("The file is not text: save it from the spreadsheet as CSV.");
        return {};
    }
    QByteArray body = bytes;
    if (body.startsWith("\xEF\xBB\xBF"))
        body.remove(0, 3);
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8.decode(body);
    if (!utf8.hasError())
        return text;
    QString latin;
    latin.reserve(body.size());
    for (const char c : body) {
        const auto b = static_cast<unsigned char>(c);
        latin += b >= 0x80 && b < 0xA0 ? QChar(kCp1252[b - 0x80]) : QChar(b);
    }
    return latin;
}

CsvText::Table CsvText::read(const QString& text)
{
    Table table;
    const QChar sep = separatorOf(text);
    Row row;
    QString field;
    bool quoted = false;    // inside a quoted field
    bool wasQuoted = false; // the field began with a quote
    int line = 1;
    int quoteLine = 0;
    row.line = 1;
    auto endField = [&] {
        row.fields << (wasQuoted ? field : field.trimmed());
        field.clear();
        wasQuoted = false;
    };
    auto endRow = [&] {
        endField();
        // A line with nothing on it is no row.
        if (!(row.fields.size() == 1 && row.fields.first().isEmpty()))
            table.rows << row;
        row = Row{line + 1, {}};
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (quoted) {
            if (c == QLatin1Char('"')) {
                if (i + 1 < text.size() && text.at(i + 1) == QLatin1Char('"')) {
                    field += c;
                    ++i;
                } else {
                    quoted = false;
                }
            } else {
                if (c == QLatin1Char('\n'))
                    ++line;
                if (c != QLatin1Char('\r'))
                    field += c;
            }
            continue;
        }
        if (c == QLatin1Char('"') && field.trimmed().isEmpty() && !wasQuoted) {
            field.clear();
            quoted = wasQuoted = true;
            quoteLine = line;
        } else if (c == sep) {
            endField();
        } else if (c == QLatin1Char('\n')) {
            endRow();
            ++line;
        } else if (c != QLatin1Char('\r')) {
            // Text after a closing quote, or a quote inside a bare field, is kept as typed.
            field += c;
        }
    }
    if (quoted) {
        table.rows.clear();
        table.error = QStringLiteral("Line %1 opens a quote (\") that is never closed, so the "
                                     "rest of the file cannot be read.")
                          .arg(quoteLine);
        return table;
    }
    if (!field.isEmpty() || wasQuoted || !row.fields.isEmpty())
        endRow();
    if (table.rows.isEmpty())
        table.error = QStringLiteral("There is nothing to read: the text is empty.");
    return table;
}

QString CsvText::line(const QStringList& fields)
{
    QString out;
    append(out, fields);
    return out;
}

void CsvText::append(QString& out, const QStringList& fields)
{
    for (qsizetype i = 0; i < fields.size(); ++i)
        appendField(out, fields[i], i == 0);
    endLine(out);
}

void CsvText::appendField(QString& out, QStringView field, bool first)
{
    if (!first)
        out += QLatin1Char(',');
    // A field is quoted when it holds the separator, a quote or a line break, or begins or
    // ends with a blank that a reader would trim.
    auto mustQuote = [](QStringView f) {
        if (f.isEmpty())
            return false;
        if (f.front().isSpace() || f.back().isSpace())
            return true;
        for (const QChar c : f)
            if (c == QLatin1Char(',') || c == QLatin1Char('"') || c == QLatin1Char('\n') ||
                c == QLatin1Char('\r'))
                return true;
        return false;
    };
    if (!mustQuote(field)) {
        out += field;
        return;
    }
    out += QLatin1Char('"');
    for (const QChar c : field) {
        if (c == QLatin1Char('"'))
            out += c;
        out += c;
    }
    out += QLatin1Char('"');
}

void CsvText::endLine(QString& out)
{
    out += QLatin1String("\r\n");
}
