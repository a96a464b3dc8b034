#include "EventNames.h"

#include <QRegularExpression>

namespace {

using RE = QRegularExpression;

// Takes the first match of `pattern` out of `text`, and gives what it matched, as written.
QString take(QString& text, const RE& pattern)
{
    const QRegularExpressionMatch m = pattern.match(text);
    if (!m.hasMatch())
        return {};
    text.remove(m.capturedStart(), m.capturedLength());
    return m.captured().trimmed();
}

// 4 x 100 is the 400 relay, and so on; "4x1" is the short form of the same.
int relayOf(int legs, int leg)
{
    if (legs != 4)
        return 0;
    switch (leg) {
    case 1:
    case 100:
        return 14;
    case 2:
    case 200:
        return 15;
    case 4:
    case 400:
        return 16;
    case 8:
    case 800:
        return 17;
    default:
        return 0;
    }
}

int runOf(int metres)
{
    switch (metres) {
    case 100:
        return 1;
    case 200:
        return 2;
    case 400:
        return 3;
    case 800:
        return 4;
    case 1600:
        return 5;
    case 3200:
        return 6;
    default:
        return 0;
    }
}

int eventType(const QString& t)
{
    static const RE relay(QStringLiteral("\\b(\\d)\\s*x\\s*(\\d+)\\s*(m\\b)?"));
    static const RE totalRelay(QStringLiteral("\\b(\\d+)\\s*m?\\s*relay\\b"));
    static const RE otherRelay(
        QStringLiteral("\\b(medley|smr|dmr|shuttle|relay)\\b|\\b\\d+\\s*x\\s*\\d+"));
    static const RE hurdles(QStringLiteral("\\b(\\d+)\\s*(m\\s*)?(ih|i\\.?h\\.?|h|hurdles?|"
                                           "intermediate hurdles?|(low |high )?hurdles?)\\b"));
    static const RE anyHurdles(QStringLiteral("hurdle"));
    static const RE notKept(QStringLiteral("\\b(javelin|hammer|weight|jt|ht|wt|mile|miles|"
                                           "steeple(chase)?|walk|pentathlon|heptathlon|"
                                           "decathlon|cross country|xc)\\b|\\d\\s*(y|yd|yds|"
                                           "yard|yards)\\b"));
    static const RE run(QStringLiteral("^(\\d{2,5})\\s*(m)?(\\s+(dash|run|sprint))?$"));
    const struct
    {
        const char* pattern;
        int type;
    } field[] = {{"\\bhigh\\s*jump\\b|\\bhj\\b", 8},    {"\\blong\\s*jump\\b|\\blj\\b", 9},
                 {"\\btriple\\s*jump\\b|\\btj\\b", 10}, {"\\bpole\\s*vault\\b|\\bpv\\b", 11},
                 {"\\bshot(\\s*put)?\\b|\\bsp\\b", 12}, {"\\bdiscus(\\s*throw)?\\b|\\bdt\\b", 13}};
    for (const auto& f : field)
        if (RE(QLatin1String(f.pattern)).match(t).hasMatch())
            return f.type;
    if (const auto m = relay.match(t); m.hasMatch())
        return relayOf(m.captured(1).toInt(), m.captured(2).toInt());
    if (const auto m = totalRelay.match(t); m.hasMatch()) {
        const int type = 13 + runOf(m.captured(1).toInt()) - 2;
        return m.captured(1).toInt() >= 400 && runOf(m.captured(1).toInt()) >= 3 ? type : 0;
    }
    if (otherRelay.match(t).hasMatch())
        return 0;
    if (const auto m = hurdles.match(t); m.hasMatch())
        return m.captured(1).toInt() == 300 ? 7 : 0;
    if (anyHurdles.match(t).hasMatch() || notKept.match(t).hasMatch())
        return 0;
    if (const auto m = run.match(t); m.hasMatch())
        return runOf(m.captured(1).toInt());
    return -1;
}

} // namespace

EventNames::Heading EventNames::read(const QString& text)
{
    static const RE number(QStringLiteral("\\b(event|evt)\\s*#?\\s*\\d+\\b|^\\s*#\\s*\\d+\\b|"
                                          "\\b(heat|flight|section)\\s*\\d+(\\s*of\\s*\\d+)?\\b"),
                           RE::CaseInsensitiveOption);
    static const RE round(QStringLiteral("\\b(finals?|prelims?|preliminaries|trials|"
                                         "semi-?finals?|timed finals?)\\b"),
                          RE::CaseInsensitiveOption);
    static const RE gender(QStringLiteral("\\b(girls|girl's|girls'|women|women's|womens|woman|"
                                          "ladies|boys|boy's|boys'|men|men's|mens|mixed|coed)\\b"),
                           RE::CaseInsensitiveOption);
    static const RE division(QStringLiteral("\\b(varsity|junior varsity|jv|frosh[-/ ]?soph|"
                                            "f/s|freshmen|freshman|sophomore|open|novice)\\b"),
                             RE::CaseInsensitiveOption);
    Heading heading;
    QString t = text.simplified();
    t.remove(number);
    heading.round = take(t, round);
    heading.gender = EventNames::gender(take(t, gender));
    heading.division = take(t, division);
    t = t.toLower();
    t.replace(RE(QStringLiteral("\\b(meters?|metres?|mtrs?)\\b")), QStringLiteral("m"));
    t.replace(RE(QStringLiteral("(\\d)\\s*m\\b")), QStringLiteral("\\1m"));
    t.remove(RE(QStringLiteral("[():,.-]+$")));
    heading.type = eventType(t.simplified());
    return heading;
}

QString EventNames::gender(const QString& word)
{
    const QString w = word.toLower().remove(QLatin1Char('\'')).trimmed();
    static const QStringList girls{QStringLiteral("girls"), QStringLiteral("girl"),
                                   QStringLiteral("women"), QStringLiteral("womens"),
                                   QStringLiteral("woman"), QStringLiteral("ladies"),
                                   QStringLiteral("w"),     QStringLiteral("f"),
                                   QStringLiteral("g"),     QStringLiteral("female")};
    static const QStringList boys{QStringLiteral("boys"), QStringLiteral("boy"),
                                  QStringLiteral("men"),  QStringLiteral("mens"),
                                  QStringLiteral("man"),  QStringLiteral("m"),
                                  QStringLiteral("b"),    QStringLiteral("male")};
    if (girls.contains(w))
        return QStringLiteral("F");
    if (boys.contains(w))
        return QStringLiteral("M");
    return {};
}
