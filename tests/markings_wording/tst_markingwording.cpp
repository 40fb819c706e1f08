// What reading a marking says: values with the prefixes people write, each
// part of a reading and the tables named, in both decimal separators.
#include "markingwording.h"

#include <QLocale>
#include <QRegularExpression>
#include <QTest>

using namespace Velmora;

Q_DECLARE_METATYPE(Velmora::Quantity)
Q_DECLARE_METATYPE(std::optional<Velmora::PartKind>)

namespace {

// The test's numbers use '.'; the locale's separator replaces it, and
// sites' names keep theirs.
QString local(QString text)
{
    return text.replace(QRegularExpression(QStringLiteral("(\\d)\\.(\\d)")),
        QStringLiteral("\\1") + QLocale().decimalPoint() + QStringLiteral("\\2"));
}

} // namespace

class TestMarkingWording : public QObject
{
    Q_OBJECT

private slots:
    void value_data();
    void value();
    void lines_data();
    void lines();
};

void TestMarkingWording::value_data()
{
    QTest::addColumn<Quantity>("quantity");
    QTest::addColumn<QString>("text");
    const auto F = [](std::int64_t s, int e) { return Quantity {Unit::Farad, {s, e}, 1}; };
    const auto H = [](std::int64_t s, int e) { return Quantity {Unit::Henry, {s, e}, 1}; };
    QTest::newRow("100 nF") << F(1, -7) << "100 nF";
    QTest::newRow("1 nF, the edge") << F(1000, -12) << "1 nF";
    QTest::newRow("999 pF") << F(999, -12) << "999 pF";
    QTest::newRow("4.7 pF") << F(47, -13) << "4.7 pF";
    QTest::newRow("0.5 pF stays in pF") << F(5, -13) << "0.5 pF";
    QTest::newRow("2.2 µF") << F(22, -7) << "2.2 µF";
    QTest::newRow("4700 µF, never mF") << F(47, -4) << "4700 µF";
    QTest::newRow("999 999 µF") << F(999999, -6) << "999999 µF";
    QTest::newRow("1 F, a supercapacitor") << F(1, 0) << "1 F";
    QTest::newRow("2.7 nH") << H(27, -10) << "2.7 nH";
    QTest::newRow("4.7 µH") << H(47, -7) << "4.7 µH";
    QTest::newRow("1 mH") << H(1, -3) << "1 mH";
    QTest::newRow("100 mH") << H(1, -1) << "100 mH";
    QTest::newRow("2.2 H") << H(22, -1) << "2.2 H";
    QTest::newRow("0.5 nH") << H(5, -10) << "0.5 nH";
    QTest::newRow("ohms as the windows write them") << Quantity {Unit::Ohm, {47, 2}, 1} << "4700 Ohm";
}

void TestMarkingWording::value()
{
    QFETCH(Quantity, quantity);
    QFETCH(QString, text);
    QCOMPARE(MarkingWording::value(quantity), local(text));
}

void TestMarkingWording::lines_data()
{
    QTest::addColumn<QString>("marking");
    QTest::addColumn<std::optional<PartKind>>("component");
    QTest::addColumn<QStringList>("lines"); // each reading's line, then what tells them apart
    const std::optional<PartKind> any;
    const auto C = std::optional(PartKind::Capacitor);
    const auto L = std::optional(PartKind::Inductor);
    const auto R = std::optional(PartKind::Resistor);
    // 01R is 1 Ohm both ways: nothing in doubt.
    QTest::newRow("one value two ways") << "01R" << R
                                        << QStringList {"Resistore 1 Ohm, tolleranza non indicata (SMD, R al posto "
                                                        "della virgola; IEC 60062)",
                                               "Resistore 1 Ohm, ± 1% (SMD, EIA-96; EIA-96)"};
    QTest::newRow("film capacitor")
        << "2A473J" << C
        << QStringList {
               "Condensatore 47 nF, ± 5%, 100 V (3 cifre, in pF; EIA-198; tolleranza: IEC 60062; tensione: EIA)"};
    QTest::newRow("class 2 alone")
        << "X7R" << any
        << QStringList {"Condensatore classe 2, da −55 a +125 °C, ± 15% (senza valore; dielettrico: EIA-198)"};
    QTest::newRow("class 1 with a value")
        << "C0G 100" << C
        << QStringList {"Condensatore 10 pF, classe 1, 0 ± 30 ppm/K (3 cifre, in pF; EIA-198; dielettrico: EIA-198)",
               "Condensatore 100 pF, classe 1, 0 ± 30 ppm/K (picofarad scritti; dielettrico: EIA-198)",
               "Il valore si legge in più modi: la marcatura non dice quale, un capacimetro sì."};
    QTest::newRow("Y5V, uneven")
        << "Y5V" << C
        << QStringList {"Condensatore classe 2, da −30 a +85 °C, +22/−82% (senza valore; dielettrico: EIA-198)"};
    QTest::newRow("pF either side")
        << "4R7C" << C
        << QStringList {
               "Condensatore 4.7 pF, ± 0.25 pF (R al posto della virgola, in pF; IEC 60062; tolleranza: IEC 60062)"};
    QTest::newRow("tantalum letter")
        << "107C" << C
        << QStringList {"Condensatore 100 µF, ± 0.25% (3 cifre, in pF; EIA-198; tolleranza: IEC 60062)",
               "Condensatore 100 µF, 16 V (3 cifre, in pF; EIA-198; tensione: scheda tecnica TEH)",
               "Condensatore 100 µF, 20 V (3 cifre, in pF; EIA-198; tensione: johngibson.me)",
               "Le tabelle non concordano su tolleranza, tensione o dielettrico: la scheda tecnica del produttore dice "
               "quale vale."};
    QTest::newRow("inductor with a tolerance")
        << "4R7K" << L
        << QStringList {
               "Induttore 4.7 µH, ± 10% (R al posto della virgola, in µH; EIA; tolleranza: tabelle dei produttori)"};
    QTest::newRow("two characters") << "S3" << any
                                    << QStringList {"Condensatore 4.7 nF (SMD, 2 caratteri, in pF; EIA-198)"};
    QTest::newRow("two characters, two tables")
        << "b2" << C
        << QStringList {"Condensatore 350 pF (SMD, 2 caratteri, in pF; marsport.org.uk)",
               "Condensatore 300 pF (SMD, 2 caratteri, in pF; NIC Components)",
               "Il valore si legge in più modi: la marcatura non dice quale, un capacimetro sì."};
    QTest::newRow("three kinds")
        << "104" << any
        << QStringList {"Resistore 100000 Ohm, tolleranza non indicata (di solito 5%) (SMD, 3 cifre; IEC 60062)",
               "Condensatore 100 nF (3 cifre, in pF; EIA-198)", "Induttore 100 mH (3 cifre, in µH; EIA)",
               "Solo il componente dice quale lettura vale. Un resistore SMD è nero con il codice in bianco, e un "
               "multimetro in ohm ne legge il valore. Un condensatore ceramico è una goccia o un blocchetto (in SMD "
               "beige o marrone, di solito senza scritte) e in ohm non conduce. Un induttore mostra l'avvolgimento o "
               "la "
               "ferrite, e in ohm legge quasi zero."};
    QTest::newRow("one kind, two readings")
        << "470" << C
        << QStringList {"Condensatore 47 pF (3 cifre, in pF; EIA-198)",
               "Condensatore 470 pF (picofarad scritti; scritto sul componente)",
               "Il valore si legge in più modi: la marcatura non dice quale, un capacimetro sì."};
}

void TestMarkingWording::lines()
{
    QFETCH(QString, marking);
    QFETCH(std::optional<PartKind>, component);
    QFETCH(QStringList, lines);
    const MarkingReadings read = readMarking(marking.toStdString(), component);
    QStringList seen;
    for (const MarkingReading &r : read.readings)
        seen << MarkingWording::line(r);
    const QString hint = MarkingWording::tellApart(read);
    if (!hint.isEmpty())
        seen << hint;
    QStringList expected;
    for (const QString &line : lines)
        expected << local(line);
    QCOMPARE(seen, expected);
}

QTEST_APPLESS_MAIN(TestMarkingWording)
#include "tst_markingwording.moc"
