#include "bandlist.h"

#include "bandlookup.h"
#include "bandselectionmodel.h"

namespace Velmora {

BandList::BandList(int band, QWidget *parent)
    : QListWidget(parent)
    , m_band(band)
{
    setSelectionMode(SingleSelection);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setUniformItemSizes(true);

    for (std::string_view text : bandListTexts(band)) {
        auto *item = new QListWidgetItem(QString::fromUtf8(text.data(), qsizetype(text.size())), this);
        item->setSizeHint(QSize(0, RowHeight));
    }

    auto *old = selectionModel();
    m_selection = new BandSelectionModel(model(), this);
    setSelectionModel(m_selection);
    delete old;
}

int BandList::selectedIndex() const
{
    const QModelIndexList rows = selectionModel()->selectedIndexes();
    return rows.isEmpty() ? -1 : rows.constFirst().row();
}

void BandList::clearChoice()
{
    m_selection->clearChoice();
}

QModelIndex BandList::moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers)
{
    // Focus parks the cursor on a row without choosing it; the first arrow
    // key then chooses that row rather than skipping past it. The view only
    // acts when the cursor moves, so lift it first.
    if (selectedIndex() == -1 && count() > 0
        && (cursorAction == MoveDown || cursorAction == MoveUp || cursorAction == MoveNext
            || cursorAction == MovePrevious)) {
        const int row = currentIndex().isValid() ? currentIndex().row() : 0;
        selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
        return model()->index(row, 0);
    }
    return QListWidget::moveCursor(cursorAction, modifiers);
}

} // namespace Velmora
