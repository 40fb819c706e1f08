#include "drawerdialog.h"
#include "formdriver.h"
#include "identifydialog.h"
#include "mainwindow.h"
#include "toolcontext.h"
#include "valuedialog.h"

#include <QAccessible>
#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTreeWidget>

#include <climits>

using namespace Velmora;
using namespace Velmora::Testing;

namespace {

QAction *action(const MainWindow &window, const QString &text)
{
    for (QAction *a : window.findChildren<QAction *>())
        if (a->text() == text)
            return a;
    return nullptr;
}

void press(QWidget &window, QKeyCombination keys)
{
    QTest::keyClick(window.windowHandle(), keys.key(), keys.keyboardModifiers());
}

QKeyCombination ctrl(int bands)
{
    return QKeyCombination(Qt::CTRL, Qt::Key(Qt::Key_0 + bands));
}

// The chosen entries of a form's lists, band by band ("" where none).
QStringList chosen(const BandForm &form)
{
    QStringList texts;
    for (int band = 1; band <= form.bandCount(); ++band) {
        const auto items = form.list(band)->selectedItems();
        texts << (items.isEmpty() ? QString() : items.constFirst()->text());
    }
    return texts;
}

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

public:
    // 1920 × 1200 at 200 %, as Qt sees it.
    // The drawer in a folder of the test's own.
    static void initMain()
    {
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" VELMORA_SCREEN_CONFIG);
        static QTemporaryDir dataHome;
        qputenv("XDG_DATA_HOME", QFile::encodeName(dataHome.path()));
    }

private slots:
    void init();
    void cleanup();

    void clientAreaUnchanged();
    void menus_data();
    void menus();
    void f10OpensTheFirstMenu();
    void switching_data();
    void switching();
    void switchingKeepsEachFormsState();
    void copyValue_data();
    void copyValue();
    void inductorWindow();
    void toolOpensOnce_data();
    void toolOpensOnce();
    void quitClosesEveryTool();
    void drawerFeedsTheTools();
    void valueDialog_data();
    void valueDialog();
    void closingTheDialogChangesNothing();
    void dialogOpensOnTheWindow_data();
    void dialogOpensOnTheWindow();
    void applyKeepsTheWindowsTolerance_data();
    void applyKeepsTheWindowsTolerance();
    void dialogKeepsItsChoicePerScheme();
    void dialogSizeFollowsTheBands();
    void toolWindowsFitTheScreen_data();
    void toolWindowsFitTheScreen();
    void markingDialog_data();
    void markingDialog();
    void identifyDialog_data();
    void identifyDialog();
    void identifyVerdict_data();
    void identifyVerdict();
    void identifyKeepsTheChosenReading();
    void identifyRestart();
    void combineDialog();
    void about();

private:
    // The value dialog, opened with Ctrl+K and active.
    ValueDialog *openDialog();
    QComboBox *box(const char *name) const;
    // The identify window by Ctrl+I; bands clicked in, "" unknown, colours joined by '|'.
    IdentifyDialog *openIdentify();
    void enter(IdentifyDialog &dialog, const QStringList &bands, bool eitherEnd, const QString &measured);

    MainWindow *m_window = nullptr;
    BoxAnswerer *m_boxes = nullptr;
};

void TestMainWindow::init()
{
    m_boxes = new BoxAnswerer;
    m_window = new MainWindow;
    m_window->show();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
}

// A box nothing here should raise is answered, and fails the test.
void TestMainWindow::cleanup()
{
    delete m_window;
    const int boxes = m_boxes->count;
    delete m_boxes;
    QCOMPARE(boxes, 0);
}

ValueDialog *TestMainWindow::openDialog()
{
    press(*m_window, QKeyCombination(Qt::CTRL, Qt::Key_K));
    auto *dialog = m_window->findChild<ValueDialog *>();
    if (dialog && !QTest::qWaitForWindowActive(dialog))
        return nullptr;
    return dialog;
}

IdentifyDialog *TestMainWindow::openIdentify()
{
    press(*m_window, QKeyCombination(Qt::CTRL, Qt::Key_I));
    auto *dialog = m_window->findChild<IdentifyDialog *>();
    return dialog && QTest::qWaitForWindowActive(dialog) ? dialog : nullptr;
}

void TestMainWindow::enter(IdentifyDialog &dialog, const QStringList &bands, bool eitherEnd, const QString &measured)
{
    dialog.findChild<QSpinBox *>()->setValue(int(bands.size()));
    dialog.findChild<QCheckBox *>()->setChecked(eitherEnd);
    for (int band = 1; band <= bands.size(); ++band) {
        auto *list = dialog.findChild<QListWidget *>(QStringLiteral("band%1List").arg(band));
        for (const QString &colour : bands[band - 1].split(u'|', Qt::SkipEmptyParts))
            clickRow(list, list->row(list->findItems(colour, Qt::MatchExactly).value(0)));
    }
    QTest::keyClicks(dialog.findChild<QLineEdit *>(QStringLiteral("measuredEdit")), measured);
}

QComboBox *TestMainWindow::box(const char *name) const
{
    return m_window->findChild<QComboBox *>(QLatin1String(name));
}

// The four-band window, under the menu bar, is the window it was on its own:
// same place for every pixel, same focus, same title.
void TestMainWindow::clientAreaUnchanged()
{
    QCOMPARE(QApplication::focusWidget(), m_window->currentForm()->list(1));
    Form1 alone;
    alone.show();
    QVERIFY(QTest::qWaitForWindowExposed(&alone));
    BandForm *form = m_window->currentForm();
    const int menuHeight = m_window->menuBar()->height();
    QVERIFY(menuHeight > 0);
    QCOMPARE(form->geometry(), QRect(0, menuHeight, 433, 421));
    QCOMPARE(m_window->size(), QSize(433, 421 + menuHeight));
    QCOMPARE(m_window->windowTitle(), "Velmora");

    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    alone.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&alone));
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    // Compared with both windows inactive would hide a focus difference;
    // compare each as the active window.
    const QImage inMain = m_window->grab(form->geometry()).toImage();
    alone.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&alone));
    const QImage onItsOwn = alone.grab().toImage();
    QCOMPARE(inMain.size(), onItsOwn.size());
    QCOMPARE(inMain.convertToFormat(QImage::Format_RGB32), onItsOwn.convertToFormat(QImage::Format_RGB32));
}

void TestMainWindow::menus_data()
{
    QTest::addColumn<int>("menu");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QStringList>("items"); // text, then shortcut
    QTest::newRow("File") << 0 << "&File"
                          << QStringList {"Il mio &cassetto…", "", "&Stampa etichette…", "Ctrl+P", "&Esci", "Ctrl+Q"};
    QTest::newRow("Modifica") << 1 << "&Modifica" << QStringList {"&Copia valore", "Ctrl+C"};
    QTest::newRow("Bande") << 2 << "&Bande"
                           << QStringList {"&3 bande", "Ctrl+3", "&4 bande", "Ctrl+4", "4 bande, codice &completo", "",
                                  "&5 bande", "Ctrl+5", "&6 bande", "Ctrl+6", "&Induttore, 4 bande", ""};
    QTest::newRow("Strumenti") << 3 << "&Strumenti"
                               << QStringList {"Da &valore a colori…", "Ctrl+K", "Leggi &marcatura…", "Ctrl+M",
                                      "&Identifica resistore…", "Ctrl+I", "Combina &resistori…", "Ctrl+R"};
    QTest::newRow("?") << 4 << "&?" << QStringList {"&Informazioni su Velmora", ""};
}

void TestMainWindow::menus()
{
    QFETCH(int, menu);
    QFETCH(QString, title);
    QFETCH(QStringList, items);
    const QList<QAction *> menus = m_window->menuBar()->actions();
    QCOMPARE(menus.size(), 5);
    QCOMPARE(menus.at(menu)->text(), title);
    QStringList shown;
    for (QAction *a : menus.at(menu)->menu()->actions())
        shown << a->text() << a->shortcut().toString();
    QCOMPARE(shown, items);
}

void TestMainWindow::f10OpensTheFirstMenu()
{
    press(*m_window, QKeyCombination(Qt::Key_F10));
    QTRY_VERIFY(m_window->menuBar()->actions().constFirst()->menu()->isVisible());
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
}

void TestMainWindow::switching_data()
{
    QTest::addColumn<QKeyCombination>("keys");
    QTest::addColumn<QSize>("client");
    QTest::addColumn<QString>("title");
    QTest::newRow("Ctrl+5") << QKeyCombination(Qt::CTRL, Qt::Key_5) << QSize(537, 460) << "VELMORA a 5 bande";
    QTest::newRow("Ctrl+6") << QKeyCombination(Qt::CTRL, Qt::Key_6) << QSize(641, 460) << "VELMORA a 6 bande";
    QTest::newRow("Ctrl+3") << QKeyCombination(Qt::CTRL, Qt::Key_3) << QSize(433, 460) << "VELMORA a 3 bande";
    QTest::newRow("Ctrl+4") << QKeyCombination(Qt::CTRL, Qt::Key_4) << QSize(433, 421) << "VELMORA a 4 bande";
}

// The window takes each form's own size under the menu bar, the checked item
// names it, and the keyboard starts in its first list.
void TestMainWindow::switching()
{
    QFETCH(QKeyCombination, keys);
    QFETCH(QSize, client);
    QFETCH(QString, title);
    press(*m_window, keys);
    QTRY_COMPARE(m_window->size(), client + QSize(0, m_window->menuBar()->height()));
    BandForm *form = m_window->currentForm();
    QCOMPARE(form->geometry(), QRect(QPoint(0, m_window->menuBar()->height()), client));
    QVERIFY(form->findChild<QLabel *>() != nullptr);
    QStringList titles;
    for (QLabel *l : form->findChildren<QLabel *>())
        if (shown(l))
            titles << l->text();
    QVERIFY(titles.contains(title));
    const int bands = QString(title.at(10)).toInt();
    QCOMPARE(action(*m_window, QStringLiteral("&%1 bande").arg(bands))->isChecked(), true);
    for (int n : {3, 4, 5, 6})
        if (n != bands)
            QCOMPARE(action(*m_window, QStringLiteral("&%1 bande").arg(n))->isChecked(), false);
    QCOMPARE(QApplication::focusWidget(), form->list(1));
}

void TestMainWindow::switchingKeepsEachFormsState()
{
    BandForm *four = m_window->currentForm();
    chooseBands(*four, {4, 7, 2, 0});
    clickButton(*four, 1);
    const QImage fourBefore = m_window->grab().toImage();

    press(*m_window, QKeyCombination(Qt::CTRL, Qt::Key_5));
    BandForm *five = m_window->currentForm();
    QVERIFY(five != four);
    QVERIFY(!shown(four));
    chooseBands(*five, {1, 0, 0, 1, 0});
    const QImage fiveBefore = m_window->grab().toImage();

    press(*m_window, QKeyCombination(Qt::CTRL, Qt::Key_4));
    QCOMPARE(m_window->currentForm(), four);
    QTRY_COMPARE(m_window->grab().toImage(), fourBefore);
    QCOMPARE(four->resultText(), "4700 Ohm ± 5%");

    press(*m_window, QKeyCombination(Qt::CTRL, Qt::Key_5));
    QCOMPARE(m_window->currentForm(), five);
    QTRY_COMPARE(m_window->grab().toImage(), fiveBefore);
}

void TestMainWindow::copyValue_data()
{
    QTest::addColumn<int>("bands");
    QTest::addColumn<QList<int>>("rows");
    QTest::addColumn<QString>("text"); // '.' stands for the locale's separator
    QTest::newRow("4: 4700") << 4 << QList<int> {4, 7, 2, 0} << "4700 Ohm ± 5%";
    QTest::newRow("4: 4.7") << 4 << QList<int> {4, 7, 7, 2} << "4.7 Ohm ± 1%";
    QTest::newRow("5: 49.9k") << 5 << QList<int> {4, 9, 9, 2, 0} << "49900 Ohm ± 1%";
    QTest::newRow("5: 0.249") << 5 << QList<int> {2, 4, 9, 12, 5} << "0.249 Ohm ± 0.25%";
    QTest::newRow("6: 100 ppm/K") << 6 << QList<int> {1, 0, 0, 1, 1, 1} << "1000 Ohm ± 2% 100 ppm/K";
}

void TestMainWindow::copyValue()
{
    QFETCH(int, bands);
    QFETCH(QList<int>, rows);
    QFETCH(QString, text);
    QApplication::clipboard()->setText(QStringLiteral("untouched"));
    press(*m_window, QKeyCombination(Qt::CTRL, Qt::Key(Qt::Key_0 + bands)));
    BandForm *form = m_window->currentForm();
    QAction *copy = action(*m_window, QStringLiteral("&Copia valore"));

    for (int band = 1; band <= bands; ++band)
        clickEntry(*form, band, rows.at(band - 1));
    QVERIFY(!copy->isEnabled());
    press(*m_window, QKeyCombination(Qt::CTRL, Qt::Key_C));
    QCOMPARE(QApplication::clipboard()->text(), "untouched");

    clickButton(*form, 1);
    QVERIFY(copy->isEnabled());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_C, Qt::ControlModifier); // from the focused button
    QCOMPARE(QApplication::clipboard()->text(), text.replace(QLatin1Char('.'), expectedPoint()));

    form->list(1)->setFocus(); // a list's own copy must not win
    QApplication::clipboard()->setText(QStringLiteral("untouched"));
    QTest::keyClick(form->list(1), Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(), text);

    clickButton(*form, 2);
    QVERIFY(!copy->isEnabled());
}

// The inductor window from the Bande menu, its line copied as shown; the
// value tool, which writes resistors, still works on the four-band window
// and applies there.
void TestMainWindow::inductorWindow()
{
    action(*m_window, QStringLiteral("&Induttore, 4 bande"))->trigger();
    BandForm *form = m_window->currentForm();
    chooseBands(*form, {3, 7, 5, 1}); // giallo viola oro argento
    clickButton(*form, 1);
    press(*m_window, QKeyCombination(Qt::CTRL, Qt::Key_C));
    const QString line = QStringLiteral("4") + expectedPoint() + QStringLiteral("7 µH ± 10%");
    QCOMPARE(QApplication::clipboard()->text(), line);

    ValueDialog *dialog = openDialog();
    QVERIFY(dialog);
    QCOMPARE(dialog->scheme(), SchemeId::FourBands);
    QTest::keyClicks(dialog->findChild<QLineEdit *>(QStringLiteral("valueEdit")), QStringLiteral("4K7"));
    QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("applyButton")), Qt::LeftButton);
    QCOMPARE(chosen(*m_window->currentForm()), (QStringList {"giallo", "viola", "rosso", "oro"}));
}

void TestMainWindow::toolOpensOnce_data()
{
    QTest::addColumn<QKeyCombination>("keys");
    QTest::addColumn<QString>("dialog"); // its object name
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("focus"); // the control the keyboard starts in
    QTest::newRow("Ctrl+K") << QKeyCombination(Qt::CTRL, Qt::Key_K) << "ValueDialog"
                            << "Da valore a colori"
                            << "valueEdit";
    QTest::newRow("Ctrl+M") << QKeyCombination(Qt::CTRL, Qt::Key_M) << "MarkingDialog"
                            << "Leggi marcatura"
                            << "codeEdit";
    QTest::newRow("Ctrl+I") << QKeyCombination(Qt::CTRL, Qt::Key_I) << "IdentifyDialog"
                            << "Identifica resistore"
                            << "bandCountBox";
    QTest::newRow("Ctrl+R") << QKeyCombination(Qt::CTRL, Qt::Key_R) << "CombineDialog"
                            << "Combina resistori"
                            << "targetEdit";
}

// A tool's key opens its window with the keyboard in its first control;
// pressed again after Chiudi, the same window comes back.
void TestMainWindow::toolOpensOnce()
{
    QFETCH(QKeyCombination, keys);
    QFETCH(QString, dialog);
    QFETCH(QString, title);
    QFETCH(QString, focus);
    press(*m_window, keys);
    QTRY_VERIFY(QApplication::activeWindow() != m_window);
    QWidget *window = QApplication::activeWindow();
    QCOMPARE(window->objectName(), dialog);
    QCOMPARE(window->windowTitle(), title);
    QTRY_COMPARE(QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString(), focus);

    QTest::mouseClick(window->findChild<QPushButton *>(QStringLiteral("closeButton")), Qt::LeftButton);
    QVERIFY(!window->isVisible());
    m_window->activateWindow(); // no window manager here to do it
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    press(*m_window, keys);
    QTRY_COMPARE(QApplication::activeWindow(), window);
    QCOMPARE(m_window->findChildren<QDialog *>(dialog).size(), 1);
}

// File → Esci from a tool's window closes every tool that is open, then the
// program's window.
void TestMainWindow::quitClosesEveryTool()
{
    QList<QDialog *> open;
    for (Qt::Key key : {Qt::Key_K, Qt::Key_M, Qt::Key_I, Qt::Key_R}) {
        press(*m_window, QKeyCombination(Qt::CTRL, key));
        QTRY_VERIFY(QApplication::activeWindow() != m_window);
        open << qobject_cast<QDialog *>(QApplication::activeWindow());
        QVERIFY(open.last());
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window));
    }
    open.last()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(open.last()));
    press(*open.last(), QKeyCombination(Qt::CTRL, Qt::Key_Q));
    QTRY_VERIFY(!m_window->isVisible());
    for (const QDialog *tool : open)
        QVERIFY2(!tool->isVisible(), qPrintable(tool->objectName()));
}

// File → Il mio cassetto… changes the drawer the tools read, and Esci
// closes it with the window.
void TestMainWindow::drawerFeedsTheTools()
{
    m_window->menuBar()->actions().constFirst()->menu()->actions().constFirst()->trigger();
    auto *drawer = m_window->findChild<DrawerDialog *>();
    QVERIFY(drawer && drawer->isVisible());
    QTest::keyClicks(drawer->findChild<QLineEdit *>(QStringLiteral("valueEdit")), QStringLiteral("4k7\r"));
    QCOMPARE(m_window->findChild<ToolContext *>()->drawer().countOf({4700, 0}), 1);
    press(*m_window, QKeyCombination(Qt::CTRL, Qt::Key_Q));
    QTRY_VERIFY(!m_window->isVisible());
    QVERIFY(!drawer->isVisible());
}

void TestMainWindow::valueDialog_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("tolerance"); // as the dialog's list shows it
    QTest::addColumn<bool>("moreBands"); // take the offer of the five-band window
    QTest::addColumn<QStringList>("chosen"); // the lists' chosen entries after Applica
    QTest::addColumn<QString>("result");
    QTest::newRow("4K7, 5 %") << "4K7"
                              << "± 5% (oro)" << false << QStringList {"giallo", "viola", "rosso", "oro"}
                              << "4700 Ohm ± 5%";
    QTest::newRow("0R22, 2 %") << "0R22"
                               << "± 2% (rosso)" << false << QStringList {"rosso", "rosso", "argento", "rosso"}
                               << "0.22 Ohm ± 2%";
    QTest::newRow("4,99k, 1 %, five bands")
        << "4,99k"
        << "± 1% (marrone)" << true << QStringList {"giallo", "bianco", "bianco", "marrone", "marrone"}
        << "4990 Ohm ± 1%";
}

// The done-when of the dialog, through the menu, the keyboard and Applica,
// judged on the window's lists and result line.
void TestMainWindow::valueDialog()
{
    QFETCH(QString, typed);
    QFETCH(QString, tolerance);
    QFETCH(bool, moreBands);
    QFETCH(QStringList, chosen);
    QFETCH(QString, result);
    press(*m_window, QKeyCombination(Qt::CTRL, Qt::Key_K));
    auto *dialog = m_window->findChild<QDialog *>(QStringLiteral("ValueDialog"));
    QVERIFY(dialog);
    QTRY_VERIFY(dialog->isVisible());
    auto *box = dialog->findChild<QComboBox *>(QStringLiteral("toleranceBox"));
    box->setCurrentIndex(box->findText(tolerance));
    QVERIFY(box->currentIndex() >= 0);
    QTest::keyClicks(dialog->findChild<QLineEdit *>(QStringLiteral("valueEdit")), typed);
    if (moreBands) {
        auto *offer = dialog->findChild<QPushButton *>(QStringLiteral("moreBandsButton"));
        QVERIFY(offer->isVisible());
        QTest::mouseClick(offer, Qt::LeftButton);
        QCOMPARE(m_window->currentForm()->bandCount(), 5);
        box->setCurrentIndex(box->findText(tolerance));
    }
    QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("applyButton")), Qt::LeftButton);

    BandForm *form = m_window->currentForm();
    QStringList shownChoice;
    for (int band = 1; band <= form->bandCount(); ++band)
        for (QListWidgetItem *item : form->list(band)->selectedItems())
            shownChoice << item->text();
    QCOMPARE(shownChoice, chosen);
    // Applied as clicks would be: with nothing on show yet, no value appears
    // until CALCOLA, and then the right one.
    QCOMPARE(form->resultText(), QString());
    clickButton(*form, 1);
    QCOMPARE(form->resultText(), result.replace(QLatin1Char('.'), expectedPoint()));
}

void TestMainWindow::closingTheDialogChangesNothing()
{
    BandForm *form = m_window->currentForm();
    const QImage before = m_window->grab().toImage();
    press(*m_window, QKeyCombination(Qt::CTRL, Qt::Key_K));
    auto *dialog = m_window->findChild<QDialog *>(QStringLiteral("ValueDialog"));
    QTRY_VERIFY(dialog && dialog->isVisible());
    QTest::keyClicks(dialog->findChild<QLineEdit *>(QStringLiteral("valueEdit")), QStringLiteral("4K7"));
    QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("closeButton")), Qt::LeftButton);
    QVERIFY(!dialog->isVisible());
    for (int band = 1; band <= 4; ++band)
        QCOMPARE(form->list(band)->selectedItems().size(), 0);
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    QCOMPARE(m_window->grab().toImage(), before);
}

void TestMainWindow::dialogOpensOnTheWindow_data()
{
    QTest::addColumn<int>("bands");
    QTest::addColumn<QList<int>>("rows"); // chosen in the window first; -1 none
    QTest::addColumn<QString>("tolerance"); // '.' stands for the locale's separator
    QTest::addColumn<QString>("coefficient"); // empty where the dialog has none
    QTest::newRow("4: nothing chosen") << 4 << QList<int>() << "± 5% (oro)"
                                       << "";
    QTest::newRow("4: marrone chosen") << 4 << QList {-1, -1, -1, 2} << "± 1% (marrone)"
                                       << "";
    QTest::newRow("5: nothing chosen") << 5 << QList<int>() << "± 1% (marrone)"
                                       << "";
    QTest::newRow("5: grigio chosen") << 5 << QList {-1, -1, -1, -1, 7} << "± 0.05% (grigio)"
                                      << "";
    QTest::newRow("5: arancio chosen") << 5 << QList {-1, -1, -1, -1, 2} << "± 0.05% (arancio)"
                                       << "";
    QTest::newRow("6: nothing chosen") << 6 << QList<int>() << "± 1% (marrone)"
                                       << "100 ppm/K (marrone)";
    QTest::newRow("6: both chosen apart") << 6 << QList {-1, -1, -1, -1, 6, 3} << "± 0.1% (viola)"
                                          << "15 ppm/K (arancio)";
    QTest::newRow("4: marrone chosen with the dialog open") << 4 << QList {-1, -1, -1, 2} << "± 1% (marrone)"
                                                            << "";
}

// The dialog starts from the window's tolerance and coefficient where the
// person chose them, else from the scheme's usual part, and follows them.
void TestMainWindow::dialogOpensOnTheWindow()
{
    QFETCH(int, bands);
    QFETCH(QList<int>, rows);
    QFETCH(QString, tolerance);
    QFETCH(QString, coefficient);
    const bool dialogFirst = QByteArray(QTest::currentDataTag()).endsWith("dialog open");
    press(*m_window, ctrl(bands));
    BandForm *form = m_window->currentForm();
    if (dialogFirst)
        QVERIFY(openDialog());
    for (int band = 1; band <= int(rows.size()); ++band)
        if (rows[band - 1] >= 0)
            clickEntry(*form, band, rows[band - 1]);
    if (!dialogFirst)
        QVERIFY(openDialog());
    QCOMPARE(box("toleranceBox")->currentText(), tolerance.replace(QLatin1Char('.'), expectedPoint()));
    QCOMPARE(shown(box("coefficientBox")) ? box("coefficientBox")->currentText() : QString(), coefficient);
}

void TestMainWindow::applyKeepsTheWindowsTolerance_data()
{
    QTest::addColumn<int>("bands");
    QTest::addColumn<QList<int>>("rows"); // chosen, then calculated
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("tolerances"); // chosen in the dialog first, if any
    QTest::addColumn<QStringList>("after"); // the window's chosen entries
    QTest::addColumn<QString>("result"); // '.' stands for the locale's separator
    QTest::newRow("4: 4700 ± 1% on show, 5K1")
        << 4 << QList {4, 7, 2, 2} << "5K1" << QStringList() << QStringList {"verde", "marrone", "rosso", "marrone"}
        << "5100 Ohm ± 1%";
    QTest::newRow("3: 4700 on show, 6K8") << 3 << QList {4, 7, 2} << "6K8" << QStringList()
                                          << QStringList {"azzurro", "grigio", "rosso"} << "6800 Ohm ± 20%";
    QTest::newRow("5: grigio on show, 4k99")
        << 5 << QList {1, 0, 0, 2, 7} << "4k99" << QStringList()
        << QStringList {"giallo", "bianco", "bianco", "marrone", "grigio"} << "4990 Ohm ± 0.05%";
    QTest::newRow("6: tolerance and coefficient chosen apart in the dialog")
        << 6 << QList {1, 0, 0, 2, 0, 1} << "0R249" << QStringList {"± 0.1% (viola)", "15 ppm/K (arancio)"}
        << QStringList {"rosso", "giallo", "bianco", "rosa", "viola", "arancio"} << "0.249 Ohm ± 0.1% 15 ppm/K";
}

// Applica with a value on show: the window follows at once, and keeps the
// tolerance the person chose unless they chose another in the dialog.
void TestMainWindow::applyKeepsTheWindowsTolerance()
{
    QFETCH(int, bands);
    QFETCH(QList<int>, rows);
    QFETCH(QString, typed);
    QFETCH(QStringList, tolerances);
    QFETCH(QStringList, after);
    QFETCH(QString, result);
    press(*m_window, ctrl(bands));
    BandForm *form = m_window->currentForm();
    for (int band = 1; band <= bands; ++band)
        clickEntry(*form, band, rows[band - 1]);
    clickButton(*form, 1);
    ValueDialog *dialog = openDialog();
    QVERIFY(dialog);
    for (int i = 0; i < tolerances.size(); ++i) {
        QComboBox *list = box(i == 0 ? "toleranceBox" : "coefficientBox");
        list->setCurrentIndex(list->findText(tolerances[i].replace(QLatin1Char('.'), expectedPoint())));
        QVERIFY(list->currentIndex() >= 0);
    }
    QTest::keyClicks(dialog->findChild<QLineEdit *>(QStringLiteral("valueEdit")), typed);
    QTest::keyClick(dialog->windowHandle(), Qt::Key_Return);
    QCOMPARE(chosen(*form), after);
    QCOMPARE(form->resultText(), result.replace(QLatin1Char('.'), expectedPoint()));
}

// The dialog's choice stays with its scheme, whichever window comes and
// goes, and the program's keys work from it.
void TestMainWindow::dialogKeepsItsChoicePerScheme()
{
    const QString grey = QStringLiteral("± 0") + expectedPoint() + QStringLiteral("05% (grigio)");
    press(*m_window, ctrl(5));
    ValueDialog *dialog = openDialog();
    QVERIFY(dialog);
    box("toleranceBox")->setCurrentIndex(box("toleranceBox")->findText(grey));
    QTest::keyClicks(dialog->findChild<QLineEdit *>(QStringLiteral("valueEdit")), QStringLiteral("4k99"));

    press(*dialog, ctrl(6));
    QCOMPARE(m_window->currentForm()->bandCount(), 6);
    QCOMPARE(box("toleranceBox")->currentText(), "± 1% (marrone)");
    press(*dialog, ctrl(4));
    QCOMPARE(box("toleranceBox")->currentText(), "± 5% (oro)");
    press(*dialog, ctrl(5));
    QCOMPARE(box("toleranceBox")->currentText(), grey);
    QTest::keyClick(dialog->windowHandle(), Qt::Key_Return);
    QCOMPARE(chosen(*m_window->currentForm()), (QStringList {"giallo", "bianco", "bianco", "marrone", "grigio"}));

    press(*dialog, QKeyCombination(Qt::CTRL, Qt::Key_Q));
    QTRY_VERIFY(!m_window->isVisible());
    QVERIFY(!dialog->isVisible());
}

// Taller with the coefficient's row, shorter without; never stretched, and
// where it was when opened again.
void TestMainWindow::dialogSizeFollowsTheBands()
{
    press(*m_window, ctrl(6));
    ValueDialog *dialog = openDialog();
    QVERIFY(dialog);
    QTest::keyClicks(dialog->findChild<QLineEdit *>(QStringLiteral("valueEdit")), QStringLiteral("4k99"));
    QCoreApplication::processEvents(); // the window follows its controls' new layout
    const QSize six = dialog->size();
    press(*dialog, ctrl(4));
    QTRY_VERIFY(dialog->height() < six.height());
    QVERIFY(dialog->minimumHeight() < dialog->maximumHeight()); // the person may still resize it
    QCOMPARE(dialog->width(), six.width());
    press(*dialog, ctrl(6));
    QTRY_COMPARE(dialog->size(), six);

    const QRect before = dialog->geometry();
    QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("closeButton")), Qt::LeftButton);
    m_window->activateWindow(); // no window manager here to do it
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    QVERIFY(openDialog());
    QCOMPARE(dialog->geometry(), before);
}

void TestMainWindow::toolWindowsFitTheScreen_data()
{
    QTest::addColumn<QString>("item"); // in the Strumenti menu
    QTest::newRow("value") << "Da &valore a colori…";
    QTest::newRow("marking") << "Leggi &marcatura…";
    QTest::newRow("identify") << "&Identifica resistore…";
    QTest::newRow("combine") << "Combina &resistori…";
}

// On 1920 × 1200 at 200 % (960 × 600 to Qt): within the free area, every
// button wholly on show, resizable.
void TestMainWindow::toolWindowsFitTheScreen()
{
    QFETCH(QString, item);
    action(*m_window, item)->trigger();
    QTRY_VERIFY(QApplication::activeWindow() != m_window);
    QWidget *window = QApplication::activeWindow();
    QCOMPARE(window->screen()->availableGeometry(), QRect(0, 0, 960, 600));
    QVERIFY(window->screen()->availableGeometry().contains(window->frameGeometry()));
    for (QPushButton *b : window->findChildren<QPushButton *>())
        QVERIFY(!b->isVisible() || b->visibleRegion().boundingRect() == b->rect());
    const QSize smaller = window->size() - QSize(60, 60);
    window->resize(smaller);
    QTRY_COMPARE(window->size(), smaller);

    // Laid out as a form: no control over another, each caption before its
    // field on the same line or above it, and the full-width lines flush with
    // the first caption.
    QWidget *body = window->findChild<QWidget *>(QStringLiteral("body")); // what scrolls
    QList<QWidget *> controls;
    for (QWidget *w : body->findChildren<QWidget *>())
        if (w->isVisible() && (qobject_cast<QLabel *>(w) || w->focusPolicy() != Qt::NoFocus)
            && !w->parentWidget()->focusProxy())
            controls << w;
    const auto at = [body](const QWidget *w) { return QRect(w->mapTo(body, QPoint()), w->size()); };
    int left = INT_MAX;
    for (const QWidget *w : controls)
        left = std::min(left, at(w).left());
    for (const QWidget *a : controls) {
        for (const QWidget *b : controls)
            QVERIFY2(a == b || a->isAncestorOf(b) || b->isAncestorOf(a) || !at(a).intersects(at(b)),
                qPrintable(a->objectName() + u' ' + b->objectName()));
        const auto *label = qobject_cast<const QLabel *>(a);
        if (label && label->buddy()) {
            const QRect l = at(label), f = at(label->buddy());
            QVERIFY2((l.right() < f.left() && l.center().y() > f.top() && l.center().y() < f.bottom())
                    || (l.bottom() < f.top() && l.left() == f.left()),
                qPrintable(label->objectName()));
        }
        if (label && label->wordWrap())
            QVERIFY2(at(a).left() == left, qPrintable(a->objectName()));
    }
}

void TestMainWindow::markingDialog_data()
{
    // Shown: a line per group and per reading ("." for the locale's decimal
    // point in values), then what tells the readings apart, a value's SMD
    // codes and the message.
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("component"); // the combo box's row: non so, resistore, condensatore, induttore
    QTest::addColumn<QStringList>("shown");
    QTest::newRow("104, every kind")
        << "104" << 0
        << QStringList {"[Resistore]",
               "100000 Ohm | non indicata (di solito 5%) |  |  | Serie E3, E6, E12, E24, E48, E96, E192 | SMD, 3 cifre "
               "| IEC 60062",
               "[Condensatore]",
               "100 nF | non indicata |  |  | Serie E3, E6, E12, E24, E48, E96, E192 | 3 cifre, in pF | EIA-198",
               "[Induttore]",
               "100 mH | non indicata |  |  | Serie E3, E6, E12, E24, E48, E96, E192 | 3 cifre, in µH | EIA",
               "Solo il componente dice quale lettura vale. Un resistore SMD è nero con il codice in bianco, e un "
               "multimetro in ohm ne legge il valore. Un condensatore ceramico è una goccia o un blocchetto (in SMD "
               "beige o marrone, di solito senza scritte) e in ohm non conduce. Un induttore mostra l'avvolgimento o "
               "la ferrite, e in ohm legge quasi zero.",
               "104 Ohm si marca 1040 (4 cifre)."};
    QTest::newRow("2A473J") << "2A473J" << 0
                            << QStringList {"[Condensatore]",
                                   "47 nF | ± 5% | 100 V |  | Serie E3, E6, E12, E24, E192 | 3 cifre, in pF | EIA-198; "
                                   "tolleranza: IEC 60062; tensione: EIA"};
    QTest::newRow("47r, two resistances")
        << "47r" << 1
        << QStringList {"[Resistore]",
               "47 Ohm | non indicata |  |  | Serie E3, E6, E12, E24, E192 | SMD, R al posto della virgola | IEC 60062",
               "3.01 Ohm | ± 1% |  |  | Serie E48, E96, E192 | SMD, EIA-96 | EIA-96",
               "Il codice si legge in due modi: la marcatura non dice quale, il circuito o una misura sì."};
    QTest::newRow("4K7, a value with its codes")
        << "4K7" << 0
        << QStringList {"[Resistore]",
               "4700 Ohm | non indicata |  |  | Serie E3, E6, E12, E24, E192 | codice a lettere | IEC 60062",
               "4700 Ohm si marca 472 (3 cifre) oppure 4701 (4 cifre)."};
    QTest::newRow("4R7 on an inductor")
        << "4R7" << 3
        << QStringList {"[Induttore]",
               "4.7 µH | non indicata |  |  | Serie E3, E6, E12, E24, E192 | R al posto della virgola, in µH | "
               "EIA"};
    // Neither: meant as a value, so the value reader's refusal.
    QTest::newRow("-470") << "-470" << 0
                          << QStringList {"Una resistenza non è mai negativa: scrivere il valore senza il segno meno."};
    QTest::newRow("nothing known") << "QQ" << 0
                                   << QStringList {"«QQ» non è una marcatura che Velmora conosca, né di resistore né "
                                                   "di condensatore né di induttore."};
}

// From the Strumenti menu, typed from the keyboard into the field that has
// the focus and the component chosen with the keys; judged on what the tree
// and the labels show and a screen reader says.
void TestMainWindow::markingDialog()
{
    QFETCH(QString, typed);
    QFETCH(int, component);
    QFETCH(QStringList, shown);
    action(*m_window, QStringLiteral("Leggi &marcatura…"))->trigger();
    auto *dialog = m_window->findChild<QDialog *>(QStringLiteral("MarkingDialog"));
    QVERIFY(dialog);
    QTRY_VERIFY(dialog->isActiveWindow());
    auto *field = dialog->findChild<QLineEdit *>(QStringLiteral("codeEdit"));
    QTRY_COMPARE(QApplication::focusWidget(), field);
    QTest::keyClicks(field, typed);
    auto *box = dialog->findChild<QComboBox *>(QStringLiteral("componentBox"));
    QTest::keyClick(dialog, Qt::Key_O, Qt::AltModifier);
    QTRY_COMPARE(QApplication::focusWidget(), box);
    for (int i = 0; i < component; ++i)
        QTest::keyClick(box, Qt::Key_Down);
    QStringList texts;
    auto *tree = dialog->findChild<QTreeWidget *>(QStringLiteral("readingsTree"));
    for (int g = 0; g < tree->topLevelItemCount(); ++g) {
        QTreeWidgetItem *group = tree->topLevelItem(g);
        texts << QStringLiteral("[%1]").arg(group->text(0));
        for (int i = 0; i < group->childCount(); ++i) {
            QStringList cells;
            for (int c = 0; c < tree->columnCount(); ++c) {
                QString text = group->child(i)->text(c);
                cells << (c < 2 ? text.replace(expectedPoint(), QStringLiteral(".")) : text); // value, tolerance
            }
            texts << cells.join(QStringLiteral(" | "));
        }
    }
    for (const char *name : {"hintLabel", "markingsLabel", "messageLabel"}) {
        auto *label = dialog->findChild<QLabel *>(QLatin1String(name));
        QCOMPARE(QAccessible::queryAccessibleInterface(label)->text(QAccessible::Name), label->text());
        if (!label->text().isEmpty())
            texts << label->text();
    }
    QCOMPARE(texts, shown);
    QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("closeButton")), Qt::LeftButton);
}

void TestMainWindow::identifyDialog_data()
{
    QTest::addColumn<QStringList>("seen"); // a colour per band, from the end the person starts at
    QTest::addColumn<QString>("measured");
    QTest::addColumn<QStringList>("listed"); // the readings' values, best first
    QTest::addColumn<QStringList>("picked"); // the colours of the reading chosen, band 1 first
    QTest::addColumn<QString>("result"); // after Applica and CALCOLA
    QTest::addColumn<QString>("form"); // the window Applica shows
    const QStringList fiveBands {"rosso", "rosso", "nero", "nero", "marrone"};
    QTest::newRow("220 Ohm") << fiveBands << "" << QStringList {"220 Ohm ± 1%", "10000 Ohm ± 2%"} << fiveBands
                             << "220 Ohm ± 1%"
                             << "Form2";
    QTest::newRow("10 kOhm, read from the other end")
        << fiveBands << "" << QStringList {"220 Ohm ± 1%", "10000 Ohm ± 2%"}
        << QStringList {"marrone", "nero", "nero", "rosso", "rosso"} << "10000 Ohm ± 2%"
        << "Form2";
    QTest::newRow("measured 9,9 k: 10 kOhm first")
        << fiveBands << "9,9k" << QStringList {"10000 Ohm ± 2%", "220 Ohm ± 1%"}
        << QStringList {"marrone", "nero", "nero", "rosso", "rosso"} << "10000 Ohm ± 2%"
        << "Form2";
    // The four-band window where its lists hold the colours, else the whole code's.
    QTest::newRow("4: gold, the four-band window")
        << QStringList {"giallo", "viola", "rosso", "oro"} << "" << QStringList {"4700 Ohm ± 5%"}
        << QStringList {"giallo", "viola", "rosso", "oro"} << "4700 Ohm ± 5%"
        << "Form1";
    QTest::newRow("4: silver, the whole code's window")
        << QStringList {"giallo", "viola", "rosso", "argento"} << "" << QStringList {"4700 Ohm ± 10%"}
        << QStringList {"giallo", "viola", "rosso", "argento"} << "4700 Ohm ± 10%"
        << "Form5";
}

// Ctrl+I, the colours chosen from the keyboard, a reading clicked and
// applied; judged on the list, what a screen reader hears, and the window.
void TestMainWindow::identifyDialog()
{
    QFETCH(QStringList, seen);
    QFETCH(QString, measured);
    QFETCH(QStringList, listed);
    QFETCH(QStringList, picked);
    QFETCH(QString, result);
    QFETCH(QString, form);
    IdentifyDialog *dialog = openIdentify();
    QVERIFY(dialog);
    for (int n = 4; n < seen.size(); ++n)
        press(*dialog, QKeyCombination(Qt::Key_Up)); // the number of bands, focused first
    for (int band = 1; band <= seen.size(); ++band) {
        press(*dialog, QKeyCombination(Qt::Key_Tab));
        auto *list = qobject_cast<QListWidget *>(QApplication::focusWidget());
        QVERIFY(list && list->objectName() == QStringLiteral("band%1List").arg(band));
        for (int row = list->row(list->findItems(seen[band - 1], Qt::MatchExactly).value(0)); row > 0; --row)
            press(*dialog, QKeyCombination(Qt::Key_Down));
        press(*dialog, QKeyCombination(Qt::Key_Space));
    }
    press(*dialog, QKeyCombination(Qt::ALT, Qt::Key_M));
    QTest::keyClicks(QApplication::focusWidget(), measured);

    auto *readings = dialog->findChild<QListWidget *>(QStringLiteral("readingsList"));
    QStringList values;
    int pick = -1;
    for (int row = 0; row < readings->count(); ++row) {
        values << readings->item(row)->text().section(u'\n', 0, 0);
        // What a screen reader says of the reading: its value, then its colours.
        const QString said = QAccessible::queryAccessibleInterface(readings)->child(row)->text(QAccessible::Name);
        if (said.startsWith(values.last() + QStringLiteral(": ") + picked.join(u' ') + u';'))
            pick = row;
    }
    QCOMPARE(values, listed);
    QVERIFY(pick >= 0);
    auto *verdict = dialog->findChild<QLabel *>(QStringLiteral("verdictLabel"));
    QCOMPARE(QAccessible::queryAccessibleInterface(verdict)->text(QAccessible::Name), verdict->text());

    clickRow(readings, pick);
    auto *apply = dialog->findChild<QPushButton *>(QStringLiteral("applyButton"));
    QVERIFY(apply->isEnabled());
    QTest::mouseClick(apply, Qt::LeftButton);
    BandForm *shown = m_window->currentForm();
    QCOMPARE(shown->objectName(), form);
    QCOMPARE(chosen(*shown), picked);
    clickButton(*shown, 1);
    QCOMPARE(shown->resultText(), result);
}

void TestMainWindow::identifyVerdict_data()
{
    QTest::addColumn<QStringList>("bands");
    QTest::addColumn<bool>("eitherEnd");
    QTest::addColumn<QString>("measured"); // @ the row of Precisione (± 0,5, 1, 2, 5 %), 1 when none
    QTest::addColumn<int>("listed");
    QTest::addColumn<QString>("verdict"); // how the line starts
    QTest::addColumn<QString>("refusal"); // the measurement's refusal up to the end of its quote
    const QStringList seen {"rosso", "rosso", "nero", "nero", "marrone"};
    const QStringList yellow {"giallo", "viola", "rosso", "oro"};
    QTest::newRow("nothing chosen") << QStringList(4) << true << "" << 0 << "Scegliere, banda per banda"
                                    << "";
    QTest::newRow("band 1 known") << seen << false << "" << 1 << "Una sola lettura."
                                  << "";
    QTest::newRow("either end") << seen << true << "" << 2 << "2 letture: possono distinguerle solo"
                                << "";
    QTest::newRow("measured") << seen << true << "9,9k" << 2 << "2 letture: la misura ne lascia una sola."
                              << "";
    QTest::newRow("measurement refused, readings kept") << seen << true << "4.700" << 2 << "2 letture: possono"
                                                        << "«4.700";
    QTest::newRow("gold as every band") << QStringList(4, "oro") << false << "" << 0 << "Nessun resistore"
                                        << "";
    // 9 × 10 × 10 from band 1.
    QTest::newRow("the cap") << QStringList {"", "", "", "rosso", "marrone"} << false << "" << 50
                             << "900 letture: possono distinguerle solo una misura o uno sguardo più attento alle "
                                "bande 1, 2 e 3. Ne sono elencate 50, 850 no."
                             << "";
    // 4440 ± 0,5 % stops at 4462,2, short of 4465; ± 2 % reaches it.
    QTest::newRow("4440 at ± 0,5 %") << yellow << false << "4440@0" << 1
                                     << "Una sola lettura, e la misura la esclude: ricontrollare i colori e la misura."
                                     << "";
    QTest::newRow("4440 at ± 2 %") << yellow << false << "4440@2" << 1 << "Una sola lettura, confermata dalla misura."
                                   << "";
}

// The line above the readings, the measurement's refusal, and the cap.
void TestMainWindow::identifyVerdict()
{
    QFETCH(QStringList, bands);
    QFETCH(bool, eitherEnd);
    QFETCH(QString, measured);
    QFETCH(int, listed);
    QFETCH(QString, verdict);
    QFETCH(QString, refusal);
    IdentifyDialog *dialog = openIdentify();
    QVERIFY(dialog);
    const QString accuracy = measured.section(u'@', 1);
    dialog->findChild<QComboBox *>(QStringLiteral("accuracyBox"))
        ->setCurrentIndex(accuracy.isEmpty() ? 1 : accuracy.toInt());
    enter(*dialog, bands, eitherEnd, measured.section(u'@', 0, 0));
    QCOMPARE(dialog->findChild<QListWidget *>(QStringLiteral("readingsList"))->count(), listed);
    const QString line = dialog->findChild<QLabel *>(QStringLiteral("verdictLabel"))->text();
    QCOMPARE(line.left(verdict.size()), verdict);
    QCOMPARE(line.contains(QStringLiteral("Ne sono elencate 50,")), listed == 50);
    QCOMPARE(dialog->findChild<QLabel *>(QStringLiteral("refusalLabel"))->text().section(u'»', 0, 0), refusal);
}

// A measurement typed after a reading was chosen re-ranks the list; the
// reading stays chosen.
void TestMainWindow::identifyKeepsTheChosenReading()
{
    IdentifyDialog *dialog = openIdentify();
    QVERIFY(dialog);
    enter(*dialog, {"rosso", "rosso", "nero", "nero", "marrone"}, true, QString());
    auto *readings = dialog->findChild<QListWidget *>(QStringLiteral("readingsList"));
    clickRow(readings, 0);
    const QString chosen = readings->currentItem()->text().section(u'\n', 0, 0);
    QTest::keyClicks(dialog->findChild<QLineEdit *>(QStringLiteral("measuredEdit")), QStringLiteral("9,9k"));
    QCOMPARE(readings->currentRow(), 1); // 10 kOhm confirmed, now first
    QCOMPARE(readings->currentItem()->text().section(u'\n', 0, 0), chosen);
}

// Ricomincia, from the keyboard: no colour, measurement or reading left.
void TestMainWindow::identifyRestart()
{
    IdentifyDialog *dialog = openIdentify();
    QVERIFY(dialog);
    enter(*dialog, {"rosso", "rosso", "nero", "nero", "marrone"}, false, QStringLiteral("220"));
    auto *readings = dialog->findChild<QListWidget *>(QStringLiteral("readingsList"));
    QCOMPARE(readings->count(), 1);
    press(*dialog, QKeyCombination(Qt::ALT, Qt::Key_R));
    QTRY_COMPARE(readings->count(), 0); // a mnemonic clicks a moment later
    for (const QListWidget *list : dialog->findChildren<QListWidget *>())
        QVERIFY(list->selectedItems().isEmpty());
    QCOMPARE(dialog->findChild<QLineEdit *>(QStringLiteral("measuredEdit"))->text(), QString());
    QCOMPARE(QApplication::focusWidget()->objectName(), "band1List");
}

// The done-when of the tool, from the Strumenti menu and the keyboard.
void TestMainWindow::combineDialog()
{
    action(*m_window, QStringLiteral("Combina &resistori…"))->trigger();
    auto *dialog = m_window->findChild<QDialog *>(QStringLiteral("CombineDialog"));
    QVERIFY(dialog);
    QTRY_VERIFY(dialog->isActiveWindow());
    auto *source = dialog->findChild<QComboBox *>(QStringLiteral("sourceBox"));
    source->setCurrentIndex(source->findText(QStringLiteral("E6")));
    QTRY_COMPARE(QApplication::focusWidget()->objectName(), "targetEdit");
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("9k"));
    QTRY_COMPARE(dialog->findChild<QLabel *>(QStringLiteral("answer2Title"))->text(), "2 parti: 2200 + 6800");
    QVERIFY(dialog->findChild<QLabel *>(QStringLiteral("answer2Details"))->text().startsWith("9000 Ohm, esatto."));
    QVERIFY(!dialog->findChild<QLabel *>(QStringLiteral("answer3Title"))->isVisible());
}

// The About box names the tools and the terminal commands.
void TestMainWindow::about()
{
    action(*m_window, QStringLiteral("&Informazioni su Velmora"))->trigger();
    QCOMPARE(m_boxes->count, 1);
    m_boxes->count = 0; // expected here
    for (const char *named : {"Da valore a colori", "Leggi marcatura", "Identifica resistore", "Combina resistori",
             "velmora bande", "velmora valore", "velmora smd", "velmora marcatura", "velmora identifica",
             "velmora combina", "velmora partitore", "velmora etichette"})
        QVERIFY2(m_boxes->text.contains(QString::fromUtf8(named)), named);
    QVERIFY(m_boxes->text.contains(QStringLiteral(
        "<p>Nel menu Strumenti: Da valore a colori, Leggi marcatura, Identifica resistore, Combina resistori.</p>")));
    QVERIFY(m_boxes->text.contains(QStringLiteral("<p>Nel menu File: Il mio cassetto e Stampa etichette.</p>")));
    QVERIFY(m_boxes->text.contains(QStringLiteral(
        "<p>Da terminale: velmora bande, velmora valore, velmora smd, velmora marcatura, velmora identifica, "
        "velmora combina, "
        "velmora partitore e velmora etichette (velmora --help).</p>")));
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
