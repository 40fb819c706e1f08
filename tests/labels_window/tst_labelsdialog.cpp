// The labels window over a context: the values from each source, the sheet
// and a grid of one's own, the used positions, the calibration kept, the PDF
// and the preview.
#include "labelcalibration.h"
#include "labelpages.h"
#include "labelpreview.h"
#include "labelsdialog.h"
#include "sheetlibrary.h"
#include "sheetmap.h"
#include "toolcontext.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace Velmora;

namespace {

template<typename T> T *control(const QWidget *d, const QString &name)
{
    auto *w = d->findChild<T *>(name);
    if (!w)
        qFatal("no control %s", qPrintable(name));
    return w;
}

bool italian()
{
    return qEnvironmentVariable("LC_ALL").startsWith(QLatin1String("it"));
}

} // namespace

class TestLabelsDialog : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void counts_data();
    void counts();
    void refusalNamesTheValue_data();
    void refusalNamesTheValue();
    void followsTheDrawer();
    void usedPositions();
    void calibrationKept();
    void customGrid_data();
    void customGrid();
    void exportsPdf();
    void previewFollowsTheSheet();
    void printing();

private:
    QString count() const { return control<QLabel>(m_dialog, "countLabel")->text(); }
    bool printable() const;

    QTemporaryDir m_noTemplates;
    QWidget *m_window = nullptr;
    ToolContext *m_context = nullptr;
    LabelsDialog *m_dialog = nullptr;
};

// Each locale's run covers one library: the Italian one hides the installed
// templates, so that the default sheet must come from the built-in ones.
void TestLabelsDialog::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    if (italian()) {
        qputenv("XDG_DATA_DIRS", QFile::encodeName(m_noTemplates.path()));
        qputenv("XDG_DATA_HOME", QFile::encodeName(m_noTemplates.path()));
        QVERIFY(!SheetLibrary::installed().fromTemplates());
    }
}

void TestLabelsDialog::init()
{
    LabelCalibration {}.save();
    m_window = new QWidget;
    m_context = new ToolContext(m_window);
    m_dialog = new LabelsDialog(*m_context, m_window);
    m_dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_dialog));
}

void TestLabelsDialog::cleanup()
{
    delete m_window;
}

bool TestLabelsDialog::printable() const
{
    const bool each = control<QPushButton>(m_dialog, "printButton")->isEnabled();
    for (const char *name : {"printPreviewButton", "exportButton"})
        if (control<QPushButton>(m_dialog, name)->isEnabled() != each)
            qFatal("%s disagrees with printButton", name);
    return each;
}

void TestLabelsDialog::counts_data()
{
    QTest::addColumn<QString>("series"); // empty: the values typed
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("repeat");
    QTest::addColumn<QString>("expected");

    // Avery J8157: 3 × 11 labels of 64 × 24.3 mm on A4.
    QTest::newRow("E12 10 to 1M") << "E12"
                                  << "" << false << "61 etichette, 2 pagine";
    QTest::newRow("E3 10 to 1M") << "E3"
                                 << "" << false << "16 etichette, 1 pagina";
    QTest::newRow("E24 10 to 1M") << "E24"
                                  << "" << false << "121 etichette, 4 pagine";
    QTest::newRow("typed, once") << ""
                                 << "4k7 4700 1k" << false << "2 etichette, 1 pagina";
    QTest::newRow("typed, repeated") << ""
                                     << "4k7 4700 1k" << true << "3 etichette, 1 pagina";
    QTest::newRow("semicolons") << ""
                                << "1k;2K2 ; 3300" << false << "3 etichette, 1 pagina";
    QTest::newRow("one") << ""
                         << "470" << false << "1 etichetta, 1 pagina";
    QTest::newRow("none") << ""
                          << "  " << false << "Nessuna etichetta da stampare.";
}

void TestLabelsDialog::counts()
{
    QFETCH(QString, series);
    QFETCH(QString, typed);
    QFETCH(bool, repeat);
    QFETCH(QString, expected);
    QCOMPARE(control<QComboBox>(m_dialog, "sheetBox")->currentText(), "Avery J8157");
    const QString size = italian() ? "64 × 24,3 mm" : "64 × 24.3 mm";
    QCOMPARE(control<QLabel>(m_dialog, "sheetDetails")->text(), "A4, 33 etichette per foglio, " + size + ".");
    if (series.isEmpty()) {
        control<QRadioButton>(m_dialog, "valuesRadio")->setChecked(true);
        QTest::keyClicks(control<QLineEdit>(m_dialog, "valuesEdit"), typed);
    } else {
        control<QComboBox>(m_dialog, "seriesBox")->setCurrentText(series);
    }
    control<QCheckBox>(m_dialog, "repeatCheck")->setChecked(repeat);
    QCOMPARE(count(), expected);
    QCOMPARE(printable(), !expected.startsWith("Nessuna"));
    // The sources' choices line up.
    QCOMPARE(control<QRadioButton>(m_dialog, "valuesRadio")->x(), control<QRadioButton>(m_dialog, "seriesRadio")->x());
}

void TestLabelsDialog::refusalNamesTheValue_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("named");
    QTest::newRow("malformed") << "1k 4x7 2k"
                               << "«4x7»";
    QTest::newRow("negative") << "1k -5"
                              << "«-5»";
    QTest::newRow("zero") << "0 1k"
                          << "«0»";
}

void TestLabelsDialog::refusalNamesTheValue()
{
    QFETCH(QString, typed);
    QFETCH(QString, named);
    control<QRadioButton>(m_dialog, "valuesRadio")->setChecked(true);
    QTest::keyClicks(control<QLineEdit>(m_dialog, "valuesEdit"), typed);
    QVERIFY2(control<QLabel>(m_dialog, "sourceMessage")->text().contains(named),
        qPrintable(control<QLabel>(m_dialog, "sourceMessage")->text()));
    QVERIFY(!printable());
    QTemporaryDir dir;
    QVERIFY(!m_dialog->exportPdf(dir.filePath("refused.pdf")).written);
    QVERIFY(!QFile::exists(dir.filePath("refused.pdf")));
}

void TestLabelsDialog::followsTheDrawer()
{
    auto *drawerRadio = control<QRadioButton>(m_dialog, "drawerRadio");
    QVERIFY(!drawerRadio->isEnabled());
    QVERIFY(control<QLabel>(m_dialog, "drawerNote")->isVisible());
    Drawer drawer;
    drawer.add({47, 2}, 3);
    drawer.add({1, 3}, 1);
    m_context->setDrawer(drawer);
    QVERIFY(drawerRadio->isEnabled());
    QVERIFY(!control<QLabel>(m_dialog, "drawerNote")->isVisible());
    drawerRadio->setChecked(true);
    QCOMPARE(count(), "2 etichette, 1 pagina");
    control<QCheckBox>(m_dialog, "repeatCheck")->setChecked(true);
    QCOMPARE(count(), "4 etichette, 1 pagina");
    drawer.add({22, 0}, 30);
    m_context->setDrawer(drawer);
    QCOMPARE(count(), "34 etichette, 2 pagine");
    m_context->setDrawer(Drawer {});
    QCOMPARE(count(), "Nessuna etichetta da stampare.");
    QVERIFY(!printable());
}

// Skip 5, then click the 8th label: 61 labels go on positions 6, 7 and 9 to
// 33 of the first sheet (26), 33 on the second, 2 on the third.
void TestLabelsDialog::usedPositions()
{
    auto *map = control<SheetMap>(m_dialog, "sheetMap");
    // Rectangular labels, drawn with their corners.
    const QPoint corner = map->positionRect(0).topLeft().toPoint();
    QVERIFY(map->grab().toImage().pixel(corner) != qRgb(255, 255, 255));
    control<QSpinBox>(m_dialog, "skipBox")->setValue(5);
    QTest::mouseClick(map, Qt::LeftButton, {}, map->positionRect(7).center().toPoint());
    QCOMPARE(count(), "61 etichette, 3 pagine");
    QList<int> firstPage;
    for (const LabelPages::Placement &p : m_dialog->pages()->placements())
        if (p.page == 0)
            firstPage << p.position;
    QList<int> expected {5, 6};
    for (int p = 8; p < 33; ++p)
        expected << p;
    QCOMPARE(firstPage, expected);
    QCOMPARE(map->accessibleDescription(), "Posizione 8 di 33, usata. Usate: 1–5 e 8.");

    // The keyboard frees the 8th again; fewer skipped keep the rest.
    map->setFocus();
    QTest::keyClick(map, Qt::Key_Space);
    QTest::keyClick(map, Qt::Key_Down);
    QTest::keyClick(map, Qt::Key_Left);
    QTest::keyClick(map, Qt::Key_Right);
    QTest::keyClick(map, Qt::Key_Left);
    QTest::keyClick(map, Qt::Key_Space);
    QCOMPARE(map->accessibleDescription(), "Posizione 10 di 33, usata. Usate: 1–5 e 10.");
    control<QSpinBox>(m_dialog, "skipBox")->setValue(2);
    QCOMPARE(map->accessibleDescription(), "Posizione 10 di 33, usata. Usate: 1, 2 e 10.");
    QCOMPARE(m_dialog->pages()->placements().front().position, 2);
    // The first position clicked frees it.
    QTest::mouseClick(map, Qt::LeftButton, {}, map->positionRect(0).center().toPoint());
    QCOMPARE(map->accessibleDescription(), "Posizione 1 di 33, libera. Usate: 2 e 10.");
}

void TestLabelsDialog::calibrationKept()
{
    control<QDoubleSpinBox>(m_dialog, "offsetXBox")->setValue(1.5);
    control<QDoubleSpinBox>(m_dialog, "offsetYBox")->setValue(-2.3);
    control<QDoubleSpinBox>(m_dialog, "scaleBox")->setValue(101.2);
    delete m_dialog;
    m_dialog = new LabelsDialog(*m_context, m_window);
    QCOMPARE(control<QDoubleSpinBox>(m_dialog, "offsetXBox")->value(), 1.5);
    QCOMPARE(control<QDoubleSpinBox>(m_dialog, "offsetYBox")->value(), -2.3);
    QCOMPARE(control<QDoubleSpinBox>(m_dialog, "scaleBox")->value(), 101.2);
}

void TestLabelsDialog::customGrid_data()
{
    QTest::addColumn<int>("paper"); // 0 A4 (210 × 297), 1 US Letter (215.9 × 279.4)
    QTest::addColumn<int>("columns");
    QTest::addColumn<int>("rows");
    QTest::addColumn<double>("width");
    QTest::addColumn<bool>("valid");
    // 36 mm high from 4.5 mm down.
    QTest::newRow("A4 3 × 8 of 70") << 0 << 3 << 8 << 70.0 << true; // 210, 292.5
    QTest::newRow("A4 4 × 8 of 70") << 0 << 4 << 8 << 70.0 << false; // 280 across
    QTest::newRow("A4 3 × 9 of 70") << 0 << 3 << 9 << 70.0 << false; // 328.5 down
    QTest::newRow("Letter 3 × 7 of 70") << 1 << 3 << 7 << 70.0 << true; // 210, 256.5
    QTest::newRow("Letter 3 × 8 of 70") << 1 << 3 << 8 << 70.0 << false; // 292.5 down
    QTest::newRow("A4 2 × 8 of 105") << 0 << 2 << 8 << 105.0 << true;
}

void TestLabelsDialog::customGrid()
{
    QFETCH(int, paper);
    QFETCH(int, columns);
    QFETCH(int, rows);
    QFETCH(double, width);
    QFETCH(bool, valid);
    auto *sheets = control<QComboBox>(m_dialog, "sheetBox");
    QVERIFY(!control<QWidget>(m_dialog, "customGrid")->isVisible());
    sheets->setCurrentIndex(sheets->findText("Griglia personalizzata"));
    QVERIFY(control<QWidget>(m_dialog, "customGrid")->isVisible());
    control<QComboBox>(m_dialog, "paperBox")->setCurrentIndex(paper);
    control<QSpinBox>(m_dialog, "columnsBox")->setValue(columns);
    control<QSpinBox>(m_dialog, "rowsBox")->setValue(rows);
    control<QDoubleSpinBox>(m_dialog, "labelWidthBox")->setValue(width);
    QCOMPARE(printable(), valid);
    QCOMPARE(control<QLabel>(m_dialog, "sheetDetails")->text().startsWith("Le etichette escono"), !valid);
    QCOMPARE(count().endsWith(valid ? QString("pagine") : QString("pagina")), valid && columns * rows < 61);
}

void TestLabelsDialog::exportsPdf()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("etichette.pdf");
    const PdfOutcome outcome = m_dialog->exportPdf(path);
    QVERIFY2(outcome.written, qPrintable(outcome.reason));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray pdf = file.readAll();
    QVERIFY(pdf.startsWith("%PDF"));
    QCOMPARE(QString::fromLatin1(pdf).count(QRegularExpression("/Type\\s*/Page[^s]")), 2);

    const QString nowhere = dir.filePath("mancante/etichette.pdf");
    const PdfOutcome refused = m_dialog->exportPdf(nowhere);
    QVERIFY(!refused.written);
    QVERIFY(!refused.reason.isEmpty());
    QVERIFY(!QFile::exists(nowhere));
}

void TestLabelsDialog::previewFollowsTheSheet()
{
    auto *preview = control<LabelPreview>(m_dialog, "labelPreview");
    const QImage before = preview->pageImage();
    QVERIFY(!before.isNull());
    int inked = 0;
    for (int y = 0; y < before.height(); ++y)
        for (int x = 0; x < before.width(); ++x)
            inked += (before.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF;
    QVERIFY2(inked > before.width() * before.height() / 100, qPrintable(QString::number(inked)));
    auto *sheets = control<QComboBox>(m_dialog, "sheetBox");
    sheets->setCurrentIndex(sheets->currentIndex() == 0 ? 1 : 0);
    QVERIFY(preview->pageImage() != before);
    // One label, 4K7: its first page has the colour of its bands, where the
    // sheet's outlines and the text are grey and black.
    control<QRadioButton>(m_dialog, "valuesRadio")->setChecked(true);
    QTest::keyClicks(control<QLineEdit>(m_dialog, "valuesEdit"), "4k7");
    const QImage one = preview->pageImage();
    bool coloured = false;
    for (int y = 0; y < one.height() && !coloured; ++y)
        for (int x = 0; x < one.width() && !coloured; ++x)
            coloured = qBlue(one.pixel(x, y)) + 30 < qRed(one.pixel(x, y));
    QVERIFY2(coloured, qPrintable(QStringLiteral("%1x%2").arg(one.width()).arg(one.height())));
}

// Stampa asks for the printer, and the print preview shows every page.
void TestLabelsDialog::printing()
{
    int asked = 0, previewed = 0;
    const auto answer = [&] {
        QTimer::singleShot(0, [&] {
            if (auto *dialog = qobject_cast<QPrintDialog *>(QApplication::activeModalWidget())) {
                ++asked;
                dialog->reject();
            } else if (auto *preview = qobject_cast<QPrintPreviewDialog *>(QApplication::activeModalWidget())) {
                if (auto *widget = preview->findChild<QPrintPreviewWidget *>())
                    previewed = widget->pageCount();
                preview->reject();
            }
        });
    };
    answer();
    control<QPushButton>(m_dialog, "printButton")->click();
    QCOMPARE(asked, 1);
    answer();
    control<QPushButton>(m_dialog, "printPreviewButton")->click();
    QCOMPARE(previewed, 2); // E12 from 10 to 1M on Avery J8157
}

QTEST_MAIN(TestLabelsDialog)
#include "tst_labelsdialog.moc"
