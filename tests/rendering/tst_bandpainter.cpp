// A band painted onto an image: the code's colour fills the rectangle asked for, inside an outline twice as thick
// where the fill is close to what lies behind it.
#include "bandpainter.h"
#include "colourcode.h"

#include <QImage>
#include <QPainter>
#include <QTest>

#include <utility>
#include <vector>

using namespace Velmora;

class TestBandPainter : public QObject
{
    Q_OBJECT

private slots:
    void paintBand_data()
    {
        QTest::addColumn<int>("colour"); // order nero ... bianco, oro, argento, rosa; -1 an empty place
        QTest::addColumn<QRgb>("behind");
        QTest::addColumn<QRgb>("fill"); // as painted, 0xRRGGBB
        QTest::addColumn<int>("outline");
        const QRgb body = 0xEFEFEF;
        QTest::newRow("red on the body") << 2 << body << 0xFF0000u << 1;
        QTest::newRow("white on the body") << 9 << body << 0xFFFFFFu << 2;
        QTest::newRow("silver on the body") << 11 << body << 0xE0E0E0u << 2;
        QTest::newRow("black on dark") << 0 << QRgb(0x323232) << 0x000000u << 2;
        QTest::newRow("grey 64 apart") << 8 << QRgb(0x404040) << 0x808080u << 1;
        QTest::newRow("grey 63 apart") << 8 << QRgb(0x414141) << 0x808080u << 2;
        QTest::newRow("empty place") << -1 << body << body << 1;
    }

    void paintBand()
    {
        QFETCH(int, colour);
        QFETCH(QRgb, behind);
        QFETCH(QRgb, fill);
        QFETCH(int, outline);
        const QColor ink(0x123456);
        const QColor untouched(0x00FF7F);
        QImage image(20, 32, QImage::Format_RGB32);
        image.fill(untouched);
        QPainter painter(&image);
        const std::optional<QColor> painted
            = colour < 0 ? std::nullopt : std::optional(displayColor(colourRow(Colour(colour)).display));
        BandPainter(ink, QColor(behind)).paintBand(painter, QRect(4, 3, 9, 25), painted);
        painter.end();

        // The middle of each edge (left, right, top, bottom) and the step inwards.
        const std::pair<QPoint, QPoint> edges[] {
            {{4, 15}, {1, 0}}, {{12, 15}, {-1, 0}}, {{8, 3}, {0, 1}}, {{8, 27}, {0, -1}}};
        for (const auto &[edge, in] : edges) {
            QCOMPARE(image.pixelColor(edge - in), untouched);
            QCOMPARE(image.pixelColor(edge), ink);
            QCOMPARE(image.pixelColor(edge + in), outline == 2 ? ink : QColor(fill));
            QCOMPARE(image.pixelColor(edge + 2 * in), QColor(fill));
        }
    }

    // A whole resistor in 220 × 60: the body over x 44 to 175, bands spaced
    // evenly with the last apart, each filled where the table puts it.
    void paintResistor_data()
    {
        QTest::addColumn<QList<int>>("lefts"); // each band's left edge
        QTest::addColumn<int>("width");
        QTest::newRow("four bands") << QList {56, 80, 104, 152} << 12;
        QTest::newRow("three bands") << QList {61, 89, 145} << 14;
        QTest::newRow("one band") << QList {88} << 44;
    }

    void paintResistor()
    {
        QFETCH(QList<int>, lefts);
        QFETCH(int, width);
        const QColor ink(0x123456), behind(0xEFEFEF), untouched(0x00FF7F);
        const QColor fills[] {QColor(0xFF0000), QColor(0x0000FF), QColor(0x00C000), QColor(0xFFFF00)};
        QImage image(220, 60, QImage::Format_RGB32);
        image.fill(untouched);
        QPainter painter(&image);
        std::vector<std::optional<QColor>> bands(fills, fills + lefts.size());
        BandPainter(ink, behind).paintResistor(painter, QRect(0, 0, 220, 60), bands);
        painter.end();

        QCOMPARE(image.pixelColor(44, 30), ink); // the body's left side
        QCOMPARE(image.pixelColor(175, 30), ink);
        QCOMPARE(image.pixelColor(20, 20), ink); // a lead's top, a third down
        QCOMPARE(image.pixelColor(20, 30), untouched); // nothing paints a lead's inside
        QCOMPARE(image.pixelColor(20, 5), untouched);
        for (int i = 0; i < lefts.size(); ++i) {
            QCOMPARE(image.pixelColor(lefts[i], 30), ink);
            QCOMPARE(image.pixelColor(lefts[i] + width / 2, 30), fills[i]);
            QCOMPARE(image.pixelColor(lefts[i] + width - 1, 30), ink);
            QCOMPARE(image.pixelColor(lefts[i] + width, 30), untouched); // between bands, the body's inside
        }
    }

    // So small a resistor that each band is one pixel, one apart, too thin
    // for an outline: its colour alone. In 30 × 12 the body is x 6 to 23 and
    // the bands stand at 10, 12, 14, 18.
    void tinyResistor()
    {
        const QColor ink(0x123456), untouched(0x00FF7F);
        QImage image(30, 12, QImage::Format_RGB32);
        image.fill(untouched);
        QPainter painter(&image);
        const std::vector<std::optional<QColor>> bands(4, QColor(0xFF0000));
        BandPainter(ink, QColor(0xEFEFEF)).paintResistor(painter, QRect(0, 0, 30, 12), bands);
        painter.end();
        for (int x = 7; x <= 22; ++x)
            QCOMPARE(image.pixelColor(x, 6), x == 10 || x == 12 || x == 14 || x == 18 ? QColor(0xFF0000) : untouched);
    }
};

QTEST_GUILESS_MAIN(TestBandPainter)
#include "tst_bandpainter.moc"
