#include "commandline.h"
#include "mainwindow.h"
#include "velmorastyle.h"

#include <QApplication>
#include <QByteArray>

#include <cstdio>

namespace {

// Qt's xcb and wayland back ends abort with a core dump when their display
// is missing, as over ssh: xcb needs DISPLAY, wayland WAYLAND_DISPLAY, and Qt
// left to choose needs either. Of a list of platforms Qt takes the first that
// starts. Any other platform named in QT_QPA_PLATFORM or by -platform
// (offscreen, vnc, ...) needs none, so is left to Qt.
bool displayMissing(int argc, char *argv[])
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN) && !defined(Q_OS_ANDROID)
    QByteArray platforms = qgetenv("QT_QPA_PLATFORM");
    for (int i = 1; i + 1 < argc; ++i) {
        if (qstrcmp(argv[i], "-platform") == 0 || qstrcmp(argv[i], "--platform") == 0)
            platforms = argv[i + 1];
    }
    const bool x11 = !qEnvironmentVariableIsEmpty("DISPLAY");
    const bool wayland = !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
    bool named = false;
    for (const QByteArray &entry : platforms.split(';')) {
        const QByteArray name = entry.split(':').constFirst().trimmed();
        if (name.isEmpty())
            continue;
        named = true;
        const bool isXcb = name == "xcb";
        const bool isWayland = name.startsWith("wayland");
        if ((!isXcb && !isWayland) || (isXcb && x11) || (isWayland && wayland))
            return false;
    }
    return named || (!x11 && !wayland);
#else
    Q_UNUSED(argc);
    Q_UNUSED(argv);
    return false;
#endif
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication::setApplicationName(QStringLiteral("Velmora"));
    QApplication::setApplicationVersion(QStringLiteral(VELMORA_VERSION));
    // On Wayland the window's icon and taskbar entry come from this entry.
    QApplication::setDesktopFileName(QStringLiteral("velmora"));
    if (const auto status = Velmora::handleCommandLine(argc, argv))
        return *status;

    if (displayMissing(argc, argv)) {
        std::fputs(
            "velmora: nessun display grafico disponibile (DISPLAY e WAYLAND_DISPLAY non sono impostate)\n", stderr);
        return 1;
    }

    QApplication app(argc, argv);
    // The window is laid out to the pixel for one look; Fusion gives it on
    // every desktop.
    QApplication::setStyle(new Velmora::VelmoraStyle);
    Velmora::MainWindow window;
    window.show();
    return app.exec();
}
