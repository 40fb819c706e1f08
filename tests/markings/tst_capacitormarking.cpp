// Capacitor markings against values typed from the public tables: each
// format's examples, each letter as every table gives it.
#include "capacitortolerance.h"
#include "capacitorvalue.h"
#include "dielectric.h"
#include "ratedvoltage.h"

#include <QTest>

using namespace Velmora;

namespace {

using F = CapacitorFormat;
using E = CapacitorValueError;

struct ValueRow {
    const char *text;
    std::int64_t significand; // in farads; 0 where refused
    int exponent;
    F format;
    E error = E::None;
    std::int64_t secondSignificand = 0; // a second reading in pF, where there is one
};

constexpr ValueRow ValueRows[] {
    {"104", 1, -7, F::ThreeDigits},
    {"473", 47, -9, F::ThreeDigits},
    {"109", 1, -12, F::ThreeDigits},
    {"338", 33, -14, F::ThreeDigits},
    {"107", 1, -4, F::ThreeDigits},
    {"470", 47, -12, F::ThreeDigits, E::None, 470},
    {"100", 10, -12, F::ThreeDigits, E::None, 100},
    {"47", 47, -12, F::Picofarads},
    {"4n7", 47, -10, F::LetterCode},
    {"4N7", 47, -10, F::LetterCode},
    {"p47", 47, -14, F::LetterCode},
    {"2u2", 22, -7, F::LetterCode},
    {"2U2", 22, -7, F::LetterCode},
    {"4\xC2\xB5"
     "7",
        47, -7, F::LetterCode},
    {"4\xCE\xBC"
     "7",
        47, -7, F::LetterCode},
    {"1m0", 1, -3, F::LetterCode},
    {"n22", 22, -11, F::LetterCode},
    {"100n", 1, -7, F::LetterCode},
    {"0,1\xC2\xB5"
     "F",
        1, -7, F::WrittenOut},
    {"0.1uF", 1, -7, F::WrittenOut},
    {"100nF", 1, -7, F::WrittenOut},
    {" 100 n ", 1, -7, F::WrittenOut},
    {"4,7pF", 47, -13, F::WrittenOut},
    {"220 \xCE\xBC"
     "F",
        22, -5, F::WrittenOut},
    {"1F", 1, 0, F::WrittenOut},
    {"0,1", 1, -7, F::WrittenOut},
    {".047", 47, -9, F::WrittenOut},
    {"", 0, 0, F::ThreeDigits, E::Empty},
    {"1M0", 0, 0, F::ThreeDigits, E::MegaPrefix},
    {"2,2MF", 0, 0, F::ThreeDigits, E::MegaPrefix},
    {"4n7F", 0, 0, F::ThreeDigits, E::Malformed},
    {"4n7n", 0, 0, F::ThreeDigits, E::Malformed},
    {"n", 0, 0, F::ThreeDigits, E::Malformed},
    {"4", 0, 0, F::ThreeDigits, E::Malformed},
    {"1047", 0, 0, F::ThreeDigits, E::Malformed},
    {"1,2,3n", 0, 0, F::ThreeDigits, E::Malformed},
    {"4k7", 0, 0, F::ThreeDigits, E::Malformed},
    {"1234567890123456n", 0, 0, F::ThreeDigits, E::TooManyDigits},
};

using S = ToleranceSource;
constexpr int Absolute = -1; // below holds hundredths of a pF

struct Expected {
    S source;
    int below;
    int above;
};

struct ToleranceRow {
    const char *name;
    char letter;
    int ratedPicofarads; // 0 for none
    std::vector<Expected> readings;
};

const ToleranceRow ToleranceRows[] {
    {"B at 4,7 pF", 'B', 4, {{S::Agreed, 10, Absolute}}},
    {"C at 10 pF", 'C', 10, {{S::Agreed, 25, Absolute}}},
    {"C at 11 pF", 'C', 11, {{S::Agreed, 25, 25}}},
    {"D at 100 nF", 'D', 100000, {{S::Agreed, 50, 50}}},
    {"F at 1 pF", 'F', 1, {{S::Agreed, 100, Absolute}}},
    {"F unrated", 'F', 0, {{S::Agreed, 100, Absolute}, {S::Agreed, 100, 100}}},
    {"G", 'G', 0, {{S::Agreed, 200, 200}}},
    {"J at 1 pF", 'J', 1, {{S::Agreed, 500, 500}}},
    {"K", 'K', 0, {{S::Agreed, 1000, 1000}}},
    {"M", 'M', 0, {{S::Agreed, 2000, 2000}}},
    {"Z", 'Z', 0, {{S::Agreed, 2000, 8000}}},
    {"S", 'S', 0, {{S::Agreed, 2000, 5000}}},
    {"E", 'E', 0, {{S::ElectroTechOnline, 25, 25}, {S::Einhugur, 50, 50}}},
    {"H", 'H', 0, {{S::ElectroTechOnline, 250, 250}, {S::Einhugur, 300, 300}}},
    {"N", 'N', 0, {{S::ElectroTechOnline, 3000, 3000}, {S::Einhugur, 5, 5}}},
    {"L", 'L', 0, {{S::ElectroTechOnline, 1500, 1500}}},
    {"P", 'P', 0, {{S::ElectroTechOnline, 0, 10000}, {S::ThreeBmDesign, 0, 8000}}},
    {"W", 'W', 0, {{S::ElectroTechOnline, 0, 20000}, {S::SignalPro, 2000, 4000}}},
    {"X", 'X', 0, {{S::ElectroTechOnline, 2000, 4000}}},
    {"Y", 'Y', 0, {{S::ThreeBmDesign, 0, 5000}, {S::SignalPro, 2000, 5000}}},
    {"A", 'A', 0, {}},
    {"lower-case k", 'k', 0, {}},
};

struct VoltageRow {
    const char *code;
    std::int64_t tenthsOfVolt; // 0 where refused
};

// oriedza.blogspot.com's table and Panasonic's part numbers, typed in.
constexpr VoltageRow EiaRows[] {
    {"0E", 25},
    {"0G", 40},
    {"0L", 55},
    {"0J", 63},
    {"1A", 100},
    {"1C", 160},
    {"1D", 200},
    {"1E", 250},
    {"1V", 350},
    {"1G", 400},
    {"1H", 500},
    {"1J", 630},
    {"1K", 800},
    {"2A", 1000},
    {"2Q", 1100},
    {"2B", 1250},
    {"2C", 1600},
    {"2Z", 1800},
    {"2D", 2000},
    {"2P", 2200},
    {"2E", 2500},
    {"2F", 3150},
    {"2V", 3500},
    {"2G", 4000},
    {"2W", 4500},
    {"2H", 5000},
    {"2J", 6300},
    {"2K", 8000},
    {"3A", 10000},
    {"1a", 0},
    {"5A", 0},
    {"2X", 0},
    {"2", 0},
    {"2AA", 0},
    {"A1", 0},
};

struct TantalumRow {
    char letter;
    std::vector<std::pair<VoltageSource, int>> tenthsOfVolt;
};

const TantalumRow TantalumRows[] {
    {'e', {{VoltageSource::TehDatasheet, 25}}},
    {'G', {{VoltageSource::TehDatasheet, 40}}},
    {'J', {{VoltageSource::TehDatasheet, 63}}},
    {'A', {{VoltageSource::TehDatasheet, 100}, {VoltageSource::JohnGibson, 100}}},
    {'B', {{VoltageSource::JohnGibson, 160}}},
    {'C', {{VoltageSource::TehDatasheet, 160}, {VoltageSource::JohnGibson, 200}}},
    {'D', {{VoltageSource::TehDatasheet, 200}, {VoltageSource::JohnGibson, 250}}},
    {'E', {{VoltageSource::TehDatasheet, 250}, {VoltageSource::JohnGibson, 350}}},
    {'F', {{VoltageSource::JohnGibson, 500}}},
    {'V', {{VoltageSource::TehDatasheet, 350}}},
    {'H', {{VoltageSource::TehDatasheet, 500}}},
    {'K', {}},
    {'a', {}},
};

struct WrittenRow {
    const char *text;
    std::int64_t tenthsOfVolt; // 0 where refused
};

constexpr WrittenRow WrittenRows[] {
    {"50V", 500},
    {"6,3V", 63},
    {"6.3 V", 63},
    {"630VDC", 6300},
    {"1000V", 10000},
    {"V", 0},
    {"50", 0},
    {",5V", 0},
    {"5,V", 0},
    {"5,0,0V", 0},
    {"50 VV", 0},
};

using D = DielectricSource;

struct Class1 {
    std::int64_t tenthsOfPpm;
    int tolerance;
    D source;
};

struct Class1Row {
    const char *code;
    std::vector<Class1> readings;
};

// 3bmdesign.com's examples (C0G P0, B2G N030, U1G N075, P2G N150, S2H N330,
// T2H N470, U2J N750, P3K N1500, R3L N2200, M7G P100) and the digit 4 both
// ways.
const Class1Row Class1Rows[] {
    {"C0G", {{0, 30, D::Agreed}}},
    {"NP0", {{0, 30, D::Agreed}}},
    {"NPO", {{0, 30, D::Agreed}}},
    {"COG", {{0, 30, D::Agreed}}},
    {"B2G", {{-300, 30, D::Agreed}}},
    {"U1G", {{-750, 30, D::Agreed}}},
    {"P2G", {{-1500, 30, D::Agreed}}},
    {"S2H", {{-3300, 60, D::Agreed}}},
    {"T2H", {{-4700, 60, D::Agreed}}},
    {"U2J", {{-7500, 120, D::Agreed}}},
    {"P3K", {{-15000, 250, D::Agreed}}},
    {"R3L", {{-22000, 500, D::Agreed}}},
    {"M7G", {{1000, 30, D::Agreed}}},
    {"B0M", {{-3, 1000, D::Agreed}}},
    {"V8N", {{56000, 2500, D::Agreed}}},
    {"M4G", {{10, 30, D::ShortTable}, {-100000, 30, D::LongTable}}},
    {"M5G", {{10, 30, D::LongTable}}},
    {"A9G", {{90000, 30, D::LongTable}}},
    {"C0X", {}},
    {"D0G", {}},
    {"c0g", {}},
    {"C0", {}},
};

struct Class2Row {
    const char *code;
    int lowest; // 0 where refused
    int highest;
    int below; // hundredths of a percent
    int above;
};

constexpr Class2Row Class2Rows[] {
    {"X7R", -55, 125, 1500, 1500},
    {"X5R", -55, 85, 1500, 1500},
    {"Y5V", -30, 85, 8200, 2200},
    {"Z5U", 10, 85, 5600, 2200},
    {"X8R", -55, 150, 1500, 1500},
    {"X6S", -55, 105, 2200, 2200},
    {"Y4T", -30, 65, 3300, 2200},
    {"Z2A", 10, 45, 100, 100},
    {"X9B", -55, 200, 150, 150},
    {"X7C", -55, 125, 220, 220},
    {"X7D", -55, 125, 330, 330},
    {"X7E", -55, 125, 470, 470},
    {"X7F", -55, 125, 750, 750},
    {"X7P", -55, 125, 1000, 1000},
    {"X3R", 0, 0, 0, 0},
    {"W7R", 0, 0, 0, 0},
    {"X7Q", 0, 0, 0, 0},
    {"x7r", 0, 0, 0, 0},
    {"X7RR", 0, 0, 0, 0},
};

bool same(Decimal a, std::int64_t significand, int exponent)
{
    return sameValue(a, Decimal {significand, exponent});
}

} // namespace

class TestCapacitorMarking : public QObject
{
    Q_OBJECT

private slots:
    void value_data()
    {
        QTest::addColumn<int>("row");
        for (int i = 0; i < int(std::size(ValueRows)); ++i)
            QTest::addRow("%s", ValueRows[i].text) << i;
    }
    void value()
    {
        QFETCH(int, row);
        const ValueRow &r = ValueRows[row];
        const CapacitorValueReading reading = readCapacitorValue(r.text);
        QCOMPARE(reading.error, r.error);
        if (r.error != E::None) {
            QVERIFY(reading.readings.empty());
            return;
        }
        QCOMPARE(reading.readings.size(), r.secondSignificand ? 2u : 1u);
        QVERIFY(same(reading.readings[0].farads, r.significand, r.exponent));
        QCOMPARE(reading.readings[0].format, r.format);
        if (r.secondSignificand) {
            QVERIFY(same(reading.readings[1].farads, r.secondSignificand, -12));
            QCOMPARE(reading.readings[1].format, F::Picofarads);
        }
    }

    void tolerance_data()
    {
        QTest::addColumn<int>("row");
        for (int i = 0; i < int(std::size(ToleranceRows)); ++i)
            QTest::addRow("%s", ToleranceRows[i].name) << i;
    }
    void tolerance()
    {
        QFETCH(int, row);
        const ToleranceRow &r = ToleranceRows[row];
        const std::optional<Decimal> rated
            = r.ratedPicofarads ? std::optional(Decimal {r.ratedPicofarads, -12}) : std::nullopt;
        const std::vector<CapacitorTolerance> readings = readToleranceLetter(r.letter, rated);
        QCOMPARE(readings.size(), r.readings.size());
        for (std::size_t i = 0; i < readings.size(); ++i) {
            const Expected &e = r.readings[i];
            QCOMPARE(readings[i].source, e.source);
            QCOMPARE(readings[i].percent.has_value(), e.above != Absolute);
            QCOMPARE(readings[i].absolute.has_value(), e.above == Absolute);
            if (e.above == Absolute)
                QVERIFY(same(*readings[i].absolute, e.below, -14));
            else
                QCOMPARE(*readings[i].percent, (Tolerance {e.below, e.above}));
        }
    }

    void eiaVoltage_data()
    {
        QTest::addColumn<int>("row");
        for (int i = 0; i < int(std::size(EiaRows)); ++i)
            QTest::addRow("%s", EiaRows[i].code) << i;
    }
    void eiaVoltage()
    {
        QFETCH(int, row);
        const VoltageRow &r = EiaRows[row];
        const std::optional<Decimal> volts = readEiaVoltageCode(r.code);
        QCOMPARE(volts.has_value(), r.tenthsOfVolt != 0);
        if (volts)
            QVERIFY(same(*volts, r.tenthsOfVolt, -1));
    }
    void tantalumVoltage_data()
    {
        QTest::addColumn<int>("row");
        for (int i = 0; i < int(std::size(TantalumRows)); ++i)
            QTest::addRow("%c", TantalumRows[i].letter) << i;
    }
    void tantalumVoltage()
    {
        QFETCH(int, row);
        const TantalumRow &r = TantalumRows[row];
        const std::vector<RatedVoltage> readings = readTantalumVoltageLetter(r.letter);
        QCOMPARE(readings.size(), r.tenthsOfVolt.size());
        for (std::size_t i = 0; i < readings.size(); ++i) {
            QCOMPARE(readings[i].source, r.tenthsOfVolt[i].first);
            QVERIFY(same(readings[i].volts, r.tenthsOfVolt[i].second, -1));
        }
    }
    void writtenVoltage_data()
    {
        QTest::addColumn<int>("row");
        for (int i = 0; i < int(std::size(WrittenRows)); ++i)
            QTest::addRow("%s", WrittenRows[i].text) << i;
    }
    void writtenVoltage()
    {
        QFETCH(int, row);
        const std::optional<Decimal> volts = readWrittenVoltage(WrittenRows[row].text);
        QCOMPARE(volts.has_value(), WrittenRows[row].tenthsOfVolt != 0);
        if (volts)
            QVERIFY(same(*volts, WrittenRows[row].tenthsOfVolt, -1));
    }

    void compensating_data()
    {
        QTest::addColumn<int>("row");
        for (int i = 0; i < int(std::size(Class1Rows)); ++i)
            QTest::addRow("%s", Class1Rows[i].code) << i;
    }
    void compensating()
    {
        QFETCH(int, row);
        const Class1Row &r = Class1Rows[row];
        const std::vector<Dielectric> readings = readDielectric(r.code);
        QCOMPARE(readings.size(), r.readings.size());
        for (std::size_t i = 0; i < readings.size(); ++i) {
            QCOMPARE(readings[i].kind, DielectricClass::Compensating);
            QVERIFY(same(readings[i].coefficient, r.readings[i].tenthsOfPpm, -1));
            QCOMPARE(readings[i].coefficientTolerance, r.readings[i].tolerance);
            QCOMPARE(readings[i].source, r.readings[i].source);
        }
    }
    void stable_data()
    {
        QTest::addColumn<int>("row");
        for (int i = 0; i < int(std::size(Class2Rows)); ++i)
            QTest::addRow("%s", Class2Rows[i].code) << i;
    }
    void stable()
    {
        QFETCH(int, row);
        const Class2Row &r = Class2Rows[row];
        const std::vector<Dielectric> readings = readDielectric(r.code);
        QCOMPARE(readings.size(), r.highest ? 1u : 0u);
        if (readings.empty())
            return;
        QCOMPARE(readings[0].kind, DielectricClass::Stable);
        QCOMPARE(readings[0].lowestCelsius, r.lowest);
        QCOMPARE(readings[0].highestCelsius, r.highest);
        QCOMPARE(readings[0].change, (Tolerance {r.below, r.above}));
    }
};

QTEST_APPLESS_MAIN(TestCapacitorMarking)
#include "tst_capacitormarking.moc"
