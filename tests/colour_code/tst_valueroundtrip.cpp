// Every value the four-, five- and six-band windows can show, written as the
// window writes it and read back, gives the same bands or bands of the same
// value, under either decimal separator.
#include "bandscheme.h"
#include "valuebands.h"
#include "valuereader.h"

#include <QTest>

#include <string>
#include <vector>

using namespace Velmora;

namespace {

// The multiplier lists as powers of ten, in list order, written out here.
const std::vector<int> FourBandPowers {0, 1, 2, 3, 4, 5, 6, -1, -2};
const std::vector<int> MorePowers {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, -1, -2, -3};

// Plain ohms: no exponent, no grouping, no trailing zeros after the point.
std::string written(long long digits, int power, char point)
{
    std::string s = std::to_string(digits);
    if (digits == 0)
        return s;
    if (power >= 0)
        return s + std::string(std::size_t(power), '0');
    while (int(s.size()) <= -power)
        s.insert(0, 1, '0');
    s.insert(s.size() - std::size_t(-power), 1, point);
    while (s.back() == '0')
        s.pop_back();
    if (s.back() == point)
        s.pop_back();
    return s;
}

std::pair<long long, int> reduced(long long digits, int power)
{
    if (digits == 0)
        return {0, 0};
    while (digits % 10 == 0) {
        digits /= 10;
        ++power;
    }
    return {digits, power};
}

} // namespace

class TestValueRoundTrip : public QObject
{
    Q_OBJECT

private slots:
    void everyShownValue_data();
    void everyShownValue();
};

void TestValueRoundTrip::everyShownValue_data()
{
    QTest::addColumn<int>("bands");
    QTest::addColumn<char>("point");
    for (int bands : {4, 5, 6})
        for (char point : {',', '.'})
            QTest::addRow("%d bands, '%c'", bands, point) << bands << point;
}

void TestValueRoundTrip::everyShownValue()
{
    QFETCH(int, bands);
    QFETCH(char, point);
    const int digitBands = bands == 4 ? 2 : 3;
    const std::vector<int> &powers = bands == 4 ? FourBandPowers : MorePowers;
    const BandScheme &scheme = bandScheme(bands);
    const std::string pointText(1, point);
    const int toleranceRow = 1;
    const int coefficientRow = 2;

    int combinations = 0;
    int sameBands = 0;
    long long limit = 1;
    for (int i = 0; i < digitBands; ++i)
        limit *= 10;
    for (long long digits = 0; digits < limit; ++digits) {
        for (std::size_t m = 0; m < powers.size(); ++m) {
            ++combinations;
            const std::string text = written(digits, powers[m], point);
            const ValueReading reading = readValue(text, pointText);
            QVERIFY2(reading.value, text.c_str());
            const BandChoice choice = bandsFor(scheme, *reading.value, toleranceRow, coefficientRow, pointText);
            QVERIFY2(int(choice.rows.size()) == bands, (text + ": " + choice.message).c_str());

            // The bands chosen, read with this test's own lists.
            long long gotDigits = 0;
            for (int b = 0; b < digitBands; ++b)
                gotDigits = gotDigits * 10 + choice.rows[std::size_t(b)];
            const int multiplierRow = choice.rows[std::size_t(digitBands)];
            QVERIFY(multiplierRow >= 0 && std::size_t(multiplierRow) < powers.size());
            QCOMPARE(choice.rows[std::size_t(digitBands + 1)], toleranceRow);
            if (bands == 6)
                QCOMPARE(choice.rows[5], coefficientRow);

            if (gotDigits == digits && multiplierRow == int(m)) {
                ++sameBands;
                continue;
            }
            QVERIFY2(
                reduced(gotDigits, powers[std::size_t(multiplierRow)]) == reduced(digits, powers[m]), text.c_str());
        }
    }
    QCOMPARE(combinations, int(limit) * int(powers.size()));
    qInfo("%d combinations, %d read back as the same bands, %d as other bands of the same value", combinations,
        sameBands, combinations - sameBands);
}

QTEST_APPLESS_MAIN(TestValueRoundTrip)
#include "tst_valueroundtrip.moc"
