// What a value's label says, and how it fits its label: every text and
// band typed from the colour code and the marking tables, the order in which
// lines give way, and no ink outside the box, measured in painted pixels.
#include "ink.h"
#include "labelpainter.h"
#include "labeltext.h"

#include <QImage>
#include <QLocale>
#include <QPainter>
#include <QTest>

using namespace Velmora;

namespace {

// The user's decimal separator in a text typed with a comma.
QString local(QString text)
{
    return text.replace(QLatin1Char(','), QLocale().decimalPoint());
}

QImage painted(const LabelContent &content, const LabelText &text, QSizeF box, double dpi, QRectF *where)
{
    constexpr double Around = 5; // mm of paper round the box
    const double dotsPerMm = dpi / 25.4;
    QImage image(int((box.width() + 2 * Around) * dotsPerMm), int((box.height() + 2 * Around) * dotsPerMm),
        QImage::Format_RGB32);
    image.setDotsPerMeterX(int(dotsPerMm * 1000));
    image.setDotsPerMeterY(int(dotsPerMm * 1000));
    image.fill(Qt::white);
    QPainter painter(&image);
    LabelPainter(content).paint(painter, image.logicalDpiX() / 25.4, QRectF(QPointF(Around, Around), box), text);
    const double scale = image.logicalDpiX() / 25.4;
    *where = QRectF(Around * scale, Around * scale, box.width() * scale, box.height() * scale);
    return image;
}

} // namespace

class TestLabelPainter : public QObject
{
    Q_OBJECT

private slots:
    void text_data()
    {
        QTest::addColumn<qint64>("significand");
        QTest::addColumn<int>("exponent");
        QTest::addColumn<int>("tolerance");
        QTest::addColumn<QStringList>("says"); // code, value, tolerance, four, five, SMD
        QTest::newRow("4K7 5%") << qint64(47) << 2 << 500
                                << QStringList {"4K7", "4,7 kΩ", "± 5%", "giallo viola rosso oro",
                                       "giallo viola nero marrone oro", "SMD 472 4701"};
        // Three figures: no four-band code, and its place in E96 (66th, ×10).
        QTest::newRow("4K75 1%") << qint64(475) << 1 << 100
                                 << QStringList {"4K75", "4,75 kΩ", "± 1%", "", "giallo viola verde marrone marrone",
                                        "SMD 4751 66B"};
        QTest::newRow("R22 10%") << qint64(22) << -2 << 1000
                                 << QStringList {"R22", "0,22 Ω", "± 10%", "rosso rosso argento argento",
                                        "rosso rosso nero rosa argento", "SMD R22 R220"};
        QTest::newRow("1R0 0,25%") << qint64(1) << 0 << 25
                                   << QStringList {"1R0", "1 Ω", "± 0,25%", "marrone nero oro azzurro",
                                          "marrone nero nero argento azzurro", "SMD 1R0 1R00 01Y"};
        // ± 20 %: three bands, and no five-band code.
        QTest::newRow("4K7 20%") << qint64(47) << 2 << 2000
                                 << QStringList {"4K7", "4,7 kΩ", "± 20%", "giallo viola rosso", "", "SMD 472 4701"};
        QTest::newRow("10M 2%") << qint64(1) << 7 << 200
                                << QStringList {"10M", "10 MΩ", "± 2%", "marrone nero azzurro rosso",
                                       "marrone nero nero verde rosso", "SMD 106 1005 01F"};
    }
    void text()
    {
        QFETCH(qint64, significand);
        QFETCH(int, exponent);
        QFETCH(int, tolerance);
        QFETCH(QStringList, says);
        const LabelText text = LabelText::of({significand, exponent}, tolerance);
        const QStringList shown {text.code, text.value, text.tolerance, text.fourNames, text.fiveNames, text.smd};
        for (QString &s : says)
            s = local(s);
        QCOMPARE(shown, says);
        QCOMPARE(text.fourBands.size(), says[3].isEmpty() ? 0 : says[3].count(u' ') + 1u);
        QCOMPARE(text.fiveBands.size(), says[4].isEmpty() ? 0u : 5u);
    }

    // The lines that give way as the box shrinks: always the first ones of
    // the drop order, never more in a larger box, the type at 60 % or more
    // while anything but the code is left.
    void givesWay_data()
    {
        QTest::addColumn<double>("width");
        QTest::addColumn<double>("height");
        QTest::addColumn<int>("dropped"); // how many of the drop order
        QTest::addColumn<bool>("fullSize");
        // Avery J8157 and 5160 inside their margins: everything, full size.
        QTest::newRow("64 x 24,3") << 57.6 << 17.9 << 0 << true;
        QTest::newRow("2 5/8 x 1 in") << 63.5 << 22.2 << 0 << true;
        // 38,1 x 21,2 mm: all of it, smaller.
        QTest::newRow("38,1 x 21,2") << 35.1 << 18.2 << 0 << false;
        // Too low for all: the names give way first, then SMD.
        QTest::newRow("60 x 9") << 60.0 << 9.0 << 2 << false;
        QTest::newRow("tiny") << 8.0 << 3.0 << 6 << false;
    }
    void givesWay()
    {
        QFETCH(double, width);
        QFETCH(double, height);
        QFETCH(int, dropped);
        QFETCH(bool, fullSize);
        // 1,8 kΩ ± 0,25 %: both drawings, and long names and texts.
        const LabelText text = LabelText::of({18, 2}, 25);
        const LabelFit fit = LabelPainter(LabelContent {}).fit(text, {width, height});
        for (std::size_t i = 0; i < DropOrder.size(); ++i)
            QVERIFY2(fit.keeps(DropOrder[i]) == (int(i) >= dropped), qPrintable(QString::number(i)));
        QCOMPARE(fit.scale == 1.0, fullSize);
        QVERIFY(fit.scale >= LabelPainter::MinScale || dropped == int(DropOrder.size()));
    }

    // Whatever the box and the value, ink stays inside; and the type of a
    // small label shrinks rather than leaving it.
    void staysInside_data()
    {
        QTest::addColumn<double>("width");
        QTest::addColumn<double>("height");
        QTest::addColumn<qint64>("significand");
        QTest::addColumn<int>("exponent");
        for (auto [w, h] : {std::pair {57.6, 17.9}, {35.1, 18.2}, {60.0, 6.0}, {12.0, 30.0}, {8.0, 3.0}})
            for (auto [s, e] : {std::pair {qint64(178), 1}, {qint64(47), -3}, {qint64(1), 7}})
                QTest::addRow("%gx%g %llde%d", w, h, s, e) << w << h << s << e;
    }
    void staysInside()
    {
        QFETCH(double, width);
        QFETCH(double, height);
        QFETCH(qint64, significand);
        QFETCH(int, exponent);
        QRectF box;
        const QImage image
            = painted(LabelContent {}, LabelText::of({significand, exponent}, 5), {width, height}, 300, &box);
        const QRect ink = inked(image);
        QVERIFY(!ink.isEmpty());
        // A pixel's worth of antialiasing on each side.
        QVERIFY2(box.adjusted(-1, -1, 1, 1).contains(QRectF(ink)),
            qPrintable(QStringLiteral("ink %1,%2 %3x%4 in box %5,%6 %7x%8")
                           .arg(ink.x())
                           .arg(ink.y())
                           .arg(ink.width())
                           .arg(ink.height())
                           .arg(box.x())
                           .arg(box.y())
                           .arg(box.width())
                           .arg(box.height())));
    }

    // Each choice of content takes its line away, and only that line.
    void content()
    {
        const LabelText text = LabelText::of({47, 2}, 500);
        const QSizeF box(57.6, 17.9);
        QRectF where;
        LabelContent all;
        const QRect full = inked(painted(all, text, box, 150, &where));
        for (bool LabelContent::*part : {&LabelContent::fourBands, &LabelContent::fiveBands, &LabelContent::smd}) {
            LabelContent less = all;
            less.*part = false;
            const QRect shown = inked(painted(less, text, box, 150, &where));
            QVERIFY(shown.height() < full.height());
        }
        LabelContent noNames = all;
        noNames.colourNames = false;
        QVERIFY(inked(painted(noNames, text, box, 150, &where)).width() < full.width());
    }
};

QTEST_MAIN(TestLabelPainter)
#include "tst_labelpainter.moc"
