#pragma once

#include <QItemSelectionModel>

namespace Velmora {

// A band can be changed by the user but never removed: only the program
// empties the choice (allowEmptying). A selection request of any origin
// (mouse, keyboard, assistive technology) becomes one change from the old
// row to the new one, never a clear followed by a select.
class BandSelectionModel : public QItemSelectionModel
{
    Q_OBJECT

public:
    using QItemSelectionModel::QItemSelectionModel;

    void select(const QModelIndex &index, QItemSelectionModel::SelectionFlags command) override;
    void select(const QItemSelection &selection, QItemSelectionModel::SelectionFlags command) override;

    // Removes the choice; the one way to leave the band empty.
    void clearChoice();

private:
    bool wouldEmpty(const QItemSelection &selection, QItemSelectionModel::SelectionFlags command) const;

    bool m_emptying = false;
};

} // namespace Velmora
