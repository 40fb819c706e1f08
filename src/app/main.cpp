#include "form1.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // The window is laid out to the pixel for one look; Fusion gives it on
    // every desktop.
    QApplication::setStyle(QStringLiteral("Fusion"));
    Velmora::Form1 window;
    window.show();
    return app.exec();
}
