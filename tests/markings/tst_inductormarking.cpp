// Inductor markings against values typed from the public tables: each band
// table's colours, each code format's examples, each letter as every table gives it.
#include "inductorcode.h"

#include <QTest>

using namespace Velmora;

namespace {

using BF = InductorBandFormat;
using BS = InductorBandSource;
using BE = InductorBandError;
using F = InductorFormat;
using S = InductorToleranceSource;
using E = InductorCodeError;
constexpr BF Four = BF::FourBands;
constexpr BF Three = BF::ThreeBands;

// The bands as IEC 60757 colour codes, and the one reading they give.
struct BandRow {
    const char *bands;
    std::int64_t significand; // henries
    int exponent;
    int tolerance;
    BF format;
    BS source;
};

const BandRow BandRows[] {{"YE VT GD GD", 47, -7, 500, Four, BS::Agreed},
    {"RD VT BN GD", 27, -5, 500, Four, BS::Agreed}, {"BN BK BK SR", 10, -6, 1000, Four, BS::Agreed},
    {"BN BK OG GD", 1, -2, 500, Four, BS::Agreed}, {"BN BK SR BK", 1, -7, 2000, Four, BS::LearnAbout},
    {"BN BK YE BK", 1, -1, 2000, Four, BS::LearnAbout}, {"BN BK RD BN", 1, -3, 100, Four, BS::RzGuodou},
    {"BN BK GN GD", 1, 0, 500, Four, BS::RzGuodou}, {"RD RD GD GY", 22, -7, 5, Four, BS::RzGuodou},
    {"OG OG BK", 33, -6, 2000, Three, BS::Agreed}, {"GN BU VT", 56, 1, 2000, Three, BS::RzGuodou},
    {"SR RD GD RD SR", 22, -7, 1000, BF::Military, BS::LearnAbout},
    {"SR GD YE VT GD", 47, -8, 500, BF::Military, BS::LearnAbout},
    {"SR RD VT OG BN", 27, -3, 100, BF::Military, BS::LearnAbout},
    {"SR BN BK BK OG", 1, -5, 300, BF::Military, BS::LearnAbout}};

struct BandErrorRow {
    const char *bands;
    BE error;
    std::size_t badBand;
};

const BandErrorRow BandErrorRows[] {{"BN BK GN BK", BE::NotATolerance, 3}, {"GD BK BK", BE::NotADigit, 0},
    {"BK BK BN", BE::Zero, 0}, {"RD RD", BE::Count, 0}, {"BN BK PK GD", BE::NotAMultiplier, 2},
    {"BN BK BK PK", BE::NotATolerance, 3}, {"BN RD GD RD SR", BE::NotMilitary, 0},
    {"SR GD GD RD SR", BE::DecimalPoint, 2}, {"SR RD RD GD SR", BE::DecimalPoint, 3},
    {"SR RD RD GN SR", BE::NotAMultiplier, 3}, {"SR RD RD RD GN", BE::NotATolerance, 4},
    {"SR GD BK BK GD", BE::Zero, 1}};

constexpr int Absolute = -1; // above holds hundredths of a nH
constexpr int Unstated = -2;

struct CodeExpected {
    std::int64_t significand; // henries
    int exponent;
    F format;
    char letter = 0;
    S source = S::Agreed;
    int below = 0;
    int above = 0;
};

struct CodeRow {
    const char *text;
    std::vector<CodeExpected> readings;
    E error = E::None;
};

const CodeRow CodeRows[] {{"4R7", {{47, -7, F::RNotation}}}, {"R47", {{47, -8, F::RNotation}}},
    {"1R0", {{1, -6, F::RNotation}}}, {"101", {{1, -4, F::ThreeDigits}}}, {"470", {{47, -6, F::ThreeDigits}}},
    {"100", {{1, -5, F::ThreeDigits}}}, {"272", {{27, -4, F::ThreeDigits}}}, {"2N2", {{22, -10, F::NNotation}}},
    {"2n2", {{22, -10, F::NNotation}}}, {"47N", {{47, -9, F::NNotation}}}, {"4,7µH", {{47, -7, F::WrittenOut}}},
    {"4.7μH", {{47, -7, F::WrittenOut}}}, {" 10 uH ", {{1, -5, F::WrittenOut}}}, {"100nH", {{1, -7, F::WrittenOut}}},
    {"1mH", {{1, -3, F::WrittenOut}}}, {"2H", {{2, 0, F::WrittenOut}}},
    {"101K", {{1, -4, F::ThreeDigits, 'K', S::Agreed, 1000, 1000}}},
    {"4R7 M", {{47, -7, F::RNotation, 'M', S::Agreed, 2000, 2000}}},
    {"10 uH J", {{1, -5, F::WrittenOut, 'J', S::Agreed, 500, 500}}},
    {"2N7S", {{27, -10, F::NNotation, 'S', S::Agreed, Absolute, 30}}},
    {"100H", {{1, 2, F::WrittenOut}, {1, -5, F::ThreeDigits, 'H', S::Agreed, 300, 300}}},
    {"470N", {{47, -6, F::ThreeDigits, 'N', S::Ctc, Unstated}, {47, -6, F::ThreeDigits, 'N', S::Token, 3000, 3000}}},
    {"2N7B",
        {{27, -10, F::NNotation, 'B', S::Token, Absolute, 15},
            {27, -10, F::NNotation, 'B', S::BasicTables, Absolute, 10}}},
    {"1R0A", {{1, -6, F::RNotation, 'A', S::BasicTables, Absolute, 5}}},
    {"332Z", {{33, -4, F::ThreeDigits, 'Z', S::BasicTables, 2000, 8000}}},
    {"1R5E", {{15, -7, F::RNotation, 'E', S::BasicTables, 50, 50}}}, {"", {}, E::Empty}, {"000", {}, E::Zero},
    {"0R0", {}, E::Zero}, {"000K", {}, E::Zero}, {"N10", {}, E::Malformed}, {"47R", {}, E::Malformed},
    {"4k7", {}, E::Malformed}, {"1MH", {}, E::Malformed}, {"1234", {}, E::Malformed}, {"101X", {}, E::Malformed},
    {"47", {}, E::Malformed}, {"4R7uH", {}, E::Malformed}, {"1234567890123456nH", {}, E::TooManyDigits}};

std::vector<Colour> coloursOf(std::string_view codes)
{
    constexpr std::string_view Codes[] {"BK", "BN", "RD", "OG", "YE", "GN", "BU", "VT", "GY", "WH", "GD", "SR", "PK"};
    std::vector<Colour> colours;
    for (std::size_t i = 0; i + 1 < codes.size(); i += 3)
        for (std::size_t c = 0; c < std::size(Codes); ++c)
            if (codes.substr(i, 2) == Codes[c])
                colours.push_back(Colour(c));
    if (colours.size() != (codes.size() + 1) / 3)
        qFatal("a colour code the test does not know: %s", codes.data());
    return colours;
}

template<typename Row, std::size_t N> void addRows(const Row (&rows)[N], const char *Row::*name)
{
    QTest::addColumn<int>("row");
    for (std::size_t i = 0; i < N; ++i)
        QTest::addRow("%s", rows[i].*name) << int(i);
}

// The letter, its table and, in CodeExpected's terms, what it allows.
bool matches(const InductorTolerance &t, const CodeExpected &x)
{
    if (t.letter != x.letter || t.source != x.source)
        return false;
    if (x.below == Absolute) // hundredths of a nH are 10^-11 H
        return t.absolute && !t.percent && sameValue(*t.absolute, {x.above, -11});
    if (x.below == Unstated)
        return !t.absolute && !t.percent;
    return !t.absolute && t.percent == Tolerance {x.below, x.above};
}

} // namespace

class TestInductorMarking : public QObject
{
    Q_OBJECT

private slots:
    void bands_data() { addRows(BandRows, &BandRow::bands); }
    void bands()
    {
        QFETCH(int, row);
        const BandRow &r = BandRows[row];
        const InductorBandReading reading = readInductorBands(coloursOf(r.bands));
        QCOMPARE(reading.error, BE::None);
        QCOMPARE(reading.readings.size(), 1u);
        const InductorBandValue &v = reading.readings[0];
        QVERIFY(sameValue(v.henries, {r.significand, r.exponent}));
        QCOMPARE((std::tuple {v.tolerance, v.format, v.source}), (std::tuple {r.tolerance, r.format, r.source}));
    }
    void bandErrors_data() { addRows(BandErrorRows, &BandErrorRow::bands); }
    void bandErrors()
    {
        QFETCH(int, row);
        const BandErrorRow &r = BandErrorRows[row];
        const InductorBandReading reading = readInductorBands(coloursOf(r.bands));
        QCOMPARE((std::tuple {reading.error, reading.badBand, reading.readings.size()}),
            (std::tuple {r.error, r.badBand, std::size_t(0)}));
    }
    void code_data() { addRows(CodeRows, &CodeRow::text); }
    void code()
    {
        QFETCH(int, row);
        const CodeRow &r = CodeRows[row];
        const InductorCode reading = readInductorCode(r.text);
        QCOMPARE(reading.error, r.error);
        QCOMPARE(reading.readings.size(), r.readings.size());
        for (std::size_t i = 0; i < r.readings.size(); ++i) {
            const InductorCodeValue &v = reading.readings[i];
            const CodeExpected &x = r.readings[i];
            QVERIFY(sameValue(v.henries, {x.significand, x.exponent}));
            QCOMPARE(v.format, x.format);
            QCOMPARE(v.tolerance.has_value(), x.letter != 0);
            if (v.tolerance)
                QVERIFY(matches(*v.tolerance, x));
        }
    }
    void part()
    {
        const Part p = partOf(readInductorCode("4R7K").readings.at(0), "4R7K");
        QCOMPARE((std::tuple {p.kind, p.value, p.tolerance, p.marking}),
            (std::tuple {PartKind::Inductor, Quantity {Unit::Henry, {47, -7}, 1}, std::optional(plusMinus(1000)),
                Marking {MarkingKind::Code, "4R7K"}}));
        // An inductance either side is no percentage.
        const Part s = partOf(readInductorCode("2N7S").readings.at(0), "2N7S");
        QCOMPARE((std::tuple {s.value, s.tolerance.has_value()}),
            (std::tuple {Quantity {Unit::Henry, {27, -10}, 1}, false}));
        const Part b = partOf(readInductorBands(coloursOf("YE VT GD GD")).readings.at(0), "giallo viola oro oro");
        QCOMPARE((std::tuple {b.kind, b.value, b.tolerance, b.marking}),
            (std::tuple {PartKind::Inductor, Quantity {Unit::Henry, {47, -7}, 1}, std::optional(plusMinus(500)),
                Marking {MarkingKind::Bands, "giallo viola oro oro"}}));
    }
};

QTEST_APPLESS_MAIN(TestInductorMarking)
#include "tst_inductormarking.moc"
