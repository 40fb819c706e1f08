#include "drawer.h"

namespace Velmora {

void Drawer::add(Decimal, int) { }
void Drawer::setCount(Decimal, int) { }
void Drawer::remove(Decimal) { }
int Drawer::countOf(Decimal) const
{
    return 0;
}

} // namespace Velmora
