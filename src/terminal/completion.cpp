#include "completion.h"

#include "bandscheme.h"
#include "colourcode.h"

namespace Velmora {

QStringList colourNames()
{
    QStringList names;
    for (int c = 0; c <= int(Colour::Pink); ++c) {
        const std::string_view name = colourRow(Colour(c)).listText;
        names << QString::fromUtf8(name.data(), qsizetype(name.size()));
        if (Colour(c) == Colour::LightBlue)
            names << QStringLiteral("blu");
    }
    return names;
}

} // namespace Velmora
