#include "bandscheme.h"
#include "eseries.h"
#include "valuebands.h"
#include "valuereader.h"

#include <QTest>

#include <cmath>

using namespace Velmora;

Q_DECLARE_METATYPE(ReadError)
Q_DECLARE_METATYPE(BandRefusal)
Q_DECLARE_METATYPE(SchemeId)

namespace {
QString qs(std::string_view s)
{
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

constexpr SchemeId Three = SchemeId::ThreeBands;
constexpr SchemeId Four = SchemeId::FourBands;
constexpr SchemeId Five = SchemeId::FiveBands;
constexpr SchemeId Six = SchemeId::SixBands;
} // namespace

class TestValueReader : public QObject
{
    Q_OBJECT

private slots:
    void read_data();
    void read();
    void unambiguous_data();
    void unambiguous();
    void bands_data();
    void bands();
    void seriesTables();
    void membership_data();
    void membership();
    void nearest_data();
    void nearest();
};

void TestValueReader::read_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("point"); // the locale's, for the spellings
    QTest::addColumn<ReadError>("error");
    QTest::addColumn<qint64>("significand"); // the value when read, normalised
    QTest::addColumn<int>("exponent");
    QTest::addColumn<QStringList>("spellings"); // those a refusal offers

    const auto ok = [](const char *name, const char *text, qint64 s, int e) {
        QTest::newRow(name) << QString::fromUtf8(text) << "," << ReadError::None << s << e << QStringList();
    };
    ok("plain", "4700", 47, 2);
    ok("comma", "4,7", 47, -1);
    ok("point", "0.22", 22, -2);
    ok("two fraction digits", "4,70", 47, -1);
    ok("four fraction digits", "4,7000", 47, -1);
    ok("leading zero and three decimals", "0,220", 22, -2);
    ok("leading zeros and three decimals", "00,220", 22, -2);
    ok("four digits and three decimals", "1000.000", 1, 3);
    ok("point at the end", "4.", 4, 0);
    ok("point first", ".47", 47, -2);
    ok("point first, three decimals", ".470", 47, -2);
    ok("kilo", "4,7k", 47, 2);
    ok("kilo, space, omega", "4.7 kΩ", 47, 2);
    ok("ohm sign U+2126", "4.7 k\u2126", 47, 2);
    ok("letter code and Ohm", "4K7 Ohm", 47, 2);
    ok("R code and Ohm", "4R7 Ohm", 47, -1);
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
    ok("code, three decimals", "4R701", 4701, -3);
    ok("code then omega", "4k7 Ω", 47, 2);
    ok("spaces around", "  4K7\u00A0", 47, 2);
    ok("zero", "0", 0, 0);
    ok("zeros", "000", 0, 0);
    ok("eighteen digits", "123456789012345678", 123456789012345678, 0);
    ok("exact, not binary", "0,1", 1, -1);
    ok("forty characters", "0000000000000000000000000000000000000470", 47, 1);
    ok("a tab is a space", "4k7\tOhm", 47, 2);

    const auto no
        = [](const char *name, const char *text, ReadError e, QStringList spellings = {}, const char *point = ",") {
              QTest::newRow(name) << QString::fromUtf8(text) << point << e << qint64(0) << 0 << spellings;
          };
    no("empty", "", ReadError::Empty);
    no("blank", "   ", ReadError::Empty);
    no("negative", "-4k7", ReadError::Negative);
    no("minus sign", "\u22124k7", ReadError::Negative);
    no("en dash", "\u20134k7", ReadError::Negative);
    no("hyphen", "\u20104,7", ReadError::Negative);
    no("minus, space", "- 470", ReadError::Negative);
    no("minus alone", "-", ReadError::Malformed);
    no("minus and letters", "-abc", ReadError::Malformed);
    no("minus signs repeated", "--\u2212 470", ReadError::Negative);
    no("minus signs alone", "-\u2212", ReadError::Malformed);
    no("forty-one characters", "00000000000000000000000000000000000000470", ReadError::TooLong);
    no("37 minus signs and 470: 40 characters, 114 bytes",
        "\u2212\u2212\u2212\u2212\u2212\u2212\u2212\u2212\u2212\u2212\u2212\u2212\u2212\u2212\u2212\u2212"
        "\u2212\u2212\u2212\u2212\u2212\u2212\u2212\u2212\u2212\u2212\u2212\u2212\u2212\u2212\u2212\u2212"
        "\u2212\u2212\u2212\u2212\u2212470",
        ReadError::Negative);
    no("30000 minus signs", std::string(30000, '-').append("470").c_str(), ReadError::TooLong);
    no("the ohm mark's byte", "470\x01", ReadError::ControlCharacter);
    no("an escape sequence", "4\x1b[31m7", ReadError::ControlCharacter);
    no("delete", "470\x7f", ReadError::ControlCharacter);
    no("C1, first", "470\u0080", ReadError::ControlCharacter);
    no("C1, last", "470\u009f", ReadError::ControlCharacter);
    ok("past C1", "470\u00a0", 47, 1);
    no("two points", "1.000.000", ReadError::TwoSeparators);
    no("point and comma", "1.000,5", ReadError::TwoSeparators);
    no("grouped 4.700", "4.700", ReadError::Grouping, {"4700", "4,7"});
    no("grouped 4,700, English", "4,700", ReadError::Grouping, {"4700", "4.7"}, ".");
    no("grouped with unit", "4.700 kΩ", ReadError::Grouping, {"4700 kΩ", "4,7 kΩ"});
    no("grouped 470.000", "470.000", ReadError::Grouping, {"470000", "470"});
    no("grouped 4.701", "4.701", ReadError::Grouping, {"4701", "4R701"});
    no("grouped 4.701 k", "4.701 k", ReadError::Grouping, {"4701 k", "4K701"});
    no("grouped 4,701, English", "4,701", ReadError::Grouping, {"4701", "4R701"}, ".");
    no("grouped after a zero", "041,078", ReadError::Grouping, {"41078", "41R078"});
    no("grouped 01.000", "01.000", ReadError::Grouping, {"1000", "1"});
    no("milli or mega", "2,2m", ReadError::MilliOrMega, {"2,2M", "0,0022"});
    no("milli or mega, code", "2m2", ReadError::MilliOrMega, {"2,2M", "0,0022"});
    no("milli or mega, 4701", "4701m", ReadError::MilliOrMega, {"4701M", "4R701"});
    no("unit first", "Ω47", ReadError::Malformed);
    no("two prefixes", "4k7k", ReadError::Malformed);
    no("space in the number", "4 700", ReadError::Malformed);
    no("exponent", "1e3", ReadError::Malformed);
    no("unit alone", "Ohm", ReadError::Malformed);
    no("prefix alone", "k", ReadError::Malformed);
    no("separator in a code", "4,7k7", ReadError::Malformed);
    no("space in a code", "4 k7", ReadError::Malformed);
    no("micro", "4u7", ReadError::Malformed);
    no("plus", "+47", ReadError::Malformed);
    no("percent", "4k7 5%", ReadError::Malformed);
    no("R then ohm", "470 R ohm", ReadError::Malformed);
    no("omega then ohm", "4,7 Ωohm", ReadError::Malformed);
    no("ohm then omega", "4,7 ohmΩ", ReadError::Malformed);
    no("code then R", "4K7R", ReadError::Malformed);
    no("nineteen digits", "1234567890123456789", ReadError::TooManyDigits);
}

// The value, or the refusal with the spellings it offers; each offered
// spelling must itself be read.
void TestValueReader::read()
{
    QFETCH(QString, text);
    QFETCH(QString, point);
    QFETCH(ReadError, error);
    QFETCH(qint64, significand);
    QFETCH(int, exponent);
    QFETCH(QStringList, spellings);

    const ValueReading r = readValue(text.toStdString(), point.toStdString());
    QCOMPARE(r.error, error);
    QCOMPARE(r.value.has_value(), error == ReadError::None);
    if (r.value) {
        const Decimal n = normalised(*r.value);
        QCOMPARE(n.significand, significand);
        QCOMPARE(n.exponent, exponent);
        return;
    }
    if (spellings.isEmpty())
        return;
    QCOMPARE((QStringList {qs(r.spellings[0]), qs(r.spellings[1])}), spellings);
    for (const std::string &s : r.spellings)
        QVERIFY2(readValue(s, point.toStdString()).value, s.c_str());
}

void TestValueReader::unambiguous_data()
{
    QTest::addColumn<qint64>("significand");
    QTest::addColumn<int>("exponent");
    QTest::addColumn<QString>("text");
    QTest::newRow("4,7") << qint64(47) << -1 << "4,7";
    QTest::newRow("4,701") << qint64(4701) << -3 << "4R701";
    QTest::newRow("470,123") << qint64(470123) << -3 << "470R123";
    QTest::newRow("4701,123") << qint64(4701123) << -3 << "4701,123";
    QTest::newRow("0,123") << qint64(123) << -3 << "0,123";
    QTest::newRow("4,7012") << qint64(47012) << -4 << "4,7012";
    QTest::newRow("4700") << qint64(47) << 2 << "4700";
}

// What the windows and messages show of a value reads back as that value.
void TestValueReader::unambiguous()
{
    QFETCH(qint64, significand);
    QFETCH(int, exponent);
    QFETCH(QString, text);
    const std::string shown = unambiguousText({significand, exponent}, ",");
    QCOMPARE(qs(shown), text);
    const auto back = readValue(shown, ",").value;
    QVERIFY(back && sameValue(*back, {significand, exponent}));
}

void TestValueReader::bands_data()
{
    QTest::addColumn<SchemeId>("scheme");
    QTest::addColumn<qint64>("significand");
    QTest::addColumn<int>("exponent");
    QTest::addColumn<QList<int>>("rows"); // with the tolerance and coefficient rows 1 given
    QTest::addColumn<BandRefusal>("refusal");
    QTest::addColumn<int>("moreBands"); // 0 for none
    QTest::addColumn<QString>("range"); // lowest and highest, when out of range

    const auto ok = [](const char *name, SchemeId scheme, qint64 s, int e, QList<int> rows) {
        QTest::newRow(name) << scheme << s << e << rows << BandRefusal::None << 0 << "";
    };
    ok("4K7", Four, 47, 2, {4, 7, 2, 1});
    ok("1000 is brown black red", Four, 1, 3, {1, 0, 2, 1});
    ok("0.1 is brown black silver", Four, 1, -1, {1, 0, 8, 1});
    ok("smallest in three, pink", Three, 1, -2, {1, 0, 12});
    ok("largest in four", Four, 99, 6, {9, 9, 6, 1});
    ok("4,99k in five", Five, 499, 1, {4, 9, 9, 1, 1});
    ok("4,99k in six", Six, 499, 1, {4, 9, 9, 1, 1, 1});
    ok("smallest in five, pink", Five, 1, -1, {1, 0, 0, 12, 1});
    ok("largest in five", Five, 999, 9, {9, 9, 9, 9, 1});
    ok("largest in six", Six, 999, 9, {9, 9, 9, 9, 1, 1});

    const auto no = [](const char *name, SchemeId scheme, qint64 s, int e, BandRefusal refusal, int more,
                        const char *range = "") {
        QTest::newRow(name) << scheme << s << e << QList<int>() << refusal << more << range;
    };
    no("zero in four", Four, 0, 0, BandRefusal::Zero, 0);
    no("zero in six", Six, 0, 0, BandRefusal::Zero, 0);
    no("4,99k in four", Four, 499, 1, BandRefusal::TooManyDigits, 5);
    no("four digits anywhere", Six, 1234, 0, BandRefusal::TooManyDigits, 0);
    no("just over four", Four, 1, 8, BandRefusal::OutOfRange, 5, "0,1 99000000");
    // Only a black first band spells these: none, in three bands for the first two.
    no("0,04 in four", Four, 4, -2, BandRefusal::LeadingZero, 3, "0,1 99000000");
    no("0,01 in six", Six, 1, -2, BandRefusal::LeadingZero, 3, "0,1 999000000000");
    no("0,001 in five", Five, 1, -3, BandRefusal::LeadingZero, 0, "0,1 999000000000");
    no("just under three", Three, 1, -3, BandRefusal::LeadingZero, 0, "0,01 99000000000");
    no("just under four", Four, 1, -3, BandRefusal::OutOfRange, 0, "0,1 99000000");
    no("just over five", Five, 1, 12, BandRefusal::OutOfRange, 0, "0,1 999000000000");
    no("just under six", Six, 1, -4, BandRefusal::OutOfRange, 0, "0,1 999000000000");
}

// The bands that spell a value, or why none do; bands other than the
// digits and the multiplier are the given ones.
void TestValueReader::bands()
{
    QFETCH(SchemeId, scheme);
    QFETCH(qint64, significand);
    QFETCH(int, exponent);
    QFETCH(QList<int>, rows);
    QFETCH(BandRefusal, refusal);
    QFETCH(int, moreBands);
    QFETCH(QString, range);

    Reading base {scheme};
    base.rows = {1, 1, 1, 1, 1, 1};
    const BandChoice c = bandsFor(base, {significand, exponent});
    QCOMPARE(c.refusal, refusal);
    QCOMPARE(c.otherScheme ? bandScheme(*c.otherScheme).bandCount : 0, moreBands);
    if (refusal == BandRefusal::None) {
        const int bands = int(rows.size());
        QCOMPARE(QList<int>(c.reading.rows.begin(), c.reading.rows.begin() + bands), rows);
        QVERIFY(std::all_of(c.reading.rows.begin() + bands, c.reading.rows.end(), [](int r) { return r == 1; }));
    }
    if (!range.isEmpty())
        QCOMPARE(qs(plainText(c.lowest, ",") + " " + plainText(c.highest, ",")), range);
}

// E24 as the standard prints it, the coarser two-digit series as every
// second value of the next finer one; E48 to E192 from the geometric rule,
// each also every second value of the next, E192's 920 being the one value
// the standard sets apart from the rule's 919.
void TestValueReader::seriesTables()
{
    const std::vector<int> e24 {
        10, 11, 12, 13, 15, 16, 18, 20, 22, 24, 27, 30, 33, 36, 39, 43, 47, 51, 56, 62, 68, 75, 82, 91};
    const auto table = [](ESeries series) {
        const auto values = seriesValues(series);
        return std::vector<int>(values.begin(), values.end());
    };
    QCOMPARE(table(ESeries::E24), e24);
    for (int n = 0; n < 192; ++n) {
        const int rule = int(std::lround(100 * std::pow(10.0, n / 192.0)));
        QCOMPARE(table(ESeries::E192).at(std::size_t(n)), rule == 919 ? 920 : rule);
    }
    for (auto [coarse, fine] : {std::pair {ESeries::E3, ESeries::E6}, std::pair {ESeries::E6, ESeries::E12},
             std::pair {ESeries::E12, ESeries::E24}, std::pair {ESeries::E48, ESeries::E96},
             std::pair {ESeries::E96, ESeries::E192}}) {
        std::vector<int> everySecond;
        for (std::size_t i = 0; i < table(fine).size(); i += 2)
            everySecond.push_back(table(fine)[i]);
        QCOMPARE(table(coarse), everySecond);
    }
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
