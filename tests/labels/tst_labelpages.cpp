// Labels on a sheet: where each value goes past the used positions, how
// many pages, the paper as the page, the calibration's move and scale in
// painted pixels, and a PDF written whole or not at all.
#include "ink.h"
#include "labelpages.h"
#include "labelpdf.h"

#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>

using namespace Velmora;

namespace {

// 3 × 11 labels of 64 × 24,3 mm on A4, from 6 mm left and 14 mm down.
LabelSheet a4By33()
{
    return customSheet(QStringLiteral("A4"), {210, 297}, 3, 11, {64, 24.3}, 6, 14, 2.5, 0);
}

std::vector<Decimal> values(int count)
{
    std::vector<Decimal> v;
    for (int i = 1; i <= count; ++i)
        v.push_back({i, 2});
    return v;
}

// Ink's bounding box on page 0 at 100 dpi.
QRect inkOf(const LabelPages &pages)
{
    QImage image(827, 1170, QImage::Format_RGB32);
    image.setDotsPerMeterX(3937);
    image.setDotsPerMeterY(3937);
    image.fill(Qt::white);
    QPainter painter(&image);
    pages.paintPage(painter, 0);
    painter.end();
    return inked(image);
}

} // namespace

class TestLabelPages : public QObject
{
    Q_OBJECT

private slots:
    void placement_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<QList<int>>("used");
        QTest::addColumn<int>("pages");
        QTest::addColumn<QList<int>>("firstPositions"); // of the first labels, on page 0
        QTest::addColumn<int>("lastPage");
        QTest::addColumn<int>("lastPosition");
        QTest::newRow("61 from the top") << 61 << QList<int> {} << 2 << QList<int> {0, 1, 2, 3} << 1 << 27;
        QTest::newRow("33 fill one") << 33 << QList<int> {} << 1 << QList<int> {0, 1} << 0 << 32;
        QTest::newRow("34 spill") << 34 << QList<int> {} << 2 << QList<int> {0} << 1 << 0;
        QTest::newRow("skip 5") << 61 << QList<int> {0, 1, 2, 3, 4} << 2 << QList<int> {5, 6} << 1 << 32;
        QTest::newRow("skip 5 and the 8th")
            << 3 << QList<int> {0, 1, 2, 3, 4, 7} << 1 << QList<int> {5, 6, 8} << 0 << 8;
        QTest::newRow("the last free") << 2 << QList<int> {} << 1 << QList<int> {0, 1} << 0 << 1;
        // A sheet used up to its last position, or beyond: a new sheet.
        QList<int> all;
        for (int i = 0; i < 33; ++i)
            all << i;
        QTest::newRow("first sheet used up") << 2 << all << 1 << QList<int> {0, 1} << 0 << 1;
        QTest::newRow("only the last free") << 2 << all.mid(0, 32) << 2 << QList<int> {32} << 1 << 0;
        QTest::newRow("positions off the sheet") << 1 << QList<int> {-1, 40} << 1 << QList<int> {0} << 0 << 0;
    }
    void placement()
    {
        QFETCH(int, count);
        QFETCH(QList<int>, used);
        QFETCH(int, pages);
        QFETCH(QList<int>, firstPositions);
        QFETCH(int, lastPage);
        QFETCH(int, lastPosition);
        LabelPages sheet(a4By33(), values(count), LabelContent {});
        sheet.setUsed(std::set<int>(used.begin(), used.end()));
        QCOMPARE(sheet.pageCount(), pages);
        const auto &placed = sheet.placements();
        QCOMPARE(int(placed.size()), count);
        for (qsizetype i = 0; i < firstPositions.size(); ++i) {
            QCOMPARE(placed[std::size_t(i)].page, 0);
            QCOMPARE(placed[std::size_t(i)].position, firstPositions[i]);
            QCOMPARE(placed[std::size_t(i)].value, std::size_t(i));
        }
        QCOMPARE(placed.back().page, lastPage);
        QCOMPARE(placed.back().position, lastPosition);
    }

    void page()
    {
        const LabelPages a4(a4By33(), values(1), LabelContent {});
        QCOMPARE(a4.pageLayout().fullRectPoints(), QRect(0, 0, 595, 842));
        QCOMPARE(a4.pageLayout().margins(), QMarginsF());
        // The template's margin inside the label, and a round label's
        // rectangle inside its circle.
        LabelSheet sheet = a4By33();
        sheet.margin = 2;
        QCOMPARE(LabelPages(sheet, values(1), {}).contentBox(4), QRectF(6 + 66.5 + 2, 14 + 24.3 + 2, 60, 20.3));
        sheet = customSheet(QStringLiteral("A4"), {210, 297}, 2, 2, {40, 40}, 10, 10, 10, 10);
        sheet.shape = LabelShape::Round;
        const QRectF round = LabelPages(sheet, values(1), {}).contentBox(3);
        QCOMPARE(round.center(), QPointF(80, 80));
        QVERIFY(qAbs(round.width() - 40 / std::sqrt(2.0)) < 1e-9);
        // Paper wider than high: a landscape page of its size.
        sheet = customSheet(QStringLiteral("100 × 50 mm"), {100, 50}, 1, 1, {90, 40}, 5, 5, 0, 0);
        const QPageLayout wide = LabelPages(sheet, values(1), {}).pageLayout();
        QCOMPARE(wide.orientation(), QPageLayout::Landscape);
        QCOMPARE(wide.fullRect(QPageLayout::Millimeter).size(), QSizeF(100, 50));
    }

    // The calibration moves and scales everything from the paper's corner.
    void calibration_data()
    {
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("y");
        QTest::addColumn<double>("scale");
        QTest::newRow("right 2 down 3") << 2.0 << 3.0 << 100.0;
        QTest::newRow("left 5 up 4") << -5.0 << -4.0 << 100.0;
        QTest::newRow("110%") << 0.0 << 0.0 << 110.0;
        QTest::newRow("97% and moved") << 1.5 << -2.5 << 97.0;
    }
    void calibration()
    {
        QFETCH(double, x);
        QFETCH(double, y);
        QFETCH(double, scale);
        // Two labels, so that 110 % stays on the page.
        LabelPages pages(a4By33(), values(2), LabelContent {});
        const QRect plain = inkOf(pages);
        pages.setCalibration({x, y, scale});
        const QRect moved = inkOf(pages);
        const double dotsPerMm = 100 / 25.4;
        const auto near = [](double a, double b) { return qAbs(a - b) <= 1.5; };
        QVERIFY2(
            near(moved.left(), plain.left() * scale / 100 + x * dotsPerMm), qPrintable(QString::number(moved.left())));
        QVERIFY(near(moved.top(), plain.top() * scale / 100 + y * dotsPerMm));
        QVERIFY(near(moved.right(), plain.right() * scale / 100 + x * dotsPerMm));
        QVERIFY(near(moved.bottom(), plain.bottom() * scale / 100 + y * dotsPerMm));
    }

    void pdf()
    {
        QTemporaryDir folder;
        const LabelPages pages(a4By33(), values(34), LabelContent {});
        const QString path = folder.filePath(QStringLiteral("e.pdf"));
        QVERIFY(writeLabelsPdf(pages, path).written);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray pdf = file.readAll();
        QVERIFY(pdf.startsWith("%PDF-"));
        QCOMPARE(pdf.count("/Type /Page\n"), 2);
        // Where it cannot be written: a missing folder, a folder; nothing is
        // left, and a file already there stays as it was.
        const PdfOutcome missing = writeLabelsPdf(pages, folder.filePath(QStringLiteral("no/e.pdf")));
        QVERIFY(!missing.written);
        QVERIFY(!missing.reason.isEmpty());
        QVERIFY(!QFile::exists(folder.filePath(QStringLiteral("no/e.pdf"))));
        QVERIFY(!writeLabelsPdf(pages, folder.path()).written);
        QVERIFY(writeCalibrationPdf(pages, path).written);
        QVERIFY(QFileInfo(path).size() != pdf.size());
    }
};

QTEST_MAIN(TestLabelPages)
#include "tst_labelpages.moc"
