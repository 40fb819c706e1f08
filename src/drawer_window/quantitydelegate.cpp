#include "quantitydelegate.h"

#include "drawer.h"

#include <QSpinBox>

namespace Velmora {

QWidget *QuantityDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &, const QModelIndex &) const
{
    auto *spin = new QSpinBox(parent);
    spin->setObjectName(QStringLiteral("quantityEditor"));
    spin->setRange(1, MostOfOne);
    spin->setAccessibleName(tr("Quantità"));
    spin->setFrame(false);
    return spin;
}

} // namespace Velmora
