#include "commandline.h"
#include "mainwindow.h"
#include "terminalcommands.h"
#include "velmorastyle.h"

#include <QApplication>
#include <QByteArray>

#include <array>
#include <cstdio>
#include <deque>
#include <memory>
#include <vector>

namespace {

// Qt's xcb and wayland back ends abort with a core dump when their display
// is missing or does not answer, as over ssh: xcb needs DISPLAY, wayland
// WAYLAND_DISPLAY, and Qt left to choose needs either. Of a list of platforms
// Qt takes the first that starts. Any other platform named in QT_QPA_PLATFORM
// or by -platform (offscreen, vnc, ...) needs none, so is left to Qt.
struct DisplayNeed {
    bool needed = false; // no platform Qt may fall back on needs none
    bool missing = false; // and none has the variable it needs
};

DisplayNeed displayNeed(int argc, char *argv[])
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN) && !defined(Q_OS_ANDROID)
    QByteArray platforms = qgetenv("QT_QPA_PLATFORM");
    for (int i = 1; i + 1 < argc; ++i) {
        if (qstrcmp(argv[i], "-platform") == 0 || qstrcmp(argv[i], "--platform") == 0)
            platforms = argv[i + 1];
    }
    const bool x11 = !qEnvironmentVariableIsEmpty("DISPLAY");
    // A socket's name is looked up in XDG_RUNTIME_DIR, which libwayland
    // wants absolute, or else complains on a line of its own.
    const QByteArray socket = qgetenv("WAYLAND_DISPLAY");
    const bool wayland = socket.startsWith('/') || (!socket.isEmpty() && qgetenv("XDG_RUNTIME_DIR").startsWith('/'));
    bool named = false;
    bool reachable = false; // one has the variable it needs
    for (const QByteArray &entry : platforms.split(';')) {
        const QByteArray name = entry.split(':').constFirst().trimmed();
        if (name.isEmpty())
            continue;
        named = true;
        const bool isXcb = name == "xcb";
        const bool isWayland = name.startsWith("wayland");
        if (!isXcb && !isWayland)
            return {false, false};
        reachable |= (isXcb && x11) || (isWayland && wayland);
    }
    return {true, named ? !reachable : !x11 && !wayland};
#else
    Q_UNUSED(argc);
    Q_UNUSED(argv);
    return {};
#endif
}

// The platforms Qt itself tries when none is named: xcb where DISPLAY is
// set, wayland in a Wayland session, then its default, xcb.
QByteArray qtsOwnChoice()
{
    QByteArrayList order;
    if (!qEnvironmentVariableIsEmpty("DISPLAY"))
        order << "xcb";
    if (!qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") || qgetenv("XDG_SESSION_TYPE") == "wayland")
        order << "wayland";
    if (!order.contains("xcb"))
        order << "xcb";
    return order.join(';');
}

// One line, true whether the display's variable is unset or its server does
// not answer.
int reportDisplayMissing()
{
    std::fputs("velmora: impossibile aprire il display grafico (DISPLAY e WAYLAND_DISPLAY non impostate o senza "
               "risposta)\n",
        stderr);
    return 1;
}

void ignoreMessage(QtMsgType, const QMessageLogContext &, const QString &) { }

// While it lives, Qt starts on the given platforms and says nothing: a
// platform that cannot connect is not the user's concern here.
class QuietPlatform
{
public:
    explicit QuietPlatform(const QByteArray &platforms)
        : m_wasSet(qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        , m_was(qgetenv("QT_QPA_PLATFORM"))
        , m_handler(qInstallMessageHandler(ignoreMessage))
    {
        qputenv("QT_QPA_PLATFORM", platforms);
    }
    ~QuietPlatform()
    {
        if (m_wasSet)
            qputenv("QT_QPA_PLATFORM", m_was);
        else
            qunsetenv("QT_QPA_PLATFORM");
        qInstallMessageHandler(m_handler);
    }
    QuietPlatform(const QuietPlatform &) = delete;
    QuietPlatform &operator=(const QuietPlatform &) = delete;

private:
    bool m_wasSet;
    QByteArray m_was;
    QtMessageHandler m_handler;
};

// The command line for an application whose display may be missing or not
// answer: Qt is asked for the platforms the user chose (or those Qt would
// choose), then offscreen, which stands in where none connects. The chosen plugin still reads and takes out its own
// options (xcb's -display, -visual, -nograb ...) before it fails to connect, and offscreen stands in. What this cannot
// know is what a plugin that is not installed would have taken.
struct StandInCommandLine {
    StandInCommandLine(int argc, char *argv[])
        : argc(argc)
        , argv(argv, argv + argc + 1)
        , environment(qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") ? qtsOwnChoice() : qgetenv("QT_QPA_PLATFORM"))
    {
        environment += ";offscreen";
        platforms = environment;
        for (int i = 1; i + 1 < argc; ++i) {
            if (qstrcmp(argv[i], "-platform") == 0 || qstrcmp(argv[i], "--platform") == 0) {
                platforms = values.emplace_back(QByteArray(argv[i + 1]) + ";offscreen");
                this->argv[++i] = values.back().data();
            }
        }
    }

    int argc;
    std::vector<char *> argv;
    QByteArray environment; // for QT_QPA_PLATFORM
    QByteArray platforms; // as Qt takes them in the end
    std::deque<QByteArray> values; // what argv points to where it differs
};

// Whether Qt on these platforms takes the option with a value after it.
// Only one application may exist at a time, so the program's must be gone.
bool qtTakesValue(const QByteArray &platforms, const QString &option)
{
    QByteArray program("velmora");
    QByteArray name = option.toLocal8Bit();
    QByteArray value("x");
    std::array<char *, 4> argv {program.data(), name.data(), value.data(), nullptr};
    int argc = 3;
    const QuietPlatform quiet(platforms);
    const QApplication probe(argc, argv.data());
    return argc == 1;
}

} // namespace

int main(int argc, char *argv[])
{
    // A command answers in the terminal: no display, no QApplication.
    if (argc > 1 && Velmora::isTerminalCommand(QString::fromLocal8Bit(argv[1]))) {
        QStringList arguments;
        for (int i = 2; i < argc; ++i)
            arguments << QString::fromLocal8Bit(argv[i]);
        return Velmora::runTerminalCommand(QString::fromLocal8Bit(argv[1]), arguments);
    }

    QApplication::setApplicationName(QStringLiteral("Velmora"));
    QApplication::setApplicationVersion(QStringLiteral(VELMORA_VERSION));
    // On Wayland the window's icon and taskbar entry come from this entry.
    QApplication::setDesktopFileName(QStringLiteral("velmora"));

    const DisplayNeed display = displayNeed(argc, argv);
    const bool hasArguments = argc > 1;
    if (display.missing && !hasArguments)
        return reportDisplayMissing();

    // Qt itself takes out its options and its plugin's, which vary with the
    // platform; Velmora judges what is left before any window shows. Where a
    // display is needed, whether it answers is known only once Qt has tried.
    std::optional<StandInCommandLine> standIn;
    std::unique_ptr<QApplication> app;
    if (display.needed) {
        standIn.emplace(argc, argv);
        const QuietPlatform quiet(standIn->environment);
        app = Velmora::newStyledApplication(standIn->argc, standIn->argv.data());
    } else {
        app = Velmora::newStyledApplication(argc, argv);
    }
    const QByteArray platforms
        = standIn ? standIn->platforms : QGuiApplication::platformName().toLocal8Bit() + ";offscreen";
    const bool connected = !standIn || QGuiApplication::platformName() != QLatin1String("offscreen");
    if (hasArguments) {
        const auto status = Velmora::handleCommandLine(QCoreApplication::arguments(), [&](const QString &option) {
            app.reset();
            return qtTakesValue(platforms, option);
        });
        if (status)
            return *status;
    }
    if (!connected) {
        app.reset();
        return reportDisplayMissing();
    }

    Velmora::MainWindow window;
    window.show();
    return app->exec();
}
