#include "wording.h"

#include <QLocale>
#include <QTest>

using namespace Velmora;

Q_DECLARE_METATYPE(Velmora::Part)

class TestWording : public QObject
{
    Q_OBJECT

private slots:
    void part_data();
    void part();
};

void TestWording::part_data()
{
    QTest::addColumn<Part>("part");
    QTest::addColumn<QString>("text"); // '.' for the locale's separator

    const auto make = [](PartKind kind, Decimal value, std::int64_t denominator, std::optional<Tolerance> tolerance,
                          std::optional<int> coefficient = std::nullopt) {
        return Part {kind, {unitOf(kind), value, denominator}, tolerance, coefficient, {}};
    };
    const auto R = PartKind::Resistor;
    QTest::newRow("4700 Ohm ± 5%") << make(R, {47, 2}, 1, plusMinus(500)) << "4700 Ohm ± 5%";
    QTest::newRow("0.22 Ohm ± 0.25%") << make(R, {22, -2}, 1, plusMinus(25)) << "0.22 Ohm ± 0.25%";
    QTest::newRow("with a coefficient") << make(R, {1, 2}, 1, plusMinus(100), 50) << "100 Ohm ± 1% 50 ppm/K";
    QTest::newRow("no tolerance") << make(R, {10, 3}, 1, std::nullopt) << "10000 Ohm";
    QTest::newRow("grouped look, letter code") << make(R, {4701, -3}, 1, std::nullopt) << "4R701 Ohm";
    QTest::newRow("a fraction, six figures")
        << make(R, {2000, 0}, 3, plusMinus(100)) << "≈ 666R667 Ohm ± 1%"; // never a grouped look
    QTest::newRow("a fraction that is a decimal") << make(R, {1000, 0}, 8, std::nullopt) << "125 Ohm";
    QTest::newRow("100 nF +80/-20%") << make(PartKind::Capacitor, {1, -7}, 1, Tolerance {2000, 8000})
                                     << "0.0000001 F +80/−20%";
    QTest::newRow("4.7 µH ± 10%") << make(PartKind::Inductor, {47, -7}, 1, plusMinus(1000)) << "0.0000047 H ± 10%";
    QTest::newRow("uneven with decimals") << make(R, {1, 0}, 1, Tolerance {5, 25}) << "1 Ohm +0.25/−0.05%";
}

void TestWording::part()
{
    QFETCH(Part, part);
    QFETCH(QString, text);
    QCOMPARE(Wording::part(part), text.replace(QLatin1Char('.'), QLocale().decimalPoint()));
}

QTEST_GUILESS_MAIN(TestWording)
#include "tst_wording.moc"
