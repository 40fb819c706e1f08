#include "tooldialog.h"

#include "layoutfont.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace Velmora {

ToolDialog::ToolDialog(const QString &name, const QString &title, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(name);
    setWindowTitle(title);
    setFont(layoutFont(Layout::Font::Default));
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
