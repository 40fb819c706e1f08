// The identify window's own rules: the verdict line, a measurement refused
// without losing the readings, the cap on what is listed, and the reading
// chosen kept while the list changes under it.
#include "formdriver.h"
#include "identifydialog.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QSpinBox>

using namespace Velmora;
using namespace Velmora::Testing;

namespace {

// Enters the bands, each "" for not known or colours joined by '|'.
void enter(IdentifyDialog &dialog, const QStringList &bands, bool eitherEnd, const QString &measured)
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

QString text(const IdentifyDialog &dialog, const char *label)
{
    return dialog.findChild<QLabel *>(QLatin1String(label))->text();
}

} // namespace

class TestIdentifyDialog : public QObject
{
    Q_OBJECT

private slots:
    void verdict_data();
    void verdict();
    void keepsTheChosenReading();
};

void TestIdentifyDialog::verdict_data()
{
    QTest::addColumn<QStringList>("bands");
    QTest::addColumn<bool>("eitherEnd");
    QTest::addColumn<QString>("measured");
    QTest::addColumn<int>("listed");
    QTest::addColumn<QString>("verdict"); // how the line starts
    QTest::addColumn<QString>("refusal"); // how the measurement's refusal starts
    const QStringList seen {"rosso", "rosso", "nero", "nero", "marrone"};
    QTest::newRow("nothing chosen") << QStringList(4) << true << "" << 0 << "Scegliere, banda per banda"
                                    << "";
    QTest::newRow("band 1 known") << seen << false << "" << 1 << "Una sola lettura."
                                  << "";
    QTest::newRow("either end") << seen << true << "" << 2 << "2 letture: possono distinguerle solo una misura"
                                << "";
    QTest::newRow("either end, measured") << seen << true << "9,9k" << 2 << "2 letture: la misura ne lascia una sola."
                                          << "";
    QTest::newRow("measurement refused, readings kept")
        << seen << true << "4.700" << 2 << "2 letture: possono distinguerle"
        << "«4.700» è ambiguo";
    QTest::newRow("gold as every band") << QStringList(4, "oro") << false << "" << 0 << "Nessun resistore"
                                        << "";
    QTest::newRow("three digits unknown: 50 listed")
        << QStringList {"", "", "", "rosso", "marrone"} << false << "" << 50 << ""
        << "";
}

void TestIdentifyDialog::verdict()
{
    QFETCH(QStringList, bands);
    QFETCH(bool, eitherEnd);
    QFETCH(QString, measured);
    QFETCH(int, listed);
    QFETCH(QString, verdict);
    QFETCH(QString, refusal);
    IdentifyDialog dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    enter(dialog, bands, eitherEnd, measured);
    QCOMPARE(dialog.findChild<QListWidget *>(QStringLiteral("readingsList"))->count(), listed);
    QVERIFY2(text(dialog, "verdictLabel").startsWith(verdict), qPrintable(text(dialog, "verdictLabel")));
    // QString().startsWith("") is false: an empty refusal is judged apart.
    QCOMPARE(text(dialog, "refusalLabel").isEmpty(), refusal.isEmpty());
    QVERIFY2(refusal.isEmpty() || text(dialog, "refusalLabel").startsWith(refusal),
        qPrintable(text(dialog, "refusalLabel")));
    // Past the cap the line says how many are left out.
    QCOMPARE(text(dialog, "verdictLabel").contains(QStringLiteral("Ne sono elencate 50,")), listed == 50);
}

// A measurement typed after a reading was chosen re-ranks the list; the
// reading stays chosen.
void TestIdentifyDialog::keepsTheChosenReading()
{
    IdentifyDialog dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    enter(dialog, {"rosso", "rosso", "nero", "nero", "marrone"}, true, QString());
    auto *readings = dialog.findChild<QListWidget *>(QStringLiteral("readingsList"));
    clickRow(readings, 0);
    const QString chosen = readings->currentItem()->text();
    QTest::keyClicks(dialog.findChild<QLineEdit *>(QStringLiteral("measuredEdit")), QStringLiteral("9,9k"));
    QCOMPARE(readings->currentRow(), 1); // 10 kOhm confirmed, now first
    QCOMPARE(readings->currentItem()->text().section(u'\n', 0, 0), chosen.section(u'\n', 0, 0));
}

QTEST_MAIN(TestIdentifyDialog)
#include "tst_identifydialog.moc"
