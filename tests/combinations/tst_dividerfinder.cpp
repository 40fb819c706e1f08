#include "dividerfinder.h"

#include "bruteforce.h"

#include <QTest>

#include <optional>

using namespace Velmora;
using namespace BruteForce;

namespace {

bool less(Fraction x, Fraction y)
{
    return x.p * y.q < y.p * x.q;
}

// |x − r| against |y − r|, r = rp / rq.
int compareErrors(Fraction x, Fraction y, Fraction r)
{
    Wide ex = x.p * r.q - r.p * x.q, ey = y.p * r.q - r.p * y.q;
    ex = ex < 0 ? -ex : ex;
    ey = ey < 0 ? -ey : ey;
    const Wide l = ex * y.q, h = ey * x.q;
    return (l > h) - (l < h);
}

// Every leg of one or two parts, each with the parts it takes.
struct BruteLeg {
    Fraction value;
    std::vector<std::size_t> parts;
};

std::vector<BruteLeg> bruteLegs(const std::vector<long> &values, int parts)
{
    std::vector<BruteLeg> legs;
    for (std::size_t a = 0; a < values.size(); ++a) {
        const Fraction x {values[a], 1};
        if (parts == 1) {
            legs.push_back({x, {a}});
            continue;
        }
        for (std::size_t b = 0; b < values.size(); ++b) {
            const Fraction y {values[b], 1};
            legs.push_back({series(x, y), {a, b}});
            legs.push_back({parallel(x, y), {a, b}});
        }
    }
    return legs;
}

struct BruteBest {
    std::optional<Fraction> ratio;
};

// The least ratio error of n parts, by trying every pair of legs.
std::optional<Fraction> bruteBest(const std::vector<long> &values, int n, Fraction r, long lowest, long highest,
    std::optional<long> load, bool single)
{
    std::optional<Fraction> best;
    for (int lowerParts = 1; lowerParts <= 2; ++lowerParts) {
        const int upperParts = n - lowerParts;
        if (upperParts < 1 || upperParts > 2)
            continue;
        const auto lowers = bruteLegs(values, lowerParts);
        const auto uppers = bruteLegs(values, upperParts);
        for (const BruteLeg &lower : lowers)
            for (const BruteLeg &upper : uppers) {
                if (single) {
                    std::vector<std::size_t> all = lower.parts;
                    all.insert(all.end(), upper.parts.begin(), upper.parts.end());
                    std::sort(all.begin(), all.end());
                    if (std::adjacent_find(all.begin(), all.end()) != all.end())
                        continue;
                }
                const Fraction x = load ? parallel(lower.value, {*load, 1}) : lower.value;
                const Fraction total = series(x, upper.value);
                if (less(total, {lowest, 1}) || less({highest, 1}, total))
                    continue;
                const Fraction ratio {x.p * total.q, x.q * total.p};
                if (!best || compareErrors(ratio, *best, r) < 0)
                    best = ratio;
            }
    }
    return best;
}

} // namespace

class TestDividerFinder : public QObject
{
    Q_OBJECT

private slots:
    void againstBruteForce_data();
    void againstBruteForce();
    void answers_data();
    void answers();
};

void TestDividerFinder::againstBruteForce_data()
{
    QTest::addColumn<std::vector<long>>("values");
    QTest::addColumn<int>("count");
    QTest::addColumn<long>("ratioP");
    QTest::addColumn<long>("ratioQ");
    QTest::addColumn<long>("lowest");
    QTest::addColumn<long>("highest");
    QTest::addColumn<long>("load"); // 0 for none

    const std::vector<long> e6 = decades(E6, {10, 100, 1000});
    const std::vector<long> e12 = decades(E12, {100, 1000});
    QTest::newRow("3,3 of 5 V") << e12 << 4 << 33L << 50L << 1000L << 1000000L << 0L;
    QTest::newRow("a seventh") << e6 << 4 << 1L << 7L << 1000L << 100000L << 0L;
    QTest::newRow("near one") << e12 << 4 << 999L << 1000L << 1000L << 1000000L << 0L;
    QTest::newRow("near zero") << e6 << 4 << 1L << 1000L << 100L << 1000000L << 0L;
    QTest::newRow("loaded") << e12 << 4 << 1L << 3L << 1000L << 1000000L << 4700L;
    QTest::newRow("tight total") << e6 << 4 << 2L << 5L << 5000L << 5200L << 0L;
    QTest::newRow("one of each") << e12 << 1 << 5L << 12L << 1000L << 1000000L << 0L;
}

// For each number of parts the ratio's error is the least there is, the
// total keeps within its bounds, and the search stops at the first exact.
void TestDividerFinder::againstBruteForce()
{
    QFETCH(std::vector<long>, values);
    QFETCH(int, count);
    QFETCH(long, ratioP);
    QFETCH(long, ratioQ);
    QFETCH(long, lowest);
    QFETCH(long, highest);
    QFETCH(long, load);

    DividerQuery query;
    query.ratio = fraction(ratioP, ratioQ);
    for (long v : values)
        query.source.push_back({{v, 0}, count, 100});
    query.totalLowest = lowest;
    query.totalHighest = highest;
    if (load)
        query.load = Exact(load);
    const std::vector<Divider> found = findDividers(query);
    QVERIFY(!found.empty());
    const Fraction r {ratioP, ratioQ};
    for (std::size_t i = 0; i < found.size(); ++i) {
        const Divider &d = found[i];
        const int n = int(i) + 2;
        QCOMPARE(d.partCount(), n);
        const std::optional<Fraction> best
            = bruteBest(values, n, r, lowest, highest, load ? std::optional(load) : std::nullopt, count == 1);
        QVERIFY(best);
        QCOMPARE(compareErrors(fractionOf(d.ratio), *best, r), 0);
        QVERIFY(d.total >= lowest && d.total <= highest);
        // The ratio is the legs' own, whatever the search did.
        const Exact x = load ? d.lower.value * load / (d.lower.value + load) : d.lower.value;
        QCOMPARE(d.ratio, Exact(x / (x + d.upper.value)));
        QCOMPARE(d.error == 0, i + 1 == found.size() && d.error == 0);
        QVERIFY(d.ratioLowest <= d.ratio && d.ratio <= d.ratioHighest);
    }
}

void TestDividerFinder::answers_data()
{
    QTest::addColumn<QString>("ratio");
    QTest::addColumn<int>("series");
    QTest::addColumn<QStringList>("legs"); // "upper / lower", one per answer
    QTest::addColumn<QString>("limits"); // the last answer's ratio limits

    // Half: every equal pair is exact, and of those in E3 the one whose
    // total is nearest the middle of 1 kΩ and 1 MΩ.
    QTest::newRow("half E6") << "1/2" << int(ESeries::E6) << QStringList {"22000 / 22000"} << "2/5 3/5";
    // A third: with three parts, 22 kΩ over two in parallel, whose total
    // is nearer the middle than two in series over one.
    QTest::newRow("third E3") << "1/3" << int(ESeries::E3) << QStringList {"10000 / 4700", "22000 / 22000 || 22000"}
                              << "3/17 7/13";
}

void TestDividerFinder::answers()
{
    QFETCH(QString, ratio);
    QFETCH(int, series);
    QFETCH(QStringList, legs);
    QFETCH(QString, limits);

    DividerQuery query;
    query.ratio = Exact(ratio.toStdString());
    query.ratio.canonicalize();
    const auto s = ESeries(series);
    query.source = seriesParts(s, {1, 0}, {1, 7}, usualTolerance(s));
    const std::vector<Divider> found = findDividers(query);
    QStringList texts;
    auto legText = [](const Leg &leg) {
        std::vector<std::string> parts;
        for (Decimal d : leg.parts)
            parts.push_back(std::to_string(d.significand) + std::string(std::size_t(d.exponent), '0'));
        return QString::fromStdString(networkText(leg.shape, parts));
    };
    for (const Divider &d : found)
        texts << legText(d.upper) + " / " + legText(d.lower);
    QCOMPARE(texts, legs);
    QCOMPARE(
        QString::fromStdString(fractionText(found.back().ratioLowest) + " " + fractionText(found.back().ratioHighest)),
        limits);
}

QTEST_APPLESS_MAIN(TestDividerFinder)
#include "tst_dividerfinder.moc"
