#include "sheetlibrary.h"

#include <QDir>
#include <QElapsedTimer>
#include <QLocale>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>

using namespace Velmora;

// Before the raw string literals below, which moc does not read past.
class TestSheetLibrary : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void geometry_data();
    void geometry();
    void rowOrder();
    void find_data();
    void find();
    void builtIn();
    void installedWins(); // last: installed() is read once

private:
    QTemporaryDir m_dir;
    SheetLibrary m_library, m_names, m_system; // m_system: the installed folder, empty when absent
};

// "description | paper name | paper shape label r<radius> m<margin> h<hole> n<count> first last", to 0.001 mm.
static QString described(const LabelSheet *sheet)
{
    if (!sheet)
        return {};
    const auto mm = [](double v) { return QString::number(std::round(v * 1000) / 1000, 'g', 10); };
    const auto size = [&](QSizeF s) { return mm(s.width()) + u'×' + mm(s.height()); };
    const auto at = [&](QPointF p) { return mm(p.x()) + u',' + mm(p.y()); };
    const std::vector<QRectF> labels = sheet->labels();
    if (labels.empty())
        return QStringLiteral("no labels");
    return QStringLiteral("%1 | %2 | %3 %4 %5 r%6 m%7 h%8 n%9 ")
               .arg(sheet->description, sheet->paperName, size(sheet->paper), QString("ROEC")[int(sheet->shape)],
                   size(sheet->label), mm(sheet->radius), mm(sheet->margin), mm(sheet->hole))
               .arg(sheet->count())
        + at(labels.front().topLeft()) + u' ' + at(labels.back().topLeft());
}

static bool write(const QString &path, const QByteArray &text)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text) == text.size();
}

static const QByteArray Papers = R"(<Glabels-paper-sizes>
<Paper-size id="A4" _name="A4" width="210mm" height="297mm"/>
<Paper-size id="US-Letter" _name="US Letter" width="8.5in" height="11in"/></Glabels-paper-sizes>)";

// A plain 10 × 10 mm label on A4, under any brand and part.
static QByteArray plain(const char *brand, const char *part)
{
    return QByteArray("<Template brand=\"") + brand + "\" part=\"" + part
        + R"(" size="A4"><Label-rectangle width="10mm" height="10mm"><Layout/></Label-rectangle></Template>)";
}

void TestSheetLibrary::initTestCase()
{
    const QString system = QStandardPaths::locate(
        QStandardPaths::GenericDataLocation, "libglabels-3.0/templates", QStandardPaths::LocateDirectory);
    if (!system.isEmpty()) {
        QElapsedTimer timer;
        timer.start();
        m_system = SheetLibrary::read(system);
        qInfo("%zu sheets read in %lld ms", m_system.sheets().size(), timer.elapsed());
    }
    const QDir dir(m_dir.path());
    QVERIFY(dir.mkdir("t") && dir.mkdir("n"));
    QVERIFY(write(dir.filePath("t/paper-sizes.xml"), Papers));
    QVERIFY(write(dir.filePath("t/a-templates.xml"), R"(<Glabels-templates>
<Template brand="Test" part="200" equiv="100"/>
<Template brand="Test" part="PT" size="A4" _description="Points"><Meta category="label"/>
 <Label-rectangle width="72" height="36pt" round="7.2"><Markup-margin size="3.6pt"/><Markup-line x1="0"/>
  <Layout nx="2" ny="3" x0="36" y0="72" dx="144" dy="72"/></Label-rectangle>
 <Label-round radius="1mm"><Layout/></Label-round></Template>
<Template brand="Test" part="IN" size="Other" width="4in" height="6in"><Label-round radius="0.5in">
 <Layout nx="3" ny="4" x0="0.25in" y0="0.5in" dx="1.25in" dy="1.25in"/></Label-round></Template>
<Template brand="Test" part="CM" size="A4"><Label-ellipse width="5cm" height="3cm">
 <Layout nx="2" x0="1cm" y0="2pc" dx="6cm"/></Label-ellipse></Template>
<Template brand="Test" part="100" size="US-Letter" description="Original"><Label-cd radius="20mm" hole="7.5mm">
 <Layout x0="30mm" y0="10mm"/></Label-cd></Template>
<Template brand="Test" part="TWO" size="Other" width="100mm" height="150mm"><Label-rectangle width="10mm"
 height="10mm"><Layout nx="2" x0="10mm" y0="10mm" dx="20mm"/><Layout ny="2" x0="15mm" y0="30mm" dy="20mm"/>
 </Label-rectangle></Template>
<Template brand="Test" part="EDGE" size="A4"><Label-rectangle width="12mm" height="10mm">
 <Layout x0="198.5mm" y0="-0.5mm"/></Label-rectangle></Template>
<Template brand="Test" part="OFF" size="A4"><Label-rectangle width="12mm" height="10mm">
 <Layout x0="199.5mm" y0="0mm"/></Label-rectangle></Template>
<Template brand="Test" part="NOFRAME" size="A4"/>
<Template brand="Test" part="ZERO" size="A4"><Label-rectangle width="0" height="10"><Layout/></Label-rectangle></Template>
<Template brand="Test" part="UNIT" size="A4"><Label-rectangle width="3ft" height="10"><Layout/></Label-rectangle></Template>
<Template brand="Test" part="NX" size="A4"><Label-rectangle width="3" height="10"><Layout nx="0"/></Label-rectangle></Template>
<Template brand="Test" part="PAPER" size="B99"><Label-rectangle width="3" height="3"><Layout/></Label-rectangle></Template>
<Template brand="Test" part="LOOP1" equiv="LOOP2"/><Template brand="Test" part="LOOP2" equiv="LOOP1"/>
<Template brand="Test" part="ORPHAN" equiv="NONE"/><Template brand="Other" part="X" equiv="100"/>
</Glabels-templates>)"));
    QVERIFY(write(dir.filePath("t/b-templates.xml"), "<Glabels-templates>" + plain("Test", "BADFILE") + "<Temp"));
    QVERIFY(write(dir.filePath("t/c-templates.xml"),
        R"(<Glabels-templates><Template brand="Test" part="300" equiv="200"/></Glabels-templates>)"));
    QVERIFY(
        write(dir.filePath("t/notes.xml"), "<Glabels-templates>" + plain("Test", "NOTES") + "</Glabels-templates>"));
    m_library = SheetLibrary::read(dir.filePath("t"));

    QVERIFY(write(dir.filePath("n/x-templates.xml"),
        "<Glabels-templates>" + plain("Herma", "5160") + plain("Avery", "L7160") + plain("Herma", "4283")
            + plain("Avery", "15160") + plain("Avery", "5160") + "</Glabels-templates>"));
    m_names = SheetLibrary::read(dir.filePath("n"));
}

void TestSheetLibrary::geometry_data()
{
    QTest::addColumn<bool>("installed");
    QTest::addColumn<QString>("sheet"); // %d: the locale's decimal point; empty: left out
    const QString cd = "Original | US Letter | 215.9×279.4 C 40×40 r0 m0 h15 n1 30,10 30,10";
    QTest::newRow("Test PT") << false << "Points | A4 | 210×297 R 25.4×12.7 r2.54 m1.27 h0 n6 12.7,25.4 63.5,76.2";
    QTest::newRow("Test IN") << false
                             << " | 101%d6 × 152%d4 mm | 101.6×152.4 O 25.4×25.4 r0 m0 h0 n12 6.35,12.7 69.85,107.95";
    QTest::newRow("Test CM") << false << " | A4 | 210×297 E 50×30 r0 m0 h0 n2 10,8.467 70,8.467";
    QTest::newRow("Test 100") << false << cd;
    QTest::newRow("Test 200") << false << cd; // a copy before its original
    QTest::newRow("Test 300") << false << cd; // a copy of that copy, in another file
    QTest::newRow("Test TWO") << false << " | 100 × 150 mm | 100×150 R 10×10 r0 m0 h0 n4 10,10 15,50";
    QTest::newRow("Test EDGE") << false << " | A4 | 210×297 R 12×10 r0 m0 h0 n1 198.5,-0.5 198.5,-0.5";
    for (const char *name : {"Test OFF", "Test NOFRAME", "Test ZERO", "Test UNIT", "Test NX", "Test PAPER",
             "Test LOOP1", "Test ORPHAN", "Other X", "Test BADFILE", "Test NOTES"})
        QTest::newRow(name) << false << "";
    // From the installed library:
    QTest::newRow("Avery J8157") << true << "Mailing Labels | A4 | 210×297 R 64×24.3 r3 m3.2 h0 n33 6,14 139,257";
    QTest::newRow("Avery 5160")
        << true
        << "Address Labels | US Letter | 215.9×279.4 R 66.675×25.4 r1.588 m1.588 h0 n30 3.969,12.7 145.256,241.3";
    // 544.252 × 110.551 pt, round and margin 5 pt, first at 25.5118, 32.5984 pt, pitch 133.228 pt: the sixth at
    // 698.7384 pt
    const QString herma = "Arch File Labels (small) | A4 | 210×297 R 192×39 r1.764 m1.764 h0 n6 9,11.5 9,246.499";
    QTest::newRow("Herma 4283") << true << herma;
    QTest::newRow("Herma 5090") << true << herma;
}

void TestSheetLibrary::geometry()
{
    QFETCH(bool, installed);
    QFETCH(QString, sheet);
    if (installed && !m_system.fromTemplates())
        QSKIP("gLabels' templates (glabels-data) are not installed");
    QVERIFY(m_library.fromTemplates() && (!installed || m_system.sheets().size() > 1500));
    QCOMPARE(m_library.sheets().size(), size_t(8));
    QCOMPARE(described((installed ? m_system : m_library).find(QTest::currentDataTag())),
        sheet.replace("%d", QLocale().decimalPoint()));
}

void TestSheetLibrary::rowOrder()
{
    LabelSheet sheet = customSheet("A4", {210, 297}, 2, 2, {20, 10}, 10, 10, 10, 10);
    QCOMPARE(sheet.name(), "Personalizzato 2 × 2");
    sheet.grids.push_back({1, 2, 70, 10.005, 0, 20});
    sheet.grids.push_back({1, 1, 0, 9.998, 0, 0});
    const QPointF order[] = {{0, 9.998}, {10, 10}, {40, 10}, {70, 10.005}, {10, 30}, {40, 30}, {70, 30.005}};
    const std::vector<QRectF> labels = sheet.labels();
    QCOMPARE(labels.size(), std::size(order));
    for (size_t i = 0; i < labels.size(); ++i)
        QCOMPARE(labels[i], QRectF(order[i], QSizeF(20, 10)));
}

void TestSheetLibrary::find_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("found");
    QTest::addColumn<QString>("closest"); // the first three, or "" for none that near
    const QString avery = "Avery 5160|Avery 15160|Avery L7160"; // ties in the sheets' order
    QTest::newRow("exact") << "Avery 5160"
                           << "Avery 5160" << avery;
    QTest::newRow("case, spaces") << "  aVERY   l7160 "
                                  << "Avery L7160"
                                  << "Avery L7160|Avery 5160|Avery 15160";
    QTest::newRow("part of one brand") << "15160"
                                       << "Avery 15160"
                                       << "Avery 15160|Avery 5160|Herma 5160";
    QTest::newRow("part, lower case") << "l7160"
                                      << "Avery L7160"
                                      << "Avery L7160|Avery 5160|Avery 15160";
    QTest::newRow("part of two brands") << "5160"
                                        << ""
                                        << "Avery 5160|Herma 5160|Avery 15160";
    QTest::newRow("brand alone") << "Avery"
                                 << ""
                                 << "";
    QTest::newRow("swapped digits") << "avery 5610"
                                    << "" << avery;
    QTest::newRow("part alone, swapped") << "4238"
                                         << ""
                                         << "Herma 4283";
    QTest::newRow("three off a short part") << "4999"
                                            << ""
                                            << "";
    QTest::newRow("nothing near") << "xyzzy"
                                  << ""
                                  << "";
    QTest::newRow("empty") << " "
                           << ""
                           << "";
}

void TestSheetLibrary::find()
{
    QFETCH(QString, name);
    QFETCH(QString, found);
    QFETCH(QString, closest);
    QStringList names;
    for (const LabelSheet &sheet : m_names.sheets())
        names << sheet.name();
    QCOMPARE(names.join(u'|'), "Avery 5160|Avery 15160|Avery L7160|Herma 4283|Herma 5160");
    const LabelSheet *sheet = m_names.find(name);
    QCOMPARE(sheet ? sheet->name() : QString(), found);
    QCOMPARE(m_names.closest(name).join(u'|'), closest);
    QCOMPARE(m_names.closest(name, 1), m_names.closest(name).mid(0, 1));
}

void TestSheetLibrary::builtIn()
{
    // As the makers count them.
    const QString expected
        = "Avery 5160 US Letter 30|Avery J8157 A4 33|Avery L7160 A4 21|Avery L7163 A4 14|Avery L7651 A4 65";
    QStringList sheets;
    for (const LabelSheet &sheet : SheetLibrary::builtIn()) {
        sheets << QString("%1 %2 %3").arg(sheet.name(), sheet.paperName).arg(sheet.count());
        QCOMPARE(sheet.paper, sheet.paperName == "A4" ? QSizeF(210, 297) : QSizeF(215.9, 279.4));
        const std::vector<QRectF> labels = sheet.labels();
        QCOMPARE(int(labels.size()), sheet.count());
        const QRectF paper(QPointF(-1e-9, -1e-9), sheet.paper + QSizeF(2e-9, 2e-9));
        for (size_t i = 0; i < labels.size(); ++i) {
            QVERIFY(paper.contains(labels[i]));
            for (size_t j = 0; j < i; ++j) // touching at most
                QVERIFY(!labels[i].adjusted(1e-9, 1e-9, -1e-9, -1e-9).intersects(labels[j]));
        }
    }
    sheets.sort();
    QCOMPARE(sheets.join(u'|'), expected);
}

void TestSheetLibrary::installedWins()
{
    const QDir dir(m_dir.path());
    const QString folder = dir.filePath("xdg/libglabels-3.0/templates");
    QVERIFY(dir.mkpath(folder));
    QVERIFY(write(folder + "/m-templates.xml",
        "<Glabels-templates>" + plain("Avery", "J8157") + plain("Zeta", "1") + "</Glabels-templates>"));
    qputenv("XDG_DATA_HOME", dir.filePath("nowhere").toLocal8Bit());
    qputenv("XDG_DATA_DIRS", dir.filePath("xdg").toLocal8Bit());
    const SheetLibrary &library = SheetLibrary::installed();
    QVERIFY(library.fromTemplates());
    QCOMPARE(library.folder(), folder);
    QStringList names;
    for (const LabelSheet &sheet : library.sheets())
        names << sheet.name();
    QCOMPARE(names.join(u'|'), "Avery 5160|Avery J8157|Avery L7160|Avery L7163|Avery L7651|Zeta 1");
    QCOMPARE(library.find("Avery J8157")->count(), 1);
    QCOMPARE(library.find("Avery 5160")->count(), 30);
}

QTEST_GUILESS_MAIN(TestSheetLibrary)
#include "tst_sheetlibrary.moc"
