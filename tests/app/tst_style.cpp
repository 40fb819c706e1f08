#include "formdriver.h"
#include "velmorastyle.h"

#include <QMenu>

using namespace Velmora;
using namespace Velmora::Testing;

// Velmora's look as the program sets it up, each row on an application of
// its own: the style the user chose or else Fusion, the windows' face for
// menus and boxes, and the focus shown on the default button.
class TestStyle : public QObject
{
    Q_OBJECT

private slots:
    void look_data();
    void look();
};

void TestStyle::look_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("styleOverride"); // QT_STYLE_OVERRIDE
    QTest::addColumn<QString>("base");
    QTest::addColumn<QRgb>("button"); // and window
    QTest::addColumn<QRgb>("buttonText");
    const QRgb grey = 0xefefef;
    const QRgb black = 0x000000;
    const QRgb breezeDark = 0x31363b;
    const QRgb breezeDarkText = 0xeff0f1;
    // Qt keeps the chosen style's name from one application to the next and
    // reads QT_STYLE_OVERRIDE only while there is none: the order matters.
    QTest::newRow("no choice") << QStringList {} << QByteArray() << "fusion" << grey << black;
    QTest::newRow("QT_STYLE_OVERRIDE") << QStringList {} << QByteArray("windows") << "windows" << grey << black;
    QTest::newRow("-style fusion") << QStringList {"-style", "fusion"} << QByteArray() << "fusion" << breezeDark
                                   << breezeDarkText;
    QTest::newRow("-style=windows") << QStringList {"-style=windows"} << QByteArray() << "windows" << breezeDark
                                    << breezeDarkText;
    QTest::newRow("unknown style") << QStringList {"-style", "nosuch"} << QByteArray() << "fusion" << grey << black;
}

void TestStyle::look()
{
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, styleOverride);
    QFETCH(QString, base);
    QFETCH(QRgb, button);
    QFETCH(QRgb, buttonText);

    qputenv("QT_STYLE_OVERRIDE", styleOverride);
    QList<QByteArray> words {"tst_style"};
    for (const QString &argument : arguments)
        words << argument.toLocal8Bit();
    std::vector<char *> argv;
    for (QByteArray &word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);
    int argc = int(words.size());
    const auto app = newStyledApplication(argc, argv.data());

    const auto *style = qobject_cast<VelmoraStyle *>(QApplication::style());
    QVERIFY(style);
    QCOMPARE(style->baseStyle()->name(), base);
    QCOMPARE(QMenu().font().families(), (QStringList {"MS Sans Serif", "Liberation Sans", "Arial"}));
    QCOMPARE(QFontInfo(QMessageBox().font()).pixelSize(), 11);

    QPalette palette {QColor(button), QColor(button)};
    palette.setColor(QPalette::ButtonText, buttonText);
    QApplication::setPalette(palette);
    Form1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QPushButton *calculate = command(form, 1);
    QVERIFY(calculate->isDefault() && !calculate->hasFocus());
    const QImage unfocused = calculate->grab().toImage();
    calculate->setFocus(Qt::TabFocusReason);
    const QImage focused = calculate->grab().toImage();
    // Dots in the text's colour where the focus changed the button.
    int dots = 0;
    for (int y = 0; y < focused.height(); ++y) {
        for (int x = 0; x < focused.width(); ++x)
            dots += focused.pixel(x, y) != unfocused.pixel(x, y) && focused.pixel(x, y) == (buttonText | 0xff000000);
    }
    QVERIFY2(dots > 100, qPrintable(QString::number(dots))); // half a frame round a 121x41 button, 300-odd px
}

QTEST_APPLESS_MAIN(TestStyle)
#include "tst_style.moc"
