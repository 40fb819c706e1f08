#include "bandlist.h"
#include "form1.h"
#include "modelcheck.h"
#include "windowdriver.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QLocale>
#include <QRandomGenerator>
#include <QTest>

using namespace Velmora;
using namespace Velmora::Testing;

namespace {

// The separator the user's locale asks for, read from the environment the
// POSIX way rather than from what the program asked Qt.
QString decimalPointFromEnvironment()
{
    for (const char *variable : {"LC_ALL", "LC_NUMERIC", "LANG"}) {
        const QString value = qEnvironmentVariable(variable);
        if (!value.isEmpty())
            return QLocale(value.section(QLatin1Char('.'), 0, 0)).decimalPoint();
    }
    return QStringLiteral(".");
}

QColor background()
{
    return QApplication::palette().color(QPalette::Window);
}

quint64 numberFromEnvironment(const char *variable, quint64 otherwise)
{
    bool ok = false;
    const quint64 n = qEnvironmentVariable(variable).toULongLong(&ok);
    return ok ? n : otherwise;
}

void printSequence(const QList<UserAction> &actions)
{
    for (qsizetype i = 0; i < actions.size(); ++i)
        qInfo().noquote() << QStringLiteral("  %1. %2").arg(i + 1).arg(actions[i].describe());
    qInfo().noquote() << QStringLiteral("Replay with: VELMORA_REPLAY='%1'").arg(tokens(actions));
}

} // namespace

class TestRandomUse : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void details_data();
    void details();
    void randomUse();
    void findsAndShrinksAPlantedFault();
};

namespace {
QtMessageHandler g_nextHandler = nullptr;
}

void TestRandomUse::initTestCase()
{
    // The offscreen platform says so for every box shown; thousands of
    // them would crowd out the run's own report.
    g_nextHandler = qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &context, const QString &text) {
        if (text != QLatin1String("This plugin does not support propagateSizeHints()"))
            g_nextHandler(type, context, text);
    });
}

// Fixed walks through the details that are easy to get wrong, checked
// against the model like the random ones.
void TestRandomUse::details_data()
{
    QTest::addColumn<QString>("actions");

    QTest::newRow("first Down chooses the first entry") << "Down/R Down/R Tab/R Down/R";
    QTest::newRow("first Up chooses the first entry") << "Tab/R Tab/R Up/R Up/R";
    QTest::newRow("first Home, End, Page Up or Page Down chooses")
        << "Home/R Tab/R End/R Tab/R PageUp/R Tab/R PageDown/R";
    QTest::newRow("walking off both ends") << "Tab/R End/R Down/R PageDown/R Home/R Up/R PageUp/R";
    QTest::newRow("arrows between the buttons move like Tab")
        << "Tab/R Tab/R Tab/R Tab/R Home/R End/R Down/R Down/R Up/R Up/R Right/R Right/R Left/R Left/R Left/R";
    QTest::newRow("left and right in a list do nothing") << "Left/R Right/R Down/R Right/R Left/R";
    QTest::newRow("tab order wraps both ways") << "Tab/R Tab/R Tab/R Tab/R Tab/R Tab/R Backtab/R Backtab/R";
    QTest::newRow("Enter in a list presses Command1") << "c1:4/R c2:7/R c3:2/R c4:0/R Return/R";
    QTest::newRow("keypad Enter too") << "c1:4/R c2:7/R c3:7/R c4:0/R Enter/R";
    QTest::newRow("box at start, each way to close it") << "Return/R Enter/N B1/E Space/S";
    QTest::newRow("Space and Enter press the focused button")
        << "c1:1/R c2:0/R c3:3/R c4:2/R Tab/R Tab/R Space/R Tab/R Return/R Space/S Backtab/R Return/R";
    QTest::newRow("Ctrl takes no band away") << "c2:4/R x2:4/R CtrlSpace/R d2:4/R x2:6/R";
    QTest::newRow("blank below the entries takes no band away") << "c4:1/R b4/R c3:8/R b3/R";
    QTest::newRow("live recompute, tolerance at once")
        << "c1:2/R c2:2/R c3:2/R c4:1/R B1/R c2:4/R c3:8/R c1:9/R c4:2/R Home/R";
    QTest::newRow("clear, then a box, then a fresh value")
        << "c1:4/R c2:7/R c3:3/R c4:0/R B1/R B2/R B1/E c1:0/R c2:5/R c3:0/R c4:1/R B1/R";
    QTest::newRow("the window behind a box takes nothing") << "c1:4/R B1/R! Tab/R B1/S!";
    // Focus by mouse leaves the cursor off the list; the activation that
    // follows a box parks it on the first entry, where Space chooses it.
    QTest::newRow("Space with and without a cursor") << "B2/R b4/R Space/R Return/N! Space/R";
    QTest::newRow("other forms come and go, this one stays") << "c1:4/R Tab/R S5/R c2:7/R S6/R B1/R Tab/R S5/R";
    QTest::newRow("values applied, live with a value on show") << "V0/R c4:2/R B1/R V1/R V7/R Tab/R V4/R";
    QTest::newRow("after Cancella the dialog offers the usual 5 %") << "V1/N c4:2/R B2/N V5/S";
}

void TestRandomUse::details()
{
    QFETCH(QString, actions);
    const auto parsed = parseTokens(actions);
    QVERIFY(parsed);
    WindowDriver driver;
    ModelCheck check(driver, background(), decimalPointFromEnvironment());
    if (const auto d = check.replay(*parsed))
        QFAIL(qPrintable(QStringLiteral("after action %1 (%2): %3")
                             .arg(d->step + 1)
                             .arg(parsed->at(d->step).describe(), d->differences.join(QStringLiteral("; ")))));
}

// VELMORA_SEED and VELMORA_ACTIONS replay a run; VELMORA_REPLAY replays a
// printed sequence.
void TestRandomUse::randomUse()
{
    const quint64 seed = numberFromEnvironment("VELMORA_SEED", QRandomGenerator::system()->generate64());
    const auto count = qsizetype(numberFromEnvironment("VELMORA_ACTIONS", 10000));
    const int shrinkSeconds = int(numberFromEnvironment("VELMORA_SHRINK_SECONDS", 120));

    WindowDriver driver;
    ModelCheck check(driver, background(), decimalPointFromEnvironment());
    QList<UserAction> done;
    std::optional<Divergence> divergence;
    QElapsedTimer clock;
    clock.start();

    if (qEnvironmentVariableIsSet("VELMORA_REPLAY")) {
        const auto given = parseTokens(qEnvironmentVariable("VELMORA_REPLAY"));
        QVERIFY2(given, "VELMORA_REPLAY does not read as actions");
        done = *given;
        qInfo().noquote() << QStringLiteral("Replaying %1 actions").arg(done.size());
        divergence = check.replay(done);
    } else {
        qInfo().noquote() << QStringLiteral("VELMORA_SEED=%1 VELMORA_ACTIONS=%2").arg(seed).arg(count);
        std::mt19937_64 rng(seed);
        divergence = check.explore(rng, count, done);
    }
    const qint64 ms = clock.elapsed();

    if (!divergence) {
        qInfo().noquote() << QStringLiteral(
            "%1 actions, %2 boxes, activation handed back %3 times, %4 s (%5 us an action)")
                                 .arg(done.size())
                                 .arg(driver.view(false).boxes)
                                 .arg(driver.activationsHandedBack())
                                 .arg(double(ms) / 1000, 0, 'f', 1)
                                 .arg(done.isEmpty() ? 0 : ms * 1000 / done.size());
        return;
    }

    qInfo().noquote() << QStringLiteral("Window and model differ after action %1:").arg(divergence->step + 1);
    for (const QString &d : divergence->differences)
        qInfo().noquote() << "  " + d;
    if (divergence->step >= 0) {
        done = done.first(divergence->step + 1);
        clock.restart();
        const QList<UserAction> shortest = check.shrink(done, shrinkSeconds);
        const auto again = check.replay(shortest);
        qInfo().noquote() << QStringLiteral(
            "Shortest sequence found: %1 of the %2 actions (%3 replays, %4 s), which gives:")
                                 .arg(shortest.size())
                                 .arg(done.size())
                                 .arg(check.replays())
                                 .arg(double(clock.elapsed()) / 1000, 0, 'f', 1);
        for (const QString &d : again ? again->differences : QStringList {QStringLiteral("(no longer diverges)")})
            qInfo().noquote() << "  " + d;
        printSequence(shortest);
    }
    QFAIL("the window did what the model does not allow");
}

// A fault planted in the window must be found, and cut down to the two
// actions that show it. Only that fault is judged, so that another one in
// the program fails the other tests, not this one.
void TestRandomUse::findsAndShrinksAPlantedFault()
{
    WindowDriver driver([](Form1 &form) {
        QObject::connect(form.list(4), &QListWidget::itemSelectionChanged, &form, [&form] {
            if (form.list(4)->currentRow() == 2 && form.list(2)->currentRow() == 7)
                form.label(8)->setText(QStringLiteral("MARRONI"));
        });
    });
    ModelCheck check(driver, background(), decimalPointFromEnvironment());
    check.judgeOnly([](const QString &d) { return d.contains(QLatin1String("MARRONI")); });
    std::mt19937_64 rng(20240601);
    QList<UserAction> done;
    const auto found = check.explore(rng, 20000, done);
    QVERIFY(found);
    QVERIFY(found->differences.contains(QStringLiteral("Label8 text: window \"MARRONI\", model \"MARRONE\"")));

    const QList<UserAction> shortest = check.shrink(done.first(found->step + 1), 60);
    QCOMPARE(shortest.size(), 2);
    QCOMPARE(shortest[0].target, 2);
    QCOMPARE(shortest[0].row, 7);
    QCOMPARE(shortest[1].token().left(4), "c4:2");
    QVERIFY(check.replay(shortest));
}

QTEST_MAIN(TestRandomUse)
#include "tst_randomuse.moc"
