// The framework over a table of commands, on a command of the test's own:
// how its options are read, and how --help lays out its entry.
#include "commandarguments.h"
#include "commandtable.h"

#include <QTest>

#include <array>

using namespace Velmora;

namespace {

int answered(const CommandArguments &)
{
    return 0;
}

const TerminalCommand Trial {
    .name = QStringLiteral("prova"),
    .wordsName = QStringLiteral("PAROLA..."),
    .help = {QStringLiteral("Una prova."), QStringLiteral("Esempio: velmora prova uno")},
    .options = {{.name = QStringLiteral("--colore"),
                    .valueName = QStringLiteral("NOME"),
                    .help = {QStringLiteral("Con prova: un colore.")}},
        {.name = QStringLiteral("--vivo"), .help = {QStringLiteral("Con prova: acceso.")}},
        {.name = QStringLiteral("--lunghissimo-davvero"),
            .valueName = QStringLiteral("VALORE"),
            .help = {QStringLiteral("Con prova: oltre la colonna,"), QStringLiteral("su due righe.")}},
        {.name = QStringLiteral("--salta"),
            .valueName = QStringLiteral("N"),
            .help = {QStringLiteral("Con prova: da saltare.")},
            .repeats = true}},
    .run = answered,
};

// Another command sharing --colore, as one table entry.
const TerminalCommand Other {.name = QStringLiteral("altra"), .options = {Trial.options.front()}, .run = answered};

} // namespace

class TestCommandTable : public QObject
{
    Q_OBJECT

private slots:
    void readsOptions_data();
    void readsOptions();
    void laysOutHelp_data();
    void laysOutHelp();
    void explainsSharedOptionOnce();
};

void TestCommandTable::readsOptions_data()
{
    QTest::addColumn<QString>("arguments");
    QTest::addColumn<QString>("read"); // words|flags|option=value, or the misuse
    QTest::newRow("words") << "uno due"
                           << "uno due||";
    QTest::newRow("negative values are words") << "-470 -,5 -.5"
                                               << "-470 -,5 -.5||";
    QTest::newRow("value apart") << "--colore rosso uno"
                                 << "uno||--colore=rosso";
    QTest::newRow("value after =") << "uno --colore=rosso"
                                   << "uno||--colore=rosso";
    QTest::newRow("last value counts") << "--colore rosso --colore=verde"
                                       << "||--colore=verde";
    QTest::newRow("a repeating option keeps every value") << "--salta 1 --colore rosso --salta=2 --colore verde"
                                                          << "||--salta=1 --colore=verde --salta=2";
    QTest::newRow("flags") << "--vivo -h --json uno"
                           << "uno|--vivo help json|";
    QTest::newRow("-- ends the options") << "uno -- --vivo --colore"
                                         << "uno --vivo --colore||";
    QTest::newRow("value missing") << "uno --colore"
                                   << "manca il valore dell'opzione --colore";
    QTest::newRow("flag given a value") << "--vivo=si"
                                        << "l'opzione --vivo non vuole un valore";
    QTest::newRow("--json given a value") << "--json=1"
                                          << "l'opzione --json non vuole un valore";
    QTest::newRow("another command's option") << "uno --bande 5"
                                              << "opzione sconosciuta: --bande";
}

void TestCommandTable::readsOptions()
{
    QFETCH(QString, arguments);
    QFETCH(QString, read);
    CommandArguments parsed;
    const QString misuse = parseArguments(Trial, arguments.split(u' '), parsed);
    if (!misuse.isEmpty())
        QCOMPARE(misuse, read);
    QStringList flags = parsed.flags;
    if (parsed.help)
        flags << QStringLiteral("help");
    if (parsed.json)
        flags << QStringLiteral("json");
    QStringList values;
    for (const auto &[option, value] : parsed.values)
        values << option + u'=' + value;
    if (misuse.isEmpty())
        QCOMPARE(parsed.words.join(u' ') + u'|' + flags.join(u' ') + u'|' + values.join(u' '), read);
}

void TestCommandTable::laysOutHelp_data()
{
    QTest::addColumn<QString>("lines");
    QTest::newRow("usage wrapped at 80 columns, under the words")
        << "     velmora prova PAROLA... [--colore NOME] [--vivo]\n"
           "                   [--lunghissimo-davvero VALORE] [--salta N]... [--json]\n";
    QTest::newRow("a command, its further lines at the column") << "  prova PAROLA...   Una prova.\n"
                                                                   "                    Esempio: velmora prova uno\n";
    QTest::newRow("options padded to the column") << "\nOpzioni dei comandi:\n"
                                                     "  --colore NOME     Con prova: un colore.\n"
                                                     "  --vivo            Con prova: acceso.\n";
    QTest::newRow("a term past the column, then --json")
        << "  --lunghissimo-davvero VALORE  Con prova: oltre la colonna,\n"
           "                    su due righe.\n"
           "  --salta N         Con prova: da saltare.\n"
           "  --json            La risposta come un oggetto JSON, per gli script.\n\n";
}

void TestCommandTable::laysOutHelp()
{
    QFETCH(QString, lines);
    const QString help = helpText(CommandTable(&Trial, 1));
    QVERIFY2(help.contains(lines), qPrintable(help));
}

void TestCommandTable::explainsSharedOptionOnce()
{
    const std::array table {Trial, Other};
    const QString help = helpText(table);
    QCOMPARE(help.count(QStringLiteral("\n  --colore NOME ")), 1);
    QVERIFY2(help.contains(QStringLiteral("velmora altra  [--colore NOME] [--json]")), qPrintable(help));
}

QTEST_GUILESS_MAIN(TestCommandTable)
#include "tst_commandtable.moc"
