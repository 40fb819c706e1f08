// Where start-up time goes: the steps of Velmora's main() (or of the empty
// window's) one by one, with a mark after each. Fonts are loaded on their own
// first, so their cost shows apart from the widgets that would otherwise load
// them. The runner adds the marks of FirstFrameWatch and its own exec time.
#include "firstframewatch.h"
#include "mainwindow.h"

#include <QApplication>
#include <QFontDatabase>

#include <cstring>
#include <memory>

int main(int argc, char *argv[])
{
    FirstFrameWatch::mark("main");
    const bool empty = argc > 1 && std::strcmp(argv[1], "empty") == 0;

    QApplication app(argc, argv);
    if (!empty)
        QApplication::setStyle(QStringLiteral("Fusion"));
    FirstFrameWatch::mark("platform");

    if (!empty) {
        // Resolving a font is what makes Qt read the font configuration.
        QFontDatabase::families();
        FirstFrameWatch::mark("fonts");
    }

    std::unique_ptr<QWidget> window;
    if (empty) {
        window = std::make_unique<QWidget>();
        window->setFixedSize(433, 421);
    } else {
        window = std::make_unique<Velmora::MainWindow>();
    }
    FirstFrameWatch::mark("widgets");

    window->show();
    FirstFrameWatch::mark("shown");
    return app.exec();
}
