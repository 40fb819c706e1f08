#include "bandselectionmodel.h"

#include <QScopedValueRollback>

namespace Velmora {

void BandSelectionModel::select(const QModelIndex &index, QItemSelectionModel::SelectionFlags command)
{
    select(QItemSelection(index, index), command);
}

void BandSelectionModel::select(const QItemSelection &selection, QItemSelectionModel::SelectionFlags command)
{
    if (m_emptying) {
        QItemSelectionModel::select(selection, command);
        return;
    }
    if (wouldEmpty(selection, command))
        return;

    // Whatever asked to add a row (Select, Toggle of an unselected row), the
    // row replaces the old choice in one step.
    if (!selection.isEmpty() && command.testAnyFlags(Select | Toggle)) {
        QItemSelectionModel::select(
            QItemSelection(selection.first().topLeft(), selection.first().topLeft()), ClearAndSelect | Rows);
        return;
    }
    QItemSelectionModel::select(selection, command);
}

void BandSelectionModel::clearChoice()
{
    const QScopedValueRollback guard(m_emptying, true);
    QItemSelectionModel::clear();
}

bool BandSelectionModel::wouldEmpty(const QItemSelection &selection, QItemSelectionModel::SelectionFlags command) const
{
    if (!hasSelection())
        return false;
    if (command.testAnyFlags(Select) && !selection.isEmpty())
        return false;
    if (command.testFlag(Clear))
        return true;
    if (command.testAnyFlags(Deselect | Toggle)) {
        for (const QModelIndex &row : selectedIndexes())
            if (selection.contains(row))
                return true;
    }
    return false;
}

} // namespace Velmora
