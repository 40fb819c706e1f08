#include "bandscheme.h"
#include "eseries.h"
#include "valuebands.h"
#include "valuereader.h"

#include <QTest>

using namespace Velmora;

Q_DECLARE_METATYPE(ReadError)

namespace {
QString qs(std::string_view s)
{
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

// A scheme with no black among its digits, so that it cannot show zero.
constexpr std::array<SchemeRow, 2> NoZeroDigits {{{Colour::Brown, 1}, {Colour::Red, 2}}};
constexpr std::array<SchemeRow, 1> OneMultiplier {{{Colour::Black, 0}}};
constexpr std::array<SchemeRow, 1> OneTolerance {{{Colour::Gold, 500}}};
constexpr BandScheme NoZero {4, {BandKind::Digit, BandKind::Digit, BandKind::Multiplier, BandKind::Tolerance},
    {NoZeroDigits, NoZeroDigits, OneMultiplier, OneTolerance}};
} // namespace

class TestValueReader : public QObject
{
    Q_OBJECT

private slots:
    void read_data();
    void read();
    void bands_data();
    void bands();
    void zeroWhereNone();
    void seriesTables();
    void membership_data();
    void membership();
    void nearest_data();
    void nearest();
};

void TestValueReader::read_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("point"); // the locale's, for the messages
    QTest::addColumn<ReadError>("error");
    QTest::addColumn<qint64>("significand"); // the value when read, normalised
    QTest::addColumn<int>("exponent");
    QTest::addColumn<QStringList>("said"); // what the message must offer

    const auto ok = [](const char *name, const char *text, qint64 s, int e) {
        QTest::newRow(name) << QString::fromUtf8(text) << "," << ReadError::None << s << e << QStringList();
    };
    ok("plain", "4700", 47, 2);
    ok("comma", "4,7", 47, -1);
    ok("point", "0.22", 22, -2);
    ok("two fraction digits", "4,70", 47, -1);
    ok("four fraction digits", "4,7000", 47, -1);
    ok("leading zero and three decimals", "0,220", 22, -2);
    ok("four digits and three decimals", "1000.000", 1, 3);
    ok("point at the end", "4.", 4, 0);
    ok("point first", ".47", 47, -2);
    ok("kilo", "4,7k", 47, 2);
    ok("kilo, space, omega", "4.7 kΩ", 47, 2);
    ok("ohm sign U+2126", "4.7 k\u2126", 47, 2);
    ok("letter code and Ohm", "4K7 Ohm", 47, 2);
    ok("mega with space", "2,2 M", 22, 5);
    ok("R as unit", "470 R", 47, 1);
    ok("ohm word", "470 ohm", 47, 1);
    ok("OHMS", "470OHMS", 47, 1);
    ok("giga omega", "1 GΩ", 1, 9);
    ok("meg", "10 Meg", 1, 7);
    ok("lower-case g", "1g", 1, 9);
    ok("code 4K7", "4K7", 47, 2);
    ok("code 4k7", "4k7", 47, 2);
    ok("code 0R22", "0R22", 22, -2);
    ok("code R47", "R47", 47, -2);
    ok("code r47", "r47", 47, -2);
    ok("code 2M2", "2M2", 22, 5);
    ok("code 1G0", "1G0", 1, 9);
    ok("code K47", "K47", 47, 1);
    ok("code then omega", "4k7 Ω", 47, 2);
    ok("spaces around", "  4K7\u00A0", 47, 2);
    ok("zero", "0", 0, 0);
    ok("zeros", "000", 0, 0);
    ok("eighteen digits", "123456789012345678", 123456789012345678, 0);
    ok("exact, not binary", "0,1", 1, -1);

    const auto no = [](const char *name, const char *text, ReadError e, QStringList said, const char *point = ",") {
        QTest::newRow(name) << QString::fromUtf8(text) << point << e << qint64(0) << 0 << said;
    };
    no("empty", "", ReadError::Empty, {"4K7"});
    no("blank", "   ", ReadError::Empty, {"4K7"});
    no("negative", "-4k7", ReadError::Negative, {"negativa"});
    no("minus sign", "\u22124k7", ReadError::Negative, {"negativa"});
    no("two points", "1.000.000", ReadError::TwoSeparators, {"un solo separatore"});
    no("point and comma", "1.000,5", ReadError::TwoSeparators, {"un solo separatore"});
    no("grouped 4.700", "4.700", ReadError::Grouping, {"4700 oppure 4,7"});
    no("grouped 4,700, English", "4,700", ReadError::Grouping, {"4700 oppure 4.7"}, ".");
    no("grouped with unit", "4.700 kΩ", ReadError::Grouping, {"4700 kΩ oppure 4,7 kΩ"});
    no("grouped 470.000", "470.000", ReadError::Grouping, {"470000 oppure 470"});
    no("milli or mega", "2,2m", ReadError::MilliOrMega, {"2,2M", "0,0022"});
    no("milli or mega, code", "2m2", ReadError::MilliOrMega, {"2M2", "0,0022"});
    no("unit first", "Ω47", ReadError::Malformed, {"«Ω47»"});
    no("two prefixes", "4k7k", ReadError::Malformed, {"4K7"});
    no("space in the number", "4 700", ReadError::Malformed, {"«4 700»"});
    no("exponent", "1e3", ReadError::Malformed, {"«1e3»"});
    no("unit alone", "Ohm", ReadError::Malformed, {});
    no("prefix alone", "k", ReadError::Malformed, {});
    no("separator in a code", "4,7k7", ReadError::Malformed, {});
    no("space in a code", "4 k7", ReadError::Malformed, {});
    no("micro", "4u7", ReadError::Malformed, {});
    no("plus", "+47", ReadError::Malformed, {});
    no("percent", "4k7 5%", ReadError::Malformed, {});
    no("nineteen digits", "1234567890123456789", ReadError::TooManyDigits, {"troppe cifre"});
}

void TestValueReader::read()
{
    QFETCH(QString, text);
    QFETCH(QString, point);
    QFETCH(ReadError, error);
    QFETCH(qint64, significand);
    QFETCH(int, exponent);
    QFETCH(QStringList, said);

    const ValueReading r = readValue(text.toStdString(), point.toStdString());
    QCOMPARE(r.error, error);
    QCOMPARE(r.value.has_value(), error == ReadError::None);
    if (r.value) {
        QVERIFY(r.message.empty());
        const Resistance n = normalised(*r.value);
        QCOMPARE(n.significand, significand);
        QCOMPARE(n.exponent, exponent);
        return;
    }
    QVERIFY(!r.message.empty());
    for (const QString &s : said)
        QVERIFY2(qs(r.message).contains(s), qPrintable(qs(r.message)));
}

void TestValueReader::bands_data()
{
    QTest::addColumn<int>("bandCount");
    QTest::addColumn<qint64>("significand");
    QTest::addColumn<int>("exponent");
    QTest::addColumn<QList<int>>("rows"); // tolerance and coefficient rows 1
    QTest::addColumn<int>("moreBands");
    QTest::addColumn<QString>("said");

    QTest::newRow("4K7") << 4 << qint64(47) << 2 << QList {4, 7, 2, 1} << 0 << "";
    QTest::newRow("1000 is brown black red") << 4 << qint64(1) << 3 << QList {1, 0, 2, 1} << 0 << "";
    QTest::newRow("0.04 needs a black first digit") << 4 << qint64(4) << -2 << QList {0, 4, 8, 1} << 0 << "";
    QTest::newRow("0.1 is brown black silver") << 4 << qint64(1) << -1 << QList {1, 0, 8, 1} << 0 << "";
    QTest::newRow("smallest in four") << 4 << qint64(1) << -2 << QList {0, 1, 8, 1} << 0 << "";
    QTest::newRow("largest in four") << 4 << qint64(99) << 6 << QList {9, 9, 6, 1} << 0 << "";
    QTest::newRow("zero in four") << 4 << qint64(0) << 0 << QList {0, 0, 0, 1} << 0 << "";
    QTest::newRow("4,99k in four") << 4 << qint64(499) << 1 << QList<int>() << 5 << "3 cifre significative";
    QTest::newRow("4,99k in five") << 5 << qint64(499) << 1 << QList {4, 9, 9, 1, 1} << 0 << "";
    QTest::newRow("4,99k in six") << 6 << qint64(499) << 1 << QList {4, 9, 9, 1, 1, 1} << 0 << "";
    QTest::newRow("100M beyond four") << 4 << qint64(1) << 8 << QList<int>() << 5 << "da 0,01 a 99000000 Ohm";
    QTest::newRow("0,001 below four") << 4 << qint64(1) << -3 << QList<int>() << 5 << "fuori portata";
    QTest::newRow("0,001 in five, pink") << 5 << qint64(1) << -3 << QList {0, 0, 1, 12, 1} << 0 << "";
    QTest::newRow("largest in five") << 5 << qint64(999) << 9 << QList {9, 9, 9, 9, 1} << 0 << "";
    QTest::newRow("beyond five") << 5 << qint64(1) << 12 << QList<int>() << 0 << "da 0,001 a 999000000000 Ohm";
    QTest::newRow("four digits anywhere") << 6 << qint64(1234) << 0 << QList<int>() << 0 << "ne mostra 3";
}

void TestValueReader::bands()
{
    QFETCH(int, bandCount);
    QFETCH(qint64, significand);
    QFETCH(int, exponent);
    QFETCH(QList<int>, rows);
    QFETCH(int, moreBands);
    QFETCH(QString, said);

    const BandChoice c = bandsFor(bandScheme(bandCount), {significand, exponent}, 1, 1, ",");
    QCOMPARE(QList<int>(c.rows.begin(), c.rows.end()), rows);
    QCOMPARE(c.moreBands, moreBands);
    QVERIFY2(qs(c.message).contains(said), qPrintable(qs(c.message)));
    QCOMPARE(c.message.empty(), !rows.isEmpty());
}

void TestValueReader::zeroWhereNone()
{
    const BandChoice c = bandsFor(NoZero, {}, 0, 0, ",");
    QVERIFY(c.rows.empty());
    QVERIFY2(qs(c.message).contains(QStringLiteral("zero")), qPrintable(qs(c.message)));
    QCOMPARE(bandsFor(NoZero, {12, 0}, 0, 0, ",").rows, (std::vector {0, 1, 0, 0}));
}

// Counts, order and a few values as the standard prints them.
void TestValueReader::seriesTables()
{
    const std::array<std::pair<ESeries, std::vector<int>>, 7> spots {{
        {ESeries::E3, {10, 22, 47}},
        {ESeries::E6, {10, 15, 22, 33, 47, 68}},
        {ESeries::E12, {10, 12, 15, 18, 22, 27, 33, 39, 47, 56, 68, 82}},
        {ESeries::E24, {11, 13, 27, 30, 33, 36, 39, 43, 47, 51, 82, 91}},
        {ESeries::E48, {100, 105, 110, 316, 332, 348, 464, 487, 511, 953}},
        {ESeries::E96, {100, 102, 261, 267, 274, 464, 475, 487, 499, 976}},
        {ESeries::E192, {100, 101, 102, 104, 470, 475, 919 + 1, 931, 976, 988}},
    }};
    int count = 3;
    for (const auto &[series, values] : spots) {
        const auto table = seriesValues(series);
        QCOMPARE(int(table.size()), count);
        count *= 2;
        QVERIFY(std::is_sorted(table.begin(), table.end()));
        QVERIFY(std::adjacent_find(table.begin(), table.end()) == table.end());
        for (int v : values)
            QVERIFY2(std::find(table.begin(), table.end(), v) != table.end(), qPrintable(QString::number(v)));
    }
    // Not rounded E48 values: E24 has 2.7, 3.3, 4.7, E48 has 2.74, 3.32, 4.64.
    for (int v : {270, 330, 470, 820})
        QVERIFY(std::find(seriesValues(ESeries::E48).begin(), seriesValues(ESeries::E48).end(), v)
            == seriesValues(ESeries::E48).end());
}

void TestValueReader::membership_data()
{
    QTest::addColumn<qint64>("significand");
    QTest::addColumn<int>("exponent");
    QTest::addColumn<QString>("series");

    QTest::newRow("4K7") << qint64(47) << 2 << "E3 E6 E12 E24 E192";
    QTest::newRow("2K7") << qint64(27) << 2 << "E12 E24";
    QTest::newRow("0,1") << qint64(1) << -1 << "E3 E6 E12 E24 E48 E96 E192";
    QTest::newRow("4,99k") << qint64(499) << 1 << "E96 E192";
    QTest::newRow("10k5 in E48") << qint64(105) << 2 << "E48 E96 E192";
    QTest::newRow("5k") << qint64(5) << 3 << "";
    QTest::newRow("zero") << qint64(0) << 0 << "";
    QTest::newRow("4701") << qint64(4701) << 0 << "";
}

void TestValueReader::membership()
{
    QFETCH(qint64, significand);
    QFETCH(int, exponent);
    QFETCH(QString, series);
    QStringList names;
    for (ESeries s : seriesOf({significand, exponent}))
        names << qs(seriesName(s));
    QCOMPARE(names.join(u' '), series);
}

void TestValueReader::nearest_data()
{
    QTest::addColumn<int>("tolerance");
    QTest::addColumn<int>("digits");
    QTest::addColumn<qint64>("significand");
    QTest::addColumn<int>("exponent");
    QTest::addColumn<QString>("below");
    QTest::addColumn<QString>("above");

    QTest::newRow("5k at 5%") << 500 << 3 << qint64(5) << 3 << "4700"
                              << "5100";
    QTest::newRow("5k at 10%") << 1000 << 3 << qint64(5) << 3 << "4700"
                               << "5600";
    QTest::newRow("5k at 20%") << 2000 << 3 << qint64(5) << 3 << "4700"
                               << "6800";
    QTest::newRow("5k at 2%") << 200 << 3 << qint64(5) << 3 << "4870"
                              << "5110";
    QTest::newRow("5k at 1%") << 100 << 3 << qint64(5) << 3 << "4990"
                              << "5110";
    QTest::newRow("5k at 0,5%") << 50 << 3 << qint64(5) << 3 << "4990"
                                << "5050";
    QTest::newRow("5k at 1%, two digits") << 100 << 2 << qint64(5) << 3 << "4700"
                                          << "5100";
    QTest::newRow("across the decade up") << 500 << 3 << qint64(95) << 0 << "91"
                                          << "100";
    QTest::newRow("across the decade down") << 100 << 3 << qint64(99) << -2 << "0,976"
                                            << "1";
    QTest::newRow("E192 920") << 10 << 3 << qint64(919) << 0 << "909"
                              << "920";
    QTest::newRow("many digits") << 500 << 3 << qint64(4700000000001) << -9 << "4700"
                                 << "5100";
}

void TestValueReader::nearest()
{
    QFETCH(int, tolerance);
    QFETCH(int, digits);
    QFETCH(qint64, significand);
    QFETCH(int, exponent);
    QFETCH(QString, below);
    QFETCH(QString, above);
    const ESeries series = seriesForTolerance(tolerance, digits);
    QCOMPARE(qs(plainText(*nearestBelow({significand, exponent}, series), ",")), below);
    QCOMPARE(qs(plainText(*nearestAbove({significand, exponent}, series), ",")), above);
}

QTEST_APPLESS_MAIN(TestValueReader)
#include "tst_valuereader.moc"
