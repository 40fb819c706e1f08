#include "bandlookup.h"

#include <QTest>

#include <cstring>

using namespace Velmora;

namespace {
QString qs(std::string_view s)
{
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}
} // namespace

class TestBandLookup : public QObject
{
    Q_OBJECT

private slots:
    void entries_data();
    void entries();
    void outOfRange_data();
    void outOfRange();
    void listTexts_data();
    void listTexts();
    void displayNamesAreListTextsInCapitals();
};

void TestBandLookup::entries_data()
{
    QTest::addColumn<int>("band");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QColor>("rgb");
    QTest::addColumn<QString>("meaning"); // digit text, multiplier or tolerance

    QTest::newRow("band 1 first") << 1 << 0 << "NERO" << QColor(0, 0, 0) << "0";
    QTest::newRow("band 1 last") << 1 << 9 << "BIANCO" << QColor(255, 255, 255) << "9";
    QTest::newRow("band 1 brown") << 1 << 1 << "MARRONE" << QColor(128, 64, 0) << "1";
    QTest::newRow("band 2 light blue is cyan") << 2 << 6 << "AZZURRO" << QColor(0, 255, 255) << "6";
    QTest::newRow("band 2 violet") << 2 << 7 << "VIOLA" << QColor(255, 0, 255) << "7";
    QTest::newRow("band 2 grey") << 2 << 8 << "GRIGIO" << QColor(128, 128, 128) << "8";
    QTest::newRow("band 3 black") << 3 << 0 << "NERO" << QColor(0, 0, 0) << "1";
    QTest::newRow("band 3 orange") << 3 << 3 << "ARANCIO" << QColor(255, 128, 0) << "1000";
    QTest::newRow("band 3 light blue") << 3 << 6 << "AZZURRO" << QColor(0, 255, 255) << "1e+06";
    QTest::newRow("band 3 gold") << 3 << 7 << "ORO" << QColor(192, 192, 0) << "0.1";
    QTest::newRow("band 3 silver") << 3 << 8 << "ARGENTO" << QColor(224, 224, 224) << "0.01";
    QTest::newRow("band 4 gold") << 4 << 0 << "ORO" << QColor(192, 192, 0) << "5%";
    QTest::newRow("band 4 red") << 4 << 1 << "ROSSO" << QColor(255, 0, 0) << "2%";
    QTest::newRow("band 4 brown") << 4 << 2 << "MARRONE" << QColor(128, 64, 0) << "1%";
}

void TestBandLookup::entries()
{
    QFETCH(int, band);
    QFETCH(int, index);
    QFETCH(QString, name);
    QFETCH(QColor, rgb);
    QFETCH(QString, meaning);

    const auto entry = lookupBand(band, index);
    QVERIFY(entry);
    QCOMPARE(qs(entry->colour.displayName), name);
    const ColourRef c = entry->colour.display;
    QVERIFY(!isSystemColour(c));
    QCOMPARE(QColor(redOf(c), greenOf(c), blueOf(c)), rgb);

    switch (band) {
    case 1:
    case 2:
        QCOMPARE(qs(entry->digitText), meaning);
        QCOMPARE(entry->digit, index);
        break;
    case 3:
        QCOMPARE(entry->multiplier, meaning.toDouble());
        break;
    default:
        QCOMPARE(qs(entry->tolerance), meaning);
    }
}

void TestBandLookup::outOfRange_data()
{
    QTest::addColumn<int>("band");
    QTest::addColumn<int>("index");

    QTest::newRow("no selection, band 1") << 1 << -1;
    QTest::newRow("past band 1") << 1 << 10;
    QTest::newRow("no selection, band 2") << 2 << -1;
    QTest::newRow("past band 2") << 2 << 10;
    QTest::newRow("no selection, band 3") << 3 << -1;
    QTest::newRow("past band 3") << 3 << 9;
    QTest::newRow("no selection, band 4") << 4 << -1;
    QTest::newRow("past band 4") << 4 << 3;
    QTest::newRow("band 0") << 0 << 0;
    QTest::newRow("band 5") << 5 << 0;
    QTest::newRow("far negative") << 1 << -32768;
}

void TestBandLookup::outOfRange()
{
    QFETCH(int, band);
    QFETCH(int, index);
    QVERIFY(!lookupBand(band, index));
}

void TestBandLookup::listTexts_data()
{
    QTest::addColumn<int>("band");
    QTest::addColumn<QStringList>("texts");

    const QStringList digits {
        "nero", "marrone", "rosso", "arancio", "giallo", "verde", "azzurro", "viola", "grigio", "bianco"};
    QTest::newRow("band 1") << 1 << digits;
    QTest::newRow("band 2") << 2 << digits;
    QTest::newRow("band 3") << 3
                            << QStringList {"nero", "marrone", "rosso", "arancio", "giallo", "verde", "azzurro", "oro",
                                   "argento"};
    QTest::newRow("band 4") << 4 << QStringList {"oro", "rosso", "marrone"};
    QTest::newRow("no band") << 0 << QStringList {};
}

void TestBandLookup::listTexts()
{
    QFETCH(int, band);
    QFETCH(QStringList, texts);

    QStringList actual;
    for (std::string_view t : bandListTexts(band))
        actual << qs(t);
    QCOMPARE(actual, texts);
}

void TestBandLookup::displayNamesAreListTextsInCapitals()
{
    for (const ColourRow &row : ColourCode)
        QCOMPARE(qs(row.displayName), qs(row.listText).toUpper());
}

QTEST_APPLESS_MAIN(TestBandLookup)
#include "tst_bandlookup.moc"
