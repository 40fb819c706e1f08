#include "formdriver.h"
#include "referenceimage.h"

#include "schemeregistry.h"

#include <QScrollBar>

using namespace Velmora;
using namespace Velmora::Testing;

namespace {

// The five- and six-band colour code as IEC 60062 gives it, written here
// apart from the program: list text and meaning, in list order.
struct Entry {
    const char *text;
    int value; // digit, power of ten, hundredths of a percent, or ppm/K
};

const std::vector<Entry> Digits {{"nero", 0}, {"marrone", 1}, {"rosso", 2}, {"arancio", 3}, {"giallo", 4}, {"verde", 5},
    {"azzurro", 6}, {"viola", 7}, {"grigio", 8}, {"bianco", 9}};
const std::vector<Entry> Multipliers {{"nero", 0}, {"marrone", 1}, {"rosso", 2}, {"arancio", 3}, {"giallo", 4},
    {"verde", 5}, {"azzurro", 6}, {"viola", 7}, {"grigio", 8}, {"bianco", 9}, {"oro", -1}, {"argento", -2},
    {"rosa", -3}};
const std::vector<Entry> Tolerances {{"marrone", 100}, {"rosso", 200}, {"arancio", 5}, {"giallo", 2}, {"verde", 50},
    {"azzurro", 25}, {"viola", 10}, {"grigio", 5}, {"oro", 500}, {"argento", 1000}};
const std::vector<Entry> Coefficients {{"nero", 250}, {"marrone", 100}, {"rosso", 50}, {"arancio", 15}, {"giallo", 25},
    {"verde", 20}, {"azzurro", 10}, {"viola", 5}, {"grigio", 1}};

const std::vector<Entry> &listOf(int band)
{
    if (band <= 3)
        return Digits;
    return band == 4 ? Multipliers : band == 5 ? Tolerances : Coefficients;
}

// n × 10^power in plain decimal, by integer arithmetic.
QString exactText(int n, int power)
{
    if (n == 0)
        return QStringLiteral("0");
    if (power >= 0)
        return QString::number(n) + QString(power, QLatin1Char('0'));
    const QString digits = QString::number(n).rightJustified(-power + 1, QLatin1Char('0'));
    QString fraction = digits.right(-power);
    while (fraction.endsWith(QLatin1Char('0')))
        fraction.chop(1);
    const QString whole = digits.left(digits.size() + power);
    return fraction.isEmpty() ? whole : whole + expectedPoint() + fraction;
}

const Layout::FormLayout &layoutFor(int bands)
{
    return bands == 3 ? Layout::layoutOf(SchemeId::ThreeBands)
        : bands == 5  ? Layout::layoutOf(SchemeId::FiveBands)
                      : Layout::layoutOf(SchemeId::SixBands);
}

// What the result line shows, left to right.
QString resultLine(const BandForm &form)
{
    QList<QLabel *> labels;
    for (QLabel *l : form.findChildren<QLabel *>())
        if (shown(l) && l->y() == form.valueLabel()->y())
            labels << l;
    std::sort(labels.begin(), labels.end(), [](QLabel *a, QLabel *b) { return a->x() < b->x(); });
    QStringList texts;
    for (QLabel *l : labels)
        if (!l->text().isEmpty())
            texts << l->text();
    return texts.join(QLatin1Char(' '));
}

} // namespace

Q_DECLARE_METATYPE(Velmora::SchemeId)

class TestBandForm : public QObject
{
    Q_OBJECT

private slots:
    void lists_data();
    void lists();
    void everyValue_data();
    void everyValue();
    void toleranceAndCoefficient_data();
    void toleranceAndCoefficient();
    void missingBand_data();
    void missingBand();
    void clearAll_data();
    void clearAll();
    void everythingFits_data();
    void everythingFits();
    void resultLineSpacing_data();
    void resultLineSpacing();
    void looksAsStored_data();
    void looksAsStored();
    void tabOrder_data();
    void tabOrder();
    void chosenIsNoEmptyPlace_data();
    void chosenIsNoEmptyPlace();
    void inductor_data();
    void inductor();
};

void TestBandForm::lists_data()
{
    QTest::addColumn<SchemeId>("scheme");
    QTest::addColumn<int>("bands");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("size");
    QTest::newRow("3 bands") << SchemeId::ThreeBands << 3 << "Form4" << QSize(433, 460);
    QTest::newRow("4 bands, whole code") << SchemeId::FourBandsFullCode << 4 << "Form5" << QSize(433, 460);
    QTest::newRow("5 bands") << SchemeId::FiveBands << 5 << "Form2" << QSize(537, 460);
    QTest::newRow("6 bands") << SchemeId::SixBands << 6 << "Form3" << QSize(641, 460);
}

void TestBandForm::lists()
{
    QFETCH(SchemeId, scheme);
    QFETCH(int, bands);
    QFETCH(QString, name);
    QFETCH(QSize, size);
    BandForm form(Layout::layoutOf(scheme));
    QCOMPARE(form.objectName(), name);
    QCOMPARE(form.size(), size);
    // Band by band from the end: the multiplier, then tolerance and coefficient.
    const std::vector<const std::vector<Entry> *> tail {&Multipliers, &Tolerances, &Coefficients};
    for (int band = 1; band <= bands; ++band) {
        const int digits = bands <= 4 ? 2 : 3;
        const std::vector<Entry> &want = band <= digits ? Digits : *tail.at(std::size_t(band - digits - 1));
        BandList *list = form.list(band);
        QCOMPARE(list->count(), int(want.size()));
        for (int row = 0; row < list->count(); ++row)
            QCOMPARE(list->item(row)->text(), QString::fromUtf8(want[std::size_t(row)].text));
        QCOMPARE(list->accessibleName(), QStringLiteral("%1° BANDA").arg(band));
    }
}

void TestBandForm::everyValue_data()
{
    QTest::addColumn<int>("bands");
    QTest::addColumn<int>("multiplierRow");
    for (int bands : {5, 6})
        for (std::size_t m = 0; m < Multipliers.size(); ++m)
            QTest::addRow("%d bands, %s", bands, Multipliers[m].text) << bands << int(m);
}

// Every value of three digits and one multiplier, clicked in as a user would
// with a value on show, against integer arithmetic.
void TestBandForm::everyValue()
{
    QFETCH(int, bands);
    QFETCH(int, multiplierRow);
    BandForm form(layoutFor(bands));
    form.show();
    chooseBands(form, {0, 0, 0, multiplierRow, 0, 0});
    if (bands == 5)
        form.chooseRow(5, 0);
    clickButton(form, 1);
    QLabel *value = form.valueLabel();
    const int power = Multipliers[std::size_t(multiplierRow)].value;
    for (int d1 = 0; d1 < 10; ++d1) {
        clickEntry(form, 1, d1);
        for (int d2 = 0; d2 < 10; ++d2) {
            clickEntry(form, 2, d2);
            for (int d3 = 0; d3 < 10; ++d3) {
                clickEntry(form, 3, d3);
                const QString want = exactText(d1 * 100 + d2 * 10 + d3, power);
                if (value->text() != want)
                    QFAIL(qPrintable(
                        QStringLiteral("%1%2%3: %4, expected %5").arg(d1).arg(d2).arg(d3).arg(value->text(), want)));
            }
        }
    }
}

void TestBandForm::toleranceAndCoefficient_data()
{
    QTest::addColumn<int>("bands");
    QTest::addColumn<int>("band");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("text"); // with '.' for the locale's separator
    QTest::addColumn<QString>("name");
    // Every row of the test's own tables, in both forms that list it.
    for (int bands : {5, 6})
        for (int band = 5; band <= bands; ++band)
            for (std::size_t row = 0; row < listOf(band).size(); ++row) {
                const Entry &e = listOf(band)[row];
                const QString text = band == 5 ? exactText(e.value, -2).replace(expectedPoint(), ".") + "%"
                                               : QStringLiteral("%1 ppm/K").arg(e.value);
                QTest::addRow("%d: band %d, %s", bands, band, e.text)
                    << bands << band << int(row) << text << QString::fromLatin1(e.text).toUpper();
            }
}

// A tolerance or coefficient shows at once once a value is on show, with the
// locale's separator, and never recomputes the value.
void TestBandForm::toleranceAndCoefficient()
{
    QFETCH(int, bands);
    QFETCH(int, band);
    QFETCH(int, row);
    QFETCH(QString, text);
    QFETCH(QString, name);
    BandForm form(layoutFor(bands));
    form.show();
    chooseBands(form, {4, 7, 0, 1, 0, 1}); // 4700 ± 1 %, 100 ppm/K
    clickButton(form, 1);
    const QString before = bands == 5 ? "4700 Ohm ± 1%" : "4700 Ohm ± 1% 100 ppm/K";
    QCOMPARE(resultLine(form), before);

    clickEntry(form, band, row);
    text.replace(QLatin1Char('.'), expectedPoint());
    QString after = before;
    after.replace(band == 5 ? QStringLiteral("1%") : QStringLiteral("100 ppm/K"), text);
    QCOMPARE(resultLine(form), after);
    QCOMPARE(form.colourName(band)->text(), name);
    QCOMPARE(form.resultText(), after);
}

void TestBandForm::missingBand_data()
{
    QTest::addColumn<int>("bands");
    QTest::addColumn<int>("missing");
    for (int bands : {3, 5, 6})
        for (int missing = 1; missing <= bands; ++missing)
            QTest::addRow("%d bands, band %d", bands, missing) << bands << missing;
}

void TestBandForm::missingBand()
{
    QFETCH(int, bands);
    QFETCH(int, missing);
    BandForm form(layoutFor(bands));
    form.show();
    for (int band = 1; band <= bands; ++band)
        if (band != missing)
            clickEntry(form, band, 1);
    BoxAnswerer boxes;
    clickButton(form, 1);
    QTRY_COMPARE_WITH_TIMEOUT(boxes.count, 1, 2000);
    QCOMPARE(boxes.title, "Dati mancanti");
    QCOMPARE(boxes.text, "Impossibile calcolare il valore. Completare i dati mancanti.");
    QCOMPARE(boxes.icon, QMessageBox::Critical);
    QCOMPARE(resultLine(form), QString());
}

void TestBandForm::clearAll_data()
{
    lists_data();
}

void TestBandForm::clearAll()
{
    QFETCH(SchemeId, scheme);
    QFETCH(int, bands);
    BandForm form(Layout::layoutOf(scheme));
    form.show();
    QCOMPARE(resultLine(form), QString()); // nothing of the result line before CALCOLA
    const QImage start = form.grab().toImage();
    chooseBands(form, {4, 9, 9, 2, 0, 1});
    clickButton(form, 1);
    const QString line = resultLine(form);
    // Two digits with a white multiplier, or three with a red one.
    QVERIFY2(line.startsWith(bands == 3 ? "49000000000 Ohm ± 20%"
                     : bands == 4       ? "49000000000 Ohm ± 0" // orange: 0,05 %
                                        : "49900 Ohm ± 1%"),
        qPrintable(line));

    BoxAnswerer boxes;
    clickButton(form, 2);
    QCOMPARE(resultLine(form), QString());
    QCOMPARE(form.resultText(), QString());
    for (int band = 1; band <= bands; ++band) {
        QCOMPARE(form.list(band)->selectedItems().size(), 0);
        QCOMPARE(form.colourName(band)->text(), QString());
    }
    // Only the focus differs from the start: it is on Cancella now.
    form.setFocus();
    form.list(1)->setFocus();
    QCOMPARE(form.grab().toImage(), start);
    QCOMPARE(boxes.count, 0);
    chooseBands(form, {4, 9, 9, 2, 0, 1});
    clickButton(form, 1);
    QCOMPARE(resultLine(form), line);
}

void TestBandForm::everythingFits_data()
{
    QTest::addColumn<SchemeId>("scheme");
    QTest::addColumn<QList<int>>("rows");
    QTest::addColumn<QString>("line"); // with '.' for the locale's separator
    QTest::newRow("3: widest line") << SchemeId::ThreeBands << QList {9, 9, 9} << "99000000000 Ohm ± 20%";
    QTest::newRow("4, whole code: silver") << SchemeId::FourBandsFullCode << QList {1, 0, 2, 9} << "1000 Ohm ± 10%";
    QTest::newRow("4, whole code: pink, green")
        << SchemeId::FourBandsFullCode << QList {4, 7, 12, 4} << "0.047 Ohm ± 0.5%";
    QTest::newRow("4, whole code: widest line")
        << SchemeId::FourBandsFullCode << QList {9, 9, 9, 2} << "99000000000 Ohm ± 0.05%";
    QTest::newRow("5: widest line") << SchemeId::FiveBands << QList {9, 9, 9, 9, 2} << "999000000000 Ohm ± 0.05%";
    QTest::newRow("5: smallest fraction") << SchemeId::FiveBands << QList {0, 0, 1, 12, 9} << "0.001 Ohm ± 10%";
    QTest::newRow("6: widest line") << SchemeId::SixBands << QList {9, 9, 9, 9, 7, 0}
                                    << "999000000000 Ohm ± 0.05% 250 ppm/K";
    QTest::newRow("6: widest names") << SchemeId::SixBands << QList {0, 0, 0, 11, 9, 0} << "0 Ohm ± 10% 250 ppm/K";
}

// Every text fits its label on one line, the result line's labels stand in
// order without overlapping inside the form, and every list shows all its
// entries without a scroll bar.
void TestBandForm::everythingFits()
{
    QFETCH(SchemeId, scheme);
    QFETCH(QList<int>, rows);
    QFETCH(QString, line);
    const int bands = int(rows.size());
    BandForm form(Layout::layoutOf(scheme));
    form.show();
    for (int band = 1; band <= bands; ++band)
        clickEntry(form, band, rows[band - 1]);
    clickButton(form, 1);
    QCOMPARE(resultLine(form), line.replace(QLatin1Char('.'), expectedPoint()));

    int right = 0;
    QList<QLabel *> labels = form.findChildren<QLabel *>();
    std::sort(labels.begin(), labels.end(), [](QLabel *a, QLabel *b) { return a->x() < b->x(); });
    for (const QLabel *l : labels) {
        if (!shown(l) || l->text().isEmpty())
            continue;
        const QFontMetrics fm(l->font());
        QVERIFY2(fm.horizontalAdvance(l->text()) <= l->width() && fm.boundingRect(l->text()).width() <= l->width(),
            qPrintable(
                QStringLiteral("%1: %2 px in %3").arg(l->text()).arg(fm.horizontalAdvance(l->text())).arg(l->width())));
        QVERIFY(fm.tightBoundingRect(l->text()).height() <= l->height());
        QVERIFY(form.rect().contains(l->geometry()));
        if (l->y() == form.valueLabel()->y()) {
            QVERIFY2(l->x() >= right, qPrintable(l->text()));
            right = l->x() + fm.horizontalAdvance(l->text()); // labels may overlap, their texts not
        }
    }
    for (int band = 1; band <= bands; ++band) {
        BandList *list = form.list(band);
        QVERIFY(!list->verticalScrollBar()->isVisible());
        const QRect last = list->visualRect(list->model()->index(list->count() - 1, 0));
        QVERIFY(list->viewport()->rect().contains(last));
    }
}

void TestBandForm::resultLineSpacing_data()
{
    QTest::addColumn<int>("bands");
    QTest::addColumn<QList<int>>("rows");
    QTest::addColumn<QList<int>>("lefts"); // value, Ohm, ±, tolerance, coefficient
    // The four-band form's places (168, 264, 320, 336) for a short value.
    QTest::newRow("3: 4700") << 3 << QList {4, 7, 2} << QList {168, 264, 320, 336};
    QTest::newRow("5: 4700") << 5 << QList {4, 7, 0, 1, 0} << QList {168, 264, 320, 336};
    QTest::newRow("6: 4700") << 6 << QList {4, 7, 0, 1, 0, 1} << QList {168, 264, 320, 336, 399};
    QTest::newRow("5: 0,001") << 5 << QList {0, 0, 1, 12, 0} << QList {168, 264, 320, 336};
}

// Short values sit as near their unit as in the four-band form.
void TestBandForm::resultLineSpacing()
{
    QFETCH(int, bands);
    QFETCH(QList<int>, rows);
    QFETCH(QList<int>, lefts);
    BandForm form(layoutFor(bands));
    form.show();
    for (int band = 1; band <= bands; ++band)
        clickEntry(form, band, rows[band - 1]);
    clickButton(form, 1);
    QList<int> shownLefts;
    for (QLabel *l : form.findChildren<QLabel *>())
        if (shown(l) && l->y() == form.valueLabel()->y())
            shownLefts << l->x();
    std::sort(shownLefts.begin(), shownLefts.end());
    QCOMPARE(shownLefts, lefts);
}

void TestBandForm::looksAsStored_data()
{
    QTest::addColumn<int>("bands");
    QTest::addColumn<QList<int>>("rows"); // empty: as the form opens
    QTest::newRow("3 start") << 3 << QList<int>();
    QTest::newRow("3 calculated") << 3 << QList {4, 7, 2};
    QTest::newRow("5 start") << 5 << QList<int>();
    QTest::newRow("5 calculated") << 5 << QList {4, 9, 9, 1, 0};
    QTest::newRow("6 start") << 6 << QList<int>();
    QTest::newRow("6 calculated") << 6 << QList {4, 9, 9, 1, 0, 1};
}

// The forms' pixels as stored: every control's place and look.
void TestBandForm::looksAsStored()
{
    QFETCH(int, bands);
    QFETCH(QList<int>, rows);
    if (expectedPoint() != QLatin1String("."))
        QSKIP("stored under the English locale");
    BandForm form(layoutFor(bands));
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    for (int band = 1; band <= int(rows.size()); ++band)
        clickEntry(form, band, rows[band - 1]);
    if (!rows.isEmpty())
        clickButton(form, 1);
    const QString name = QStringLiteral("bands%1-%2").arg(bands).arg(rows.isEmpty() ? "start" : "calculated");
    const QString difference = differenceFromReference(&form, name);
    QVERIFY2(difference.isEmpty(), qPrintable(difference));
}

void TestBandForm::tabOrder_data()
{
    lists_data();
}

void TestBandForm::tabOrder()
{
    QFETCH(SchemeId, scheme);
    QFETCH(int, bands);
    BandForm form(Layout::layoutOf(scheme));
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QStringList order;
    for (int i = 0; i < bands + 3; ++i) {
        order << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QStringList want;
    for (int band = 1; band <= bands; ++band)
        want << QStringLiteral("List%1").arg(band);
    want << "Command1"
         << "Command2"
         << "List1";
    QCOMPARE(order, want);
    for (int band = 1; band <= bands; ++band)
        QCOMPARE(form.list(band)->selectedItems().size(), 0);
}

void TestBandForm::chosenIsNoEmptyPlace_data()
{
    QTest::addColumn<int>("bands");
    QTest::addColumn<int>("band");
    QTest::addColumn<QString>("colour"); // nearest the body's grey
    QTest::newRow("3: bianco") << 3 << 1 << "bianco";
    QTest::newRow("4: argento") << 4 << 3 << "argento";
    QTest::newRow("5: argento tolerance") << 5 << 5 << "argento";
    QTest::newRow("6: bianco") << 6 << 4 << "bianco";
}

// Once chosen, a fifth of the place's pixels change plainly (some channel by
// over a quarter).
void TestBandForm::chosenIsNoEmptyPlace()
{
    QFETCH(int, bands);
    QFETCH(int, band);
    QFETCH(QString, colour);
    BandForm form(bands == 4 ? Layout::layoutOf(SchemeId::FourBands) : layoutFor(bands));
    form.show();
    const QRect place = form.shape(band)->geometry();
    const QImage empty = form.grab(place).toImage();
    clickEntry(form, band, form.list(band)->row(form.list(band)->findItems(colour, Qt::MatchExactly).value(0)));
    QCOMPARE(form.colourName(band)->text(), colour.toUpper());
    const QImage chosen = form.grab(place).toImage();
    int plain = 0;
    for (int i = 0; i < place.width() * place.height(); ++i) {
        const QColor a = empty.pixelColor(i % place.width(), i / place.width());
        const QColor b = chosen.pixelColor(i % place.width(), i / place.width());
        plain += qMax(qAbs(a.red() - b.red()), qMax(qAbs(a.green() - b.green()), qAbs(a.blue() - b.blue()))) > 64;
    }
    QVERIFY(plain * 5 >= place.width() * place.height());
}

void TestBandForm::inductor_data()
{
    QTest::addColumn<QString>("colours");
    QTest::addColumn<QString>("line"); // '.' for the locale's separator
    QTest::newRow("4.7 µH") << "giallo viola oro argento"
                            << "4.7 µH ± 10%";
    QTest::newRow("100 µH") << "marrone nero marrone oro"
                            << "100 µH ± 5%";
    QTest::newRow("0.1 µH") << "marrone nero argento oro"
                            << "0.1 µH ± 5%";
    QTest::newRow("widest") << "bianco bianco giallo argento"
                            << "990000 µH ± 10%";
}

// The inductor window lists the colours every inductor table reads alike,
// and its result line, in µH, fits as the four-band window's does.
void TestBandForm::inductor()
{
    QFETCH(QString, colours);
    QFETCH(QString, line);
    const QStringList lists {"marrone rosso arancio giallo verde azzurro viola grigio bianco",
        "nero marrone rosso arancio giallo verde azzurro viola grigio bianco",
        "nero marrone rosso arancio giallo oro argento", "oro argento"};
    BandForm form(Layout::layoutOf(SchemeId::InductorFourBands));
    form.show();
    QCOMPARE(form.size(), QSize(433, 421));
    const QStringList names = colours.split(u' ');
    for (int band = 1; band <= 4; ++band) {
        QStringList texts;
        for (int row = 0; row < form.list(band)->count(); ++row)
            texts << form.list(band)->item(row)->text();
        QCOMPARE(texts.join(u' '), lists[band - 1]);
        clickEntry(form, band, int(texts.indexOf(names[band - 1])));
    }
    clickButton(form, 1);
    QCOMPARE(resultLine(form), line.replace(QLatin1Char('.'), expectedPoint()));
    QCOMPARE(form.resultText(), line);
    for (const QLabel *l : form.findChildren<QLabel *>())
        if (shown(l) && !l->text().isEmpty())
            QVERIFY2(QFontMetrics(l->font()).horizontalAdvance(l->text()) <= l->width(), qPrintable(l->text()));
}

QTEST_MAIN(TestBandForm)
#include "tst_bandform.moc"
