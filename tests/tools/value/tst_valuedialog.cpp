// The value dialog as a person uses it: typing, the live bands, a nearest
// standard value, Applica, a refusal, the offer of more bands.
#include "formdriver.h"
#include "swatch.h"
#include "valuedialog.h"

#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

using namespace Velmora;
using namespace Velmora::Testing;

Q_DECLARE_METATYPE(SchemeId)

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
    for (int band = 1; band <= bandScheme(d.scheme()).bandCount; ++band)
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
    return expectedPoint();
}

QList<int> rows(const QSignalSpy &applied, int bands)
{
    const Reading r = applied.constLast().at(0).value<Reading>();
    return QList<int>(r.rows.begin(), r.rows.begin() + bands);
}

} // namespace

class TestValueDialog : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void typedValueShowsItsBands();
    void says_data();
    void says();
    void toleranceList_data();
    void toleranceList();
    void nearestValueAndApply();
    void refusalShownNothingApplied();
    void moreBandsOffered();
    void controlsNamed();

private:
    ValueDialog *m_dialog = nullptr;
    BoxAnswerer *m_boxes = nullptr;
};

void TestValueDialog::init()
{
    m_boxes = new BoxAnswerer;
    m_dialog = new ValueDialog;
    m_dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_dialog));
}

// A box the dialog should never raise is answered, and fails the test.
void TestValueDialog::cleanup()
{
    delete m_dialog;
    const int boxes = m_boxes->count;
    delete m_boxes;
    QCOMPARE(boxes, 0);
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

void TestValueDialog::says_data()
{
    QTest::addColumn<SchemeId>("scheme");
    QTest::addColumn<QString>("typed"); // '#' stands for the locale's separator
    QTest::addColumn<QString>("readBack");
    QTest::addColumn<QString>("series");
    QTest::addColumn<QStringList>("nearest");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("offer");

    const auto F = SchemeId::FourBands;
    const auto V = SchemeId::FiveBands;
    QTest::newRow("empty") << F << ""
                           << ""
                           << "" << QStringList() << "Scrivere un valore, per esempio 4K7, 4#7 kΩ oppure 470."
                           << "";
    QTest::newRow("smallest in four") << F << "0#1"
                                      << "0#1 Ohm ± 5%"
                                      << "Serie E3, E6, E12, E24, E48, E96, E192" << QStringList() << ""
                                      << "";
    QTest::newRow("only with a black first band")
        << F << "0#01"
        << ""
        << "Serie E3, E6, E12, E24, E48, E96, E192" << QStringList()
        << "Per 0#01 Ohm la finestra a 4 bande vorrebbe una prima banda nera, che nessun "
           "resistore porta: la prima cifra non è mai zero. Mostra da 0#1 a 99000000 Ohm. "
           "Quella a 3 bande lo mostra."
        << "Passa a 3 bande";
    QTest::newRow("largest in four") << F << "99M"
                                     << "99000000 Ohm ± 5%"
                                     << "Non è un valore normalizzato. I più vicini in E24:"
                                     << QStringList {"91000000 Ohm"} << ""
                                     << "";
    QTest::newRow("just over four") << F << "100M"
                                    << ""
                                    << "Serie E3, E6, E12, E24, E48, E96, E192" << QStringList()
                                    << "100000000 Ohm è fuori portata: la finestra a 4 bande mostra da 0#1 a 99000000 "
                                       "Ohm. Quella a 5 bande lo mostra."
                                    << "Passa a 5 bande";
    QTest::newRow("just under four") << F << "0R001"
                                     << ""
                                     << "Serie E3, E6, E12, E24, E48, E96, E192" << QStringList()
                                     << "0#001 Ohm è fuori portata: la finestra a 4 bande mostra da 0#1 a 99000000 "
                                        "Ohm."
                                     << "";
    QTest::newRow("three digits in four") << F << "4k99"
                                          << ""
                                          << "Serie E96, E192" << QStringList()
                                          << "4990 Ohm ha 3 cifre significative: la finestra a 4 bande ne mostra 2. "
                                             "Quella a 5 bande lo mostra."
                                          << "Passa a 5 bande";
    QTest::newRow("whole code: three digits, its name") << SchemeId::FourBandsFullCode << "4k99"
                                                        << ""
                                                        << "Serie E96, E192" << QStringList()
                                                        << "4990 Ohm ha 3 cifre significative: la finestra a 4 bande, "
                                                           "codice completo ne mostra 2. Quella a 5 bande lo mostra."
                                                        << "Passa a 5 bande";
    QTest::newRow("whole code: a white multiplier") << SchemeId::FourBandsFullCode << "47G"
                                                    << "47000000000 Ohm ± 5%"
                                                    << "Serie E3, E6, E12, E24, E192" << QStringList() << ""
                                                    << "";
    QTest::newRow("four digits, shown as read")
        << V << "4R701"
        << ""
        << "Non è un valore normalizzato. I più vicini in E96:" << QStringList {"4#64 Ohm", "4#75 Ohm"}
        << "4R701 Ohm ha 4 cifre significative: la finestra a 5 bande ne mostra "
           "3. Nessuna finestra di Velmora ne mostra di più."
        << "";
    QTest::newRow("just over five") << V << "1000G"
                                    << ""
                                    << "Serie E3, E6, E12, E24, E48, E96, E192" << QStringList()
                                    << "1000000000000 Ohm è fuori portata: la finestra a 5 bande mostra da 0#1 a "
                                       "999000000000 Ohm."
                                    << "";
    QTest::newRow("largest in five, nearest below only")
        << V << "990G"
        << "990000000000 Ohm ± 1%"
        << "Non è un valore normalizzato. I più vicini in E96:" << QStringList {"976000000000 Ohm"} << ""
        << "";
    QTest::newRow("zero")
        << F << "0"
        << ""
        << "" << QStringList()
        << "Un ponticello da 0 Ohm porta una sola banda nera, che le finestre di Velmora non mostrano."
        << "";
    QTest::newRow("grouped") << F << "4,701"
                             << ""
                             << "" << QStringList()
                             << "«4,701» è ambiguo: può voler dire 4701 oppure 4R701. Scrivere l’uno o l’altro così, "
                                "senza separatore delle migliaia."
                             << "";
    QTest::newRow("malformed") << F << "abc"
                               << ""
                               << "" << QStringList()
                               << "«abc» non è un valore valido: scrivere il numero e poi, se serve, il prefisso e "
                                  "l’unità (4#7 kΩ, 470 Ohm) oppure il codice a lettere (4K7, 0R22)."
                               << "";
    QTest::newRow("minus alone") << F << "-"
                                 << ""
                                 << "" << QStringList()
                                 << "«-» non è un valore valido: scrivere il numero e poi, se serve, il prefisso e "
                                    "l’unità (4#7 kΩ, 470 Ohm) oppure il codice a lettere (4K7, 0R22)."
                                 << "";
    QTest::newRow("negative") << F << "-4k7"
                              << ""
                              << "" << QStringList()
                              << "Una resistenza non è mai negativa: scrivere il valore senza il segno meno."
                              << "";
    QTest::newRow("milli or mega")
        << F << "2#2m"
        << ""
        << "" << QStringList()
        << "«2#2m» è ambiguo: «m» può voler dire milli o mega. Per 2#2 megaohm scrivere 2#2M; "
           "per 2#2 milliohm scrivere 0#0022."
        << "";
}

// What the dialog says of a typed value in a window: the value read back,
// its series and the nearest values offered, or the refusal and the offer
// of a window with more bands.
void TestValueDialog::says()
{
    QFETCH(SchemeId, scheme);
    QFETCH(QString, typed);
    QFETCH(QString, readBack);
    QFETCH(QString, series);
    QFETCH(QStringList, nearest);
    QFETCH(QString, message);
    QFETCH(QString, offer);
    const auto local = [](QString text) { return text.replace(QLatin1Char('#'), point()); };
    ValueDialog &d = *m_dialog;
    d.setReading(Reading {scheme});
    type(d, local(typed));
    QCOMPARE(control<QLabel>(d, "readBackLabel")->text(), local(readBack));
    QCOMPARE(control<QLabel>(d, "seriesLabel")->text(), series);
    QStringList offered;
    for (const char *name : {"nearestBelowButton", "nearestAboveButton"})
        if (shown(control<QPushButton>(d, name)))
            offered << control<QPushButton>(d, name)->text();
    QCOMPARE(offered, nearest.replaceInStrings(QStringLiteral("#"), point()));
    QCOMPARE(control<QLabel>(d, "messageLabel")->text(), local(message));
    QPushButton *more = control<QPushButton>(d, "moreBandsButton");
    QCOMPARE(shown(more) ? more->text().remove(QLatin1Char('&')) : QString(), offer);
    QCOMPARE(control<QPushButton>(d, "applyButton")->isEnabled(), !readBack.isEmpty());
    QCOMPARE(control<QLineEdit>(d, "valueEdit")->placeholderText(), local("4K7, 0R22, 4#7 kΩ, 470 Ohm"));
}

void TestValueDialog::toleranceList_data()
{
    QTest::addColumn<SchemeId>("scheme");
    QTest::addColumn<QStringList>("entries"); // '.' stands for the locale's separator
    QTest::newRow("three: fixed") << SchemeId::ThreeBands << QStringList {"± 20%"};
    QTest::newRow("four") << SchemeId::FourBands << QStringList {"± 1% (marrone)", "± 2% (rosso)", "± 5% (oro)"};
    QTest::newRow("five") << SchemeId::FiveBands
                          << QStringList {"± 0.02% (giallo)", "± 0.05% (arancio)", "± 0.05% (grigio)", "± 0.1% (viola)",
                                 "± 0.25% (azzurro)", "± 0.5% (verde)", "± 1% (marrone)", "± 2% (rosso)", "± 5% (oro)",
                                 "± 10% (argento)"};
    QTest::newRow("four, whole code") << SchemeId::FourBandsFullCode
                                      << QStringList {"± 0.02% (giallo)", "± 0.05% (arancio)", "± 0.05% (grigio)",
                                             "± 0.1% (viola)", "± 0.25% (azzurro)", "± 0.5% (verde)", "± 1% (marrone)",
                                             "± 2% (rosso)", "± 5% (oro)", "± 10% (argento)"};
}

// Finest first, each entry naming its colour.
void TestValueDialog::toleranceList()
{
    QFETCH(SchemeId, scheme);
    QFETCH(QStringList, entries);
    m_dialog->setReading(Reading {SchemeId::ThreeBands}); // the one window with nothing to choose
    m_dialog->setReading(Reading {scheme});
    QComboBox *box = control<QComboBox>(*m_dialog, "toleranceBox");
    QStringList shownEntries;
    for (int i = 0; shown(box) && i < box->count(); ++i)
        shownEntries << box->itemText(i);
    if (QLabel *fixed = control<QLabel>(*m_dialog, "fixedToleranceLabel"); shown(fixed))
        shownEntries << fixed->text(); // where no band chooses it
    QCOMPARE(shownEntries, entries.replaceInStrings(QStringLiteral("."), point()));
}

void TestValueDialog::nearestValueAndApply()
{
    ValueDialog &d = *m_dialog;
    QSignalSpy applied(&d, &ValueDialog::applyRequested);
    type(d, QStringLiteral("5k"));
    QCOMPARE(control<QLabel>(d, "seriesLabel")->text(),
        QStringLiteral("Non è un valore normalizzato. I più vicini in E24:"));
    QCOMPARE(control<QPushButton>(d, "nearestBelowButton")->text(), QStringLiteral("4700 Ohm"));
    QCOMPARE(control<QPushButton>(d, "nearestAboveButton")->text(), QStringLiteral("5100 Ohm"));

    click(d, "nearestAboveButton");
    QCOMPARE(control<QLineEdit>(d, "valueEdit")->text(), QStringLiteral("5100"));
    QCOMPARE(names(d), (QStringList {"VERDE", "MARRONE", "ROSSO", "ORO"}));

    QComboBox *tolerance = control<QComboBox>(d, "toleranceBox");
    tolerance->setFocus();
    QTest::keyClick(tolerance, Qt::Key_Up); // 2 %
    QCOMPARE(names(d).last(), QStringLiteral("ROSSO"));
    QCOMPARE(control<QLabel>(d, "readBackLabel")->text(), QStringLiteral("5100 Ohm ± 2%"));

    click(d, "applyButton");
    QCOMPARE(applied.count(), 1);
    QCOMPARE(rows(applied, 4), (QList {5, 1, 2, 1}));
}

void TestValueDialog::refusalShownNothingApplied()
{
    ValueDialog &d = *m_dialog;
    QSignalSpy applied(&d, &ValueDialog::applyRequested);
    type(d, QStringLiteral("4.700"));
    const QString message = control<QLabel>(d, "messageLabel")->text();
    QVERIFY2(message.contains(QStringLiteral("4700 oppure 4") + point() + QStringLiteral("7")), qPrintable(message));
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
    type(d, QStringLiteral("4") + point() + QStringLiteral("99k"));
    click(d, "moreBandsButton");
    QCOMPARE(more.count(), 1);
    QCOMPARE(more.at(0).at(0).value<SchemeId>(), SchemeId::FiveBands);

    // What the main window does on that signal: the five-band window's
    // reading, nothing chosen there yet, so its usual 1 %.
    d.setReading(Reading {SchemeId::FiveBands});
    QCOMPARE(names(d), (QStringList {"GIALLO", "BIANCO", "BIANCO", "MARRONE", "MARRONE"}));
    QCOMPARE(control<QLabel>(d, "readBackLabel")->text(), QStringLiteral("4990 Ohm ± 1%"));
    // What a screen reader says of it.
    QCOMPARE(QAccessible::queryAccessibleInterface(control<QLabel>(d, "readBackLabel"))->text(QAccessible::Name),
        QStringLiteral("4990 Ohm ± 1%"));
    QVERIFY(!control<QPushButton>(d, "moreBandsButton")->isVisible());
    QTest::keyClick(control<QLineEdit>(d, "valueEdit"), Qt::Key_Return);
    QCOMPARE(applied.count(), 1);
    QCOMPARE(rows(applied, 5), (QList {4, 9, 9, 1, 0}));
}

void TestValueDialog::controlsNamed()
{
    m_dialog->setReading(Reading {SchemeId::SixBands});
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
