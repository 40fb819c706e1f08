// A marking read as every kind of part: which kinds read it, in which order,
// at which value in the base unit, typed from IEC 60062 and the EIA codes.
#include "markingreading.h"

#include <QTest>

using namespace Velmora;

Q_DECLARE_METATYPE(std::optional<Velmora::PartKind>)

namespace {

constexpr auto R = PartKind::Resistor;
constexpr auto C = PartKind::Capacitor;
constexpr auto L = PartKind::Inductor;

// "R 100000" per reading: the kind's letter and the value in ohms, farads
// or henries as a decimal; "C -" for a reading with no value.
QString described(const MarkingReading &r)
{
    const QString kind = r.component == R ? QStringLiteral("R") : r.component == C ? QStringLiteral("C") : "L";
    if (!r.part)
        return kind + QStringLiteral(" -");
    const Decimal d = normalised(*asDecimal(r.part->value));
    return kind + QStringLiteral(" %1e%2").arg(d.significand).arg(d.exponent);
}

} // namespace

class TestMarkingReading : public QObject
{
    Q_OBJECT

private slots:
    void readings_data();
    void readings();
};

void TestMarkingReading::readings_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<std::optional<PartKind>>("component");
    QTest::addColumn<QStringList>("expected");
    const std::optional<PartKind> any;
    // 104: 10 × 10^4 Ω, pF and µH.
    QTest::newRow("104") << "104" << any << QStringList {"R 1e5", "C 1e-7", "L 1e-1"};
    QTest::newRow("104 as a resistor") << " 104 " << std::optional(R) << QStringList {"R 1e5"};
    QTest::newRow("104 as a capacitor") << "104" << std::optional(C) << QStringList {"C 1e-7"};
    QTest::newRow("104 as an inductor") << "104" << std::optional(L) << QStringList {"L 1e-1"};
    // 4R7: 4,7 Ω, 4,7 pF, 4,7 µH.
    QTest::newRow("4R7") << "4R7" << any << QStringList {"R 47e-1", "C 47e-13", "L 47e-7"};
    // K, M and G as the decimal point are a resistor's alone.
    QTest::newRow("4K7") << "4K7" << any << QStringList {"R 47e2"};
    QTest::newRow("K47") << "K47" << any << QStringList {"R 47e1"};
    QTest::newRow("1M0") << "1M0" << any << QStringList {"R 1e6"};
    QTest::newRow("2G2") << "2G2" << std::optional(R) << QStringList {"R 22e8"};
    QTest::newRow("1M0 not a capacitor") << "1M0" << std::optional(C) << QStringList {};
    QTest::newRow("0K0 is none") << "0K0" << any << QStringList {};
    QTest::newRow("two letters") << "4K7K" << std::optional(R) << QStringList {};
    QTest::newRow("a letter alone") << "K" << std::optional(R) << QStringList {};
    QTest::newRow("2A473J") << "2A473J" << std::optional(C) << QStringList {"C 47e-9"};
    QTest::newRow("X7R, no value") << "X7R" << any << QStringList {"C -"};
    QTest::newRow("nothing") << "" << any << QStringList {};
}

void TestMarkingReading::readings()
{
    QFETCH(QString, text);
    QFETCH(std::optional<PartKind>, component);
    QFETCH(QStringList, expected);
    const MarkingReadings marking = readMarking(text.toStdString(), component);
    QStringList seen;
    for (const MarkingReading &r : marking.readings) {
        seen << described(r);
        // Each reading carries the detail of its own kind and no other.
        QCOMPARE(bool(r.capacitor), r.component == C);
        QCOMPARE(bool(r.inductor), r.component == L);
        QVERIFY(!r.smd || r.component == R);
    }
    QCOMPARE(seen, expected);
}

QTEST_APPLESS_MAIN(TestMarkingReading)
#include "tst_markingreading.moc"
