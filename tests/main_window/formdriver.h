#pragma once

// Drives a Form1 the way a user does: real clicks and keys, message boxes
// answered as they appear.

#include "bandlist.h"
#include "form1.h"
#include "swatch.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

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

inline QPushButton *command(const BandForm &form, int n)
{
    return form.findChild<QPushButton *>(QStringLiteral("Command%1").arg(n));
}

// Clicks a band's entry at the centre of its row.
inline void clickEntry(BandForm &form, int band, int row)
{
    BandList *list = form.list(band);
    const QRect r = list->visualRect(list->model()->index(row, 0));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, r.center());
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

inline bool shown(const QWidget *w)
{
    return w->isVisibleTo(w->window());
}

} // namespace Velmora::Testing
