#include "part.h"

#include <QTest>

using namespace Velmora;

namespace {

// numerator's significand, its exponent, denominator
struct Fraction {
    std::int64_t significand;
    int exponent;
    std::int64_t denominator;
};

Quantity q(Fraction f)
{
    return {Unit::Ohm, {f.significand, f.exponent}, f.denominator};
}

QString qs(const std::string &s)
{
    return QString::fromStdString(s);
}

} // namespace

Q_DECLARE_METATYPE(Fraction)

class TestQuantity : public QObject
{
    Q_OBJECT

private slots:
    void exact_data();
    void exact();
    void order_data();
    void order();
    void range_data();
    void range();
};

void TestQuantity::exact_data()
{
    QTest::addColumn<Fraction>("value");
    QTest::addColumn<QString>("text"); // exact, '.'
    QTest::addColumn<bool>("decimal");
    QTest::addColumn<int>("figures");
    QTest::addColumn<QString>("rounded");

    QTest::newRow("1 k || 2 k") << Fraction {2000, 0, 3} << "2000/3" << false << 3 << "667";
    QTest::newRow("one figure") << Fraction {2000, 0, 3} << "2000/3" << false << 1 << "700";
    QTest::newRow("a third") << Fraction {1, 0, 3} << "1/3" << false << 2 << "0.33";
    QTest::newRow("common factor") << Fraction {10, 0, 6} << "5/3" << false << 3 << "1.67";
    QTest::newRow("exponent kept") << Fraction {1, 3, 3} << "1000/3" << false << 4 << "333.3";
    QTest::newRow("quarters") << Fraction {1000, 0, 4} << "250" << true << 2 << "250";
    QTest::newRow("eighth") << Fraction {1, 0, 8} << "0.125" << true << 2 << "0.13";
    QTest::newRow("2^10") << Fraction {1, 0, 1024} << "0.0009765625" << true << 3 << "0.000977";
    QTest::newRow("fifths") << Fraction {3, 2, 5} << "60" << true << 1 << "60";
    QTest::newRow("rounds up a place") << Fraction {1999, 0, 2} << "999.5" << true << 3 << "1000";
    QTest::newRow("milliohms") << Fraction {22, -2, 1} << "0.22" << true << 5 << "0.22";
    QTest::newRow("zero") << Fraction {0, 0, 7} << "0" << true << 3 << "0";
}

void TestQuantity::exact()
{
    QFETCH(Fraction, value);
    QFETCH(QString, text);
    QFETCH(bool, decimal);
    QFETCH(int, figures);
    QFETCH(QString, rounded);

    QCOMPARE(qs(exactText(q(value))), text);
    QCOMPARE(asDecimal(q(value)).has_value(), decimal);
    if (decimal)
        QCOMPARE(qs(plainText(*asDecimal(q(value)), ".")), text);
    QCOMPARE(qs(plainText(Velmora::rounded(q(value), figures), ".")), rounded);
}

void TestQuantity::order_data()
{
    QTest::addColumn<Fraction>("a");
    QTest::addColumn<Fraction>("b");
    QTest::addColumn<int>("order");

    QTest::newRow("2000/3 below 666.6667") << Fraction {2000, 0, 3} << Fraction {6666667, -4, 1} << -1;
    QTest::newRow("1/3 above 0.333") << Fraction {1, 0, 3} << Fraction {333, -3, 1} << 1;
    QTest::newRow("2/6 is 1/3") << Fraction {2, 0, 6} << Fraction {1, 0, 3} << 0;
    QTest::newRow("exponents") << Fraction {47, 2, 1} << Fraction {4700, 0, 1} << 0;
    QTest::newRow("18 digits both ways") << Fraction {999999999999999999, 0, 999999999999999999} << Fraction {1, 0, 1}
                                         << 0;
    QTest::newRow("18 digits, one apart")
        << Fraction {999999999999999998, 0, 999999999999999999} << Fraction {1, 0, 1} << -1;
    QTest::newRow("zero below anything") << Fraction {0, 0, 1} << Fraction {1, -9, 7} << -1;
}

void TestQuantity::order()
{
    QFETCH(Fraction, a);
    QFETCH(Fraction, b);
    QFETCH(int, order);

    QCOMPARE(compare(q(a), q(b)), order);
    QCOMPARE(compare(q(b), q(a)), -order);
    QCOMPARE(q(a) == q(b), order == 0);
}

void TestQuantity::range_data()
{
    QTest::addColumn<Fraction>("value");
    QTest::addColumn<int>("below"); // hundredths of a percent
    QTest::addColumn<int>("above");
    QTest::addColumn<QString>("range"); // empty for none

    QTest::newRow("4700 ± 5%") << Fraction {47, 2, 1} << 500 << 500 << "4465 4935";
    QTest::newRow("+80/-20%") << Fraction {1, 2, 1} << 2000 << 8000 << "80 180";
    QTest::newRow("0,22 ± 0,05%") << Fraction {22, -2, 1} << 5 << 5 << "0.21989 0.22011";
    QTest::newRow("a fraction ± 1%") << Fraction {2000, 0, 3} << 100 << 100 << "660 2020/3";
    QTest::newRow("too many figures") << Fraction {999999999999999999, 0, 1} << 500 << 500 << "";
}

void TestQuantity::range()
{
    QFETCH(Fraction, value);
    QFETCH(int, below);
    QFETCH(int, above);
    QFETCH(QString, range);

    Part part {PartKind::Resistor, q(value), Tolerance {below, above}, std::nullopt, {}};
    const auto r = rangeOf(part);
    QCOMPARE(r ? qs(exactText(r->lowest) + " " + exactText(r->highest)) : QString(), range);
    part.tolerance.reset();
    QVERIFY(!rangeOf(part));
}

QTEST_APPLESS_MAIN(TestQuantity)
#include "tst_quantity.moc"
