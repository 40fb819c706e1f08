#include "mainwindow.h"

#include <QApplication>
#include <QByteArray>

#include <cstdio>

namespace {

// Qt's xcb and wayland back ends abort with a core dump when there is no
// display at all, as over ssh. Any other platform named in QT_QPA_PLATFORM or
// by -platform (offscreen, vnc, ...) needs none, so is left to Qt.
bool displayMissing(int argc, char *argv[])
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN) && !defined(Q_OS_ANDROID)
    QByteArray platforms = qgetenv("QT_QPA_PLATFORM");
    for (int i = 1; i + 1 < argc; ++i) {
        if (qstrcmp(argv[i], "-platform") == 0 || qstrcmp(argv[i], "--platform") == 0)
            platforms = argv[i + 1];
    }
    for (const QByteArray &entry : platforms.split(';')) {
        const QByteArray name = entry.split(':').constFirst().trimmed();
        if (!name.isEmpty() && name != "xcb" && !name.startsWith("wayland"))
            return false;
    }
    return qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
#else
    Q_UNUSED(argc);
    Q_UNUSED(argv);
    return false;
#endif
}

} // namespace

int main(int argc, char *argv[])
{
    if (displayMissing(argc, argv)) {
        std::fputs(
            "velmora: nessun display grafico disponibile (DISPLAY e WAYLAND_DISPLAY non sono impostate)\n", stderr);
        return 1;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationVersion(QStringLiteral(VELMORA_VERSION));
    // The window is laid out to the pixel for one look; Fusion gives it on
    // every desktop.
    QApplication::setStyle(QStringLiteral("Fusion"));
    Velmora::MainWindow window;
    window.show();
    return app.exec();
}
