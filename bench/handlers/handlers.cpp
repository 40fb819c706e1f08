// The window's handlers in process, each through the signal that runs it and
// up to the end of the repaint it causes. Every iteration starts from the
// state its handler changes (set up untimed) and is timed on its own.
#include "bandlist.h"
#include "form1.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QWindow>

#include <benchmark/benchmark.h>

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

Form1 *g_form = nullptr;
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

// 4700 Ohm ± 5% on show (giallo viola rosso oro).
void showValue()
{
    for (int band = 1; band <= 4; ++band)
        g_form->list(band)->setCurrentRow(std::array {4, 7, 2, 0}[std::size_t(band - 1)]);
    command(1)->click();
    settle();
}

// What is timed, kept out of line so that a profiler can count it alone
// (valgrind --tool=callgrind --toggle-collect='*timedStep*').
[[gnu::noinline]] qint64 timedStep(const std::function<void()> &act)
{
    QElapsedTimer timer;
    timer.start();
    act();
    settle();
    return timer.nsecsElapsed();
}

void measure(benchmark::State &state, const std::function<void()> &setUp, const std::function<void()> &act)
{
    for (auto _ : state) {
        setUp();
        settle();
        const int paintsBefore = g_paints->count;
        state.SetIterationTime(double(timedStep(act)) * 1e-9);
        if (g_paints->count == paintsBefore) {
            state.SkipWithError("the handler repainted nothing");
            break;
        }
    }
}

// A value on show; List3 switches between rosso and arancio, so the band's
// handler paints its swatch, names it and recomputes the value.
void selectBand(benchmark::State &state)
{
    showValue();
    int row = 2;
    measure(
        state, [] {}, [&row] { g_form->list(3)->setCurrentRow(row = 5 - row); });
    if (g_form->label(9)->text().isEmpty())
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
    if (g_form->label(9)->text().isEmpty())
        state.SkipWithError("Calculate showed no value");
}

// From a value on show to the start state.
void clearAll(benchmark::State &state)
{
    measure(state, showValue, [] { command(2)->click(); });
    if (!g_form->label(9)->text().isEmpty())
        state.SkipWithError("ClearAll left the value");
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

    g_form = &form;
    PaintCounter paints;
    g_paints = &paints;
    app.installEventFilter(&paints);

    for (auto [name, function] : {std::pair {"select band 3, live recompute", &selectBand},
             std::pair {"Calculate", &calculate}, std::pair {"ClearAll", &clearAll}})
        benchmark::RegisterBenchmark(name, function)->UseManualTime()->Unit(benchmark::kMicrosecond);

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
