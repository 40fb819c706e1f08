// Colours by the names a person types: the list texts in any case, and
// "blu" for azzurro.
#include "colourcode.h"

#include <QTest>

using namespace Velmora;

class TestColourCode : public QObject
{
    Q_OBJECT

private slots:
    void colourNamed_data();
    void colourNamed();
};

void TestColourCode::colourNamed_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("colour"); // order nero ... bianco, oro, argento, rosa; -1 none
    QTest::newRow("list text") << "marrone" << 1;
    QTest::newRow("any case") << "GiAlLo" << 4;
    QTest::newRow("blu for azzurro") << "BLU" << 6;
    QTest::newRow("rosa") << "rosa" << 12;
    for (const char *name : {"blue", "ner", "neroo", "", "azzurri"})
        QTest::newRow(name) << name << -1;
}

void TestColourCode::colourNamed()
{
    QFETCH(QString, name);
    QFETCH(int, colour);
    const auto named = Velmora::colourNamed(name.toStdString());
    QCOMPARE(named ? int(*named) : -1, colour);
}

QTEST_APPLESS_MAIN(TestColourCode)
#include "tst_colourcode.moc"
