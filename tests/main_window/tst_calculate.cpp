#include "formdriver.h"

#include <QSignalSpy>

using namespace Velmora;
using namespace Velmora::Testing;

namespace {

// The exact value text, by integer arithmetic: the two digits, then the
// decimal point moved by the multiplier's power of ten.
QString exactText(int first, int second, int multiplierRow)
{
    const int power = multiplierRow <= 6 ? multiplierRow : 6 - multiplierRow; // oro -1, argento -2
    const int n = first * 10 + second;
    if (n == 0)
        return QStringLiteral("0");
    if (power >= 0)
        return QString::number(n) + QString(power, QLatin1Char('0'));
    QString digits = QString::number(n).rightJustified(-power + 1, QLatin1Char('0'));
    QString whole = digits.left(digits.size() + power);
    QString fraction = digits.right(-power);
    while (fraction.endsWith(QLatin1Char('0')))
        fraction.chop(1);
    return fraction.isEmpty() ? whole : whole + expectedPoint() + fraction;
}

} // namespace

class TestCalculate : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void examples_data();
    void examples();
    void everyValue();
    void missingData_data();
    void missingData();
    void missingDataKeepsTheShownValue();
    void pressingTwice();
    void liveRecompute();
    void clearFromAShownValue();
    void clearAtStart();
    void freshValueAfterClear();
    void keyboard();

private:
    void verifyStartState();

    Form1 *m_form = nullptr;
    // Answers every box, so that an unexpected one fails the test instead
    // of hanging it.
    BoxAnswerer *m_boxes = nullptr;
    int m_expectedBoxes = 0;
};

void TestCalculate::init()
{
    m_boxes = new BoxAnswerer;
    m_expectedBoxes = 0;
    m_form = new Form1;
    m_form->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_form));
    QApplication::setActiveWindow(m_form);
}

void TestCalculate::cleanup()
{
    delete m_form;
    m_form = nullptr;
    const int boxes = m_boxes->count;
    delete m_boxes;
    QCOMPARE(boxes, m_expectedBoxes);
}

void TestCalculate::verifyStartState()
{
    for (int n : {5, 6, 7, 8, 9})
        QVERIFY2(m_form->label(n)->text().isEmpty(), qPrintable(QString::number(n)));
    for (int n : {10, 11, 12, 13, 14})
        QVERIFY(!shown(m_form->label(n)));
    const QColor background = m_form->palette().color(QPalette::Window);
    for (int band = 1; band <= 4; ++band) {
        QCOMPARE(m_form->list(band)->selectedIndex(), -1);
        QVERIFY(!m_form->list(band)->currentIndex().isValid());
        QCOMPARE(shownColour(*m_form, band), background);
    }
}

void TestCalculate::examples_data()
{
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("second");
    QTest::addColumn<int>("multiplier");
    QTest::addColumn<QString>("value"); // with a point; the locale's separator replaces it

    QTest::newRow("giallo viola rosso") << 4 << 7 << 2 << "4700";
    QTest::newRow("marrone nero arancio") << 1 << 0 << 3 << "10000";
    QTest::newRow("giallo viola oro") << 4 << 7 << 7 << "4.7";
    QTest::newRow("marrone rosso oro") << 1 << 2 << 7 << "1.2";
    QTest::newRow("rosso giallo argento") << 2 << 4 << 8 << "0.24";
    QTest::newRow("nero verde nero") << 0 << 5 << 0 << "5";
    QTest::newRow("nero nero argento") << 0 << 0 << 8 << "0";
    QTest::newRow("bianco bianco azzurro") << 9 << 9 << 6 << "99000000";
}

void TestCalculate::examples()
{
    QFETCH(int, first);
    QFETCH(int, second);
    QFETCH(int, multiplier);
    QFETCH(QString, value);

    chooseBands(*m_form, {first, second, multiplier, 0});
    clickButton(*m_form, 1);

    QCOMPARE(m_form->label(9)->text(), QString(value).replace(QLatin1Char('.'), expectedPoint()));
    for (int n : {11, 12, 13, 14})
        QVERIFY(shown(m_form->label(n)));
    QCOMPARE(m_form->label(11)->text(), "Ohm");
    QCOMPARE(m_form->label(12)->text(), "±");
    QCOMPARE(m_form->label(13)->text(), "5%");
    // The first digit passed through the hidden scratch label.
    QCOMPARE(m_form->label(10)->text(), QString::number(first));
    QVERIFY(!shown(m_form->label(10)));
}

// All 900 values: exact text, and wholly visible in Label9 with either
// separator.
void TestCalculate::everyValue()
{
    chooseBands(*m_form, {0, 0, 0, 0});
    clickButton(*m_form, 1);

    QLabel *value = m_form->label(9);
    const QFontMetrics fm(value->font());
    for (int first = 0; first < 10; ++first) {
        m_form->list(1)->setCurrentRow(first);
        for (int second = 0; second < 10; ++second) {
            m_form->list(2)->setCurrentRow(second);
            for (int multiplier = 0; multiplier < 9; ++multiplier) {
                m_form->list(3)->setCurrentRow(multiplier);
                const QString expected = exactText(first, second, multiplier);
                QCOMPARE(value->text(), expected);
                for (const QString &text : {expected, QString(expected).replace(QLatin1Char(','), QLatin1Char('.')),
                         QString(expected).replace(QLatin1Char('.'), QLatin1Char(','))}) {
                    const QRect ink = fm.tightBoundingRect(text).translated(0, fm.ascent());
                    QVERIFY2(fm.horizontalAdvance(text) <= value->width() && value->contentsRect().contains(ink),
                        qPrintable(text));
                }
            }
        }
    }
}

void TestCalculate::missingData_data()
{
    QTest::addColumn<QList<int>>("rows");

    QTest::newRow("nothing chosen") << QList<int> {-1, -1, -1, -1};
    QTest::newRow("tolerance missing") << QList<int> {4, 7, 2, -1};
    QTest::newRow("first digit missing") << QList<int> {-1, 7, 2, 0};
    QTest::newRow("multiplier missing") << QList<int> {4, 7, -1, 0};
}

void TestCalculate::missingData()
{
    QFETCH(QList<int>, rows);
    chooseBands(*m_form, {rows[0], rows[1], rows[2], rows[3]});

    m_expectedBoxes = 1;
    clickButton(*m_form, 1);

    QCOMPARE(m_boxes->count, 1);
    QCOMPARE(m_boxes->title, "Dati mancanti");
    QCOMPARE(m_boxes->text, "Impossibile calcolare il valore. Completare i dati mancanti.");
    QCOMPARE(m_boxes->icon, QMessageBox::Critical);
    QCOMPARE(m_boxes->buttons, 1);
    QCOMPARE(m_form->label(9)->text(), QString());
    for (int n : {11, 12, 13, 14})
        QVERIFY(!shown(m_form->label(n)));
}

// Only the program can leave a band empty; if it does with a value on show,
// the value stays as it was.
void TestCalculate::missingDataKeepsTheShownValue()
{
    chooseBands(*m_form, {4, 7, 2, 0});
    clickButton(*m_form, 1);
    m_form->list(4)->clearChoice();

    m_expectedBoxes = 1;
    clickButton(*m_form, 1);
    QCOMPARE(m_boxes->count, 1);
    QCOMPARE(m_form->label(9)->text(), "4700");
    for (int n : {11, 12, 13, 14})
        QVERIFY(shown(m_form->label(n)));
}

void TestCalculate::pressingTwice()
{
    chooseBands(*m_form, {1, 2, 7, 2});
    clickButton(*m_form, 1);
    const QString once = m_form->label(9)->text();
    clickButton(*m_form, 1);
    QCOMPARE(m_form->label(9)->text(), once);
    QCOMPARE(once, "1" + expectedPoint() + "2");
    QCOMPARE(m_form->label(13)->text(), "1%");
    QVERIFY(shown(m_form->label(13)));
}

void TestCalculate::liveRecompute()
{
    chooseBands(*m_form, {2, 2, 2, 1});
    QCOMPARE(m_form->label(9)->text(), QString()); // nothing before the first press
    clickButton(*m_form, 1);
    QCOMPARE(m_form->label(9)->text(), "2200");

    clickEntry(*m_form, 2, 4);
    QCOMPARE(m_form->label(9)->text(), "2400");
    clickEntry(*m_form, 3, 8);
    QCOMPARE(m_form->label(9)->text(), "0" + expectedPoint() + "24");
    clickEntry(*m_form, 1, 9);
    QCOMPARE(m_form->label(9)->text(), "0" + expectedPoint() + "94");

    // A new tolerance shows at once and leaves the value alone.
    clickEntry(*m_form, 4, 2);
    QCOMPARE(m_form->label(13)->text(), "1%");
    QCOMPARE(m_form->label(9)->text(), "0" + expectedPoint() + "94");
}

void TestCalculate::clearFromAShownValue()
{
    chooseBands(*m_form, {4, 7, 3, 0});
    clickButton(*m_form, 1);
    QCOMPARE(m_form->label(9)->text(), "47000");

    clickButton(*m_form, 2);
    QCOMPARE(m_boxes->count, 0);
    verifyStartState();

    // With the value gone, choosing bands recomputes nothing.
    clickEntry(*m_form, 1, 3);
    QCOMPARE(m_form->label(9)->text(), QString());
    QCOMPARE(m_boxes->count, 0);

    clickButton(*m_form, 2);
    m_expectedBoxes = 1;
    clickButton(*m_form, 1);
    QCOMPARE(m_boxes->count, 1);
}

void TestCalculate::clearAtStart()
{
    clickButton(*m_form, 2);
    QCOMPARE(m_boxes->count, 0);
    verifyStartState();
}

void TestCalculate::freshValueAfterClear()
{
    chooseBands(*m_form, {9, 9, 6, 2});
    clickButton(*m_form, 1);
    clickButton(*m_form, 2);

    chooseBands(*m_form, {0, 5, 0, 1});
    clickButton(*m_form, 1);
    QCOMPARE(m_form->label(9)->text(), "5");
    QCOMPARE(m_form->label(13)->text(), "2%");
}

void TestCalculate::keyboard()
{
    m_expectedBoxes = 1;
    QTRY_COMPARE(QApplication::focusWidget(), m_form->list(1));

    // Enter in a list presses the default button.
    QTest::keyClick(m_form->list(1), Qt::Key_Return);
    QTRY_COMPARE(m_boxes->count, 1);
    // Offscreen has no window manager to hand activation back after the box.
    QApplication::setActiveWindow(m_form);
    QTRY_COMPARE(QApplication::focusWidget(), m_form->list(1));

    QTest::keyClick(m_form->list(1), Qt::Key_Down); // nero
    QTest::keyClick(m_form->list(1), Qt::Key_Tab);
    for (int i = 0; i < 5; ++i) // the first Down chooses nero
        QTest::keyClick(m_form->list(2), Qt::Key_Down); // giallo
    QTest::keyClick(m_form->list(2), Qt::Key_Tab);
    QTest::keyClick(m_form->list(3), Qt::Key_Down); // nero
    QTest::keyClick(m_form->list(3), Qt::Key_Tab);
    QTest::keyClick(m_form->list(4), Qt::Key_Down); // oro
    QTest::keyClick(m_form->list(4), Qt::Key_Enter);
    QCOMPARE(m_form->label(9)->text(), "4");

    // Space presses the focused button, Enter too.
    QTest::keyClick(m_form->list(4), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), command(*m_form, 1));
    QTest::keyClick(command(*m_form, 1), Qt::Key_Space);
    QCOMPARE(m_form->label(9)->text(), "4");
    QTest::keyClick(command(*m_form, 1), Qt::Key_Tab);
    QTest::keyClick(command(*m_form, 2), Qt::Key_Return);
    QCOMPARE(m_form->label(9)->text(), QString());
    QCOMPARE(m_form->list(2)->selectedIndex(), -1);
    QTest::keyClick(command(*m_form, 2), Qt::Key_Space);
    QCOMPARE(m_boxes->count, 1);
}

QTEST_MAIN(TestCalculate)
#include "tst_calculate.moc"
