// What a reading says, written out here from the colour code's tables: the
// value, tolerance, coefficient and limits of a set of chosen rows, the
// usual part of each scheme, and the dialog's order of tolerances.
#include "reading.h"

#include <QTest>

using namespace Velmora;

Q_DECLARE_METATYPE(SchemeId)

namespace {

QString qs(const std::string &s)
{
    return QString::fromStdString(s);
}

// The colours by their Italian names, in the code's order.
const QStringList ColourNames {"nero", "marrone", "rosso", "arancio", "giallo", "verde", "azzurro", "viola", "grigio",
    "bianco", "oro", "argento", "rosa"};

Reading reading(SchemeId scheme, const QList<int> &rows)
{
    Reading r {scheme};
    for (int band = 1; band <= int(rows.size()); ++band)
        r.setRow(band, rows[band - 1]);
    return r;
}

} // namespace

class TestReading : public QObject
{
    Q_OBJECT

private slots:
    void says_data();
    void says();
    void usualParts_data();
    void usualParts();
    void tolerancesFinestFirst_data();
    void tolerancesFinestFirst();
    void fromColours_data();
    void fromColours();
    void inductorPart();
};

void TestReading::says_data()
{
    QTest::addColumn<SchemeId>("scheme");
    QTest::addColumn<QList<int>>("rows"); // -1 unchosen
    QTest::addColumn<QString>("value"); // empty while the bands do not give one
    QTest::addColumn<QString>("tolerance");
    QTest::addColumn<int>("coefficient"); // -1 for none
    QTest::addColumn<QString>("limits"); // lowest and highest
    QTest::addColumn<bool>("complete");

    const auto F = SchemeId::FourBands;
    const auto V = SchemeId::FiveBands;
    const auto S = SchemeId::SixBands;
    const auto T = SchemeId::ThreeBands;
    QTest::newRow("giallo viola rosso oro") << F << QList {4, 7, 2, 0} << "4700"
                                            << "5%" << -1 << "4465 4935" << true;
    QTest::newRow("no tolerance yet") << F << QList {4, 7, 2, -1} << "4700"
                                      << "" << -1 << "" << false;
    QTest::newRow("no first digit") << F << QList {-1, 7, 2, 1} << ""
                                    << "2%" << -1 << "" << false;
    QTest::newRow("four: marrone nero argento marrone") << F << QList {1, 0, 8, 2} << "0,1"
                                                        << "1%" << -1 << "0,099 0,101" << true;
    QTest::newRow("five: giallo bianco bianco marrone marrone") << V << QList {4, 9, 9, 1, 0} << "4990"
                                                                << "1%" << -1 << "4940,1 5039,9" << true;
    QTest::newRow("five: pink, grey") << V << QList {1, 0, 0, 12, 7} << "0,1"
                                      << "0,05%" << -1 << "0,09995 0,10005" << true;
    QTest::newRow("five: white multiplier, silver") << V << QList {9, 9, 9, 9, 9} << "999000000000"
                                                    << "10%" << -1 << "899100000000 1098900000000" << true;
    QTest::newRow("six: 1000 ± 2% 100 ppm/K") << S << QList {1, 0, 0, 1, 1, 1} << "1000"
                                              << "2%" << 100 << "980 1020" << true;
    QTest::newRow("six: yellow 0.02%, grey 1 ppm/K") << S << QList {2, 4, 9, 10, 3, 8} << "24,9"
                                                     << "0,02%" << 1 << "24,89502 24,90498" << true;
    QTest::newRow("six: coefficient alone") << S << QList {-1, -1, -1, -1, -1, 0} << ""
                                            << "" << 250 << "" << false;
    QTest::newRow("three: marrone nero rosso") << T << QList {1, 0, 2} << "1000"
                                               << "20%" << -1 << "800 1200" << true;
    QTest::newRow("row past its list") << F << QList {4, 7, 9, 0} << ""
                                       << "5%" << -1 << "" << false;
}

void TestReading::says()
{
    QFETCH(SchemeId, scheme);
    QFETCH(QList<int>, rows);
    QFETCH(QString, value);
    QFETCH(QString, tolerance);
    QFETCH(int, coefficient);
    QFETCH(QString, limits);
    QFETCH(bool, complete);

    const Reading r = reading(scheme, rows);
    const auto v = valueOf(r);
    QCOMPARE(v ? qs(plainText(*v, ",")) : QString(), value);
    const auto t = toleranceOf(r);
    QCOMPARE(t ? qs(toleranceText(*t, ",")) : QString(), tolerance);
    QCOMPARE(coefficientOf(r).value_or(-1), coefficient);
    const auto l = limitsOf(r);
    QCOMPARE(l ? qs(plainText(l->lowest, ",") + " " + plainText(l->highest, ",")) : QString(), limits);
    QCOMPARE(Velmora::complete(r), complete);
    const auto parts = resultParts(r, ",");
    QCOMPARE(parts.has_value(), complete);
    if (parts) {
        QCOMPARE(qs(parts->value), value);
        QCOMPARE(qs(parts->tolerance), tolerance);
        QCOMPARE(parts->coefficient.value_or(-1), coefficient);
    }
    // The same, as the part the bands describe.
    const auto part = partOf(r);
    QCOMPARE(part.has_value(), complete);
    if (part) {
        QCOMPARE(part->kind, PartKind::Resistor);
        QCOMPARE(part->value.unit, Unit::Ohm);
        QCOMPARE(qs(plainText(*asDecimal(part->value), ",")), value);
        QCOMPARE(qs(toleranceText(part->tolerance->below, ",")), tolerance);
        QVERIFY(part->tolerance->symmetric());
        QCOMPARE(part->coefficient.value_or(-1), coefficient);
        QCOMPARE(part->marking.kind, MarkingKind::Bands);
    }
}

void TestReading::usualParts_data()
{
    QTest::addColumn<SchemeId>("scheme");
    QTest::addColumn<QList<int>>("rows");
    QTest::addColumn<QList<int>>("usual");
    QTest::newRow("four: oro") << SchemeId::FourBands << QList<int>() << QList {-1, -1, -1, 0, -1, -1};
    QTest::newRow("five: marrone") << SchemeId::FiveBands << QList<int>() << QList {-1, -1, -1, -1, 0, -1};
    QTest::newRow("six: marrone, 100 ppm/K") << SchemeId::SixBands << QList<int>() << QList {-1, -1, -1, -1, 0, 1};
    QTest::newRow("six: a chosen tolerance stays")
        << SchemeId::SixBands << QList {4, -1, -1, -1, 7} << QList {4, -1, -1, -1, 7, 1};
    QTest::newRow("four: a chosen tolerance stays")
        << SchemeId::FourBands << QList {-1, -1, -1, 1} << QList {-1, -1, -1, 1, -1, -1};
}

void TestReading::usualParts()
{
    QFETCH(SchemeId, scheme);
    QFETCH(QList<int>, rows);
    QFETCH(QList<int>, usual);
    const Reading r = withUsualParts(reading(scheme, rows));
    QCOMPARE(QList<int>(r.rows.begin(), r.rows.end()), usual);
}

void TestReading::tolerancesFinestFirst_data()
{
    QTest::addColumn<SchemeId>("scheme");
    QTest::addColumn<QStringList>("order");
    QTest::newRow("four") << SchemeId::FourBands << QStringList {"marrone", "rosso", "oro"};
    const QStringList more {
        "giallo", "arancio", "grigio", "viola", "azzurro", "verde", "marrone", "rosso", "oro", "argento"};
    QTest::newRow("five") << SchemeId::FiveBands << more;
    QTest::newRow("six") << SchemeId::SixBands << more;
}

void TestReading::tolerancesFinestFirst()
{
    QFETCH(SchemeId, scheme);
    QFETCH(QStringList, order);
    const BandScheme &s = bandScheme(scheme);
    QStringList names;
    for (int row : Velmora::tolerancesFinestFirst(s))
        names << ColourNames.at(int(s.rows(s.bandOf(BandKind::Tolerance))[std::size_t(row)].colour));
    QCOMPARE(names, order);
}

void TestReading::fromColours_data()
{
    QTest::addColumn<QString>("colours");
    QTest::addColumn<int>("scheme"); // -1 none has that many bands
    QTest::addColumn<int>("badBand");
    QTest::addColumn<QString>("value"); // once no band is bad

    const int window = int(SchemeId::FourBands);
    const int fullCode = int(SchemeId::FourBandsFullCode);
    QTest::newRow("the window's colours") << "giallo viola rosso oro" << window << 0 << "4700";
    QTest::newRow("silver tolerance") << "marrone nero rosso argento" << fullCode << 0 << "1000";
    QTest::newRow("violet multiplier") << "marrone nero viola oro" << fullCode << 0 << "100000000";
    QTest::newRow("pink multiplier") << "marrone nero rosa oro" << fullCode << 0 << "0.01";
    QTest::newRow("black tolerance") << "giallo viola rosso nero" << fullCode << 4 << "";
    QTest::newRow("pink digit") << "rosa nero rosso oro" << fullCode << 1 << "";
    QTest::newRow("five") << "giallo viola azzurro nero marrone" << int(SchemeId::FiveBands) << 0 << "476";
    QTest::newRow("white coefficient") << "marrone nero nero nero marrone bianco" << int(SchemeId::SixBands) << 6 << "";
    QTest::newRow("three") << "giallo viola rosa" << int(SchemeId::ThreeBands) << 0 << "0.047";
    // Colours the inductor window lists too are a resistor's all the same.
    QTest::newRow("inductor's colours") << "giallo viola oro argento" << fullCode << 0 << "4.7";
    QTest::newRow("two") << "giallo viola" << -1 << 0 << "";
    QTest::newRow("seven") << "nero nero nero nero nero nero nero" << -1 << 0 << "";
}

void TestReading::fromColours()
{
    QFETCH(QString, colours);
    QFETCH(int, scheme);
    QFETCH(int, badBand);
    QFETCH(QString, value);
    std::vector<Colour> bands;
    for (const QString &name : colours.split(u' '))
        bands.push_back(Colour(ColourNames.indexOf(name)));
    const auto read = readColours(bands);
    QCOMPARE(read ? int(read->reading.scheme) : -1, scheme);
    if (!read)
        return;
    QCOMPARE(read->badBand, badBand);
    QCOMPARE(complete(read->reading), badBand == 0);
    if (badBand == 0)
        QCOMPARE(qs(plainText(*valueOf(read->reading), ".")), value);
}

// The part an inductor window's reading describes, in henries exactly:
// giallo viola oro argento, band 1's list starting at marrone.
void TestReading::inductorPart()
{
    const auto part = partOf(reading(SchemeId::InductorFourBands, {3, 7, 5, 1}));
    QVERIFY(part);
    QCOMPARE((std::tuple {part->kind, part->value, part->tolerance}),
        (std::tuple {PartKind::Inductor, Quantity {Unit::Henry, {47, -7}, 1}, std::optional(plusMinus(1000))}));
    QVERIFY(!partOf(reading(SchemeId::InductorFourBands, {3, 7, 5})));
}

QTEST_APPLESS_MAIN(TestReading)
#include "tst_reading.moc"
