// The value as a label writes it: IEC 60062's letter code, and the value
// with its SI prefix, against codes typed from the standard's examples.
#include "lettercode.h"

#include <QTest>

using namespace Velmora;

namespace {

struct Row {
    std::int64_t significand;
    int exponent;
    const char *code;
    const char *number; // with a comma for the point
    const char *prefix;
};

constexpr Row Rows[] {
    // The standard's own examples first.
    {47, -2, "R47", "0,47", ""},
    {47, -1, "4R7", "4,7", ""},
    {470, 0, "470R", "470", ""},
    {4700, 0, "4K7", "4,7", "k"},
    {47, 3, "47K", "47", "k"},
    {473, 2, "47K3", "47,3", "k"},
    {47, 4, "470K", "470", "k"},
    {47, 5, "4M7", "4,7", "M"},
    // A whole digit keeps its zero; each step's edges.
    {1, 0, "1R0", "1", ""},
    {10, 0, "10R", "10", ""},
    {999, 0, "999R", "999", ""},
    {1, 3, "1K0", "1", "k"},
    {1000, 0, "1K0", "1", "k"},
    {475, 1, "4K75", "4,75", "k"},
    {102, 1, "1K02", "1,02", "k"},
    {976, 3, "976K", "976", "k"},
    {1, 6, "1M0", "1", "M"},
    {10, 6, "10M", "10", "M"},
    {1, 9, "1G0", "1", "G"},
    {22, 11, "2T2", "2,2", "T"},
    {1, 15, "1000T", "1000", "T"},
    // Below an ohm: no zero before the letter.
    {1, -1, "R1", "0,1", ""},
    {47, -3, "R047", "0,047", ""},
    {220, -3, "R22", "0,22", ""},
    {0, 0, "", "0", ""},
};

} // namespace

class TestLetterCode : public QObject
{
    Q_OBJECT

private slots:
    void writes_data()
    {
        QTest::addColumn<int>("row");
        for (int i = 0; i < int(std::size(Rows)); ++i)
            QTest::addRow("%llde%d", static_cast<long long>(Rows[i].significand), Rows[i].exponent) << i;
    }
    void writes()
    {
        QFETCH(int, row);
        const Row &r = Rows[row];
        const Decimal value {r.significand, r.exponent};
        QCOMPARE(letterCode(value), std::string(r.code));
        const PrefixedValue prefixed = prefixedValue(value, ",");
        QCOMPARE(prefixed.number, std::string(r.number));
        QCOMPARE(std::string(prefixed.prefix), std::string(r.prefix));
    }
};

QTEST_APPLESS_MAIN(TestLetterCode)
#include "tst_lettercode.moc"
