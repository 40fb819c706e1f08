#pragma once

#include "bandscheme.h"

#include <QListWidget>

namespace Velmora {

class BandSelectionModel;

// The list of one band's colours: single choice, unsorted, one entry per
// 13-pixel row, never scrolled sideways.
class BandList : public QListWidget
{
    Q_OBJECT

public:
    static constexpr int RowHeight = 13;

    explicit BandList(std::span<const SchemeRow> rows, QWidget *parent = nullptr);

    // The chosen row, -1 when none.
    int selectedIndex() const;
    // Removes the choice and the cursor.
    void clearChoice();

protected:
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;

private:
    BandSelectionModel *m_selection = nullptr;
};

} // namespace Velmora
