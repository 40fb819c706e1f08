#include "tooldialog.h"

#include "layoutfont.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>

namespace Velmora {

ToolDialog::ToolDialog(const QString &name, const QString &title, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(name);
    setWindowTitle(title);
    setFont(layoutFont(Layout::Font::Default));

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_scroll = new QScrollArea(this);
    m_scroll->setObjectName(QStringLiteral("bodyScrollArea"));
    m_scroll->setFrameShape(QFrame::NoFrame);
    m_scroll->setWidgetResizable(true);
    m_scroll->setFocusPolicy(Qt::NoFocus); // the controls take the focus, not their frame
    m_body = new QWidget(m_scroll);
    m_body->setObjectName(QStringLiteral("body"));
    m_scroll->setWidget(m_body);
    m_body->installEventFilter(this);
    layout->addWidget(m_scroll, 1);

    // The grid's margins on every side but the top, which its own bottom
    // margin already spaces.
    m_buttons = new QHBoxLayout;
    m_buttons->setContentsMargins(style()->pixelMetric(QStyle::PM_LayoutLeftMargin), 0,
        style()->pixelMetric(QStyle::PM_LayoutRightMargin), style()->pixelMetric(QStyle::PM_LayoutBottomMargin));
    layout->addLayout(m_buttons);
}

// Sized before its first showing, where Qt would make it two thirds of the
// screen at most.
void ToolDialog::setVisible(bool visible)
{
    if (visible && !isVisible() && m_fitted.isEmpty()) {
        ensurePolished(); // the style's fonts and margins in the sizes
        fitToScreen();
    }
    QDialog::setVisible(visible);
}

// The body's needs change (the value dialog's coefficient row comes and
// goes): the window follows.
bool ToolDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_body && event->type() == QEvent::LayoutRequest && isVisible() && m_body->sizeHint() != m_fitted)
        fitToScreen();
    return QDialog::eventFilter(watched, event);
}

// As large as the controls need, within the screen's free area less the
// frame the window manager adds (guessed from the main window's); where the
// height is short, wide enough for the scroll bar too.
void ToolDialog::fitToScreen()
{
    const QWidget *main = parentWidget() ? parentWidget()->window() : nullptr;
    const QScreen *screen = main ? main->screen() : this->screen();
    const QSize frame = main && main->isVisible() ? main->frameGeometry().size() - main->size() : QSize();
    const QSize room = screen->availableGeometry().size() - frame;
    m_fitted = m_body->sizeHint();
    // Wrapping labels are as tall as the width they get.
    const int height = m_body->hasHeightForWidth() ? m_body->heightForWidth(m_fitted.width()) : m_fitted.height();
    const QSize buttons = m_buttons->sizeHint();
    QSize wanted(std::max(m_fitted.width(), buttons.width()), height + buttons.height());
    const int bar = m_scroll->verticalScrollBar()->sizeHint().width();
    if (wanted.height() > room.height())
        wanted.rwidth() += bar;
    resize(wanted.boundedTo(room));
}

// Centred over the window the first time, then where it was (or where the
// person put it): QDialog would centre it anew at each opening, a pixel off.
void ToolDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    setAttribute(Qt::WA_Moved);
}

QLabel *ToolDialog::addTitle(QGridLayout *grid, const QString &text, int columns)
{
    auto *title = new QLabel(text, this);
    title->setObjectName(QStringLiteral("titleLabel"));
    title->setFont(layoutFont(Layout::Font::Bold12));
    grid->addWidget(title, 0, 0, 1, columns);
    return title;
}

QLabel *ToolDialog::caption(const QString &text, QWidget *buddy, const QString &name)
{
    auto *label = new QLabel(text, this);
    label->setObjectName(name);
    label->setBuddy(buddy);
    return label;
}

QLabel *ToolDialog::wrappingLabel(const QString &name, int lines)
{
    auto *label = new QLabel(this);
    label->setObjectName(name);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setMinimumHeight(lines * label->fontMetrics().lineSpacing());
    return label;
}

QPushButton *ToolDialog::button(const QString &text, const QString &name)
{
    auto *button = new QPushButton(text, this);
    button->setObjectName(name);
    button->setAccessibleName(QString(text).remove(QLatin1Char('&')));
    return button;
}

} // namespace Velmora
