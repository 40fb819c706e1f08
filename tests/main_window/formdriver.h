#pragma once

// Drives a Form1 the way a user does: real clicks and keys, message boxes
// answered as they appear.

#include "bandlist.h"
#include "form1.h"
#include "swatch.h"

#include <QApplication>
#include <QHash>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <tuple>

namespace Velmora::Testing {

// Answers every modal message box shown while it lives, pressing OK with
// the keyboard as a user would, and remembers what the boxes said.
class BoxAnswerer : public QObject
{
public:
    BoxAnswerer()
    {
        QObject::connect(&m_timer, &QTimer::timeout, this, [this] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box || !box->isVisible())
                return;
            ++count;
            title = box->windowTitle();
            text = box->text();
            icon = box->icon();
            buttons = box->buttons().size();
            QTest::keyClick(box, Qt::Key_Return);
        });
        m_timer.start(5);
    }

    int count = 0;
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    qsizetype buttons = 0;

private:
    QTimer m_timer;
};

// The decimal separator this run's locale should give, told by the
// environment CTest sets, not by the program.
inline QString expectedPoint()
{
    return qEnvironmentVariable("LC_ALL").startsWith(QLatin1String("it")) ? QStringLiteral(",") : QStringLiteral(".");
}

inline QPushButton *command(const BandForm &form, int n)
{
    return form.findChild<QPushButton *>(QStringLiteral("Command%1").arg(n));
}

// Clicks a list's row at its centre.
inline void clickRow(QAbstractItemView *list, int row)
{
    const QRect r = list->visualRect(list->model()->index(row, 0));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, r.center());
}

// Clicks a band's entry at the centre of its row.
inline void clickEntry(BandForm &form, int band, int row)
{
    clickRow(form.list(band), row);
}

inline void clickButton(BandForm &form, int n)
{
    QPushButton *button = command(form, n);
    QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, button->rect().center());
}

// Chooses bands from 1 by their row indices (-1 leaves a band alone, and
// rows past the form's last band are ignored).
inline void chooseBands(BandForm &form, std::initializer_list<int> rows)
{
    int band = 1;
    for (int row : rows) {
        if (row >= 0 && band <= form.bandCount())
            clickEntry(form, band, row);
        ++band;
    }
}

// The colour a swatch shows on screen, read from a grab of the window.
inline QColor shownColour(BandForm &form, int band)
{
    const Swatch *swatch = form.shape(band);
    const QImage image = form.grab().toImage();
    const QPoint centre = swatch->geometry().center() * image.devicePixelRatio();
    return image.pixelColor(centre);
}

// Whether a button shows the default button's frame, which Fusion draws in
// the highlight's blue where the plain frame is grey: read at the middle of
// the button's top edge in a grab of the window.
inline bool showsDefaultFrame(Form1 &form, int n)
{
    const QRect r = command(form, n)->geometry();
    const QImage image = form.grab().toImage();
    const QColor edge = image.pixelColor(QPoint(r.center().x(), r.top()) * image.devicePixelRatio());
    return edge.blue() > edge.red() + 64;
}

inline bool shown(const QWidget *w)
{
    return w->isVisibleTo(w->window());
}

// WCAG 2's relative luminance of an sRGB colour and the contrast ratio of
// two colours, from 1:1 to 21:1.
inline double luminance(const QColor &c)
{
    auto linear = [](double v) { return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
}

inline double contrast(const QColor &a, const QColor &b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// Text as painted in an area of an image: the background is the area's most
// common colour, the ink the pixel that stands out from it most (the glyphs'
// solid cores, not their anti-aliased edges). Returns their contrast.
inline double textContrast(const QImage &image, const QRect &area)
{
    QHash<QRgb, int> counts;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            ++counts[image.pixel(x, y)];
    QRgb background = 0;
    int most = 0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        if (it.value() > most)
            std::tie(background, most) = std::pair(it.key(), it.value());
    }
    double best = 1;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        best = std::max(best, contrast(QColor(it.key()), QColor(background)));
    return best;
}

} // namespace Velmora::Testing
