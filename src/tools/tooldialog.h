#pragma once

#include <QDialog>

class QGridLayout;
class QHBoxLayout;
class QLabel;
class QPushButton;
class QScrollArea;

namespace Velmora {

// What Velmora's tool windows share: the windows' own font, a bold title,
// captions whose mnemonic leads to their control, labels that keep room for
// their longest text, and the place the person left the window in. The
// controls scroll above a row of buttons that always shows, and the window
// opens as large as they need, within the screen, and can be resized.
class ToolDialog : public QDialog
{
    Q_OBJECT

public:
    ToolDialog(const QString &name, const QString &title, QWidget *parent);

    void setVisible(bool visible) override;

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

    // What the controls are laid out on, and the buttons' row under it.
    QWidget *body() const { return m_body; }
    QHBoxLayout *buttonRow() const { return m_buttons; }

    // The bold title, across the grid's first row.
    QLabel *addTitle(QGridLayout *grid, const QString &text, int columns);
    QLabel *caption(const QString &text, QWidget *buddy, const QString &name);
    // A wrapping label as tall as `lines` lines, so that the dialog keeps its
    // size as texts come and go.
    QLabel *wrappingLabel(const QString &name, int lines);
    // A push button named for screen readers by its text, less the mnemonic.
    QPushButton *button(const QString &text, const QString &name);

private:
    void fitToScreen();

    QScrollArea *m_scroll = nullptr;
    QWidget *m_body = nullptr;
    QHBoxLayout *m_buttons = nullptr;
    QSize m_fitted; // the body's size hint the window was last fitted to
};

} // namespace Velmora
