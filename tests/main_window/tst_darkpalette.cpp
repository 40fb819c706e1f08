#include "formdriver.h"

#include <QPalette>
#include <QStyleFactory>

using namespace Velmora;
using namespace Velmora::Testing;

// Under a dark desktop palette every text, the resistor's outline and each
// swatch's outline stay readable (WCAG 2: text 4.5:1, lines 3:1), judged on
// the painted pixels.
class TestDarkPalette : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void textsReadable_data();
    void textsReadable();
    void outlinesVisible_data();
    void outlinesVisible();

private:
    void addThemes();
    void applyTheme();
    Form1 *m_form = nullptr;
};

struct Theme {
    const char *name;
    QRgb window, windowText, base, text, highlight, highlightedText;
};

// As the desktops ship them: Adwaita Dark (GTK) and Breeze Dark (KDE Plasma).
constexpr std::array Themes {
    Theme {"Adwaita Dark", 0x353535, 0xeeeeec, 0x2d2d2d, 0xeeeeec, 0x15539e, 0xffffff},
    Theme {"Breeze Dark", 0x31363b, 0xeff0f1, 0x232629, 0xeff0f1, 0x3daee9, 0xeff0f1},
};

// The resistor's outline, a point on each of its lines away from the swatches.
constexpr std::array<QPoint, 10> OutlinePoints {
    {{150, 56}, {150, 80}, {144, 68}, {304, 68}, {128, 64}, {128, 72}, {112, 68}, {320, 64}, {320, 72}, {336, 68}}};

// Each swatch's left edge, and how many colours its band offers.
constexpr std::array<int, 4> SwatchLeft {168, 192, 216, 272};
constexpr std::array<int, 4> BandColours {10, 10, 9, 3};
constexpr int SwatchWidth = 9;
constexpr int SwatchMiddle = 68;

void TestDarkPalette::addThemes()
{
    QTest::addColumn<int>("theme");
    for (std::size_t i = 0; i < Themes.size(); ++i)
        QTest::newRow(Themes[i].name) << int(i);
}

void TestDarkPalette::applyTheme()
{
    QFETCH(int, theme);
    const Theme &t = Themes.at(std::size_t(theme));
    QPalette palette(QColor(t.window), QColor(t.window)); // button, window; shades from these
    palette.setColor(QPalette::WindowText, t.windowText);
    palette.setColor(QPalette::ButtonText, t.windowText);
    palette.setColor(QPalette::Base, t.base);
    palette.setColor(QPalette::AlternateBase, t.base);
    palette.setColor(QPalette::Text, t.text);
    palette.setColor(QPalette::Highlight, t.highlight);
    palette.setColor(QPalette::HighlightedText, t.highlightedText);
    QApplication::setPalette(palette);

    m_form = new Form1;
    m_form->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_form));
    // The palette is in force: the window's background is the theme's.
    QCOMPARE(m_form->grab().toImage().pixel(4, 4), t.window | 0xff000000);
}

void TestDarkPalette::init()
{
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
}

void TestDarkPalette::cleanup()
{
    delete m_form;
    m_form = nullptr;
    QApplication::setPalette(QPalette());
}

void TestDarkPalette::textsReadable_data()
{
    addThemes();
}

void TestDarkPalette::textsReadable()
{
    applyTheme();
    chooseBands(*m_form, {4, 7, 2, 0});
    clickButton(*m_form, 1); // every label shown
    const QImage image = m_form->grab().toImage();

    QStringList faint;
    QStringList faintChosen;
    auto judge = [&](const QString &what, const QRect &area, QStringList &into) {
        const double ratio = textContrast(image, area);
        if (ratio < 4.5)
            into << QStringLiteral("%1 %2:1").arg(what).arg(ratio, 0, 'f', 2);
    };
    for (const QLabel *label : m_form->findChildren<QLabel *>()) {
        if (shown(label) && !label->text().isEmpty())
            judge(label->objectName(), label->geometry(), faint);
    }
    for (int n : {1, 2})
        judge(command(*m_form, n)->objectName(), command(*m_form, n)->geometry().adjusted(3, 3, -3, -3), faint);
    for (int band = 1; band <= 4; ++band) {
        BandList *list = m_form->list(band);
        for (int row = 0; row < list->count(); ++row) {
            const QRect r = list->visualRect(list->model()->index(row, 0));
            const QRect area(list->viewport()->mapTo(m_form, r.topLeft()), r.size());
            judge(QStringLiteral("List%1 row %2").arg(band).arg(row), area,
                row == list->selectedIndex() ? faintChosen : faint);
        }
    }
    QVERIFY2(faint.isEmpty(), qPrintable(faint.join(QStringLiteral(", "))));
    // A chosen entry is drawn in the theme's own selection colours.
    QEXPECT_FAIL("Breeze Dark", "Breeze Dark's selection pair (#eff0f1 on #3daee9) is 2.3:1 itself", Continue);
    QVERIFY2(faintChosen.isEmpty(), qPrintable(faintChosen.join(QStringLiteral(", "))));
}

void TestDarkPalette::outlinesVisible_data()
{
    addThemes();
}

void TestDarkPalette::outlinesVisible()
{
    applyTheme();
    QImage image = m_form->grab().toImage();
    const QColor background = image.pixelColor(4, 4);
    for (const QPoint &p : OutlinePoints)
        QVERIFY2(contrast(image.pixelColor(p), background) >= 3,
            qPrintable(QStringLiteral("resistor at %1,%2").arg(p.x()).arg(p.y())));

    // Black on a dark window is the case to watch: the outline must show it.
    for (int band = 1; band <= 4; ++band) {
        for (int row = 0; row < BandColours.at(std::size_t(band - 1)); ++row) {
            clickEntry(*m_form, band, row);
            image = m_form->grab().toImage();
            const int left = SwatchLeft.at(std::size_t(band - 1));
            const int right = left + SwatchWidth - 1;
            const QString where = QStringLiteral("band %1 row %2").arg(band).arg(row);
            QVERIFY2(image.pixelColor(left + 4, SwatchMiddle) != background,
                qPrintable(where)); // the fill shows
            QVERIFY2(contrast(image.pixelColor(left, SwatchMiddle), image.pixelColor(left - 1, SwatchMiddle)) >= 3,
                qPrintable(where + QStringLiteral(", left edge")));
            QVERIFY2(contrast(image.pixelColor(right, SwatchMiddle), image.pixelColor(right + 1, SwatchMiddle)) >= 3,
                qPrintable(where + QStringLiteral(", right edge")));
        }
    }
}

QTEST_MAIN(TestDarkPalette)
#include "tst_darkpalette.moc"
