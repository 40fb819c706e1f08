#include "schemeregistry.h"

#include <QTest>

#include <set>

using namespace Velmora;

Q_DECLARE_METATYPE(Velmora::SchemeId)

class TestSchemeRegistry : public QObject
{
    Q_OBJECT

private slots:
    void byBandCount_data();
    void byBandCount();
    void entriesMatchTheirWindows();
};

void TestSchemeRegistry::byBandCount_data()
{
    QTest::addColumn<int>("bands");
    QTest::addColumn<int>("first"); // -1 for none
    QTest::addColumn<int>("wholeCode");
    const auto id = [](SchemeId s) { return int(s); };
    QTest::newRow("3") << 3 << id(SchemeId::ThreeBands) << id(SchemeId::ThreeBands);
    QTest::newRow("4: the window, the code") << 4 << id(SchemeId::FourBands) << id(SchemeId::FourBandsFullCode);
    QTest::newRow("5") << 5 << id(SchemeId::FiveBands) << id(SchemeId::FiveBands);
    QTest::newRow("6") << 6 << id(SchemeId::SixBands) << id(SchemeId::SixBands);
    QTest::newRow("2") << 2 << -1 << -1;
    QTest::newRow("7") << 7 << -1 << -1;
}

void TestSchemeRegistry::byBandCount()
{
    QFETCH(int, bands);
    QFETCH(int, first);
    QFETCH(int, wholeCode);
    QCOMPARE(firstWithBands(bands) ? int(*firstWithBands(bands)) : -1, first);
    QCOMPARE(wholeCodeFor(bands) ? int(*wholeCodeFor(bands)) : -1, wholeCode);
}

// Each entry's window shows its scheme: one list and one swatch per band,
// and a menu entry of its own.
void TestSchemeRegistry::entriesMatchTheirWindows()
{
    const QStringList menu {
        "&3 bande", "&4 bande", "4 bande, codice &completo", "&5 bande", "&6 bande", "&Induttore, 4 bande"};
    QStringList labels;
    std::set<std::string_view> forms;
    for (const SchemeEntry &entry : schemeRegistry()) {
        labels << QString::fromUtf8(entry.menuLabel.data(), qsizetype(entry.menuLabel.size()));
        QCOMPARE(entry.layout.scheme, entry.id);
        QCOMPARE(&bandScheme(entry.id), &entry.scheme);
        QCOMPARE(&Layout::layoutOf(entry.id), &entry.layout);
        QCOMPARE(int(entry.layout.shapes.size()), entry.scheme.bandCount);
        int lists = 0;
        for (const Layout::Control &c : entry.layout.controls)
            lists += c.role == Layout::Role::List ? 1 : 0;
        QCOMPARE(lists, entry.scheme.bandCount);
        QVERIFY(forms.insert(entry.layout.name).second);
    }
    QCOMPARE(labels, menu);
}

QTEST_APPLESS_MAIN(TestSchemeRegistry)
#include "tst_schemeregistry.moc"
