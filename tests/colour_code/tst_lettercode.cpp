// The value as a label writes it: IEC 60062's letter code, and the value
// with its SI prefix, against codes typed from the standard's examples.
#include "lettercode.h"

#include <QTest>

using namespace Velmora;

class TestLetterCode : public QObject
{
    Q_OBJECT

private slots:
    void writes_data()
    {
        QTest::addColumn<qint64>("significand");
        QTest::addColumn<int>("exponent");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("number"); // with a comma for the point
        QTest::addColumn<QString>("prefix");
        // The standard's own examples first.
        QTest::newRow("R47") << qint64(47) << -2 << "R47"
                             << "0,47"
                             << "";
        QTest::newRow("4R7") << qint64(47) << -1 << "4R7"
                             << "4,7"
                             << "";
        QTest::newRow("470R") << qint64(470) << 0 << "470R"
                              << "470"
                              << "";
        QTest::newRow("4K7") << qint64(4700) << 0 << "4K7"
                             << "4,7"
                             << "k";
        QTest::newRow("47K") << qint64(47) << 3 << "47K"
                             << "47"
                             << "k";
        QTest::newRow("47K3") << qint64(473) << 2 << "47K3"
                              << "47,3"
                              << "k";
        QTest::newRow("470K") << qint64(47) << 4 << "470K"
                              << "470"
                              << "k";
        QTest::newRow("4M7") << qint64(47) << 5 << "4M7"
                             << "4,7"
                             << "M";
        // A whole digit keeps its zero; each step's edges.
        QTest::newRow("1R0") << qint64(1) << 0 << "1R0"
                             << "1"
                             << "";
        QTest::newRow("10R") << qint64(10) << 0 << "10R"
                             << "10"
                             << "";
        QTest::newRow("999R") << qint64(999) << 0 << "999R"
                              << "999"
                              << "";
        QTest::newRow("1K0") << qint64(1) << 3 << "1K0"
                             << "1"
                             << "k";
        QTest::newRow("1K0 written 1000") << qint64(1000) << 0 << "1K0"
                                          << "1"
                                          << "k";
        QTest::newRow("4K75") << qint64(475) << 1 << "4K75"
                              << "4,75"
                              << "k";
        QTest::newRow("1K02") << qint64(102) << 1 << "1K02"
                              << "1,02"
                              << "k";
        QTest::newRow("976K") << qint64(976) << 3 << "976K"
                              << "976"
                              << "k";
        QTest::newRow("1M0") << qint64(1) << 6 << "1M0"
                             << "1"
                             << "M";
        QTest::newRow("10M") << qint64(10) << 6 << "10M"
                             << "10"
                             << "M";
        QTest::newRow("1G0") << qint64(1) << 9 << "1G0"
                             << "1"
                             << "G";
        QTest::newRow("2T2") << qint64(22) << 11 << "2T2"
                             << "2,2"
                             << "T";
        QTest::newRow("past T") << qint64(1) << 15 << "1000T"
                                << "1000"
                                << "T";
        // Below an ohm: no zero before the letter.
        QTest::newRow("R1") << qint64(1) << -1 << "R1"
                            << "0,1"
                            << "";
        QTest::newRow("R047") << qint64(47) << -3 << "R047"
                              << "0,047"
                              << "";
        QTest::newRow("R22 written 0,220") << qint64(220) << -3 << "R22"
                                           << "0,22"
                                           << "";
        QTest::newRow("zero") << qint64(0) << 0 << ""
                              << "0"
                              << "";
    }
    void writes()
    {
        QFETCH(qint64, significand);
        QFETCH(int, exponent);
        QFETCH(QString, code);
        QFETCH(QString, number);
        QFETCH(QString, prefix);
        const Decimal value {significand, exponent};
        QCOMPARE(QString::fromStdString(letterCode(value)), code);
        const PrefixedValue prefixed = prefixedValue(value, ",");
        QCOMPARE(QString::fromStdString(prefixed.number), number);
        QCOMPARE(QString::fromUtf8(prefixed.prefix.data(), qsizetype(prefixed.prefix.size())), prefix);
    }
};

QTEST_APPLESS_MAIN(TestLetterCode)
#include "tst_lettercode.moc"
