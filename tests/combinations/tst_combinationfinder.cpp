#include "combinationfinder.h"

#include "bruteforce.h"

#include <QRegularExpression>
#include <QTest>

#include <algorithm>
#include <numeric>

using namespace Velmora;
using namespace BruteForce;

namespace {

Fraction whole(long v)
{
    return {v, 1};
}

// Every shape of 1 to 4 parts, written out from the drawings of the
// networks, in no order of the finder's.
struct BruteShape {
    int parts;
    Fraction (*value)(Fraction, Fraction, Fraction, Fraction);
};
const BruteShape BruteShapes[] {
    {1, [](Fraction a, Fraction, Fraction, Fraction) { return a; }},
    {2, [](Fraction a, Fraction b, Fraction, Fraction) { return series(a, b); }},
    {2, [](Fraction a, Fraction b, Fraction, Fraction) { return parallel(a, b); }},
    {3, [](Fraction a, Fraction b, Fraction c, Fraction) { return series(series(a, b), c); }},
    {3, [](Fraction a, Fraction b, Fraction c, Fraction) { return parallel(parallel(a, b), c); }},
    {3, [](Fraction a, Fraction b, Fraction c, Fraction) { return parallel(series(a, b), c); }},
    {3, [](Fraction a, Fraction b, Fraction c, Fraction) { return series(parallel(a, b), c); }},
    {4, [](Fraction a, Fraction b, Fraction c, Fraction d) { return series(series(a, b), series(c, d)); }},
    {4, [](Fraction a, Fraction b, Fraction c, Fraction d) { return parallel(parallel(a, b), parallel(c, d)); }},
    {4, [](Fraction a, Fraction b, Fraction c, Fraction d) { return parallel(series(a, b), series(c, d)); }},
    {4, [](Fraction a, Fraction b, Fraction c, Fraction d) { return series(parallel(a, b), parallel(c, d)); }},
    {4, [](Fraction a, Fraction b, Fraction c, Fraction d) { return parallel(series(series(a, b), c), d); }},
    {4, [](Fraction a, Fraction b, Fraction c, Fraction d) { return series(parallel(parallel(a, b), c), d); }},
    {4, [](Fraction a, Fraction b, Fraction c, Fraction d) { return series(parallel(series(a, b), c), d); }},
    {4, [](Fraction a, Fraction b, Fraction c, Fraction d) { return parallel(series(parallel(a, b), c), d); }},
    {4, [](Fraction a, Fraction b, Fraction c, Fraction d) { return parallel(parallel(series(a, b), c), d); }},
    {4, [](Fraction a, Fraction b, Fraction c, Fraction d) { return series(series(parallel(a, b), c), d); }},
};

// |x − t| < |y − t|, as -1, 0, 1, exactly: the errors' numerators are
// |p − t q|, over q.
int compareErrors(Fraction x, Fraction y, Wide t)
{
    Wide ex = x.p - t * x.q, ey = y.p - t * y.q;
    ex = ex < 0 ? -ex : ex;
    ey = ey < 0 ? -ey : ey;
    // Both denominators are below 2^45 here, the errors below 2^60: the
    // products stay inside 127 bits.
    const Wide l = ex * y.q, r = ey * x.q;
    return (l > r) - (l < r);
}

// The least error of any network of exactly n parts over values, each used
// at most once when single is set, by trying every one.
Fraction bruteBest(const std::vector<long> &values, int n, long target, bool single)
{
    Fraction best {0, 0};
    const std::size_t m = values.size();
    std::vector<std::size_t> i(4, 0);
    auto consider = [&](const std::vector<std::size_t> &pick) {
        if (single) {
            std::vector<std::size_t> sorted(pick.begin(), pick.begin() + n);
            std::sort(sorted.begin(), sorted.end());
            if (std::adjacent_find(sorted.begin(), sorted.end()) != sorted.end())
                return;
        }
        for (const BruteShape &shape : BruteShapes) {
            if (shape.parts != n)
                continue;
            const Fraction v = shape.value(
                whole(values[pick[0]]), whole(values[pick[1]]), whole(values[pick[2]]), whole(values[pick[3]]));
            if (best.q == 0 || compareErrors(v, best, target) < 0)
                best = v;
        }
    };
    for (i[0] = 0; i[0] < m; ++i[0])
        for (i[1] = 0; i[1] < (n > 1 ? m : 1); ++i[1])
            for (i[2] = 0; i[2] < (n > 2 ? m : 1); ++i[2])
                for (i[3] = 0; i[3] < (n > 3 ? m : 1); ++i[3])
                    consider(i);
    return best;
}

// The finder's network, valued by the brute force's own shapes: the same
// drawing must give the same value.
Fraction bruteValue(const Combination &c)
{
    std::vector<Fraction> parts;
    for (Decimal d : c.parts) {
        long v = long(d.significand);
        for (int e = 0; e < d.exponent; ++e)
            v *= 10;
        parts.push_back(whole(v));
    }
    parts.resize(4, whole(1));
    return BruteShapes[int(c.shape)].value(parts[0], parts[1], parts[2], parts[3]);
}

PartSource sourceOf(const std::vector<long> &values, int count)
{
    PartSource source;
    for (long v : values)
        source.push_back({Decimal {v, 0}, count, 500});
    return source;
}

std::string text(const Combination &c)
{
    std::vector<std::string> parts;
    for (Decimal d : c.parts)
        parts.push_back(std::to_string(d.significand) + std::string(std::size_t(d.exponent), '0'));
    return networkText(c.shape, parts);
}

} // namespace

class TestCombinationFinder : public QObject
{
    Q_OBJECT

private slots:
    void againstBruteForce_data();
    void againstBruteForce();
    void answers_data();
    void answers();
    void exactText_data();
    void exactText();
    void shapes_data();
    void shapes();
    void nothingToFind();
    void shapeOrderBreaksTies();
};

void TestCombinationFinder::againstBruteForce_data()
{
    QTest::addColumn<std::vector<long>>("values");
    QTest::addColumn<int>("count"); // of each value: 1 is a drawer with one of each
    QTest::addColumn<long>("target");

    const std::vector<long> e6 = decades(E6, {10, 100, 1000});
    const std::vector<long> e12 = decades(E12, {10, 100});
    for (long target : {9000L, 1370L, 1L, 5L, 333L, 2999L, 47000L, 123457L, 5000000L, 777L})
        QTest::addRow("E6 %ld", target) << e6 << 4 << target;
    for (long target : {1370L, 4321L, 10L, 91L, 65432L, 1000L})
        QTest::addRow("E12 %ld", target) << e12 << 4 << target;
    for (long target : {1370L, 100L, 4321L, 220L})
        QTest::addRow("E12 one of each %ld", target) << e12 << 1 << target;
    // Four values, one of each: only (100 + 200) || (300 + 600) is 225,
    // and 300 || 600 alone is 200.
    for (long target : {225L, 240L, 1200L, 50L})
        QTest::addRow("four, one of each %ld", target) << std::vector<long> {100, 200, 300, 600} << 1 << target;
}

// For each number of parts the finder's error is the least there is, its
// value is what its drawing says, and it stops at the first exact one.
void TestCombinationFinder::againstBruteForce()
{
    QFETCH(std::vector<long>, values);
    QFETCH(int, count);
    QFETCH(long, target);

    CombinationQuery query {Exact(target), 4, sourceOf(values, count), nullptr};
    const std::vector<Combination> found = findCombinations(query);
    QVERIFY(!found.empty());
    for (std::size_t i = 0; i < found.size(); ++i) {
        const Combination &c = found[i];
        const int n = int(i) + 1;
        QCOMPARE(int(c.parts.size()), n);
        const Fraction best = bruteBest(values, n, target, count == 1);
        const Fraction mine = bruteValue(c);
        QVERIFY2(compareErrors(mine, best, target) == 0, (std::to_string(n) + " parts: " + text(c)).c_str());
        QCOMPARE(fractionOf(c.value).p * mine.q, mine.p * fractionOf(c.value).q);
        QCOMPARE(c.exact(), best.p == target * best.q);
        QCOMPARE(c.exact(), i + 1 == found.size() && c.exact());
    }
    if (!found.back().exact())
        QCOMPARE(found.size(), std::size_t(4));
}

void TestCombinationFinder::answers_data()
{
    QTest::addColumn<QString>("target"); // p or p/q ohms
    QTest::addColumn<int>("series");
    QTest::addColumn<long>("lowest");
    QTest::addColumn<int>("mostParts");
    QTest::addColumn<QStringList>("networks");
    QTest::addColumn<QString>("lastLimits"); // the last network's, "lowest highest"

    // The coarsest series wins the tie: E6's pair before 4700 + 4300.
    QTest::newRow("9k E24") << "9000" << int(ESeries::E24) << 1L << 3 << QStringList {"9100", "2200 + 6800"}
                            << "8550 9450";
    QTest::newRow("9k E6") << "9000" << int(ESeries::E6) << 1L << 3 << QStringList {"10000", "2200 + 6800"}
                           << "7200 10800";
    QTest::newRow("a part") << "4700" << int(ESeries::E24) << 1L << 3 << QStringList {"4700"} << "4465 4935";
    QTest::newRow("a third") << "2000/3" << int(ESeries::E24) << 100L << 2 << QStringList {"680", "1200 || 1500"}
                             << "1900/3 700";
    // At 10 % the limits are a tenth either side, in series or not; of the
    // exact threes, the one all in E6.
    QTest::newRow("E12 three") << "1370" << int(ESeries::E12) << 1L << 3
                               << QStringList {"1500", "1500 || 15000", "10 + 680 + 680"} << "1233 1507";
    QTest::newRow("none at hand") << "5" << int(ESeries::E6) << 1000000L << 2
                                  << QStringList {"1000000", "1000000 || 1000000"} << "400000 600000";
}

void TestCombinationFinder::answers()
{
    QFETCH(QString, target);
    QFETCH(int, series);
    QFETCH(long, lowest);
    QFETCH(int, mostParts);
    QFETCH(QStringList, networks);
    QFETCH(QString, lastLimits);

    const auto s = ESeries(series);
    CombinationQuery query {
        Exact(target.toStdString()), mostParts, seriesParts(s, {lowest, 0}, {1, 7}, usualTolerance(s)), nullptr};
    query.target.canonicalize();
    const std::vector<Combination> found = findCombinations(query);
    QStringList texts;
    for (const Combination &c : found)
        texts << QString::fromStdString(text(c));
    QCOMPARE(texts, networks);
    QVERIFY(!found.empty());
    QCOMPARE(QString::fromStdString(fractionText(found.back().lowest) + " " + fractionText(found.back().highest)),
        lastLimits);
}

void TestCombinationFinder::exactText_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("fraction");
    QTest::addColumn<QString>("decimal");

    QTest::newRow("whole") << "9000"
                           << "9000"
                           << "9000";
    QTest::newRow("third") << "2000/3"
                           << "2000/3"
                           << "666.666666666667";
    QTest::newRow("eighth") << "1/8"
                            << "1/8"
                            << "0.125";
    QTest::newRow("small") << "-1/300"
                           << "-1/300"
                           << "-0.00333333333333333";
    QTest::newRow("rounds up a figure") << "1999999999999999/2"
                                        << "1999999999999999/2"
                                        << "1000000000000000";
    QTest::newRow("reduced") << "4400/4"
                             << "1100"
                             << "1100";
}

void TestCombinationFinder::exactText()
{
    QFETCH(QString, value);
    QFETCH(QString, fraction);
    QFETCH(QString, decimal);

    Exact q(value.toStdString());
    q.canonicalize();
    QCOMPARE(QString::fromStdString(fractionText(q)), fraction);
    QCOMPARE(QString::fromStdString(decimalText(q)), decimal);
}

// Each shape's value and text from parts of 1, 2, 3 and 4 ohms, worked out
// by hand from its drawing.
void TestCombinationFinder::shapes_data()
{
    QTest::addColumn<int>("shape");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("value");

    const std::pair<const char *, const char *> rows[] {
        {"1", "1"},
        {"1 + 2", "3"},
        {"1 || 2", "2/3"},
        {"1 + 2 + 3", "6"},
        {"1 || 2 || 3", "6/11"},
        {"(1 + 2) || 3", "3/2"},
        {"(1 || 2) + 3", "11/3"},
        {"1 + 2 + 3 + 4", "10"},
        {"1 || 2 || 3 || 4", "12/25"},
        {"(1 + 2) || (3 + 4)", "21/10"},
        {"(1 || 2) + (3 || 4)", "50/21"},
        {"(1 + 2 + 3) || 4", "12/5"},
        {"(1 || 2 || 3) + 4", "50/11"},
        {"((1 + 2) || 3) + 4", "11/2"},
        {"((1 || 2) + 3) || 4", "44/23"},
        {"(1 + 2) || 3 || 4", "12/11"},
        {"(1 || 2) + 3 + 4", "23/3"},
    };
    static_assert(std::size(rows) == AllShapes.size());
    for (Shape shape : AllShapes)
        QTest::newRow(rows[int(shape)].first) << int(shape) << rows[int(shape)].first << rows[int(shape)].second;
}

void TestCombinationFinder::shapes()
{
    QFETCH(int, shape);
    QFETCH(QString, text);
    QFETCH(QString, value);

    const auto s = Shape(shape);
    const std::vector<Exact> parts {1, 2, 3, 4};
    const std::vector<std::string> texts {"1", "2", "3", "4"};
    QCOMPARE(partCount(s), int(text.count(QRegularExpression("[0-9]"))));
    QCOMPARE(QString::fromStdString(networkText(s, texts)), text);
    QCOMPARE(QString::fromStdString(fractionText(networkValue(s, std::span(parts).first(std::size_t(partCount(s)))))),
        value);
}

// No answer for a target that is not positive, nor from an empty source.
void TestCombinationFinder::nothingToFind()
{
    const PartSource e6 = seriesParts(ESeries::E6, {1, 0}, {1, 7}, 2000);
    QVERIFY(findCombinations({Exact(0), 3, e6, nullptr}).empty());
    QVERIFY(findCombinations({Exact(-100), 3, e6, nullptr}).empty());
    QVERIFY(findCombinations({Exact(100), 3, {}, nullptr}).empty());
    // Bounds that hold no value of the series.
    QVERIFY(findCombinations({Exact(100), 3, seriesParts(ESeries::E6, {11, 0}, {14, 0}, 2000), nullptr}).empty());
}

// Of one of each of 100, 200, 300 and 600, (100 + 200) || (300 + 600) and
// (100 || 300) + (200 || 600) are both 225, with the same parts: the
// shapes' order decides.
void TestCombinationFinder::shapeOrderBreaksTies()
{
    PartSource drawer;
    for (long v : {600L, 300L, 200L, 100L})
        drawer.push_back({{v, 0}, 1, 500});
    const std::vector<Combination> found = findCombinations({Exact(225), 4, drawer, nullptr});
    QCOMPARE(found.size(), std::size_t(4));
    QCOMPARE(QString::fromStdString(text(found.back())), QStringLiteral("(100 + 200) || (300 + 600)"));
    QVERIFY(found.back().exact());
}

QTEST_APPLESS_MAIN(TestCombinationFinder)
#include "tst_combinationfinder.moc"
