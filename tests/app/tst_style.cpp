#include "formdriver.h"
#include "velmorastyle.h"

#include <QCheckBox>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QStyleFactory>

#include <algorithm>
#include <array>
#include <memory>

using namespace Velmora;
using namespace Velmora::Testing;

// Velmora's look as the program sets it up, on an application per row.
class TestStyle : public QObject
{
    Q_OBJECT

private slots:
    void look_data();
    void look();
    void menuBarLine();
};

constexpr QRgb Button = 0xff31363b; // Breeze Dark's
constexpr QRgb ButtonText = 0xffeff0f1;

void TestStyle::look_data()
{
    QTest::addColumn<QByteArrayList>("arguments");
    QTest::addColumn<QByteArray>("styleOverride"); // QT_STYLE_OVERRIDE
    QTest::addColumn<QString>("base");
    // Qt keeps the chosen style's name from one application to the next and
    // reads QT_STYLE_OVERRIDE only while there is none: the order matters.
    QTest::newRow("no choice") << QByteArrayList {} << QByteArray() << "fusion";
    QTest::newRow("QT_STYLE_OVERRIDE") << QByteArrayList {} << QByteArray("windows") << "windows";
    QTest::newRow("-style=windows") << QByteArrayList {"-style=windows"} << QByteArray() << "windows";
    QTest::newRow("unknown style") << QByteArrayList {"-style", "nosuch"} << QByteArray() << "fusion";
}

void TestStyle::look()
{
    QFETCH(QByteArrayList, arguments);
    QFETCH(QByteArray, styleOverride);
    QFETCH(QString, base);
    qputenv("QT_STYLE_OVERRIDE", styleOverride);
    arguments.prepend("tst_style");
    std::vector<char *> argv;
    for (QByteArray &word : arguments)
        argv.push_back(word.data());
    argv.push_back(nullptr);
    int argc = int(arguments.size());
    const auto app = newStyledApplication(argc, argv.data());
    const auto *style = qobject_cast<VelmoraStyle *>(QApplication::style());
    QVERIFY(style);
    QCOMPARE(style->baseStyle()->name(), base);
    QCOMPARE(QMenu().font().families(), (QStringList {"MS Sans Serif", "Liberation Sans", "Arial"}));
    QCOMPARE(QFontInfo(QMessageBox().font()).pixelSize(), 11);
    QPalette palette {QColor(Button), QColor(Button)};
    palette.setColor(QPalette::ButtonText, QColor(ButtonText));
    QApplication::setPalette(palette);
    Form1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QPushButton *calculate = command(form, 1);
    const QImage unfocused = calculate->grab().toImage();
    calculate->setFocus(Qt::TabFocusReason);
    const QImage focused = calculate->grab().toImage();
    int dots = 0; // in the text's colour where the focus changed the button
    for (int y = 0; y < focused.height(); ++y) {
        for (int x = 0; x < focused.width(); ++x)
            dots += focused.pixel(x, y) != unfocused.pixel(x, y) && focused.pixel(x, y) == ButtonText;
    }
    QVERIFY2(dots > 100, qPrintable(QString::number(dots))); // half a frame round 121x41

    // Any other control keeps its base style's focus.
    QCheckBox box(QStringLiteral("Non so da quale lato si comincia"));
    box.show();
    QVERIFY(QTest::qWaitForWindowActive(&box));
    box.setFocus(Qt::TabFocusReason);
    const QImage ours = box.grab().toImage();
    const std::unique_ptr<QStyle> plain(QStyleFactory::create(base));
    box.setStyle(plain.get());
    QCOMPARE(box.grab().toImage(), ours);
}

// At 150 % and 200 %, the lowest row drawn under the menus and the empty end
// has no gap.
void TestStyle::menuBarLine()
{
    int argc = 1;
    QByteArray name("tst_style");
    std::array<char *, 2> argv {name.data(), nullptr};
    const auto app = newStyledApplication(argc, argv.data());
    QMenuBar bar;
    for (const char *title : {"&File", "&Modifica", "&Bande", "&Strumenti", "&?"})
        bar.addMenu(QString::fromUtf8(title));
    bar.resize(433, bar.sizeHint().height());
    const QRgb window = bar.palette().color(QPalette::Window).rgb();
    for (qreal scale : {1.5, 2.0}) {
        QImage image((QSizeF(bar.size()) * scale).toSize(), QImage::Format_RGB32);
        image.setDevicePixelRatio(scale);
        bar.render(&image);
        int y = image.height() - 1;
        const auto blanks = [&](int at) { return int(std::count(reinterpret_cast<const QRgb *>(image.constScanLine(at)),
                                         reinterpret_cast<const QRgb *>(image.constScanLine(at)) + image.width(), window)); };
        while (y > image.height() / 2 && blanks(y) == image.width())
            --y;
        QCOMPARE(blanks(y), 0);
    }
}

QTEST_APPLESS_MAIN(TestStyle)
#include "tst_style.moc"
