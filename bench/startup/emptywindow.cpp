// The floor Velmora is measured against: an empty Qt window of Velmora's size,
// started the way Velmora's main() starts.
#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setFixedSize(433, 421);
    window.show();
    return app.exec();
}
