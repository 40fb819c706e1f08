// The identification against a brute force written here from the colour
// code's tables: every sequence of three to five single colours, read from
// each end (six bands over a sample of the first three); then the cases a person meets at the bench, a measurement
// picking between readings, and which values count as standard.
#include "identification.h"

#include <QTest>

#include <algorithm>
#include <climits>

using namespace Velmora;

Q_DECLARE_METATYPE(Verdict)

namespace {

// Indexed by colour: nero marrone rosso arancio giallo verde azzurro viola
// grigio bianco oro argento rosa. X where the band has no such colour.
constexpr int X = INT_MIN;
constexpr int Digit[13] {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, X, X, X};
constexpr int Power[13] {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, -1, -2, -3};
constexpr int Tolerance[13] {X, 100, 200, 5, 2, 50, 25, 10, 5, X, 500, 1000, X}; // hundredths of a percent
constexpr int Ppm[13] {250, 100, 50, 15, 25, 20, 10, 5, 1, X, X, X, X};
const QStringList Names {"nero", "marrone", "rosso", "arancio", "giallo", "verde", "azzurro", "viola", "grigio",
    "bianco", "oro", "argento", "rosa"};

// "4700 5% giallo viola rosso oro": value in ohms as significand e exponent,
// tolerance, the colours in reading order, and "<" when read from the other end.
QString text(long long significand, int power, int tolerance, const QList<int> &colours, bool reversed,
    std::optional<int> ppm = std::nullopt)
{
    const Decimal v = normalised({significand, power});
    QStringList names;
    for (int c : colours)
        names << Names[c];
    return QStringLiteral("%1e%2 %3 %4%5%6")
        .arg(v.significand)
        .arg(v.exponent)
        .arg(tolerance)
        .arg(ppm ? QStringLiteral("%1ppm ").arg(*ppm) : QString(), names.join(u' '),
            reversed ? QStringLiteral(" <") : QString());
}

// The reading of colours in this order, as the tables above give it.
std::optional<QString> brute(const QList<int> &c, bool reversed)
{
    const qsizetype n = c.size();
    const qsizetype digits = n <= 4 ? 2 : 3;
    if (c[0] == 0) // a leading zero is no significant figure
        return std::nullopt;
    long long significand = 0;
    for (qsizetype i = 0; i < digits; ++i) {
        if (Digit[c[i]] == X)
            return std::nullopt;
        significand = significand * 10 + Digit[c[i]];
    }
    const int tolerance = n == 3 ? 2000 : Tolerance[c[digits + 1]];
    if (tolerance == X || (n == 6 && Ppm[c[5]] == X))
        return std::nullopt;
    return text(
        significand, Power[c[digits]], tolerance, c, reversed, n == 6 ? std::optional<int>(Ppm[c[5]]) : std::nullopt);
}

QStringList shown(const Identification &found)
{
    QStringList out;
    for (const Identified &r : found.readings) {
        QList<int> colours;
        for (int band = 1; band <= int(r.reading.rows.size()) && colourOf(r.reading, band); ++band)
            colours << int(*colourOf(r.reading, band));
        out << text(r.value.significand, r.value.exponent, r.tolerance, colours, r.reversed, r.coefficient);
    }
    return out;
}

Sighting sighting(const QString &bands, bool firstIsBand1 = false)
{
    Sighting s {{}, firstIsBand1, std::nullopt};
    for (const QString &band : bands.split(u' ')) {
        ColourSet set = 0;
        for (const QString &name : band.split(u'/'))
            set |= name == QLatin1String("?") ? AnyColour : colourBit(Colour(Names.indexOf(name)));
        s.bands.push_back(set);
    }
    return s;
}

} // namespace

class TestIdentification : public QObject
{
    Q_OBJECT

private slots:
    void everySequence();
    void atTheBench_data();
    void atTheBench();
    void standard_data();
    void standard();
};

void TestIdentification::everySequence()
{
    // Six bands: every colour on bands 4 to 6, a few on bands 1 to 3 (black,
    // brown, white, gold, pink), so that each end is tried as the digits.
    const QList<int> all {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
    const QList<int> few {0, 1, 9, 10, 12};
    for (int n = 3; n <= 6; ++n) {
        QList<QList<int>> choices(n, all);
        if (n == 6)
            choices[0] = choices[1] = choices[2] = few;
        QList<qsizetype> at(n, 0);
        QList<int> c(n, 0);
        for (int i = 0; i < n; ++i)
            c[i] = choices[i][0];
        while (true) {
            QStringList expected;
            QList<int> back(c.rbegin(), c.rend());
            for (const auto &r : {brute(c, false), back != c ? brute(back, true) : std::nullopt})
                if (r)
                    expected << *r;
            Sighting s;
            for (int colour : c)
                s.bands.push_back(colourBit(Colour(colour)));
            QStringList found = shown(identify(s));
            found.sort();
            expected.sort();
            if (found != expected)
                QFAIL(qPrintable(QStringLiteral("found %1, expected %2").arg(found.join(u'|'), expected.join(u'|'))));
            int i = n - 1;
            while (i >= 0 && ++at[i] == choices[i].size()) {
                at[i] = 0;
                c[i] = choices[i][0];
                --i;
            }
            if (i < 0)
                break;
            c[i] = choices[i][at[i]];
        }
    }
}

void TestIdentification::atTheBench_data()
{
    QTest::addColumn<QString>("bands");
    QTest::addColumn<bool>("firstIsBand1");
    // Ohms as significand e exponent @ the meter's accuracy in hundredths of
    // a percent; empty for none.
    QTest::addColumn<QString>("measured");
    QTest::addColumn<QStringList>("readings"); // best first; the first few where more are found
    QTest::addColumn<Verdict>("verdict");
    QTest::addColumn<int>("found");
    // What can still tell the readings apart: "ends", or the bands that differ.
    QTest::addColumn<QString>("apart");
    const QStringList either {"22e1 100 rosso rosso nero nero marrone", "1e4 200 marrone nero nero rosso rosso <"};
    const QStringList redOrOrange {"47e2 500 giallo viola rosso oro", "47e3 500 giallo viola arancio oro"};
    QTest::newRow("five bands, either end")
        << "rosso rosso nero nero marrone" << false << "" << either << Verdict::Several << 2 << "ends";
    QTest::newRow("measured 219") << "rosso rosso nero nero marrone" << false << "219e0@100" << either
                                  << Verdict::OneMeasured << 2 << "";
    QTest::newRow("measured 10 k: the other end first")
        << "rosso rosso nero nero marrone" << false << "1e4@100" << QStringList {either[1], either[0]}
        << Verdict::OneMeasured << 2 << "";
    QTest::newRow("measured 150, both ruled out")
        << "rosso rosso nero nero marrone" << false << "15e1@100" << either << Verdict::Contradicted << 2 << "";
    QTest::newRow("band 1 known") << "marrone nero nero rosso rosso" << true << ""
                                  << QStringList {"1e4 200 marrone nero nero rosso rosso"} << Verdict::One << 1 << "";
    QTest::newRow("gold is no digit") << "marrone nero rosso oro" << false << ""
                                      << QStringList {"1e3 500 marrone nero rosso oro"} << Verdict::One << 1 << "";
    // 4700 ± 5 % is 4465 to 4935 Ω.
    const QStringList yellow {"47e2 500 giallo viola rosso oro"};
    // × 0,9999: 4934,999999999999996 and 4935,000000000000006.
    QTest::newRow("eighteen digits, 0,01 %, within")
        << "giallo viola rosso oro" << true << "493549354935493549e-14@1" << yellow << Verdict::One << 1 << "";
    QTest::newRow("eighteen digits, 0,01 %, beyond")
        << "giallo viola rosso oro" << true << "493549354935493550e-14@1" << yellow << Verdict::Contradicted << 1 << "";
    // 1000 ± 5 % is 950 to 1050 Ω, which 760 and 1400 ± 25 % reach exactly.
    const QStringList brown {"1e3 500 marrone nero rosso oro"};
    QTest::newRow("760 at 25 %") << "marrone nero rosso oro" << true << "76e1@2500" << brown << Verdict::One << 1 << "";
    QTest::newRow("1400 at 25 %") << "marrone nero rosso oro" << true << "14e2@2500" << brown << Verdict::One << 1
                                  << "";
    QTest::newRow("4400 at 1,5 % reaches 4466")
        << "giallo viola rosso oro" << true << "44e2@150" << yellow << Verdict::One << 1 << "";
    QTest::newRow("4400 at 1 % falls short")
        << "giallo viola rosso oro" << true << "44e2@100" << yellow << Verdict::Contradicted << 1 << "";
    QTest::newRow("red or orange") << "giallo viola rosso/arancio oro" << false << "" << redOrOrange << Verdict::Several
                                   << 2 << "3";
    QTest::newRow("red or orange, band 1 known")
        << "giallo viola rosso/arancio oro" << true << "" << redOrOrange << Verdict::Several << 2 << "3";
    // 1000 ± 5 % and 1100 ± 5 % meet at 1045 to 1050 Ω.
    QTest::newRow("both confirmed, band 2 apart")
        << "marrone nero/marrone rosso oro" << false << "1047e0@10"
        << QStringList {"1e3 500 marrone nero rosso oro", "11e2 500 marrone marrone rosso oro"} << Verdict::Several << 2
        << "2";
    // 4300 is E24, 4000 is not: the standard value first.
    QTest::newRow("standard first") << "giallo nero/arancio rosso oro" << false << ""
                                    << QStringList {"43e2 500 giallo arancio rosso oro",
                                           "4e3 500 giallo nero rosso oro"}
                                    << Verdict::Several << 2 << "2";
    QTest::newRow("nothing") << "oro oro oro" << false << "" << QStringList {} << Verdict::None << 0 << "";
    // 10400 from each end, 1300 of them the same both ways.
    const QString nineColours = "nero/marrone/rosso/arancio/giallo/verde/azzurro/viola/grigio";
    QTest::newRow("19500, each once") << "marrone ? ? ? " + nineColours << false << ""
                                      << QStringList {"1e2 100 marrone nero nero nero marrone"} << Verdict::Several
                                      << 19500 << "ends";
    // 9 × 10 × 10 × 13 × 10 × 9, one direction since ? reads alike.
    QTest::newRow("six unknown") << "? ? ? ? ? ?" << false << "" << QStringList {} << Verdict::TooMany << 1053000 << "";
    // 93600 and 104000 from the two ends, 83200 alike.
    QTest::newRow("too many, each once") << "? ? ? ? " + nineColours << false << "" << QStringList {}
                                         << Verdict::TooMany << 114400 << "";
}

void TestIdentification::atTheBench()
{
    QFETCH(QString, bands);
    QFETCH(bool, firstIsBand1);
    QFETCH(QString, measured);
    QFETCH(QStringList, readings);
    QFETCH(Verdict, verdict);
    QFETCH(int, found);
    QFETCH(QString, apart);
    Sighting s = sighting(bands, firstIsBand1);
    if (!measured.isEmpty()) {
        const QString value = measured.section(u'@', 0, 0);
        s.measured = Measurement {{value.section(u'e', 0, 0).toLongLong(), value.section(u'e', 1).toInt()},
            measured.section(u'@', 1).toInt()};
    }
    const Identification result = identify(s);
    QCOMPARE(shown(result).mid(0, readings.size()), readings);
    QCOMPARE(result.verdict, verdict);
    QCOMPARE(int(result.found), found);
    QStringList differing;
    for (int band : result.differingBands)
        differing << QString::number(band);
    QCOMPARE(result.bothEnds ? QStringLiteral("ends") : differing.join(u' '), apart);
}

void TestIdentification::standard_data()
{
    QTest::addColumn<int>("significand");
    QTest::addColumn<int>("power");
    QTest::addColumn<int>("tolerance");
    QTest::addColumn<bool>("standard");
    QTest::newRow("4700 at 5 %: E24") << 47 << 2 << 500 << true;
    QTest::newRow("4750 at 5 %") << 475 << 1 << 500 << false;
    QTest::newRow("4750 at 1 %: E96") << 475 << 1 << 100 << true;
    QTest::newRow("4700 at 1 %: E24 made at 1 %") << 47 << 2 << 100 << true;
    QTest::newRow("4990 at 2 %: not E48") << 499 << 1 << 200 << false;
    QTest::newRow("4870 at 2 %: E48") << 487 << 1 << 200 << true;
    QTest::newRow("4990 at 0,5 %: E192") << 499 << 1 << 50 << true;
    QTest::newRow("1200 at 20 %: not E6") << 12 << 2 << 2000 << false;
    QTest::newRow("1500 at 20 %: E6") << 15 << 2 << 2000 << true;
    QTest::newRow("1200 at 10 %: E12") << 12 << 2 << 1000 << true;
    QTest::newRow("1100 at 10 %: E24, not E12") << 11 << 2 << 1000 << false;
    QTest::newRow("4870 at 5 %: E48, not E24") << 487 << 1 << 500 << false;
    QTest::newRow("4990 at 0,25 %: E192") << 499 << 1 << 25 << true;
    QTest::newRow("4930 at 1 %: E192, not E96") << 493 << 1 << 100 << false;
    QTest::newRow("4930 at 0,25 %: E192") << 493 << 1 << 25 << true;
}

void TestIdentification::standard()
{
    QFETCH(int, significand);
    QFETCH(int, power);
    QFETCH(int, tolerance);
    QFETCH(bool, standard);
    QCOMPARE(standardFor({significand, power}, tolerance), standard);
}

QTEST_APPLESS_MAIN(TestIdentification)
#include "tst_identification.moc"
