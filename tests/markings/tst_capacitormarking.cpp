// Capacitor markings against values typed from the public tables: each
// format's examples, each letter as every table gives it.
#include "capacitorvalue.h"

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
};

QTEST_APPLESS_MAIN(TestCapacitorMarking)
#include "tst_capacitormarking.moc"
