#pragma once

#include <QStyledItemDelegate>

namespace Velmora {

// A count edited in place with a spin box from 1 to the most a drawer holds.
class QuantityDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
};

} // namespace Velmora
