// The value dialog as a person uses it: typing, the live bands, a nearest
// standard value, Applica, a refusal, the offer of more bands.
#include "swatch.h"
#include "valuedialog.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

using namespace Velmora;

Q_DECLARE_METATYPE(std::vector<int>)

namespace {

template<typename T> T *control(const ValueDialog &d, const char *name)
{
    auto *w = d.findChild<T *>(QLatin1String(name));
    if (!w)
        qFatal("no control %s", name);
    return w;
}

// What the bands show: the colour names under the swatches and the painted
// colour at each swatch's centre.
QStringList names(const ValueDialog &d)
{
    QStringList shown;
    for (int band = 1; band <= d.bandCount(); ++band)
        shown << control<QLabel>(d, qPrintable(QStringLiteral("colourName%1").arg(band)))->text();
    return shown;
}

QColor painted(ValueDialog &d, int band)
{
    const QWidget *swatch = control<Swatch>(d, qPrintable(QStringLiteral("swatch%1").arg(band)));
    const QImage image = d.grab().toImage();
    return image.pixelColor(swatch->geometry().center() * image.devicePixelRatio());
}

void type(ValueDialog &d, const QString &text)
{
    QLineEdit *edit = control<QLineEdit>(d, "valueEdit");
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, text);
}

void click(ValueDialog &d, const char *name)
{
    auto *button = control<QPushButton>(d, name);
    QVERIFY2(button->isVisible() && button->isEnabled(), name);
    QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, button->rect().center());
}

QString point()
{
    return QLocale::system().decimalPoint();
}

} // namespace

class TestValueDialog : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void typedValueShowsItsBands();
    void nearestValueAndApply();
    void refusalShownNothingApplied();
    void moreBandsOffered();
    void controlsNamed();

private:
    ValueDialog *m_dialog = nullptr;
};

void TestValueDialog::init()
{
    m_dialog = new ValueDialog;
    m_dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_dialog));
}

void TestValueDialog::cleanup()
{
    delete m_dialog;
}

void TestValueDialog::typedValueShowsItsBands()
{
    ValueDialog &d = *m_dialog;
    type(d, QStringLiteral("4K7"));
    QCOMPARE(names(d), (QStringList {"GIALLO", "VIOLA", "ROSSO", "ORO"}));
    QCOMPARE(painted(d, 1), QColor(255, 255, 0));
    QCOMPARE(painted(d, 2), QColor(255, 0, 255));
    QCOMPARE(painted(d, 3), QColor(255, 0, 0));
    QCOMPARE(painted(d, 4), QColor(192, 192, 0));
    QCOMPARE(control<QLabel>(d, "readBackLabel")->text(), QStringLiteral("4700 Ohm ± 5%"));
    QCOMPARE(control<QLabel>(d, "seriesLabel")->text(), QStringLiteral("Serie E3, E6, E12, E24, E192"));
    QVERIFY(!control<QPushButton>(d, "nearestBelowButton")->isVisible());

    // Live: one more keystroke, another value.
    QTest::keyClick(control<QLineEdit>(d, "valueEdit"), Qt::Key_Backspace);
    QCOMPARE(names(d), (QStringList {"GIALLO", "NERO", "ROSSO", "ORO"}));
    QCOMPARE(control<QLabel>(d, "readBackLabel")->text(), QStringLiteral("4000 Ohm ± 5%"));

    type(d, QStringLiteral("0") + point() + QStringLiteral("22"));
    QCOMPARE(names(d), (QStringList {"ROSSO", "ROSSO", "ARGENTO", "ORO"}));
    QCOMPARE(control<QLabel>(d, "readBackLabel")->text(), QStringLiteral("0%1%2 Ohm ± 5%").arg(point(), "22"));
}

void TestValueDialog::nearestValueAndApply()
{
    ValueDialog &d = *m_dialog;
    QSignalSpy applied(&d, &ValueDialog::applyRequested);
    type(d, QStringLiteral("5k"));
    QCOMPARE(control<QLabel>(d, "seriesLabel")->text(), QStringLiteral("non è un valore normalizzato; in E24:"));
    QCOMPARE(control<QPushButton>(d, "nearestBelowButton")->text(), QStringLiteral("4700 Ohm"));
    QCOMPARE(control<QPushButton>(d, "nearestAboveButton")->text(), QStringLiteral("5100 Ohm"));

    click(d, "nearestAboveButton");
    QCOMPARE(control<QLineEdit>(d, "valueEdit")->text(), QStringLiteral("5100"));
    QCOMPARE(names(d), (QStringList {"VERDE", "MARRONE", "ROSSO", "ORO"}));

    QComboBox *tolerance = control<QComboBox>(d, "toleranceBox");
    tolerance->setFocus();
    QTest::keyClick(tolerance, Qt::Key_Down); // 2 %
    QCOMPARE(names(d).last(), QStringLiteral("ROSSO"));
    QCOMPARE(control<QLabel>(d, "readBackLabel")->text(), QStringLiteral("5100 Ohm ± 2%"));

    click(d, "applyButton");
    QCOMPARE(applied.count(), 1);
    QCOMPARE(applied.at(0).at(0).value<std::vector<int>>(), (std::vector {5, 1, 2, 1}));
}

void TestValueDialog::refusalShownNothingApplied()
{
    ValueDialog &d = *m_dialog;
    QSignalSpy applied(&d, &ValueDialog::applyRequested);
    type(d, QStringLiteral("4.700"));
    const QString message = control<QLabel>(d, "messageLabel")->text();
    QVERIFY2(message.contains(QStringLiteral("4700 oppure 4%17").arg(point())), qPrintable(message));
    QVERIFY(control<QLabel>(d, "messageLabel")->isVisible());
    QCOMPARE(names(d), (QStringList {"", "", "", ""}));
    QCOMPARE(control<QLabel>(d, "readBackLabel")->text(), QString());
    QVERIFY(!control<QPushButton>(d, "applyButton")->isEnabled());
    QTest::keyClick(control<QLineEdit>(d, "valueEdit"), Qt::Key_Return);
    QCOMPARE(applied.count(), 0);
}

void TestValueDialog::moreBandsOffered()
{
    ValueDialog &d = *m_dialog;
    QSignalSpy more(&d, &ValueDialog::moreBandsRequested);
    QSignalSpy applied(&d, &ValueDialog::applyRequested);
    control<QComboBox>(d, "toleranceBox")->setCurrentIndex(2); // 1 %
    type(d, QStringLiteral("4") + point() + QStringLiteral("99k"));
    QVERIFY(control<QLabel>(d, "messageLabel")->text().contains(QStringLiteral("3 cifre significative")));
    QCOMPARE(control<QPushButton>(d, "moreBandsButton")->text(), QStringLiteral("Passa a 5 bande"));
    click(d, "moreBandsButton");
    QCOMPARE(more.count(), 1);
    QCOMPARE(more.at(0).at(0).toInt(), 5);

    // What the main window does on that signal; the value and 1 % stay.
    d.setBandCount(5);
    QCOMPARE(names(d), (QStringList {"GIALLO", "BIANCO", "BIANCO", "MARRONE", "MARRONE"}));
    QCOMPARE(control<QLabel>(d, "readBackLabel")->text(), QStringLiteral("4990 Ohm ± 1%"));
    QVERIFY(!control<QPushButton>(d, "moreBandsButton")->isVisible());
    QTest::keyClick(control<QLineEdit>(d, "valueEdit"), Qt::Key_Return);
    QCOMPARE(applied.count(), 1);
    QCOMPARE(applied.at(0).at(0).value<std::vector<int>>(), (std::vector {4, 9, 9, 1, 0}));
}

void TestValueDialog::controlsNamed()
{
    m_dialog->setBandCount(6);
    for (QWidget *w : m_dialog->findChildren<QWidget *>()) {
        if (!w->isVisibleTo(m_dialog) || w->objectName().startsWith(QLatin1String("qt_")) || !w->parent()
            || w->parentWidget() != m_dialog)
            continue;
        QVERIFY2(!w->objectName().isEmpty(), w->metaObject()->className());
        if (w->focusPolicy() != Qt::NoFocus || qobject_cast<Swatch *>(w))
            QVERIFY2(!w->accessibleName().isEmpty(), qPrintable(w->objectName()));
    }
}

QTEST_MAIN(TestValueDialog)
#include "tst_valuedialog.moc"
