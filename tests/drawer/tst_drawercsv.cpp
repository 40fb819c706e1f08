#include "drawercsv.h"

#include <QTest>

using namespace Velmora;

// A drawer as "22e-2 x10, 47e2 x3": each value with its trailing zeros in
// the exponent, as the drawer keeps it, and its count.
static QString shown(const Drawer &drawer)
{
    QStringList lines;
    for (const DrawerLine &l : drawer.lines())
        lines << QStringLiteral("%1e%2 x%3").arg(l.value.significand).arg(l.value.exponent).arg(l.count);
    return lines.join(u", ");
}

Q_DECLARE_METATYPE(CsvError)
Q_DECLARE_METATYPE(ReadError)
Q_DECLARE_METATYPE(ESeries)
Q_DECLARE_METATYPE(Decimal)

class TestDrawerCsv : public QObject
{
    Q_OBJECT

private slots:
    void goodFiles_data();
    void goodFiles();
    void badRows_data();
    void badRows();
    void writtenReadsBack();
    void series_data();
    void series();
};

void TestDrawerCsv::goodFiles_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("lines");
    QTest::newRow("semicolon, comma decimals")
        << QByteArray("valore;quantità\n4,7k;3\n0,22;10\n") << "22e-2 x10, 47e2 x3";
    QTest::newRow("comma, quoted decimal comma") << QByteArray("value,qty\n\"4,7k\",2\n2.2k,1\n") << "22e2 x1, 47e2 x2";
    QTest::newRow("quotes inside quotes")
        << QByteArray("note;valore\n\"x\"\"y;z\";\"10 k\"\n\"\"\"\";1\n") << "1e0 x1, 1e4 x1";
    QTest::newRow("CRLF, BOM, capitals") << QByteArray("\xEF\xBB\xBFValore;QUANTITÀ\r\n4K7;2\r\n1M;1\r\n")
                                         << "47e2 x2, 1e6 x1";
    QTest::newRow("Latin-1 header, unit in brackets") << QByteArray("Valore (Ohm);Quantit\xE0\n100;4\n") << "1e2 x4";
    QTest::newRow("CR alone") << QByteArray("ohm;n\r470R;5\r") << "47e1 x5";
    QTest::newRow("no quantity column, one column")
        << QByteArray("resistenza\n4K7\n0R22\n4700\n") << "22e-2 x1, 47e2 x2";
    QTest::newRow("quantity first, blank rows, spaces")
        << QByteArray("\n;\nqty ; value\n 2 ; 4.7 kΩ \n;;\n\n1;10M\n") << "47e2 x2, 1e7 x1";
    QTest::newRow("duplicates add up") << QByteArray("valore;quantità\n4k7;2\n4700;3\n4,7 k;1\n") << "47e2 x6";
    QTest::newRow("trailing empty fields") << QByteArray("valore;quantità;;\n1k;1;;\n") << "1e3 x1";
    QTest::newRow("one column, comma unquoted") << QByteArray("valore\n4,7k\n") << "47e2 x1";
    QTest::newRow("no final line end") << QByteArray("valore\n33") << "33e0 x1";
    QTest::newRow("most of one") << QByteArray("valore;qta\n1k;99999\n1000;1\n") << "1e3 x100000";
}

void TestDrawerCsv::goodFiles()
{
    QFETCH(QByteArray, text);
    QFETCH(QString, lines);
    const CsvReading reading = readDrawerCsv(text.toStdString());
    QCOMPARE(reading.error, CsvError::None);
    QCOMPARE(shown(reading.drawer), lines);
}

void TestDrawerCsv::badRows_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<CsvError>("error");
    QTest::addColumn<int>("line");
    QTest::addColumn<ReadError>("valueError");
    QTest::addColumn<QString>("field");
    const auto none = ReadError::None;
    QTest::newRow("empty file") << QByteArray("") << CsvError::NoHeader << 0 << none << "";
    QTest::newRow("values, no header") << QByteArray("\n4k7;2\n") << CsvError::NoHeader << 2 << none << "4k7";
    QTest::newRow("grouped thousands") << QByteArray("valore;quantità\n1k;1\n\n4.700;2\n") << CsvError::BadValue << 4
                                       << ReadError::Grouping << "4.700";
    QTest::newRow("unquoted comma splits the value")
        << QByteArray("value,qty\n4,7k,2\n") << CsvError::TooManyFields << 2 << none << "2";
    QTest::newRow("zero") << QByteArray("valore\n1k\n0R\n") << CsvError::ZeroValue << 3 << none << "0R";
    QTest::newRow("missing value") << QByteArray("valore;quantità\n;3\n") << CsvError::MissingValue << 2 << none << "";
    QTest::newRow("count zero") << QByteArray("valore;quantità\n1k;0\n") << CsvError::BadCount << 2 << none << "0";
    QTest::newRow("count missing") << QByteArray("valore;quantità\n1k\n") << CsvError::BadCount << 2 << none << "";
    QTest::newRow("count too large") << QByteArray("valore;quantità\n1k;100001\n") << CsvError::BadCount << 2 << none
                                     << "100001";
    QTest::newRow("rows add up too much")
        << QByteArray("valore;quantità\n1k;60000\n2k;1\n1000;40001\n") << CsvError::TooMany << 4 << none << "1000";
    QTest::newRow("unclosed quote, line of its row")
        << QByteArray("valore;quantità\n1k;1\n\"4,7k;2\n5;1\n") << CsvError::UnclosedQuote << 3 << none << "";
    QTest::newRow("quoted line end counts")
        << QByteArray("valore;note\n1k;\"a\nb\"\nx;\n") << CsvError::BadValue << 4 << ReadError::Malformed << "x";
}

void TestDrawerCsv::badRows()
{
    QFETCH(QByteArray, text);
    QFETCH(CsvError, error);
    QFETCH(int, line);
    QFETCH(ReadError, valueError);
    QFETCH(QString, field);
    const CsvReading reading = readDrawerCsv(text.toStdString());
    QCOMPARE(reading.error, error);
    QCOMPARE(reading.line, line);
    QCOMPARE(reading.valueError, valueError);
    QCOMPARE(QString::fromStdString(reading.field), field);
    QVERIFY(reading.drawer.empty());
}

void TestDrawerCsv::writtenReadsBack()
{
    Drawer drawer;
    drawer.add({22, -2}, 3);
    drawer.add({47, 2}, 12);
    drawer.add({4701, 0});
    drawer.add({1, 6}, MostOfOne);
    drawer.add({1, -3}, 2);
    drawer.add({1000000, 0}, 5); // joins 1M, whose count stops where a file still reads it
    drawer.add({0, 0}, 3); // no resistor
    const std::string text = drawerCsv(drawer);
    QVERIFY(text.starts_with("\xEF\xBB\xBFvalore;quantità\n"));
    const CsvReading back = readDrawerCsv(text);
    QCOMPARE(back.error, CsvError::None);
    QCOMPARE(shown(back.drawer), QStringLiteral("1e-3 x2, 22e-2 x3, 47e2 x12, 4701e0 x1, 1e6 x100000"));
}

void TestDrawerCsv::series_data()
{
    QTest::addColumn<ESeries>("series");
    QTest::addColumn<Decimal>("low");
    QTest::addColumn<Decimal>("high");
    QTest::addColumn<QString>("lines");
    QTest::newRow("E6, bounds between members, reversed")
        << ESeries::E6 << Decimal {5, 3} << Decimal {2, 3} << "22e2 x2, 33e2 x2, 47e2 x2";
    QTest::newRow("E192 from 9,76 to 10,1")
        << ESeries::E192 << Decimal {976, -2} << Decimal {1010, -2} << "976e-2 x2, 988e-2 x2, 1e1 x2, 101e-1 x2";
}

void TestDrawerCsv::series()
{
    QFETCH(ESeries, series);
    QFETCH(Decimal, low);
    QFETCH(Decimal, high);
    QFETCH(QString, lines);
    Drawer drawer;
    drawer.addSeries(series, low, high, 2);
    QCOMPARE(shown(drawer), lines);
}

QTEST_APPLESS_MAIN(TestDrawerCsv)
#include "tst_drawercsv.moc"
