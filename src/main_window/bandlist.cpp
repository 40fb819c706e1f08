#include "bandlist.h"

#include "bandselectionmodel.h"
#include "colourcode.h"

#include <QKeyEvent>

namespace Velmora {

BandList::BandList(std::span<const SchemeRow> rows, QWidget *parent)
    : QListWidget(parent)
{
    setSelectionMode(SingleSelection);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setUniformItemSizes(true);

    for (const SchemeRow &row : rows) {
        const std::string_view text = colourRow(row.colour).listText;
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

// Ctrl+C belongs to the window, which copies the value; a list would copy
// the entry under its cursor instead.
bool BandList::event(QEvent *event)
{
    if (event->type() == QEvent::ShortcutOverride && static_cast<QKeyEvent *>(event)->matches(QKeySequence::Copy)) {
        event->ignore();
        return true;
    }
    return QListWidget::event(event);
}

void BandList::keyPressEvent(QKeyEvent *event)
{
    if (event->matches(QKeySequence::Copy)) {
        event->ignore();
        return;
    }
    QListWidget::keyPressEvent(event);
}

QModelIndex BandList::moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers)
{
    if (selectedIndex() != -1 || count() == 0)
        return QListWidget::moveCursor(cursorAction, modifiers);

    // Nothing chosen yet. One column: Left and Right go nowhere.
    if (cursorAction == MoveLeft || cursorAction == MoveRight)
        return currentIndex();

    // Keyboard focus parks the cursor on a row unchosen; a click beside the
    // entries leaves none. Either way the first key that walks the list
    // chooses as if from the first row: an arrow the parked row rather than
    // skipping past it, End the last row rather than the first.
    if (!currentIndex().isValid())
        selectionModel()->setCurrentIndex(model()->index(0, 0), QItemSelectionModel::NoUpdate);
    const bool arrow = cursorAction == MoveDown || cursorAction == MoveUp || cursorAction == MoveNext
        || cursorAction == MovePrevious;
    const QModelIndex target = arrow ? currentIndex() : QListWidget::moveCursor(cursorAction, modifiers);
    // The view only acts when the cursor moves, so lift it first.
    if (target == currentIndex())
        selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
    return target;
}

} // namespace Velmora
