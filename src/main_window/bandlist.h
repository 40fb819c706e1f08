#pragma once

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

    BandList(int band, QWidget *parent = nullptr);

    int band() const { return m_band; }

    // The chosen row, -1 when none.
    int selectedIndex() const;
    // Removes the choice and the cursor.
    void clearChoice();

protected:
    QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;

private:
    int m_band = 0;
    BandSelectionModel *m_selection = nullptr;
};

} // namespace Velmora
