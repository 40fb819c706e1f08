#include "drawercsv.h"

namespace Velmora {

CsvReading readDrawerCsv(std::string_view)
{
    return {};
}

std::string drawerCsv(const Drawer &)
{
    return {};
}

} // namespace Velmora
