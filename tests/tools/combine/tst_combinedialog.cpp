// The combination dialog as the Strumenti menu builds it, over a context:
// typing, the live answers, the drawer, a divider, the bands drawn, the
// keyboard.
#include "combinetool.h"
#include "networkview.h"
#include "toolcontext.h"
#include "tooldialog.h"

#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTest>

using namespace Velmora;

namespace {

template<typename T> T *control(const QWidget *d, const QString &name)
{
    auto *w = d->findChild<T *>(name);
    if (!w)
        qFatal("no control %s", qPrintable(name));
    return w;
}

// "4.7" as the locale writes it: only a point between digits.
QString localised(QString text)
{
    const QString point = qEnvironmentVariable("LC_ALL").startsWith(QLatin1String("it")) ? "," : ".";
    return text.replace(QRegularExpression(QStringLiteral("(\\d)\\.(\\d)")), QStringLiteral("\\1") + point + "\\2");
}

// The message, then each answer's title and details.
QStringList shown(const QWidget *d)
{
    QStringList texts {control<QLabel>(d, "messageLabel")->text()};
    for (int n = 1; n <= 4; ++n)
        for (const char *part : {"Title", "Details"})
            if (auto *label = control<QLabel>(d, QStringLiteral("answer%1%2").arg(n).arg(part)); label->isVisible())
                texts << label->text();
    return texts;
}

QSet<QRgb> colours(QWidget *w)
{
    const QImage image = w->grab().toImage();
    QSet<QRgb> found;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            found.insert(image.pixel(x, y) & 0xFFFFFF);
    return found;
}

} // namespace

class TestCombineDialog : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void answers_data();
    void answers();
    void latestTypingWins();
    void followsTheDrawer();
    void bandsOfTheWindowOnShow();
    void mnemonics_data();
    void mnemonics();

private:
    void type(const char *field, const QString &text);
    void choose(const QString &source, int parts);

    QWidget *m_window = nullptr;
    ToolContext *m_context = nullptr;
    ToolDialog *m_dialog = nullptr;
};

void TestCombineDialog::init()
{
    m_window = new QWidget;
    m_context = new ToolContext(m_window);
    Drawer drawer;
    drawer.add({1, 3}, 1);
    drawer.add({22, 2}, 2);
    m_context->setDrawer(drawer);
    m_dialog = combineTool().create(*m_context);
    m_dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_dialog));
}

void TestCombineDialog::cleanup()
{
    delete m_window;
}

void TestCombineDialog::type(const char *field, const QString &text)
{
    auto *edit = control<QLineEdit>(m_dialog, QLatin1String(field));
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, text);
}

void TestCombineDialog::choose(const QString &source, int parts)
{
    auto *box = control<QComboBox>(m_dialog, "sourceBox");
    box->setCurrentIndex(box->findText(source));
    QVERIFY(box->currentIndex() >= 0);
    control<QSpinBox>(m_dialog, "mostPartsBox")->setValue(parts);
}

void TestCombineDialog::answers_data()
{
    QTest::addColumn<bool>("divider");
    QTest::addColumn<QStringList>("typed"); // field, text, field, text...
    QTest::addColumn<QString>("source");
    QTest::addColumn<int>("parts");
    QTest::addColumn<QStringList>("expected"); // as shown() gives, "." for the point
    QTest::addColumn<QString>("words"); // what a screen reader hears of the last schematic

    QTest::newRow("9k from E6") << false << QStringList {"targetEdit", "9k"} << "E6" << 3
                                << QStringList {"", "1 parte: 10000",
                                       "10000 Ohm, errore +1000 Ohm (+11.1%). Con le tolleranze (± 20%) da 8000 a "
                                       "12000 Ohm.",
                                       "2 parti: 2200 + 6800",
                                       "9000 Ohm, esatto. Con le tolleranze (± 20%) da 7200 a 10800 Ohm."}
                                << "Schema: 2200 Ohm in serie con 6800 Ohm";
    QTest::newRow("4K7, a part") << false << QStringList {"targetEdit", "4K7"} << "E24" << 3
                                 << QStringList {"", "1 parte: 4700",
                                        "4700 Ohm, esatto. Con le tolleranze (± 5%) da 4465 a 4935 Ohm."}
                                 << "Schema: 4700 Ohm";
    QTest::newRow("700 from E3, inexact")
        << false << QStringList {"targetEdit", "700"} << "E3" << 2
        << QStringList {"", "1 parte: 470",
               "470 Ohm, errore −230 Ohm (−32.9%). Con le tolleranze (± 40%) da 282 a 658 Ohm.", "2 parti: 220 + 470",
               "690 Ohm, errore −10 Ohm (−1.43%). Con le tolleranze (± 40%) da 414 a 966 Ohm."}
        << "Schema: 220 Ohm in serie con 470 Ohm";
    // Each 2200 twice at most, 1000 once: 1000 + 1000 is not to be had.
    QTest::newRow("2000 from the drawer")
        << false << QStringList {"targetEdit", "2000"} << "Il mio cassetto" << 3
        << QStringList {"", "1 parte: 2200",
               "2200 Ohm, errore +200 Ohm (+10%). Con le tolleranze (± 5%) da 2090 a 2310 Ohm.",
               "2 parti: 2200 || 2200",
               "1100 Ohm, errore −900 Ohm (−45%). Con le tolleranze (± 5%) da 1045 a 1155 Ohm.",
               "3 parti: (2200 || 2200) + 1000",
               "2100 Ohm, errore +100 Ohm (+5%). Con le tolleranze (± 5%) da 1995 a 2205 Ohm."}
        << "Schema: (2200 Ohm in parallelo con 2200 Ohm) in serie con 1000 Ohm";
    QTest::newRow("5 V to 3.3 V") << true << QStringList {"vinEdit", "5", "voutEdit", "3.3 V"} << "E24" << 2
                                  << QStringList {"", "2 parti: sopra 4700, sotto 9100",
                                         "Rapporto 0.65942 (errore −0.0878%): 3.2971 V in uscita da 5 V, 362 µA su "
                                         "13800 Ohm in tutto. Con le tolleranze (± 5%): uscita da 3.183 a 3.4076 V, "
                                         "sopra da 4465 a 4935 Ohm, sotto da 8645 a 9555 Ohm."}
                                  << "Schema: sopra 4700 Ohm; sotto 9100 Ohm";
    const auto refused = [](const char *name, bool divider, const QStringList &typed, const char *message) {
        QTest::newRow(name) << divider << typed << "E24" << 3 << QStringList {message} << "";
    };
    refused("negative", false, {"targetEdit", "-470"},
        "Una resistenza non è mai negativa: scrivere il valore senza il segno meno.");
    refused("zero", false, {"targetEdit", "0"}, "Nessuna rete di resistori fa 0 Ohm: basta un ponticello.");
    refused("range reversed", false, {"targetEdit", "4K7", "lowestEdit", "10k", "highestEdit", "1k"},
        "Il valore più basso delle parti supera il più alto.");
    refused("part of 0 Ohm", false, {"targetEdit", "4K7", "lowestEdit", "0"},
        "Parti da: Il valore deve essere sopra 0 Ohm.");
    refused("Vout above Vin", true, {"vinEdit", "5", "voutEdit", "12"},
        "La tensione in uscita di un partitore sta tra 0 V e quella in ingresso, esclusi.");
    refused(
        "no voltage", true, {"vinEdit", "cinque"}, "«cinque» non è una tensione: scrivere per esempio 5 oppure 3.3 V.");
    refused("no divider within the total", true,
        {"vinEdit", "5", "voutEdit", "3.3", "totalLowestEdit", "1", "totalHighestEdit", "1"},
        "Nessun partitore di queste parti ha il totale tra i valori scelti.");
}

void TestCombineDialog::answers()
{
    QFETCH(bool, divider);
    QFETCH(QStringList, typed);
    QFETCH(QString, source);
    QFETCH(int, parts);
    QFETCH(QStringList, expected);
    QFETCH(QString, words);
    if (divider)
        QTest::mouseClick(control<QRadioButton>(m_dialog, "dividerModeButton"), Qt::LeftButton);
    choose(source, parts);
    for (qsizetype i = 0; i + 1 < typed.size(); i += 2)
        type(qPrintable(typed[i]), localised(typed[i + 1]));
    for (QString &text : expected)
        text = localised(text);
    QTRY_COMPARE(shown(m_dialog), expected);
    // Read by screen readers as shown.
    for (const QLabel *label : m_dialog->findChildren<QLabel *>(QRegularExpression("^answer|^message")))
        QCOMPARE(
            QAccessible::queryAccessibleInterface(const_cast<QLabel *>(label))->text(QAccessible::Name), label->text());
    const int last = int(expected.size() - 1) / 2;
    // Each answer reads downwards: its title, its schematic, its details,
    // then the next answer's title.
    for (int n = 1; n <= last; ++n) {
        const int title = control<QLabel>(m_dialog, QStringLiteral("answer%1Title").arg(n))->geometry().bottom();
        const QRect schematic = control<NetworkView>(m_dialog, QStringLiteral("answer%1Schematic").arg(n))->geometry();
        const QRect details = control<QLabel>(m_dialog, QStringLiteral("answer%1Details").arg(n))->geometry();
        QVERIFY2(title < schematic.top() && schematic.bottom() < details.top(), qPrintable(QString::number(n)));
        if (n < last)
            QVERIFY(details.bottom()
                < control<QLabel>(m_dialog, QStringLiteral("answer%1Title").arg(n + 1))->geometry().top());
    }
    if (last > 0)
        QCOMPARE(
            control<NetworkView>(m_dialog, QStringLiteral("answer%1Schematic").arg(last))->accessibleName(), words);
}

// A search overtaken by typing never shows: its answers are for a target
// no longer in the field.
void TestCombineDialog::latestTypingWins()
{
    choose(QStringLiteral("E192"), 4);
    type("targetEdit", localised("1.37k"));
    QCOMPARE(control<QLabel>(m_dialog, "messageLabel")->text(), QStringLiteral("Ricerca…"));
    control<QSpinBox>(m_dialog, "mostPartsBox")->setValue(1);
    type("targetEdit", QStringLiteral("4K7"));
    const QStringList expected {
        "", "1 parte: 4700", localised("4700 Ohm, esatto. Con le tolleranze (± 0.5%) da 4676.5 a 4723.5 Ohm.")};
    QTRY_COMPARE(shown(m_dialog), expected);
    QTest::qWait(300);
    QCOMPARE(shown(m_dialog), expected);
}

void TestCombineDialog::followsTheDrawer()
{
    choose(QStringLiteral("Il mio cassetto"), 3);
    QVERIFY(!control<QLineEdit>(m_dialog, "lowestEdit")->isEnabled());
    type("targetEdit", QStringLiteral("4K7"));
    Drawer drawer;
    drawer.add({47, 2}, 1);
    m_context->setDrawer(drawer);
    QTRY_COMPARE(shown(m_dialog),
        (QStringList {"", "1 parte: 4700", "4700 Ohm, esatto. Con le tolleranze (± 5%) da 4465 a 4935 Ohm."}));
    m_context->setDrawer(Drawer {});
    QTRY_COMPARE(shown(m_dialog), QStringList {"Il cassetto è vuoto: aggiungere le parti da File → Il mio cassetto…"});
}

// 4990 Ohm has three figures: four bands cannot spell it, five can.
void TestCombineDialog::bandsOfTheWindowOnShow()
{
    choose(QStringLiteral("E96"), 1);
    type("targetEdit", localised("4.99k"));
    auto *schematic = control<NetworkView>(m_dialog, "answer1Schematic");
    QTRY_COMPARE(shown(m_dialog).value(1), "1 parte: 4990");
    constexpr QRgb Yellow = 0xFFFF00, Brown = 0x804000;
    QVERIFY(!colours(schematic).contains(Yellow));
    QCOMPARE(schematic->accessibleDescription(), "4990 Ohm, che le bande di questa finestra non scrivono");
    m_context->setReading(Reading {SchemeId::FiveBands});
    const QSet<QRgb> five = colours(schematic);
    QVERIFY(five.contains(Yellow) && five.contains(Brown));
    QCOMPARE(schematic->accessibleDescription(), "4990 Ohm: giallo, bianco, bianco, marrone, marrone");
}

void TestCombineDialog::mnemonics_data()
{
    QTest::addColumn<bool>("divider");
    QTest::addColumn<char>("key");
    QTest::addColumn<QString>("focus");
    for (auto [key, focus] : {std::pair {'O', "targetEdit"}, {'T', "sourceBox"}, {'Q', "mostPartsBox"},
             {'D', "lowestEdit"}, {'A', "highestEdit"}, {'V', "valueModeButton"}})
        QTest::addRow("value, Alt+%c", key) << false << key << focus;
    for (auto [key, focus] : {std::pair {'I', "vinEdit"}, {'U', "voutEdit"}, {'N', "totalLowestEdit"},
             {'S', "totalHighestEdit"}, {'C', "loadEdit"}, {'P', "dividerModeButton"}})
        QTest::addRow("divider, Alt+%c", key) << true << key << focus;
}

void TestCombineDialog::mnemonics()
{
    QFETCH(bool, divider);
    QFETCH(char, key);
    QFETCH(QString, focus);
    QVERIFY(QTest::qWaitForWindowActive(m_dialog));
    QTRY_COMPARE(QApplication::focusWidget()->objectName(), "targetEdit");
    control<QRadioButton>(m_dialog, divider ? "dividerModeButton" : "valueModeButton")->setChecked(true);
    QTest::keyClick(m_dialog, Qt::Key(key), Qt::AltModifier);
    QTRY_COMPARE(QApplication::focusWidget()->objectName(), focus);
}

QTEST_MAIN(TestCombineDialog)
#include "tst_combinedialog.moc"
