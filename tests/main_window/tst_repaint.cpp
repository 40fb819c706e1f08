#include "formdriver.h"

#include <QPaintEvent>

using namespace Velmora;
using namespace Velmora::Testing;

// The labels paint their own background, so that a changed text repaints
// the label alone; that must not change a pixel of the window.
class TestRepaint : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void opaqueLabelsLookTransparent_data();
    void opaqueLabelsLookTransparent();
    void valueChangeRepaintsItsLabelsAlone();

private:
    Form1 *m_form = nullptr;
    BoxAnswerer *m_boxes = nullptr;
};

// Records which widgets paint.
class PaintLog : public QObject
{
public:
    explicit PaintLog(QWidget *window)
    {
        for (QWidget *w : window->findChildren<QWidget *>())
            w->installEventFilter(this);
        window->installEventFilter(this);
    }

    QStringList painted;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !watched->objectName().isEmpty())
            painted << watched->objectName();
        return false;
    }
};

void TestRepaint::init()
{
    m_boxes = new BoxAnswerer;
    m_form = new Form1;
    m_form->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_form));
}

void TestRepaint::cleanup()
{
    delete m_form;
    m_form = nullptr;
    const int boxes = m_boxes->count;
    delete m_boxes;
    QCOMPARE(boxes, 0); // none of these steps may raise a box
}

void TestRepaint::opaqueLabelsLookTransparent_data()
{
    QTest::addColumn<QList<int>>("rows");
    QTest::addColumn<bool>("calculate");

    QTest::newRow("start") << QList<int> {-1, -1, -1, -1} << false;
    QTest::newRow("bands named") << QList<int> {4, 7, 2, 0} << false;
    QTest::newRow("4700 Ohm ± 5%") << QList<int> {4, 7, 2, 0} << true;
    QTest::newRow("99000000 Ohm ± 1%") << QList<int> {9, 9, 6, 2} << true;
    QTest::newRow("0.24 Ohm ± 2%") << QList<int> {2, 4, 8, 1} << true;
}

void TestRepaint::opaqueLabelsLookTransparent()
{
    QFETCH(QList<int>, rows);
    QFETCH(bool, calculate);

    chooseBands(*m_form, {rows[0], rows[1], rows[2], rows[3]});
    if (calculate)
        clickButton(*m_form, 1);
    const QImage opaque = m_form->grab().toImage();

    for (QLabel *label : m_form->findChildren<QLabel *>())
        label->setAutoFillBackground(false);
    QCOMPARE(m_form->grab().toImage(), opaque);
}

void TestRepaint::valueChangeRepaintsItsLabelsAlone()
{
    chooseBands(*m_form, {4, 7, 2, 0});
    clickButton(*m_form, 1);
    QCoreApplication::sendPostedEvents();

    PaintLog log(m_form);
    m_form->list(3)->setCurrentRow(3);
    QCoreApplication::sendPostedEvents();

    QCOMPARE(m_form->label(9)->text(), "47000");
    QVERIFY2(!log.painted.contains("Form1") && !log.painted.contains("Label14"), qPrintable(log.painted.join(' ')));
    for (const char *name : {"Label7", "Label9", "Shape3"})
        QVERIFY2(log.painted.contains(name), name);
}

QTEST_MAIN(TestRepaint)
#include "tst_repaint.moc"
