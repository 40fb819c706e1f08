// Surface-mount markings both ways, checked against tables written out here:
// the E24 and E96 series, the multiplier letters, and the codes a person may
// type, ambiguous and refused ones among them.
#include "smdcode.h"

#include <QTest>

#include <map>

using namespace Velmora;

Q_DECLARE_METATYPE(SmdError)

namespace {

constexpr int E24[] {10, 11, 12, 13, 15, 16, 18, 20, 22, 24, 27, 30, 33, 36, 39, 43, 47, 51, 56, 62, 68, 75, 82, 91};
constexpr int E96[] {100, 102, 105, 107, 110, 113, 115, 118, 121, 124, 127, 130, 133, 137, 140, 143, 147, 150, 154, 158,
    162, 165, 169, 174, 178, 182, 187, 191, 196, 200, 205, 210, 215, 221, 226, 232, 237, 243, 249, 255, 261, 267, 274,
    280, 287, 294, 301, 309, 316, 324, 332, 340, 348, 357, 365, 374, 383, 392, 402, 412, 422, 432, 442, 453, 464, 475,
    487, 499, 511, 523, 536, 549, 562, 576, 590, 604, 619, 634, 649, 665, 681, 698, 715, 732, 750, 768, 787, 806, 825,
    845, 866, 887, 909, 931, 953, 976};

const char *const FormatNames[] {"jumper", "3", "4", "R", "L", "EIA"}; // in SmdFormat order

// The letters a marking is written with, for 10^-3 to 10^6, as the widely
// published tables and, for G, the one maker's give them.
const std::map<int, char> WrittenLetters {
    {-3, 'Z'}, {-2, 'Y'}, {-1, 'X'}, {0, 'A'}, {1, 'B'}, {2, 'C'}, {3, 'D'}, {4, 'E'}, {5, 'F'}, {6, 'G'}};

// "4700 3 ~500": each reading as significand×10^exponent normalised, its
// format, ±tolerance said or ~usual, and * when read from one maker's table.
QString readingsText(const SmdCode &code)
{
    QStringList out;
    for (const SmdReading &r : code.readings) {
        const Decimal v = normalised(r.value);
        QString text = QStringLiteral("%1e%2 %3").arg(v.significand).arg(v.exponent).arg(FormatNames[int(r.format)]);
        if (r.tolerance)
            text += QStringLiteral(" ±%1").arg(*r.tolerance);
        if (r.usualTolerance)
            text += QStringLiteral(" ~%1").arg(*r.usualTolerance);
        out << text + (r.oneMaker ? QStringLiteral("*") : QString());
    }
    return out.join(QStringLiteral("; "));
}

QString markingsText(Decimal value)
{
    QStringList out;
    for (const SmdMarking &m : smdMarkings(value))
        out << QString::fromStdString(m.text);
    return out.join(u' ');
}

} // namespace

class TestSmdCode : public QObject
{
    Q_OBJECT

private slots:
    void eia96Places();
    void codes_data();
    void codes();
    void markings_data();
    void markings();
    void roundTrip();
};

// Code n is the n-th E96 value, 1 % said, whatever the letter.
void TestSmdCode::eia96Places()
{
    for (int n = 1; n <= 96; ++n) {
        const SmdCode code = readSmdCode(QStringLiteral("%1A").arg(n, 2, 10, QLatin1Char('0')).toStdString());
        QCOMPARE(code.readings.size(), 1u);
        const SmdReading &r = code.readings.front();
        QVERIFY2(r.format == SmdFormat::Eia96 && sameValue(r.value, {E96[n - 1], 0}), qPrintable(readingsText(code)));
        QCOMPARE(r.tolerance.value_or(0), 100);
    }
}

void TestSmdCode::codes_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("readings");
    QTest::addColumn<SmdError>("error");
    QTest::addColumn<bool>("twoValues");
    const auto row = [](const char *code, const char *readings, SmdError error = SmdError::None,
                         bool twoValues = false) { QTest::newRow(code) << code << readings << error << twoValues; };
    row("472", "47e2 3 ~500");
    row("100", "1e1 3 ~500");
    row("109: nine zeros", "1e10 3 ~500");
    row("000", "0e0 jumper");
    row("0", "0e0 jumper");
    row("0000", "0e0 jumper");
    row("4701", "47e2 4 ~100");
    row("1000", "1e2 4 ~100");
    row("4R7", "47e-1 R");
    row("0R22", "22e-2 R");
    row("1R00", "1e0 R");
    row(" r010 ", "1e-2 R");
    row("6L8", "68e-4 L");
    // Every multiplier letter, on code 01 (100).
    for (auto [letter, power] : {std::pair {'Z', -3}, {'Y', -2}, {'X', -1}, {'S', -1}, {'A', 0}, {'B', 1}, {'C', 2},
             {'D', 3}, {'E', 4}, {'F', 5}}) {
        const QByteArray code = QByteArray("01") + letter;
        QTest::newRow(code) << QString(code) << QStringLiteral("1e%1 EIA ±100").arg(power + 2) << SmdError::None
                            << false;
    }
    row("01G: one maker's", "1e8 EIA ±100*");
    // H is 10 in the widely published tables, 10^7 in the one maker's.
    row("50H", "324e1 EIA ±100; 324e7 EIA ±100*", SmdError::None, true);
    row("68b", "499e1 EIA ±100");
    // R is also the decimal point: two readings, of one value for 01R.
    row("47R", "47e0 R; 301e-2 EIA ±100", SmdError::None, true);
    row("01R", "1e0 R; 1e0 EIA ±100");
    row("", "", SmdError::Empty);
    row("4K7", "", SmdError::Malformed);
    row("12345", "", SmdError::Malformed);
    row("4R7R", "", SmdError::Malformed);
    row("R", "", SmdError::Malformed);
    row("97A", "", SmdError::Eia96Number);
    row("00C", "", SmdError::Eia96Number);
    row("47Q", "", SmdError::Eia96Letter);
}

void TestSmdCode::codes()
{
    QFETCH(QString, code);
    QFETCH(QString, readings);
    QFETCH(SmdError, error);
    QFETCH(bool, twoValues);
    const SmdCode read = readSmdCode(code.section(u':', 0, 0).toStdString());
    QCOMPARE(readingsText(read), readings);
    QCOMPARE(read.error, error);
    QCOMPARE(readsTwoValues(read), twoValues);
}

void TestSmdCode::markings_data()
{
    QTest::addColumn<Decimal>("value");
    QTest::addColumn<QString>("markings");
    QTest::newRow("4700") << Decimal {47, 2} << "472 4701";
    QTest::newRow("4990") << Decimal {499, 1} << "4991 68B";
    QTest::newRow("47") << Decimal {47, 0} << "470 47R0";
    QTest::newRow("4,7") << Decimal {47, -1} << "4R7 4R70";
    QTest::newRow("1") << Decimal {1, 0} << "1R0 1R00 01Y";
    QTest::newRow("0,22") << Decimal {22, -2} << "R22 R220";
    QTest::newRow("0,005") << Decimal {5, -3} << "R005 5L0";
    QTest::newRow("6,8 mΩ") << Decimal {68, -4} << "6L8";
    QTest::newRow("0") << Decimal {} << "0 000";
    QTest::newRow("10: X, not S") << Decimal {1, 1} << "100 10R0 01X";
    QTest::newRow("10 G: nine zeros") << Decimal {1, 10} << "109 1008";
    QTest::newRow("100 G") << Decimal {1, 11} << "1009";
    QTest::newRow("100 M: G") << Decimal {1, 8} << "107 1006 01G";
    QTest::newRow("1 G: never H") << Decimal {1, 9} << "108 1007";
    QTest::newRow("12345") << Decimal {12345, 0} << "";
}

void TestSmdCode::markings()
{
    QFETCH(Decimal, value);
    QFETCH(QString, markings);
    QCOMPARE(markingsText(value), markings);
}

// Every E24 and E96 value over the decades the codes reach: each marking it
// gets reads back as the value, in the marking's format, and its
// three-character code is the one written here, where in three digits it is
// an E96 value times 10^-3 (01Z) to 10^6 (96G).
void TestSmdCode::roundTrip()
{
    for (int power = -5; power <= 9; ++power) {
        for (const auto &[values, count] : {std::pair {E24, 24}, std::pair {E96, 96}}) {
            for (int i = 0; i < count; ++i) {
                const Decimal value {values[i], power};
                QString eia96;
                for (const SmdMarking &m : smdMarkings(value)) {
                    const SmdCode read = readSmdCode(m.text);
                    const bool back = std::any_of(read.readings.begin(), read.readings.end(),
                        [&](const SmdReading &r) { return r.format == m.format && sameValue(r.value, value); });
                    QVERIFY2(back, qPrintable(QStringLiteral("%1 -> %2").arg(markingsText(value), readingsText(read))));
                    if (m.format == SmdFormat::Eia96)
                        eia96 = QString::fromStdString(m.text);
                }
                const int three = count == 24 ? values[i] * 10 : values[i];
                const int threePower = count == 24 ? power - 1 : power;
                const auto place = std::find(std::begin(E96), std::end(E96), three);
                const auto letter = WrittenLetters.find(threePower);
                const QString expected = place != std::end(E96) && letter != WrittenLetters.end()
                    ? QStringLiteral("%1%2")
                          .arg(int(place - std::begin(E96)) + 1, 2, 10, QLatin1Char('0'))
                          .arg(letter->second)
                    : QString();
                QCOMPARE(eia96, expected);
            }
        }
    }
}

QTEST_APPLESS_MAIN(TestSmdCode)
#include "tst_smdcode.moc"
