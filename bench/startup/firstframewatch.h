#pragma once

#include <QObject>

// Linked into a start-up benchmark, it watches the application from inside
// QApplication's constructor and ends it once the first frame of a window has
// reached the X server. It prints CLOCK_MONOTONIC marks on stdout, one
// "name nanoseconds" per line, for the runner to subtract its exec time from:
// "exposed" (the window is mapped), "paint" (its first paint begins) and
// "frame" (the painted frame has been flushed and the server has it).
class FirstFrameWatch : public QObject
{
public:
    using QObject::QObject;

    // Nanoseconds on CLOCK_MONOTONIC, the clock the runner reads too.
    static qint64 now();
    static void mark(const char *name);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void frameDone();

    bool m_exposed = false;
    bool m_painted = false;
};
