#include "valuetext.h"

#include <QTest>

using namespace Velmora;

class TestValueText : public QObject
{
    Q_OBJECT

private slots:
    void format_data();
    void format();
};

void TestValueText::format_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("point");
    QTest::addColumn<QString>("text");

    QTest::newRow("zero") << 0.0 << "."
                          << "0";
    QTest::newRow("one digit") << 5.0 << "."
                               << "5";
    QTest::newRow("largest, no exponent, no grouping") << 99000000.0 << ","
                                                       << "99000000";
    QTest::newRow("round thousands") << 4700.0 << ","
                                     << "4700";
    QTest::newRow("12 x 0.1 loses its binary tail") << 12 * 0.1 << "."
                                                    << "1.2";
    QTest::newRow("33 x 0.1") << 33 * 0.1 << "."
                              << "3.3";
    QTest::newRow("24 x 0.01") << 24 * 0.01 << "."
                               << "0.24";
    QTest::newRow("Italian separator") << 47 * 0.1 << ","
                                       << "4,7";
    QTest::newRow("smallest step") << 1 * 0.01 << ","
                                   << "0,01";
    QTest::newRow("whole after rounding") << 10 * 0.1 << "."
                                          << "1";
    QTest::newRow("fifteen digits kept") << 123456789.012345 << "."
                                         << "123456789.012345";
    QTest::newRow("sixteenth digit rounds") << 0.1234567890123456 << "."
                                            << "0.123456789012346";
    QTest::newRow("tiny stays plain") << 0.00001 << "."
                                      << "0.00001";
    QTest::newRow("large stays plain") << 1e20 << "."
                                       << "100000000000000000000";
    QTest::newRow("negative") << -2.5 << "."
                              << "-2.5";
}

void TestValueText::format()
{
    QFETCH(double, value);
    QFETCH(QString, point);
    QFETCH(QString, text);
    QCOMPARE(valueText(value, point), text);
}

QTEST_APPLESS_MAIN(TestValueText)
#include "tst_valuetext.moc"
