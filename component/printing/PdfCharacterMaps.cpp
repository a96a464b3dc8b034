#include "PdfCharacterMaps.h"

#include <QFile>
#include <QList>
#include <QMap>
#include <QRegularExpression>
#include <QSet>
#include <algorithm>

namespace pagora {

namespace {

using CharacterMap = QMap<uint, QString>; // glyph → the characters it stands for

QString characters(const QByteArray& hex)
{
    QString text;
    for (qsizetype i = 0; i + 4 <= hex.size(); i += 4)
        text.append(QChar(static_cast<char16_t>(hex.mid(i, 4).toUInt(nullptr, 16))));
    return text;
}

QByteArray hex(uint value)
{
    return '<' + QByteArray::number(value, 16).toUpper().rightJustified(4, '0') + '>';
}

QByteArray hex(const QString& text)
{
    QByteArray out("<");
    for (QChar c : text)
        out += QByteArray::number(c.unicode(), 16).toUpper().rightJustified(4, '0');
    return out + '>';
}

// The bfchar and bfrange sections of a map, glyph by glyph; false for what Qt does not write.
bool read(const QByteArray& cmap, CharacterMap& map)
{
    static const QRegularExpression token(
        QStringLiteral("beginbfchar|endbfchar|beginbfrange|endbfrange|<([0-9A-Fa-f]*)>|\\[|\\]"));
    enum class In
    {
        Nothing,
        Chars,
        Ranges
    } in = In::Nothing;
    QList<QByteArray> pending; // the hex strings of the entry being read
    bool inArray = false;
    QList<QByteArray> array;
    for (auto it = token.globalMatch(QString::fromLatin1(cmap)); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        const QString word = m.captured(0);
        if (word == QLatin1String("beginbfchar"))
            in = In::Chars;
        else if (word == QLatin1String("beginbfrange"))
            in = In::Ranges;
        else if (word.startsWith(QLatin1String("end")))
            in = In::Nothing;
        else if (in == In::Nothing)
            continue;
        else if (word == QLatin1String("["))
            inArray = true;
        else if (word == QLatin1String("]")) {
            if (pending.size() != 2)
                return false;
            const uint low = pending[0].toUInt(nullptr, 16);
            for (qsizetype i = 0; i < array.size(); ++i)
                map.insert(low + static_cast<uint>(i), characters(array[i]));
            pending.clear();
            array.clear();
            inArray = false;
        } else if (inArray) {
            array << m.captured(1).toLatin1();
        } else {
            pending << m.captured(1).toLatin1();
            if (in == In::Chars && pending.size() == 2) {
                map.insert(pending[0].toUInt(nullptr, 16), characters(pending[1]));
                pending.clear();
            } else if (in == In::Ranges && pending.size() == 3) {
                const uint low = pending[0].toUInt(nullptr, 16);
                const uint high = pending[1].toUInt(nullptr, 16);
                QString first = characters(pending[2]);
                if (high < low || high - low > 0xFFFF || first.isEmpty())
                    return false;
                for (uint glyph = low; glyph <= high; ++glyph) {
                    map.insert(glyph, first);
                    first.back() = QChar(static_cast<char16_t>(first.back().unicode() + 1));
                }
                pending.clear();
            }
        }
    }
    return true;
}

QByteArray written(const CharacterMap& map)
{
    QByteArray out;
    // Each section holds at most a hundred entries.
    for (auto it = map.cbegin(); it != map.cend();) {
        QByteArray entries;
        int count = 0;
        for (; it != map.cend() && count < 100; ++it, ++count)
            entries += hex(it.key()) + ' ' + hex(it.value()) + '\n';
        out += QByteArray::number(count) + " beginbfchar\n" + entries + "endbfchar\n";
    }
    return out;
}

// The map with `names` applied, or an empty array when nothing changes.
QByteArray renamed(const QByteArray& cmap, const QHash<char16_t, char16_t>& names)
{
    CharacterMap map;
    if (!read(cmap, map))
        return {};
    bool changed = false;
    for (QString& text : map) {
        if (text.size() == 1 && names.contains(text.front().unicode())) {
            text = QChar(names.value(text.front().unicode()));
            changed = true;
        }
    }
    static const QRegularExpression sections(QStringLiteral("\\d+\\s+beginbf"));
    const qsizetype start = QString::fromLatin1(cmap).indexOf(sections);
    const qsizetype end = std::max(cmap.lastIndexOf("endbfchar"), cmap.lastIndexOf("endbfrange"));
    if (!changed || start < 0 || end < start)
        return {};
    const qsizetype after = cmap.indexOf('\n', end);
    return cmap.left(start) + written(map) + (after < 0 ? QByteArray() : cmap.mid(after + 1));
}

QByteArray captured(const QByteArray& data, const char* pattern, qsizetype from = 0)
{
    const QRegularExpression expression(QString::fromLatin1(pattern));
    QRegularExpressionMatch m;
    QString text = QString::fromLatin1(data.mid(from));
    const qsizetype at = text.lastIndexOf(expression, -1, &m);
    return at < 0 ? QByteArray() : m.captured(1).toLatin1();
}

} // namespace

bool PdfCharacterMaps::rename(const QString& path, const QHash<char16_t, char16_t>& names)
{
    if (names.isEmpty())
        return true;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray pdf = file.readAll();
    file.close();

    // The last trailer: the update follows on from it.
    const qsizetype trailer = pdf.lastIndexOf("trailer");
    if (trailer < 0)
        return false;
    const QByteArray size = captured(pdf, "/Size\\s+(\\d+)", trailer);
    const QByteArray root = captured(pdf, "/Root\\s+(\\d+\\s+\\d+\\s+R)", trailer);
    const QByteArray info = captured(pdf, "/Info\\s+(\\d+\\s+\\d+\\s+R)", trailer);
    const QByteArray previous = captured(pdf, "startxref\\s+(\\d+)", trailer);
    if (size.isEmpty() || root.isEmpty() || previous.isEmpty())
        return false;

    QSet<int> numbers;
    static const QRegularExpression maps(QStringLiteral("/ToUnicode\\s+(\\d+)\\s+0\\s+R"));
    for (auto it = maps.globalMatch(QString::fromLatin1(pdf)); it.hasNext();)
        numbers.insert(it.next().captured(1).toInt());
    QList<int> objects(numbers.cbegin(), numbers.cend());
    std::sort(objects.begin(), objects.end());

    QByteArray update;
    if (!pdf.endsWith('\n'))
        update += '\n';
    QList<QPair<QByteArray, qsizetype>> offsets;
    for (int n : std::as_const(objects)) {
        const QByteArray number = QByteArray::number(n);
        const qsizetype object = pdf.lastIndexOf("\n" + number + " 0 obj\n");
        const qsizetype stream = object < 0 ? -1 : pdf.indexOf("stream\n", object);
        if (stream < 0)
            continue;
        const QByteArray dictionary = pdf.mid(object, stream - object);
        // Qt writes its maps plain, with their length in place.
        static const QRegularExpression plain(
            QStringLiteral("^[^/]*<<\\s*/Length\\s+(\\d+)\\s*>>"));
        const QRegularExpressionMatch length =
            plain.match(QString::fromLatin1(dictionary.mid(number.size() + 8)));
        if (!length.hasMatch())
            continue;
        const QByteArray cmap = pdf.mid(stream + 7, length.captured(1).toLongLong());
        const QByteArray mended = renamed(cmap, names);
        if (mended.isEmpty())
            continue;
        offsets.append({number, pdf.size() + update.size()});
        update += number + " 0 obj\n<< /Length " + QByteArray::number(mended.size()) +
                  " >>\nstream\n" + mended + "\nendstream\nendobj\n";
    }
    if (offsets.isEmpty())
        return true;

    const qsizetype table = pdf.size() + update.size();
    update += "xref\n";
    for (const auto& [number, offset] : std::as_const(offsets))
        update +=
            number + " 1\n" + QByteArray::number(offset).rightJustified(10, '0') + " 00000 n \n";
    update += "trailer\n<<\n/Size " + size + "\n/Root " + root + "\n";
    if (!info.isEmpty())
        update += "/Info " + info + "\n";
    update += "/Prev " + previous + "\n>>\nstartxref\n" + QByteArray::number(table) + "\n%%EOF\n";
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        return false;
    return file.write(update) == update.size() && file.flush();
}

} // namespace pagora
