#include "CodePage.h"

#include <QHash>
#include <QStringDecoder>
#include <algorithm>

namespace pagora {

namespace {

QByteArray codecName(int codePage)
{
    switch (codePage) {
    case 437:
        return "IBM437";
    case 850:
        return "IBM850";
    case 932:
        return "Shift_JIS";
    case 936:
        return "GBK";
    case 949:
        return "EUC-KR";
    case 950:
        return "Big5";
    case 10000:
        return "macintosh";
    case 65001:
        return "UTF-8";
    default:
        return "windows-" + QByteArray::number(codePage);
    }
}

} // namespace

QString CodePage::decode(int codePage, const QByteArray& bytes)
{
    // Text in plain ASCII reads the same in every code page a document uses for its text, and
    // most of every document is: no converter is made for it.
    const bool ascii = std::all_of(bytes.begin(), bytes.end(),
                                   [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    if (ascii && codePage != 932 && codePage != 936 && codePage != 949 && codePage != 950)
        return QString::fromLatin1(bytes);
    QStringDecoder decoder(codecName(codePage).constData());
    if (!decoder.isValid())
        decoder = QStringDecoder("windows-1252");
    if (!decoder.isValid())
        return QString::fromLatin1(bytes);
    return decoder.decode(bytes);
}

int CodePage::forCharset(int charset)
{
    static const QHash<int, int> pages{
        {0, 1252},   {77, 10000}, {128, 932},  {129, 949},  {134, 936},  {136, 950},
        {161, 1253}, {162, 1254}, {163, 1258}, {177, 1255}, {178, 1256}, {186, 1257},
        {204, 1251}, {222, 874},  {238, 1250}, {254, 437},  {255, 850},
    };
    return pages.value(charset, 0);
}

} // namespace pagora
