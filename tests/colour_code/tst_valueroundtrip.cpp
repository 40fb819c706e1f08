// Every value the four-, five- and six-band windows can show, written as the
// window writes it and read back, gives the bands a person would pick for
// it, under either decimal separator: the same bands, or where a first
// digit is black and a smaller multiplier can take its place, those; where
// none can, a refusal, since no part starts with a black band.
#include "bandscheme.h"
#include "valuebands.h"
#include "valuereader.h"

#include <QTest>

#include <algorithm>
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

// The spelling with the first digit not black wherever a smaller
// multiplier of the list allows: 0, 4, 7 × 100 is 4, 7, 0 × 10.
std::pair<long long, std::size_t> preferred(
    long long digits, std::size_t multiplier, long long limit, const std::vector<int> &powers)
{
    while (digits != 0 && digits * 10 < limit) {
        const auto lower = std::find(powers.begin(), powers.end(), powers[multiplier] - 1);
        if (lower == powers.end())
            break;
        digits *= 10;
        multiplier = std::size_t(lower - powers.begin());
    }
    return {digits, multiplier};
}

} // namespace

Q_DECLARE_METATYPE(Velmora::SchemeId)

class TestValueRoundTrip : public QObject
{
    Q_OBJECT

private slots:
    void everyShownValue_data();
    void everyShownValue();
};

void TestValueRoundTrip::everyShownValue_data()
{
    QTest::addColumn<SchemeId>("scheme");
    QTest::addColumn<int>("bands");
    QTest::addColumn<char>("point");
    const std::pair<SchemeId, int> windows[] {{SchemeId::ThreeBands, 3}, {SchemeId::FourBands, 4},
        {SchemeId::FourBandsFullCode, 4}, {SchemeId::FiveBands, 5}, {SchemeId::SixBands, 6}};
    for (auto [scheme, bands] : windows)
        for (char point : {',', '.'})
            QTest::addRow(
                "%d bands%s, '%c'", bands, scheme == SchemeId::FourBandsFullCode ? " (whole code)" : "", point)
                << scheme << bands << point;
}

void TestValueRoundTrip::everyShownValue()
{
    QFETCH(SchemeId, scheme);
    QFETCH(int, bands);
    QFETCH(char, point);
    const int digitBands = bands <= 4 ? 2 : 3;
    const std::vector<int> &powers = scheme == SchemeId::FourBands ? FourBandPowers : MorePowers;
    const std::string pointText(1, point);
    Reading base {scheme};
    base.setRow(digitBands + 2, 1); // tolerance
    if (bands == 6)
        base.setRow(6, 2); // coefficient

    int moved = 0;
    int refused = 0;
    long long limit = 1;
    for (int i = 0; i < digitBands; ++i)
        limit *= 10;
    for (long long digits = 1; digits < limit; ++digits) {
        for (std::size_t m = 0; m < powers.size(); ++m) {
            const std::string text = written(digits, powers[m], point);
            const ValueReading reading = readValue(text, pointText);
            QVERIFY2(reading.value, text.c_str());
            const BandChoice choice = bandsFor(base, *reading.value);
            const auto want = preferred(digits, m, limit, powers);
            if (want.first * 10 < limit) {
                QVERIFY2(choice.refusal == BandRefusal::LeadingZero, text.c_str());
                ++refused;
                continue;
            }
            QVERIFY2(choice.refusal == BandRefusal::None, text.c_str());

            long long gotDigits = 0;
            for (int b = 1; b <= digitBands; ++b)
                gotDigits = gotDigits * 10 + choice.reading.row(b);
            const auto got = std::pair(gotDigits, std::size_t(choice.reading.row(digitBands + 1)));
            QVERIFY2(got == want, text.c_str());
            QCOMPARE(choice.reading.row(digitBands + 2), 1);
            QCOMPARE(choice.reading.row(6), bands == 6 ? 2 : -1);
            moved += want.first != digits;
        }
    }
    qInfo("%d spelt with a smaller multiplier, %d refused", moved, refused);
}

QTEST_APPLESS_MAIN(TestValueRoundTrip)
#include "tst_valueroundtrip.moc"
