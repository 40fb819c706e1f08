// Capacitor markings against values typed from the public tables: each
// format's examples, each letter as every table gives it.
#include "capacitormarking.h"

#include <QTest>

using namespace Velmora;

namespace {

using F = CapacitorFormat;
using E = CapacitorValueError;
using S = ToleranceSource;
using V = VoltageSource;
using D = DielectricSource;
using ME = CapacitorMarkingError;

struct ValueRow {
    const char *text;
    std::int64_t significand; // in farads; 0 where refused
    int exponent;
    F format;
    E error = E::None;
    std::int64_t secondPicofarads = 0; // a second reading, where there is one
};

constexpr ValueRow ValueRows[] {{"104", 1, -7, F::ThreeDigits}, {"473", 47, -9, F::ThreeDigits},
    {"109", 1, -12, F::ThreeDigits}, {"338", 33, -14, F::ThreeDigits}, {"107", 1, -4, F::ThreeDigits},
    {"470", 47, -12, F::ThreeDigits, E::None, 470}, {"100", 10, -12, F::ThreeDigits, E::None, 100},
    {"47", 47, -12, F::Picofarads}, {"4n7", 47, -10, F::LetterCode}, {"4N7", 47, -10, F::LetterCode},
    {"p47", 47, -14, F::LetterCode}, {"2u2", 22, -7, F::LetterCode}, {"2U2", 22, -7, F::LetterCode},
    {"4µ7", 47, -7, F::LetterCode}, {"4μ7", 47, -7, F::LetterCode}, {"1m0", 1, -3, F::LetterCode},
    {"n22", 22, -11, F::LetterCode}, {"4R7", 47, -13, F::RNotation}, {"0R5", 5, -13, F::RNotation},
    {"4,7R", 0, 0, F::RNotation, E::Malformed}, {"4R7F", 0, 0, F::RNotation, E::Malformed},
    {"100n", 1, -7, F::LetterCode}, {"0,1µF", 1, -7, F::WrittenOut}, {"0.1uF", 1, -7, F::WrittenOut},
    {"100nF", 1, -7, F::WrittenOut}, {" 100 n ", 1, -7, F::WrittenOut}, {"4,7pF", 47, -13, F::WrittenOut},
    {"220 μF", 22, -5, F::WrittenOut}, {"1F", 1, 0, F::WrittenOut}, {"0,1", 1, -7, F::WrittenOut},
    {".047", 47, -9, F::WrittenOut}, {"", 0, 0, F::ThreeDigits, E::Empty}, {"1M0", 0, 0, F::ThreeDigits, E::MegaPrefix},
    {"2,2MF", 0, 0, F::ThreeDigits, E::MegaPrefix}, {"4n7F", 0, 0, F::ThreeDigits, E::Malformed},
    {"4n7n", 0, 0, F::ThreeDigits, E::Malformed}, {"n", 0, 0, F::ThreeDigits, E::Malformed},
    {"4", 0, 0, F::ThreeDigits, E::Malformed}, {"1047", 0, 0, F::ThreeDigits, E::Malformed},
    {"1,2,3n", 0, 0, F::ThreeDigits, E::Malformed}, {"4k7", 0, 0, F::ThreeDigits, E::Malformed},
    {"1234567890123456n", 0, 0, F::ThreeDigits, E::TooManyDigits}, {"000", 0, 0, F::ThreeDigits, E::Zero},
    {"0n0", 0, 0, F::ThreeDigits, E::Zero}, {"00", 0, 0, F::ThreeDigits, E::Zero}};

using SC = SmdCapacitorSource;
using Smd = std::tuple<F, SC, std::int64_t>; // the format, the table, hundredths of a pF

constexpr std::int64_t P = 100; // 1 pF
constexpr F Two = F::TwoCharacters;
constexpr SC Ag = SC::Agreed;

struct SmdRow {
    const char *code;
    std::vector<Smd> readings; // none where refused
};

// Typed from marsport.org.uk's and gfaelectronics.com's tables (S3 4,7 nF,
// A1 10 pF, 9 for 10^-1, KA2 100 pF from Kemet), NIC's as edaboard.co.uk
// quotes it (T6 5,1 µF) and ok1rr.com's (NA5 100 nF from Novacap). A letter
// that is a prefix too reads as a letter code first.
const SmdRow SmdRows[] {{"A1", {{Two, Ag, 10 * P}}}, {"B2", {{Two, Ag, 110 * P}}}, {"C3", {{Two, Ag, 1200 * P}}},
    {"D4", {{Two, Ag, 13000 * P}}}, {"E5", {{Two, Ag, 150000 * P}}}, {"F6", {{Two, Ag, 1600000 * P}}},
    {"G7", {{Two, Ag, 18000000 * P}}}, {"H8", {{Two, Ag, 200000000 * P}}}, {"J9", {{Two, Ag, 22}}},
    {"K0", {{Two, Ag, 240}}}, {"L1", {{Two, Ag, 27 * P}}}, {"M2", {{Two, Ag, 300 * P}}},
    {"N3", {{F::LetterCode, Ag, 300 * P}, {Two, Ag, 3300 * P}}},
    {"P4", {{F::LetterCode, Ag, 40}, {Two, Ag, 36000 * P}}}, {"Q5", {{Two, Ag, 390000 * P}}},
    {"R6", {{F::RNotation, Ag, 60}, {Two, Ag, 4300000 * P}}}, {"S3", {{Two, Ag, 4700 * P}}},
    {"T6", {{Two, Ag, 5100000 * P}}}, {"U7", {{F::LetterCode, Ag, 700000 * P}, {Two, Ag, 56000000 * P}}},
    {"V8", {{Two, Ag, 620000000 * P}}}, {"W9", {{Two, Ag, 68}}}, {"X0", {{Two, Ag, 750}}}, {"Y1", {{Two, Ag, 82 * P}}},
    {"Z2", {{Two, Ag, 910 * P}}}, {"a3", {{Two, Ag, 2500 * P}}},
    {"b3", {{Two, SC::Marsport, 3500 * P}, {Two, SC::NicComponents, 3000 * P}}},
    {"c3", {{Two, SC::NicComponents, 3500 * P}}}, {"d3", {{Two, Ag, 4000 * P}}}, {"e3", {{Two, Ag, 4500 * P}}},
    {"f3", {{Two, Ag, 5000 * P}}}, {"g3", {{Two, SC::NicComponents, 9000 * P}}},
    {"m3", {{F::LetterCode, Ag, 300000000 * P}, {Two, Ag, 6000 * P}}},
    {"n7", {{F::LetterCode, Ag, 700 * P}, {Two, Ag, 70000000 * P}}}, {"t3", {{Two, Ag, 8000 * P}}},
    {"y3", {{Two, SC::Marsport, 9000 * P}}}, {"KA2", {{Two, SC::Marsport, 100 * P}}},
    {"Kb2", {{Two, SC::Marsport, 350 * P}}}, {"NA5", {{Two, SC::Ok1rr, 100000 * P}}},
    {"SS3", {{Two, SC::Ok1rr, 4700 * P}}}, {"Kc2", {}}, {"XA5", {}}, {"I5", {}}, {"O3", {}}, {"s3", {}}, {"h2", {}},
    {"SA", {}}, {"S", {}}, {"S3a", {}}, {"p4", {{F::LetterCode, Ag, 40}}}};

constexpr int Absolute = -1; // below holds hundredths of a pF
constexpr int None = -2;

using Expected = std::tuple<S, int, int>; // the source, below, above

struct ToleranceRow {
    const char *name;
    char letter;
    int ratedPicofarads; // 0 for none
    std::vector<Expected> readings;
};

const ToleranceRow ToleranceRows[] {{"B at 4 pF", 'B', 4, {{S::Agreed, 10, Absolute}}},
    {"C at 10 pF", 'C', 10, {{S::Agreed, 25, Absolute}}}, {"C at 11 pF", 'C', 11, {{S::Agreed, 25, 25}}},
    {"D at 100 nF", 'D', 100000, {{S::Agreed, 50, 50}}}, {"F at 1 pF", 'F', 1, {{S::Agreed, 100, Absolute}}},
    {"F unrated", 'F', 0, {{S::Agreed, 100, Absolute}, {S::Agreed, 100, 100}}}, {"G", 'G', 0, {{S::Agreed, 200, 200}}},
    {"J at 1 pF", 'J', 1, {{S::Agreed, 500, 500}}}, {"K", 'K', 0, {{S::Agreed, 1000, 1000}}},
    {"M", 'M', 0, {{S::Agreed, 2000, 2000}}}, {"Z", 'Z', 0, {{S::Agreed, 2000, 8000}}},
    {"S", 'S', 0, {{S::Agreed, 2000, 5000}}}, {"E", 'E', 0, {{S::ElectroTechOnline, 25, 25}, {S::Einhugur, 50, 50}}},
    {"H", 'H', 0, {{S::ElectroTechOnline, 250, 250}, {S::Einhugur, 300, 300}}},
    {"N", 'N', 0, {{S::ElectroTechOnline, 3000, 3000}, {S::Einhugur, 5, 5}}},
    {"L", 'L', 0, {{S::ElectroTechOnline, 1500, 1500}}},
    {"P", 'P', 0, {{S::ElectroTechOnline, 0, 10000}, {S::ThreeBmDesign, 0, 8000}}},
    {"W", 'W', 0, {{S::ElectroTechOnline, 0, 20000}, {S::SignalPro, 2000, 4000}}},
    {"X", 'X', 0, {{S::ElectroTechOnline, 2000, 4000}}},
    {"Y", 'Y', 0, {{S::ThreeBmDesign, 0, 5000}, {S::SignalPro, 2000, 5000}}}, {"A", 'A', 0, {}},
    {"lower-case k", 'k', 0, {}}};

struct VoltageRow {
    const char *code;
    std::int64_t tenthsOfVolt; // 0 where refused
};

// oriedza.blogspot.com's table and Panasonic's part numbers, typed in; 0E,
// 1D, 1G and 2K are the letters of 1E, 2D, 2G and 1K a decade off.
constexpr VoltageRow EiaRows[] {{"0E", 25}, {"0G", 40}, {"0L", 55}, {"0J", 63}, {"1A", 100}, {"1C", 160}, {"1D", 200},
    {"1E", 250}, {"1V", 350}, {"1G", 400}, {"1H", 500}, {"1J", 630}, {"1K", 800}, {"2A", 1000}, {"2Q", 1100},
    {"2B", 1250}, {"2C", 1600}, {"2Z", 1800}, {"2D", 2000}, {"2P", 2200}, {"2E", 2500}, {"2F", 3150}, {"2V", 3500},
    {"2G", 4000}, {"2W", 4500}, {"2H", 5000}, {"2J", 6300}, {"2K", 8000}, {"3A", 10000}, {"1a", 0}, {"5A", 0},
    {"2X", 0}, {"2", 0}, {"2AA", 0}, {"A1", 0}};

constexpr VoltageRow WrittenRows[] {{"50V", 500}, {"6,3V", 63}, {"6.3 V", 63}, {"630VDC", 6300}, {"V", 0}, {"50", 0},
    {",5V", 0}, {"5,V", 0}, {"5,0,0V", 0}, {"50 VV", 0}};

struct TantalumRow {
    const char *letter;
    std::vector<std::pair<V, int>> tenthsOfVolt;
};

const TantalumRow TantalumRows[] {{"e", {{V::TehDatasheet, 25}}}, {"G", {{V::TehDatasheet, 40}}},
    {"J", {{V::TehDatasheet, 63}}}, {"A", {{V::TehDatasheet, 100}, {V::JohnGibson, 100}}},
    {"B", {{V::JohnGibson, 160}}}, {"C", {{V::TehDatasheet, 160}, {V::JohnGibson, 200}}},
    {"D", {{V::TehDatasheet, 200}, {V::JohnGibson, 250}}}, {"E", {{V::TehDatasheet, 250}, {V::JohnGibson, 350}}},
    {"F", {{V::JohnGibson, 500}}}, {"V", {{V::TehDatasheet, 350}}}, {"H", {{V::TehDatasheet, 500}}}, {"K", {}},
    {"a", {}}};

// Class 1: tenths of a ppm/K, ppm/K either side, the source; class 2
// (X, Y, Z first): lowest and highest °C, hundredths of a percent below and
// above. 3bmdesign.com's class 1 examples (C0G P0, B2G N030, U1G N075, P2G
// N150, S2H N330, T2H N470, U2J N750, P3K N1500, R3L N2200, M7G P100);
// an industry name has no tolerance (-1).
struct DielectricRow {
    const char *code;
    std::vector<std::array<int, 4>> readings;
};

constexpr int A = int(D::Agreed), Short = int(D::ShortTable), Long = int(D::LongTable);

const DielectricRow DielectricRows[] {{"C0G", {{0, 30, A}}}, {"NP0", {{0, 30, A}}}, {"NPO", {{0, 30, A}}},
    {"COG", {{0, 30, A}}}, {"B2G", {{-300, 30, A}}}, {"U1G", {{-750, 30, A}}}, {"P2G", {{-1500, 30, A}}},
    {"S2H", {{-3300, 60, A}}}, {"T2H", {{-4700, 60, A}}}, {"U2J", {{-7500, 120, A}}}, {"P3K", {{-15000, 250, A}}},
    {"R3L", {{-22000, 500, A}}}, {"M7G", {{1000, 30, A}}}, {"B0M", {{-3, 1000, A}}}, {"V8N", {{56000, 2500, A}}},
    {"M4G", {{10, 30, Short}, {-100000, 30, Long}}}, {"M5G", {{10, 30, Long}}}, {"A9G", {{90000, 30, Long}}},
    {"N750", {{-7500, -1, A}}}, {"P100", {{1000, -1, A}}}, {"N030", {{-300, -1, A}}}, {"P0", {{0, -1, A}}}, {"N", {}},
    {"N12345", {}}, {"N7A", {}}, {"C0X", {}}, {"D0G", {}}, {"c0g", {}}, {"C0", {}}, {"X7R", {{-55, 125, 1500, 1500}}},
    {"X5R", {{-55, 85, 1500, 1500}}}, {"Y5V", {{-30, 85, 8200, 2200}}}, {"Z5U", {{10, 85, 5600, 2200}}},
    {"X8R", {{-55, 150, 1500, 1500}}}, {"X6S", {{-55, 105, 2200, 2200}}}, {"Y4T", {{-30, 65, 3300, 2200}}},
    {"Z2A", {{10, 45, 100, 100}}}, {"X9B", {{-55, 200, 150, 150}}}, {"X7C", {{-55, 125, 220, 220}}},
    {"X7F", {{-55, 125, 750, 750}}}, {"X7P", {{-55, 125, 1000, 1000}}}, {"X3R", {}}, {"W7R", {}}, {"X7Q", {}},
    {"x7r", {}}, {"X7RR", {}}};

// pF (0 for none); the tolerance below and above in hundredths of a percent,
// or of a pF and Absolute, None for none; tenths of a volt (0 for none) and
// their source; a class 2 dielectric's highest °C, -1 for class 1, 0 for none.
using Wanted = std::tuple<std::int64_t, int, int, int, V, int>;

struct MarkingRow {
    const char *text;
    std::vector<Wanted> readings;
    ME error = ME::None;
    std::size_t badPart = 0;
};

constexpr int T = 100000000; // 100 µF in pF

const MarkingRow MarkingRows[] {{"2A473J", {{47000, 500, 500, 1000, V::Eia, 0}}},
    {"104K 50V", {{100000, 1000, 1000, 500, V::WrittenOut, 0}}}, {"X7R 104", {{100000, None, None, 0, V::Eia, 125}}},
    {"C0G 4n7 J 100 V", {{4700, 500, 500, 1000, V::WrittenOut, -1}}},
    {"107C",
        {{T, 25, 25, 0, V::Eia, 0}, {T, None, None, 160, V::TehDatasheet, 0}, {T, None, None, 200, V::JohnGibson, 0}}},
    {"106E",
        {{T / 10, 25, 25, 0, V::Eia, 0}, {T / 10, 50, 50, 0, V::Eia, 0}, {T / 10, None, None, 250, V::TehDatasheet, 0},
            {T / 10, None, None, 350, V::JohnGibson, 0}}},
    {"473E", {{47000, 25, 25, 0, V::Eia, 0}, {47000, 50, 50, 0, V::Eia, 0}}},
    {"100nF", {{100000, None, None, 0, V::Eia, 0}}}, {"4n7F", {{4700, 100, 100, 0, V::Eia, 0}}},
    // F after a 0 is a tolerance as after any digit, and 470 F written out.
    {"470F",
        {{470000000000000, None, None, 0, V::Eia, 0}, {47, 100, 100, 0, V::Eia, 0}, {470, 100, 100, 0, V::Eia, 0}}},
    {"100nJ", {{100000, 500, 500, 0, V::Eia, 0}, {100000, None, None, 63, V::TehDatasheet, 0}}},
    {"104N", {{104000, None, None, 0, V::Eia, 0}, {100000, 3000, 3000, 0, V::Eia, 0}, {100000, 5, 5, 0, V::Eia, 0}}},
    {"50V", {{0, None, None, 500, V::WrittenOut, 0}}}, {"10C", {{10, 25, Absolute, 0, V::Eia, 0}}},
    {"47D", {{47, 50, 50, 0, V::Eia, 0}}}, {"1H", {{0, None, None, 500, V::Eia, 0}}},
    {"1H 220 µF", {{220000000, None, None, 500, V::Eia, 0}}},
    {"100 n 63V", {{100000, None, None, 630, V::WrittenOut, 0}}}, {"K", {{0, 1000, 1000, 0, V::Eia, 0}}},
    {"5C", {}, ME::UnreadPart, 0}, {"", {}, ME::Empty}, {"   ", {}, ME::Empty}, {"104 473", {}, ME::Conflicting},
    {"50V 1H", {}, ME::Conflicting}, {"104K X7R O5", {}, ME::UnreadPart, 2}, {"S3", {{4700, None, None, 0, V::Eia, 0}}},
    {"n7", {{700, None, None, 0, V::Eia, 0}, {70000000, None, None, 0, V::Eia, 0}}},
    {"C0G", {{0, None, None, 0, V::Eia, -1}}}, {"2AS3", {}, ME::UnreadPart, 0}, {"1 2 3 4 5 6 7", {}, ME::TooLong},
    {"10000000000000000000000000000000000000000", {}, ME::TooLong}};

struct PartRow {
    const char *text;
    std::int64_t picofarads; // 0 where no part
    std::optional<Tolerance> tolerance;
    std::optional<int> coefficient;
};

const PartRow PartRows[] {{"U2J 2A473J", 47000, Tolerance {500, 500}, -750},
    {"B0G 104Z", 100000, Tolerance {2000, 8000}, {}}, {"5R0 C", 5, {}, {}}, {"Q4R7", 0, {}, {}},
    {"X7R 10C", 10, {}, {}}, {"1H", 0, {}, {}}, {"P3K 4n7", 4700, {}, -1500}};

// d in units of 10^unit, where it is a whole number of them; -999 where not.
std::int64_t in(Decimal d, int unit)
{
    d = normalised(d);
    for (; d.exponent > unit; --d.exponent)
        d.significand *= 10;
    return d.exponent == unit ? d.significand : -999;
}

std::array<int, 2> toleranceOf(const CapacitorTolerance &t)
{
    if (t.absolute)
        return {int(in(*t.absolute, -14)), Absolute};
    return t.percent ? std::array {t.percent->below, t.percent->above} : std::array {None, None};
}

Wanted described(const CapacitorMarkingReading &got)
{
    const std::array<int, 2> t = got.tolerance ? toleranceOf(*got.tolerance) : std::array {None, None};
    const bool stable = got.dielectric && got.dielectric->kind == DielectricClass::Stable;
    return {got.value ? in(got.value->farads, -12) : 0, t[0], t[1], got.voltage ? int(in(got.voltage->volts, -1)) : 0,
        got.voltage ? got.voltage->source : V::Eia,
        stable               ? got.dielectric->highestCelsius
            : got.dielectric ? -1
                             : 0};
}

// Rows numbered on from first, the column added with the first table.
template<typename Row, std::size_t N> void addRows(const Row (&rows)[N], const char *Row::*name, std::size_t first = 0)
{
    if (first == 0)
        QTest::addColumn<int>("row");
    for (std::size_t i = 0; i < N; ++i)
        QTest::addRow("%s", rows[i].*name) << int(first + i);
}

} // namespace

class TestCapacitorMarking : public QObject
{
    Q_OBJECT

private slots:
    void value_data() { addRows(ValueRows, &ValueRow::text); }
    void value()
    {
        QFETCH(int, row);
        const ValueRow &r = ValueRows[row];
        const CapacitorValueReading reading = readCapacitorValue(r.text);
        QCOMPARE(reading.error, r.error);
        QCOMPARE(reading.readings.size(), r.error != E::None ? 0u : r.secondPicofarads ? 2u : 1u);
        if (reading.readings.empty())
            return;
        QCOMPARE((std::pair {in(reading.readings[0].farads, r.exponent), reading.readings[0].format}),
            (std::pair {r.significand, r.format}));
        if (r.secondPicofarads)
            QCOMPARE((std::pair {in(reading.readings[1].farads, -12), reading.readings[1].format}),
                (std::pair {r.secondPicofarads, F::Picofarads}));
    }
    void smdCode_data() { addRows(SmdRows, &SmdRow::code); }
    void smdCode()
    {
        QFETCH(int, row);
        const SmdRow &r = SmdRows[row];
        const CapacitorValueReading reading = readCapacitorValue(r.code);
        QCOMPARE(reading.error == E::None, !r.readings.empty());
        std::vector<Smd> got;
        for (const CapacitorValue &v : reading.readings)
            got.emplace_back(v.format, v.source, in(v.farads, -14));
        QCOMPARE(got, r.readings);
    }
    void tolerance_data() { addRows(ToleranceRows, &ToleranceRow::name); }
    void tolerance()
    {
        QFETCH(int, row);
        const ToleranceRow &r = ToleranceRows[row];
        const auto rated = r.ratedPicofarads ? std::optional(Decimal {r.ratedPicofarads, -12}) : std::nullopt;
        const std::vector<CapacitorTolerance> readings = readToleranceLetter(r.letter, rated);
        QCOMPARE(readings.size(), r.readings.size());
        for (std::size_t i = 0; i < readings.size(); ++i) {
            const auto [source, below, above] = r.readings[i];
            QCOMPARE(readings[i].source, source);
            QCOMPARE(toleranceOf(readings[i]), (std::array {below, above}));
        }
    }
    void voltage_data()
    {
        addRows(EiaRows, &VoltageRow::code);
        addRows(WrittenRows, &VoltageRow::code, std::size(EiaRows));
    }
    void voltage()
    {
        QFETCH(int, row);
        const bool eia = row < int(std::size(EiaRows));
        const VoltageRow &r = eia ? EiaRows[row] : WrittenRows[row - int(std::size(EiaRows))];
        const std::optional<Decimal> volts = eia ? readEiaVoltageCode(r.code) : readWrittenVoltage(r.code);
        QCOMPARE(volts.has_value(), r.tenthsOfVolt != 0);
        if (volts)
            QCOMPARE(in(*volts, -1), r.tenthsOfVolt);
    }
    void tantalumVoltage_data() { addRows(TantalumRows, &TantalumRow::letter); }
    void tantalumVoltage()
    {
        QFETCH(int, row);
        const TantalumRow &r = TantalumRows[row];
        const std::vector<RatedVoltage> readings = readTantalumVoltageLetter(r.letter[0]);
        QCOMPARE(readings.size(), r.tenthsOfVolt.size());
        for (std::size_t i = 0; i < readings.size(); ++i)
            QCOMPARE((std::pair {readings[i].source, int(in(readings[i].volts, -1))}), r.tenthsOfVolt[i]);
    }
    void dielectric_data() { addRows(DielectricRows, &DielectricRow::code); }
    void dielectric()
    {
        QFETCH(int, row);
        const DielectricRow &r = DielectricRows[row];
        const std::vector<Dielectric> readings = readDielectric(r.code);
        QCOMPARE(readings.size(), r.readings.size());
        for (std::size_t i = 0; i < readings.size(); ++i) {
            const Dielectric &d = readings[i];
            const std::array<int, 4> &want = r.readings[i];
            if (std::string_view("XYZ").find(r.code[0]) != std::string_view::npos) {
                QCOMPARE(d.kind, DielectricClass::Stable);
                QCOMPARE((std::array {d.lowestCelsius, d.highestCelsius, d.change.below, d.change.above}), want);
            } else {
                QCOMPARE(d.kind, DielectricClass::Compensating);
                QCOMPARE(in(d.coefficient, -1), want[0]);
                QCOMPARE(
                    (std::array {d.coefficientTolerance.value_or(-1), int(d.source)}), (std::array {want[1], want[2]}));
            }
        }
    }
    void marking_data() { addRows(MarkingRows, &MarkingRow::text); }
    void marking()
    {
        QFETCH(int, row);
        const MarkingRow &r = MarkingRows[row];
        const CapacitorMarking m = readCapacitorMarking(r.text);
        QCOMPARE(m.error, r.error);
        QCOMPARE(m.badPart, r.badPart);
        QCOMPARE(m.readings.size(), r.readings.size());
        for (std::size_t i = 0; i < m.readings.size(); ++i)
            QVERIFY2(described(m.readings[i]) == r.readings[i], QByteArray::number(qulonglong(i)));
    }
    void part_data() { addRows(PartRows, &PartRow::text); }
    void part()
    {
        QFETCH(int, row);
        const PartRow &r = PartRows[row];
        const CapacitorMarking m = readCapacitorMarking(r.text);
        const std::optional<Part> p = m.readings.empty() ? std::nullopt : partOf(m.readings[0], r.text);
        QCOMPARE(p.has_value(), r.picofarads != 0);
        if (!p)
            return;
        QCOMPARE(p->value, (Quantity {Unit::Farad, {r.picofarads, -12}, 1}));
        QCOMPARE((std::tuple {p->kind, p->tolerance, p->coefficient, p->marking}),
            (std::tuple {PartKind::Capacitor, r.tolerance, r.coefficient, Marking {MarkingKind::Code, r.text}}));
    }
};

QTEST_APPLESS_MAIN(TestCapacitorMarking)
#include "tst_capacitormarking.moc"
