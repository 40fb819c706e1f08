#pragma once

#include "useraction.h"
#include "windowview.h"

#include <QStringList>

#include <functional>
#include <memory>

class QMessageBox;

namespace Velmora {
class Form1;
class MainWindow;
} // namespace Velmora

namespace Velmora::Testing {

// Works the real program's window, with its four-band Form1 under the menu
// bar, through the window system's input path (mouse and keys delivered to
// the window as the platform would, so hit-testing, modality and keyboard
// focus are the real ones) and reads back what Form1 shows.
class WindowDriver
{
public:
    // setUp runs on every new window before it is shown.
    explicit WindowDriver(std::function<void(Form1 &)> setUp = {});
    ~WindowDriver();

    // A new window, shown and active.
    void restart();
    void perform(const UserAction &action);
    WindowView view(bool wholeWindow) const;

    // The offscreen platform has no window manager to give the window its
    // activation back when a box closes; the driver does it, as one would,
    // and counts how often.
    int activationsHandedBack() const { return m_handedBack; }

private:
    void answerBox(QMessageBox *box, const UserAction &action);
    void knock();
    void handBack();

    std::function<void(Form1 &)> m_setUp;
    std::unique_ptr<MainWindow> m_window;
    Form1 *m_form = nullptr;
    int m_boxes = 0;
    QStringList m_boxFaults;
    int m_handedBack = 0;
};

} // namespace Velmora::Testing
