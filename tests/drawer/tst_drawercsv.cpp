#include "drawercsv.h"

#include <QTest>

using namespace Velmora;

namespace {

// A line as the drawer keeps it: the value with its trailing zeros in the
// exponent, so 4700 is {47, 2}.
struct Line {
    qint64 significand;
    int exponent;
    int count;
};

QString shown(const Drawer &drawer)
{
    QStringList lines;
    for (const DrawerLine &l : drawer.lines())
        lines << QStringLiteral("%1e%2 x%3").arg(l.value.significand).arg(l.value.exponent).arg(l.count);
    return lines.join(u", ");
}

QString shown(const QList<Line> &lines)
{
    QStringList out;
    for (const Line &l : lines)
        out << QStringLiteral("%1e%2 x%3").arg(l.significand).arg(l.exponent).arg(l.count);
    return out.join(u", ");
}

} // namespace

Q_DECLARE_METATYPE(QList<Line>)
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
    void drawerEdits();
    void series_data();
    void series();
};

void TestDrawerCsv::goodFiles_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QList<Line>>("lines");
    QTest::newRow("semicolon, comma decimals")
        << QByteArray("valore;quantità\n4,7k;3\n0,22;10\n") << QList<Line> {{22, -2, 10}, {47, 2, 3}};
    QTest::newRow("comma, quoted decimal comma")
        << QByteArray("value,qty\n\"4,7k\",2\n2.2k,1\n") << QList<Line> {{22, 2, 1}, {47, 2, 2}};
    QTest::newRow("quotes inside quotes")
        << QByteArray("note;valore\n\"x\"\"y;z\";\"10 k\"\n\"\"\"\";1\n") << QList<Line> {{1, 0, 1}, {1, 4, 1}};
    QTest::newRow("CRLF, BOM, capitals") << QByteArray("\xEF\xBB\xBFValore;QUANTITÀ\r\n4K7;2\r\n1M;1\r\n")
                                         << QList<Line> {{47, 2, 2}, {1, 6, 1}};
    QTest::newRow("Latin-1 header, unit in brackets")
        << QByteArray("Valore (Ohm);Quantit\xE0\n100;4\n") << QList<Line> {{1, 2, 4}};
    QTest::newRow("CR alone") << QByteArray("ohm;n\r470R;5\r") << QList<Line> {{47, 1, 5}};
    QTest::newRow("no quantity column, one column")
        << QByteArray("resistenza\n4K7\n0R22\n4700\n") << QList<Line> {{22, -2, 1}, {47, 2, 2}};
    QTest::newRow("quantity first, blank rows, spaces")
        << QByteArray("\n;\nqty ; value\n 2 ; 4.7 kΩ \n;;\n\n1;10M\n") << QList<Line> {{47, 2, 2}, {1, 7, 1}};
    QTest::newRow("duplicates add up") << QByteArray("valore;quantità\n4k7;2\n4700;3\n4,7 k;1\n")
                                       << QList<Line> {{47, 2, 6}};
    QTest::newRow("trailing empty fields") << QByteArray("valore;quantità;;\n1k;1;;\n") << QList<Line> {{1, 3, 1}};
    QTest::newRow("header only") << QByteArray("valore;quantità\n") << QList<Line> {};
    QTest::newRow("one column, comma unquoted") << QByteArray("valore\n4,7k\n") << QList<Line> {{47, 2, 1}};
    QTest::newRow("no final line end") << QByteArray("valore\n33") << QList<Line> {{33, 0, 1}};
    QTest::newRow("most of one") << QByteArray("valore;qta\n1k;99999\n1000;1\n") << QList<Line> {{1, 3, 100000}};
}

void TestDrawerCsv::goodFiles()
{
    QFETCH(QByteArray, text);
    QFETCH(QList<Line>, lines);
    const CsvReading reading = readDrawerCsv(text.toStdString());
    QCOMPARE(reading.error, CsvError::None);
    QCOMPARE(shown(reading.drawer), shown(lines));
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
    QTest::newRow("blank file") << QByteArray("\n ; \n") << CsvError::NoHeader << 0 << none << "";
    QTest::newRow("values, no header") << QByteArray("\n4k7;2\n") << CsvError::NoHeader << 2 << none << "4k7";
    QTest::newRow("grouped thousands") << QByteArray("valore;quantità\n1k;1\n\n4.700;2\n") << CsvError::BadValue << 4
                                       << ReadError::Grouping << "4.700";
    QTest::newRow("unquoted comma splits the value")
        << QByteArray("value,qty\n4,7k,2\n") << CsvError::TooManyFields << 2 << none << "2";
    QTest::newRow("one column, comma in a value")
        << QByteArray("value\r\n1k\r\n1,2,3\r\n") << CsvError::BadValue << 3 << ReadError::TwoSeparators << "1,2,3";
    QTest::newRow("negative") << QByteArray("valore\n-10\n") << CsvError::BadValue << 2 << ReadError::Negative << "-10";
    QTest::newRow("not a value") << QByteArray("valore\nabc\n") << CsvError::BadValue << 2 << ReadError::Malformed
                                 << "abc";
    QTest::newRow("zero") << QByteArray("valore\n1k\n0R\n") << CsvError::ZeroValue << 3 << none << "0R";
    QTest::newRow("missing value") << QByteArray("valore;quantità\n;3\n") << CsvError::MissingValue << 2 << none << "";
    QTest::newRow("count zero") << QByteArray("valore;quantità\n1k;0\n") << CsvError::BadCount << 2 << none << "0";
    QTest::newRow("count decimal") << QByteArray("valore;quantità\n1k;2,5\n") << CsvError::BadCount << 2 << none
                                   << "2,5";
    QTest::newRow("count empty") << QByteArray("valore;quantità\n1k;\n") << CsvError::BadCount << 2 << none << "";
    QTest::newRow("count missing") << QByteArray("valore;quantità\n1k\n") << CsvError::BadCount << 2 << none << "";
    QTest::newRow("count too large") << QByteArray("valore;quantità\n1k;100001\n") << CsvError::BadCount << 2 << none
                                     << "100001";
    QTest::newRow("count huge") << QByteArray("valore;quantità\n1k;99999999999\n") << CsvError::BadCount << 2 << none
                                << "99999999999";
    QTest::newRow("rows add up too much")
        << QByteArray("valore;quantità\n1k;60000\n2k;1\n1000;40001\n") << CsvError::TooMany << 4 << none << "1000";
    QTest::newRow("unclosed quote, line of its row")
        << QByteArray("valore;quantità\n1k;1\n\"4,7k;2\n5;1\n") << CsvError::UnclosedQuote << 3 << none << "";
    QTest::newRow("quoted line end counts")
        << QByteArray("valore;note\n1k;\"a\nb\"\nx;\n") << CsvError::BadValue << 4 << ReadError::Malformed << "x";
    QTest::newRow("extra field") << QByteArray("valore;quantità\n1k;1;x\n") << CsvError::TooManyFields << 2 << none
                                 << "x";
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
    for (const Line &l : QList<Line> {{22, -2, 3}, {47, 2, 12}, {4701, 0, 1}, {1, 6, 100000}, {1, -3, 2}})
        drawer.add({l.significand, l.exponent}, l.count);
    const std::string text = drawerCsv(drawer);
    QVERIFY(text.starts_with("\xEF\xBB\xBFvalore;quantità\n"));
    const CsvReading back = readDrawerCsv(text);
    QCOMPARE(back.error, CsvError::None);
    QCOMPARE(shown(back.drawer), QStringLiteral("1e-3 x2, 22e-2 x3, 47e2 x12, 4701e0 x1, 1e6 x100000"));
}

// Values join however written, counts stop at the most, zero removes.
void TestDrawerCsv::drawerEdits()
{
    Drawer drawer;
    drawer.add({4700, 0});
    drawer.add({47, 2}, 2);
    drawer.add({10, -1}, 0);
    drawer.add({0, 0}, 3);
    drawer.add({1, 0}, MostOfOne);
    drawer.add({10, -1}, 5);
    QCOMPARE(shown(drawer), QStringLiteral("1e0 x100000, 47e2 x3"));
    QCOMPARE(drawer.countOf({470, 1}), 3);
    QCOMPARE(drawer.countOf({47, 1}), 0);
    drawer.setCount({4700, 0}, 7);
    drawer.setCount({22, 0}, 1);
    drawer.setCount({1, 0}, 0);
    QCOMPARE(shown(drawer), QStringLiteral("22e0 x1, 47e2 x7"));
    drawer.remove({47, 2});
    drawer.remove({5, 0});
    QCOMPARE(shown(drawer), QStringLiteral("22e0 x1"));
}

void TestDrawerCsv::series_data()
{
    QTest::addColumn<ESeries>("series");
    QTest::addColumn<Decimal>("low");
    QTest::addColumn<Decimal>("high");
    QTest::addColumn<QString>("lines");
    QTest::newRow("E3 over two decades") << ESeries::E3 << Decimal {10, 0} << Decimal {100, 0}
                                         << "1e1 x2, 22e0 x2, 47e0 x2, 1e2 x2";
    QTest::newRow("E6, bounds between members, reversed")
        << ESeries::E6 << Decimal {5, 3} << Decimal {2, 3} << "22e2 x2, 33e2 x2, 47e2 x2";
    QTest::newRow("E192 from 9,76 to 10,1")
        << ESeries::E192 << Decimal {976, -2} << Decimal {1010, -2} << "976e-2 x2, 988e-2 x2, 1e1 x2, 101e-1 x2";
    QTest::newRow("E12 below one ohm") << ESeries::E12 << Decimal {1, -1} << Decimal {15, -2}
                                       << "1e-1 x2, 12e-2 x2, 15e-2 x2";
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
