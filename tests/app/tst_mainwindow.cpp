#include "formdriver.h"
#include "mainwindow.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QMenuBar>

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

void press(MainWindow &window, QKeyCombination keys)
{
    QTest::keyClick(window.windowHandle(), keys.key(), keys.keyboardModifiers());
}

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

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
    void valueDialog_data();
    void valueDialog();
    void closingTheDialogChangesNothing();

private:
    MainWindow *m_window = nullptr;
};

void TestMainWindow::init()
{
    m_window = new MainWindow;
    m_window->show();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
}

void TestMainWindow::cleanup()
{
    delete m_window;
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
    QTest::newRow("File") << 0 << "&File" << QStringList {"&Esci", "Ctrl+Q"};
    QTest::newRow("Modifica") << 1 << "&Modifica" << QStringList {"&Copia valore", "Ctrl+C"};
    QTest::newRow("Bande") << 2 << "&Bande"
                           << QStringList {"&4 bande", "Ctrl+4", "&5 bande", "Ctrl+5", "&6 bande", "Ctrl+6"};
    QTest::newRow("Strumenti") << 3 << "&Strumenti" << QStringList {"Da &valore a colori…", "Ctrl+K"};
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
    for (int n : {4, 5, 6})
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

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
