#pragma once

#include <QDialog>

class QGridLayout;
class QLabel;
class QPushButton;

namespace Velmora {

// What Velmora's tool windows share: the windows' own font, a bold title,
// captions whose mnemonic leads to their control, labels that keep room for
// their longest text, and the place the person left the window in.
class ToolDialog : public QDialog
{
    Q_OBJECT

public:
    ToolDialog(const QString &name, const QString &title, QWidget *parent);

protected:
    void showEvent(QShowEvent *event) override;

    // The bold title, across the grid's first row.
    QLabel *addTitle(QGridLayout *grid, const QString &text, int columns);
    QLabel *caption(const QString &text, QWidget *buddy, const QString &name);
    // A wrapping label as tall as `lines` lines, so that the dialog keeps its
    // size as texts come and go.
    QLabel *wrappingLabel(const QString &name, int lines);
    // A push button named for screen readers by its text, less the mnemonic.
    QPushButton *button(const QString &text, const QString &name);
};

} // namespace Velmora
