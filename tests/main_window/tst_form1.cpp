#include "captionbutton.h"
#include "formdriver.h"
#include "referenceimage.h"

#include <QAccessible>
#include <QAccessibleInterface>
#include <QScrollBar>
#include <QSignalSpy>

using namespace Velmora;
using namespace Velmora::Testing;

class TestForm1 : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void window();
    void geometry_data();
    void geometry();
    void startState();
    void looksAsStored_data();
    void looksAsStored();
    void fontsAreMetricCompatible();
    void textsFit_data();
    void textsFit();
    void listsShowEveryEntry();
    void focusAndTabOrder();
    void chooseByClick_data();
    void chooseByClick();
    void chooseByKeyboard();
    void firstKeyChooses_data();
    void firstKeyChooses();
    void deselectChangesNothing();
    void userCannotRemoveABand();
    void accessibleChoiceIsOneChange();
    void accessibleNames();
    void defaultButton_data();
    void defaultButton();

private:
    Form1 *m_form = nullptr;
    BoxAnswerer *m_boxes = nullptr;
};

void TestForm1::init()
{
    m_boxes = new BoxAnswerer;
    m_form = new Form1;
    m_form->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_form));
    QApplication::setActiveWindow(m_form);
}

void TestForm1::cleanup()
{
    delete m_form;
    m_form = nullptr;
    const int boxes = m_boxes->count;
    delete m_boxes;
    QCOMPARE(boxes, 0); // none of these steps may raise a box
}

void TestForm1::window()
{
    QCOMPARE(m_form->windowTitle(), "Velmora");
    QCOMPARE(m_form->size(), QSize(433, 421));
    QCOMPARE(m_form->minimumSize(), m_form->maximumSize());
    QVERIFY(!m_form->windowIcon().isNull());
    QCOMPARE(m_form->windowIcon().availableSizes(), (QList<QSize> {{32, 32}, {64, 64}}));
}

// Pixel rectangles at 96 dpi, written out independently of the twips table.
void TestForm1::geometry_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("rect");

    QTest::newRow("Label15") << "Label15" << QRect(72, 8, 289, 25);
    QTest::newRow("Label1") << "Label1" << QRect(16, 104, 89, 25);
    QTest::newRow("Label4") << "Label4" << QRect(328, 104, 89, 25);
    QTest::newRow("List1") << "List1" << QRect(16, 128, 81, 134);
    QTest::newRow("List2") << "List2" << QRect(120, 128, 81, 134);
    QTest::newRow("List3") << "List3" << QRect(224, 128, 81, 134);
    QTest::newRow("List4") << "List4" << QRect(328, 128, 81, 134);
    QTest::newRow("Label7") << "Label7" << QRect(224, 272, 89, 25);
    QTest::newRow("Command1") << "Command1" << QRect(16, 320, 121, 41);
    QTest::newRow("Command2") << "Command2" << QRect(16, 368, 121, 41);
    QTest::newRow("Label14") << "Label14" << QRect(192, 336, 145, 25);
    QTest::newRow("Label9") << "Label9" << QRect(168, 360, 89, 25);
    QTest::newRow("Label11") << "Label11" << QRect(264, 360, 49, 25);
    QTest::newRow("Label12") << "Label12" << QRect(320, 360, 17, 25);
    QTest::newRow("Label13") << "Label13" << QRect(336, 360, 33, 25);
    QTest::newRow("Label10") << "Label10" << QRect(16, 56, 73, 33);
    QTest::newRow("Shape1") << "Shape1" << QRect(168, 56, 9, 25);
    QTest::newRow("Shape4") << "Shape4" << QRect(272, 56, 9, 25);
}

void TestForm1::geometry()
{
    QFETCH(QString, name);
    QFETCH(QRect, rect);
    auto *w = m_form->findChild<QWidget *>(name);
    QVERIFY(w);
    QCOMPARE(w->geometry(), rect);
}

void TestForm1::startState()
{
    const QStringList empty {"Label5", "Label6", "Label7", "Label8", "Label9"};
    for (const QString &name : empty)
        QVERIFY2(m_form->findChild<QLabel *>(name)->text().isEmpty(), qPrintable(name));

    const QStringList hidden {"Label10", "Label11", "Label12", "Label13", "Label14"};
    for (auto *label : m_form->findChildren<QLabel *>())
        QCOMPARE(shown(label), !hidden.contains(label->objectName()));

    QCOMPARE(m_form->label(15)->text(), "VELMORA a 4 bande");
    QCOMPARE(m_form->label(1)->text(), "1° BANDA");
    QCOMPARE(m_form->label(12)->text(), "±");
    QCOMPARE(command(*m_form, 1)->text(), "CALCOLA VALORE RESISTENZA");
    QCOMPARE(command(*m_form, 2)->text(), "Cancella");

    const QColor background = m_form->palette().color(QPalette::Window);
    for (int band = 1; band <= 4; ++band) {
        QCOMPARE(m_form->list(band)->selectedIndex(), -1);
        QCOMPARE(shownColour(*m_form, band), background);
    }
}

// The whole window against stored images: every control's place and size,
// the drawing, the texts and the default button's frame at once.
void TestForm1::looksAsStored_data()
{
    QTest::addColumn<QList<int>>("rows");
    QTest::addColumn<bool>("calculate");

    QTest::newRow("start") << QList<int> {-1, -1, -1, -1} << false;
    QTest::newRow("4700 Ohm ± 5%") << QList<int> {4, 7, 2, 0} << true;
}

void TestForm1::looksAsStored()
{
    QFETCH(QList<int>, rows);
    QFETCH(bool, calculate);

    chooseBands(*m_form, {rows[0], rows[1], rows[2], rows[3]});
    if (calculate)
        clickButton(*m_form, 1);
    const QString difference = differenceFromReference(m_form, calculate ? "calculated" : "start");
    QVERIFY2(difference.isEmpty(), qPrintable(difference));
}

void TestForm1::fontsAreMetricCompatible()
{
    const QFontInfo bold(m_form->label(1)->font());
    QVERIFY2(bold.family() == "Liberation Sans" || bold.family() == "Arial", qPrintable(bold.family()));
    QVERIFY(bold.bold());
    QCOMPARE(bold.pixelSize(), 16);
    QCOMPARE(QFontInfo(m_form->label(9)->font()).pixelSize(), 18);
    QCOMPARE(QFontInfo(m_form->label(15)->font()).pixelSize(), 24);
    QCOMPARE(QFontInfo(m_form->list(1)->font()).pixelSize(), 11);
    QVERIFY(!QFontInfo(m_form->list(1)->font()).bold());
}

// Every text a label can show, in the label that shows it.
void TestForm1::textsFit_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");

    const std::pair<const char *, const char *> fixed[] {
        {"Label15", "VELMORA a 4 bande"},
        {"Label1", "1° BANDA"},
        {"Label2", "2° BANDA"},
        {"Label3", "3° BANDA"},
        {"Label4", "4° BANDA"},
        {"Label14", "Valore resistenza"},
        {"Label11", "Ohm"},
        {"Label12", "±"},
    };
    for (const auto &[name, text] : fixed)
        QTest::newRow(name) << name << QString::fromUtf8(text);
    for (const ColourRow &row : ColourCode)
        for (int n : {5, 6, 7, 8})
            QTest::addRow("Label%d %s", n, row.displayName.data())
                << QString("Label%1").arg(n) << QString::fromUtf8(row.displayName.data());
    for (const char *tolerance : {"5%", "2%", "1%"})
        QTest::addRow("Label13 %s", tolerance) << "Label13" << tolerance;
}

void TestForm1::textsFit()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    auto *label = m_form->findChild<QLabel *>(name);
    const QFontMetrics fm(label->font());
    QVERIFY2(fm.boundingRect(text).width() <= label->width() && fm.horizontalAdvance(text) <= label->width(),
        qPrintable(QString("%1 px wide in %2").arg(fm.horizontalAdvance(text)).arg(label->width())));
    // Labels align to the top: the ink of the first line hangs from its ascent.
    const QRect ink = fm.tightBoundingRect(text).translated(0, fm.ascent());
    QVERIFY2(label->contentsRect().contains(ink),
        qPrintable(QString("ink %1,%2 %3x%4").arg(ink.x()).arg(ink.y()).arg(ink.width()).arg(ink.height())));
}

void TestForm1::listsShowEveryEntry()
{
    const int entries[] {10, 10, 9, 3};
    for (int band = 1; band <= 4; ++band) {
        BandList *list = m_form->list(band);
        QCOMPARE(list->count(), entries[band - 1]);
        QVERIFY(!list->verticalScrollBar()->isVisible());
        QVERIFY(!list->horizontalScrollBar()->isVisible());
        for (int row = 0; row < list->count(); ++row) {
            const QRect r = list->visualRect(list->model()->index(row, 0));
            QCOMPARE(r.height(), 13);
            QVERIFY(list->viewport()->rect().contains(r));
        }
    }

    // The long caption takes two lines, both inside the button.
    auto *button = static_cast<CaptionButton *>(command(*m_form, 1));
    const QRect area = button->captionRect();
    const QRect needed = button->fontMetrics().boundingRect(area, CaptionButton::CaptionFlags, button->text());
    QVERIFY(area.contains(needed));
    QCOMPARE(needed.height() / button->fontMetrics().lineSpacing(), 2);
}

void TestForm1::focusAndTabOrder()
{
    QTRY_COMPARE(QApplication::focusWidget(), m_form->list(1));

    const QStringList order {"List2", "List3", "List4", "Command1", "Command2", "List1", "List2"};
    for (const QString &name : order) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), name);
    }
    // Focus passing through lists chooses nothing.
    for (int band = 1; band <= 4; ++band)
        QCOMPARE(m_form->list(band)->selectedIndex(), -1);
    QCOMPARE(m_form->label(5)->text(), QString());

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget()->objectName(), "List1");
}

void TestForm1::chooseByClick_data()
{
    QTest::addColumn<int>("band");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<QString>("tolerance"); // shown once a value is

    QTest::newRow("band 1 rosso") << 1 << 2 << "ROSSO" << QColor(255, 0, 0) << "5%";
    QTest::newRow("band 1 bianco") << 1 << 9 << "BIANCO" << QColor(255, 255, 255) << "5%";
    QTest::newRow("band 2 azzurro") << 2 << 6 << "AZZURRO" << QColor(0, 255, 255) << "5%";
    QTest::newRow("band 3 oro") << 3 << 7 << "ORO" << QColor(192, 192, 0) << "5%";
    QTest::newRow("band 3 argento") << 3 << 8 << "ARGENTO" << QColor(224, 224, 224) << "5%";
    QTest::newRow("band 4 oro") << 4 << 0 << "ORO" << QColor(192, 192, 0) << "5%";
    QTest::newRow("band 4 rosso") << 4 << 1 << "ROSSO" << QColor(255, 0, 0) << "2%";
    QTest::newRow("band 4 marrone") << 4 << 2 << "MARRONE" << QColor(128, 64, 0) << "1%";
}

void TestForm1::chooseByClick()
{
    QFETCH(int, band);
    QFETCH(int, row);
    QFETCH(QString, name);
    QFETCH(QColor, colour);
    QFETCH(QString, tolerance);

    clickEntry(*m_form, band, row);

    QCOMPARE(m_form->list(band)->selectedIndex(), row);
    QCOMPARE(m_form->label(band + 4)->text(), name);
    QCOMPARE(shownColour(*m_form, band), colour);
    // Choosing alone never shows a value, nor the hidden labels.
    QCOMPARE(m_form->label(9)->text(), QString());
    QVERIFY(!shown(m_form->label(13)));
    QVERIFY(!shown(m_form->label(11)));

    // The other bands, then the value: each choice shows as it was made.
    const int others[] {4, 7, 2, 0};
    for (int b = 1; b <= 4; ++b)
        if (b != band)
            clickEntry(*m_form, b, others[b - 1]);
    clickButton(*m_form, 1);
    QCOMPARE(m_form->label(band + 4)->text(), name);
    QCOMPARE(m_form->label(13)->text(), tolerance);
    QVERIFY(shown(m_form->label(13)));
}

void TestForm1::chooseByKeyboard()
{
    BandList *list = m_form->list(3);
    list->setFocus();

    // The first Down chooses the first entry; the arrows then walk the list.
    QTest::keyClick(list, Qt::Key_Down);
    QCOMPARE(list->selectedIndex(), 0);
    QCOMPARE(m_form->label(7)->text(), "NERO");
    for (int i = 0; i < 7; ++i)
        QTest::keyClick(list, Qt::Key_Down);
    QCOMPARE(list->selectedIndex(), 7);
    QCOMPARE(m_form->label(7)->text(), "ORO");
    QTest::keyClick(list, Qt::Key_Up);
    QCOMPARE(m_form->label(7)->text(), "AZZURRO");
    QCOMPARE(shownColour(*m_form, 3), QColor(0, 255, 255));
    QTest::keyClick(list, Qt::Key_End);
    QCOMPARE(m_form->label(7)->text(), "ARGENTO");

    // Up in an empty list chooses its first entry too.
    BandList *first = m_form->list(1);
    first->setFocus();
    QTest::keyClick(first, Qt::Key_Up);
    QCOMPARE(first->selectedIndex(), 0);
    QCOMPARE(m_form->label(5)->text(), "NERO");
}

// Tabbing into an empty list parks its cursor on the first entry unchosen;
// a click beside its entries focuses it with no cursor at all. Either way
// every key that walks the list must choose the row it names, even one that
// would leave a parked cursor where it is.
void TestForm1::firstKeyChooses_data()
{
    QTest::addColumn<bool>("byClick");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("row");

    const std::pair<const char *, std::pair<Qt::Key, int>> keys[] {
        {"Down", {Qt::Key_Down, 0}},
        {"Up", {Qt::Key_Up, 0}},
        {"Home", {Qt::Key_Home, 0}},
        {"Page Up", {Qt::Key_PageUp, 0}},
        {"End", {Qt::Key_End, 8}},
        {"Page Down", {Qt::Key_PageDown, 8}},
        {"Left", {Qt::Key_Left, -1}},
        {"Right", {Qt::Key_Right, -1}},
    };
    for (bool byClick : {false, true})
        for (const auto &[name, key] : keys)
            QTest::addRow("%s, %s", byClick ? "clicked" : "tabbed", name) << byClick << int(key.first) << key.second;
}

void TestForm1::firstKeyChooses()
{
    QFETCH(bool, byClick);
    QFETCH(int, key);
    QFETCH(int, row);

    BandList *list = m_form->list(3);
    if (byClick) {
        const QRect last = list->visualRect(list->model()->index(list->count() - 1, 0));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, last.center() + QPoint(0, 8));
        QCOMPARE(list->currentRow(), -1);
    } else {
        QTRY_COMPARE(QApplication::focusWidget(), m_form->list(1));
        QTest::keyClick(m_form->list(1), Qt::Key_Tab);
        QTest::keyClick(m_form->list(2), Qt::Key_Tab);
        QCOMPARE(list->currentRow(), 0);
    }
    QCOMPARE(QApplication::focusWidget(), list);
    QCOMPARE(list->selectedIndex(), -1);

    QTest::keyClick(list, Qt::Key(key));
    QCOMPARE(list->selectedIndex(), row);
    QCOMPARE(m_form->label(7)->text(), row < 0 ? QString() : row == 0 ? "NERO" : "ARGENTO");
}

void TestForm1::deselectChangesNothing()
{
    chooseBands(*m_form, {4, 7, 7, 1});

    for (int band = 1; band <= 4; ++band) {
        QSignalSpy changes(m_form->list(band), &QListWidget::itemSelectionChanged);
        const QString name = m_form->label(band + 4)->text();
        const QColor fill = shownColour(*m_form, band);
        m_form->list(band)->clearChoice();
        QCOMPARE(changes.size(), 1); // the handler ran, with index -1
        QCOMPARE(m_form->label(band + 4)->text(), name);
        QCOMPARE(shownColour(*m_form, band), fill);
    }
    QCOMPARE(m_form->label(13)->text(), "2%");
}

void TestForm1::userCannotRemoveABand()
{
    clickEntry(*m_form, 2, 4);
    BandList *list = m_form->list(2);
    const QRect r = list->visualRect(list->model()->index(4, 0));

    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ControlModifier, r.center());
    QCOMPARE(list->selectedIndex(), 4);
    QTest::keyClick(list, Qt::Key_Space, Qt::ControlModifier);
    QCOMPARE(list->selectedIndex(), 4);
    list->clearSelection();
    QCOMPARE(list->selectedIndex(), 4);
    QCOMPARE(list->selectedItems().size(), 1);
    QCOMPARE(m_form->label(6)->text(), "GIALLO");
}

// Assistive technology picks a row by clearing the selection and selecting
// anew; the handler must see one change, straight to the new row.
void TestForm1::accessibleChoiceIsOneChange()
{
    clickEntry(*m_form, 1, 2);
    BandList *list = m_form->list(1);

    QList<int> seen;
    connect(list, &QListWidget::itemSelectionChanged, this, [&] { seen << list->selectedIndex(); });

    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(list);
    QVERIFY(iface && iface->tableInterface());
    QVERIFY(iface->tableInterface()->selectRow(5));

    QCOMPARE(seen, QList<int> {5});
    QCOMPARE(list->selectedItems().size(), 1);
    QCOMPARE(m_form->label(5)->text(), "VERDE");
}

void TestForm1::accessibleNames()
{
    for (int band = 1; band <= 4; ++band) {
        QAccessibleInterface *list = QAccessible::queryAccessibleInterface(m_form->list(band));
        QCOMPARE(list->text(QAccessible::Name), QString("%1° BANDA").arg(band));
        QCOMPARE(list->role(), QAccessible::List);
    }
    QAccessibleInterface *swatch = QAccessible::queryAccessibleInterface(m_form->shape(3));
    QCOMPARE(swatch->role(), QAccessible::Graphic);
    QCOMPARE(swatch->text(QAccessible::Name), "3° BANDA: nessun colore");
    clickEntry(*m_form, 3, 3);
    QCOMPARE(swatch->text(QAccessible::Name), "3° BANDA: ARANCIO");

    QAccessibleInterface *value = QAccessible::queryAccessibleInterface(m_form->label(14));
    QCOMPARE(value->text(QAccessible::Name), "Valore resistenza");
    QVERIFY(value->state().invisible);
}

// Command1 is the default button, framed, whenever the focus is off the
// buttons; a focused button takes the frame. Steps: cN:R clicks entry R of
// band N, BN clicks button N, Tab and Backtab; after each, the button that
// must show the frame.
void TestForm1::defaultButton_data()
{
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QString>("framed");

    QTest::newRow("at start") << ""
                              << "";
    QTest::newRow("calculate, then a list") << "c1:4 c2:7 c3:2 c4:0 B1 c2:3 B1 c4:1"
                                            << "1 1 1 1 1 1 1 1";
    QTest::newRow("Cancella, then a list") << "B2 c1:1 B2 c2:5"
                                           << "2 1 2 1";
    QTest::newRow("Tab through the buttons") << "Tab Tab Tab Tab Tab Tab Backtab Backtab Backtab"
                                             << "1 1 1 1 2 1 2 1 1";
    QTest::newRow("Cancella, then Tab to a list") << "B2 Tab Tab Backtab Backtab"
                                                  << "2 1 1 1 2";
}

void TestForm1::defaultButton()
{
    QFETCH(QString, steps);
    QFETCH(QString, framed);

    const auto verify = [this](int expected, const QString &when) {
        for (int n : {1, 2}) {
            const QString what = QStringLiteral("Command%1 after %2").arg(n).arg(when);
            QVERIFY2(command(*m_form, n)->isDefault() == (n == expected), qPrintable(what));
            QVERIFY2(showsDefaultFrame(*m_form, n) == (n == expected), qPrintable(what + " (on screen)"));
        }
    };
    verify(1, "start");

    const QStringList step = steps.split(' ', Qt::SkipEmptyParts);
    const QStringList expected = framed.split(' ', Qt::SkipEmptyParts);
    QCOMPARE(step.size(), expected.size());
    for (qsizetype i = 0; i < step.size(); ++i) {
        const QString &s = step[i];
        if (s.startsWith('c'))
            clickEntry(*m_form, s.mid(1, 1).toInt(), s.mid(3).toInt());
        else if (s == "B1" || s == "B2")
            clickButton(*m_form, s.mid(1).toInt());
        else
            QTest::keyClick(m_form->focusWidget(), s == "Tab" ? Qt::Key_Tab : Qt::Key_Backtab);
        verify(expected[i].toInt(), QStringLiteral("step %1, %2").arg(i + 1).arg(s));
    }
}

QTEST_MAIN(TestForm1)
#include "tst_form1.moc"
