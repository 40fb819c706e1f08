// The value dialog's first opening, as the person meets it: the window is up,
// the dialog has never been built. Times its construction and show() up to
// the end of its first paint, once per process, and prints "open <ns>" and
// the thread's CPU time as "cpu <ns>".
#include "form1.h"
#include "valuedialog.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QWindow>

#include <cstdio>
#include <ctime>

namespace {

qint64 threadCpuNs()
{
    timespec ts {};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return qint64(ts.tv_sec) * 1'000'000'000 + ts.tv_nsec;
}

class FirstPaint : public QObject
{
public:
    using QObject::QObject;
    bool painted = false;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && watched == parent())
            painted = true;
        return false;
    }
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    Velmora::Form1 form;
    form.show();
    while (!form.windowHandle() || !form.windowHandle()->isExposed())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    QCoreApplication::sendPostedEvents();

    const qint64 cpu = threadCpuNs();
    QElapsedTimer timer;
    timer.start();
    auto *dialog = new Velmora::ValueDialog(&form);
    FirstPaint paint(dialog);
    dialog->installEventFilter(&paint);
    dialog->show();
    while (!paint.painted)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    const qint64 wall = timer.nsecsElapsed();
    std::printf("open %lld\ncpu %lld\n", static_cast<long long>(wall), static_cast<long long>(threadCpuNs() - cpu));
    return 0;
}
