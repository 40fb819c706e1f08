// The four-band inductor window against the colours every inductor table
// gives alike, written out here: the lists, and the value in µH as clicks on
// the colours' names give it.
#include "formdriver.h"

#include "schemeregistry.h"

using namespace Velmora;
using namespace Velmora::Testing;

namespace {

const QStringList Digits {
    "nero", "marrone", "rosso", "arancio", "giallo", "verde", "azzurro", "viola", "grigio", "bianco"};
const QStringList Multipliers {"nero", "marrone", "rosso", "arancio", "giallo", "oro", "argento"};
const QStringList Tolerances {"oro", "argento"};

void clickColour(BandForm &form, int band, const QString &colour)
{
    BandList *list = form.list(band);
    const auto items = list->findItems(colour, Qt::MatchExactly);
    QVERIFY2(items.size() == 1, qPrintable(colour));
    clickRow(list, list->row(items.constFirst()));
}

} // namespace

class TestInductorForm : public QObject
{
    Q_OBJECT

private slots:
    void lists();
    void result_data();
    void result();
};

void TestInductorForm::lists()
{
    BandForm form(Layout::layoutOf(SchemeId::InductorFourBands));
    QCOMPARE(form.size(), QSize(433, 421));
    const QList<QStringList> want {Digits.mid(1), Digits, Multipliers, Tolerances};
    for (int band = 1; band <= 4; ++band) {
        QStringList texts;
        for (int row = 0; row < form.list(band)->count(); ++row)
            texts << form.list(band)->item(row)->text();
        QCOMPARE(texts, want[band - 1]);
    }
    QStringList labels;
    for (const QLabel *l : form.findChildren<QLabel *>())
        labels << l->text();
    QVERIFY(labels.contains("VELMORA induttore"));
    QVERIFY(labels.contains("Valore induttanza"));
    QCOMPARE(command(form, 1)->text(), "CALCOLA VALORE INDUTTANZA");
}

void TestInductorForm::result_data()
{
    QTest::addColumn<QString>("colours");
    QTest::addColumn<QString>("line"); // '.' for the locale's separator
    QTest::newRow("4.7 µH") << "giallo viola oro argento"
                            << "4.7 µH ± 10%";
    QTest::newRow("100 µH") << "marrone nero marrone oro"
                            << "100 µH ± 5%";
    QTest::newRow("10 µH") << "marrone nero nero argento"
                           << "10 µH ± 10%";
    QTest::newRow("0.1 µH") << "marrone nero argento oro"
                            << "0.1 µH ± 5%";
    QTest::newRow("widest") << "bianco bianco giallo argento"
                            << "990000 µH ± 10%";
}

// The line once CALCOLA is pressed, as Copia valore takes it, every text
// inside its label.
void TestInductorForm::result()
{
    QFETCH(QString, colours);
    QFETCH(QString, line);
    BandForm form(Layout::layoutOf(SchemeId::InductorFourBands));
    form.show();
    const QStringList names = colours.split(u' ');
    for (int band = 1; band <= 4; ++band)
        clickColour(form, band, names[band - 1]);
    clickButton(form, 1);
    QCOMPARE(form.resultText(), line.replace(QLatin1Char('.'), expectedPoint()));
    QCOMPARE(form.colourName(4)->text(), names[3].toUpper());
    for (const QLabel *l : form.findChildren<QLabel *>())
        if (shown(l) && !l->text().isEmpty())
            QVERIFY2(QFontMetrics(l->font()).horizontalAdvance(l->text()) <= l->width(), qPrintable(l->text()));
}

QTEST_MAIN(TestInductorForm)
#include "tst_inductorform.moc"
