// The window's handlers in process, each through the signal that runs it and
// up to the end of the repaint it causes. Every iteration starts from the
// state its handler changes (set up untimed) and is timed on its own.
#include "bandlist.h"
#include "form1.h"
#include "identifydialog.h"
#include "schemeregistry.h"
#include "valuedialog.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QWindow>

#include <benchmark/benchmark.h>

#include <ctime>
#include <functional>

namespace {

using namespace Velmora;

// Counts the paints a handler causes, so that a run that repainted nothing
// reports an error rather than a flattering time.
class PaintCounter : public QObject
{
public:
    using QObject::QObject;
    int count = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++count;
        return false;
    }
};

BandForm *g_form = nullptr;
// The five- and six-band forms, for a band change in each.
std::array<BandForm *, 2> g_wideForms {};
PaintCounter *g_paints = nullptr;

QPushButton *command(int n)
{
    return g_form->findChild<QPushButton *>(QStringLiteral("Command%1").arg(n));
}

// Posted work, the repaint among it, runs as the event loop would run it.
void settle()
{
    QCoreApplication::sendPostedEvents();
}

// 4700 Ohm ± 5% on show (giallo viola rosso oro); on a wider form, 4720 Ohm
// with its first tolerance and coefficient.
void showValue(BandForm *form = g_form)
{
    constexpr std::array rows {4, 7, 2, 1, 0, 0};
    for (int band = 1; band <= form->bandCount(); ++band)
        form->list(band)->setCurrentRow(rows[std::size_t(band - 1)]);
    form->findChild<QPushButton *>(QStringLiteral("Command1"))->click();
    settle();
}

qint64 threadCpuNs()
{
    timespec ts {};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return qint64(ts.tv_sec) * 1'000'000'000 + ts.tv_nsec;
}

struct StepTime {
    qint64 wallNs = 0;
    // Stands still while the thread waits for a core, which on a shared
    // machine wall time does not.
    qint64 cpuNs = 0;
};

// What is timed, kept out of line so that a profiler can count it alone
// (valgrind --tool=callgrind --toggle-collect='*timedStep*').
[[gnu::noinline]] StepTime timedStep(const std::function<void()> &act)
{
    const qint64 cpu = threadCpuNs();
    QElapsedTimer timer;
    timer.start();
    act();
    settle();
    const qint64 wall = timer.nsecsElapsed();
    return {wall, threadCpuNs() - cpu};
}

void measure(benchmark::State &state, const std::function<void()> &setUp, const std::function<void()> &act)
{
    double cpuSeconds = 0;
    for (auto _ : state) {
        setUp();
        settle();
        const int paintsBefore = g_paints->count;
        const StepTime step = timedStep(act);
        state.SetIterationTime(double(step.wallNs) * 1e-9);
        cpuSeconds += double(step.cpuNs) * 1e-9;
        if (g_paints->count == paintsBefore) {
            state.SkipWithError("the handler repainted nothing");
            break;
        }
    }
    state.counters["cpu_us"] = benchmark::Counter(cpuSeconds * 1e6, benchmark::Counter::kAvgIterations);
}

// A value on show; List3 switches between rosso and arancio, so the band's
// handler paints its swatch, names it and recomputes the value.
void selectBand(benchmark::State &state)
{
    showValue();
    int row = 2;
    measure(
        state, [] {}, [&row] { g_form->list(3)->setCurrentRow(row = 5 - row); });
    if (g_form->valueLabel()->text().isEmpty())
        state.SkipWithError("no value on show");
}

// The same on the five- and six-band forms: band 3 is their last digit.
void selectWideBand(benchmark::State &state, BandForm *form)
{
    showValue(form);
    int row = 2;
    measure(
        state, [] {}, [form, &row] { form->list(3)->setCurrentRow(row = 5 - row); });
    if (form->resultText().isEmpty())
        state.SkipWithError("no value on show");
}

// From four chosen bands to the value on show.
void calculate(benchmark::State &state)
{
    measure(
        state,
        [] {
            command(2)->click();
            for (int band = 1; band <= 4; ++band)
                g_form->list(band)->setCurrentRow(std::array {4, 7, 2, 0}[std::size_t(band - 1)]);
        },
        [] { command(1)->click(); });
    if (g_form->valueLabel()->text().isEmpty())
        state.SkipWithError("Calculate showed no value");
}

// From a value on show to the start state.
void clearAll(benchmark::State &state)
{
    measure(
        state, [] { showValue(); }, [] { command(2)->click(); });
    if (!g_form->valueLabel()->text().isEmpty())
        state.SkipWithError("ClearAll left the value");
}

// One keystroke in the value dialog's field, alternately a digit and
// Backspace ("4K" <-> "4K7"): the value read, the bands and names, the read
// back and the series updated and repainted.
// The dialog lives only while its own benchmark runs, so that the other
// handlers are measured as the program runs them, with no dialog open.
void valueKeystroke(benchmark::State &state)
{
    ValueDialog dialog(g_form);
    dialog.show();
    while (!dialog.windowHandle()->isExposed())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    settle();
    auto *edit = dialog.findChild<QLineEdit *>(QStringLiteral("valueEdit"));
    edit->setText(QStringLiteral("4K"));
    settle();
    measure(
        state, [] {},
        [edit] {
            const bool add = edit->text().size() == 2;
            QKeyEvent press(QEvent::KeyPress, add ? Qt::Key_7 : Qt::Key_Backspace, Qt::NoModifier,
                add ? QStringLiteral("7") : QString());
            QCoreApplication::sendEvent(edit, &press);
        });
    if (edit->text() != u"4K" && edit->text() != u"4K7")
        state.SkipWithError("the keystrokes did not reach the field");
}

// One colour toggled in the identify window, in its worst case: six bands,
// two unknown, four each between two colours, either end first; the band
// 1 list alternates between two colours and three. The readings are found
// again, listed and repainted.
void identifyToggle(benchmark::State &state)
{
    IdentifyDialog dialog(g_form);
    dialog.findChild<QSpinBox *>(QStringLiteral("bandCountBox"))->setValue(6);
    std::array<QListWidget *, 4> uncertain {};
    for (int band = 1; band <= 4; ++band) {
        uncertain[std::size_t(band - 1)] = dialog.findChild<QListWidget *>(QStringLiteral("band%1List").arg(band));
        for (int colour : {band, band + 1})
            uncertain[std::size_t(band - 1)]->item(colour)->setSelected(true);
    }
    dialog.show();
    while (!dialog.windowHandle()->isExposed())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    settle();
    QListWidgetItem *toggled = uncertain[0]->item(int(Colour::Yellow));
    measure(
        state, [] {}, [toggled] { toggled->setSelected(!toggled->isSelected()); });
    if (dialog.findChild<QListWidget *>(QStringLiteral("readingsList"))->count() == 0)
        state.SkipWithError("no reading listed");
}

// The floor: the same kinds of change in bare Qt widgets of the same sizes
// and fonts, with nothing of ours in them.
std::array<QListWidget *, 4> g_floorLists {};
QLabel *g_floorLabel = nullptr;

void floorListRow(benchmark::State &state)
{
    QListWidget *list = g_floorLists[2];
    measure(
        state, [] {}, [list] { list->setCurrentRow(list->currentRow() == 3 ? 2 : 3); });
}

// What ClearAll must repaint in its lists, and nothing else.
void floorListsCleared(benchmark::State &state)
{
    measure(
        state,
        [] {
            for (QListWidget *list : g_floorLists)
                list->setCurrentRow(1);
        },
        [] {
            for (QListWidget *list : g_floorLists) {
                list->clearSelection();
                list->setCurrentIndex(QModelIndex());
            }
        });
}

void floorLabelText(benchmark::State &state)
{
    measure(
        state, [] {},
        [] {
            g_floorLabel->setText(g_floorLabel->text() == u"4700" ? QStringLiteral("47000") : QStringLiteral("4700"));
        });
}

void showFloor(QWidget &window)
{
    QFont font;
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
    font.setPixelSize(11);
    window.setFont(font);
    window.setFixedSize(433, 421);
    for (std::size_t i = 0; i < g_floorLists.size(); ++i) {
        auto *list = new QListWidget(&window);
        list->setGeometry(16 + int(i) * 104, 128, 81, 134);
        for (const char *colour : {"nero", "marrone", "rosso", "arancio", "giallo", "verde", "blu", "viola", "grigio",
                 "bianco", "oro", "argento"})
            list->addItem(QString::fromLatin1(colour));
        // As the band lists are set up, so that only the painting differs.
        list->setUniformItemSizes(true);
        list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        for (int row = 0; row < list->count(); ++row)
            list->item(row)->setSizeHint(QSize(0, 13));
        g_floorLists[i] = list;
    }
    g_floorLabel = new QLabel(&window);
    g_floorLabel->setGeometry(168, 360, 89, 25);
    font.setPixelSize(18);
    font.setWeight(QFont::Bold);
    g_floorLabel->setFont(font);
    window.show();
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    Form1 form;
    form.show();
    while (!form.windowHandle()->isExposed())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    settle();

    QWidget floor;
    showFloor(floor);
    while (!floor.windowHandle()->isExposed())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    settle();

    BandForm five(Layout::layoutOf(SchemeId::FiveBands));
    BandForm six(Layout::layoutOf(SchemeId::SixBands));
    for (BandForm *wide : {&five, &six}) {
        wide->show();
        while (!wide->windowHandle()->isExposed())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    settle();
    g_wideForms = {&five, &six};

    g_form = &form;
    PaintCounter paints;
    g_paints = &paints;
    app.installEventFilter(&paints);

    for (auto [name, function] :
        {std::pair {"select band 3, live recompute", &selectBand}, std::pair {"Calculate", &calculate},
            std::pair {"ClearAll", &clearAll}, std::pair {"value dialog: one keystroke", &valueKeystroke},
            std::pair {"identify window: one colour toggled, worst case", &identifyToggle},
            std::pair {"Qt floor: list row change", &floorListRow},
            std::pair {"Qt floor: four lists cleared", &floorListsCleared},
            std::pair {"Qt floor: label text change", &floorLabelText}})
        benchmark::RegisterBenchmark(name, function)->UseManualTime()->Unit(benchmark::kMicrosecond);
    for (BandForm *wide : g_wideForms)
        benchmark::RegisterBenchmark(
            QStringLiteral("select band 3, %1 bands").arg(wide->bandCount()).toUtf8().constData(),
            [wide](benchmark::State &state) { selectWideBand(state, wide); })
            ->UseManualTime()
            ->Unit(benchmark::kMicrosecond);

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
