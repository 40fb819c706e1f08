#pragma once

#include <QString>
#include <QStringList>

#include <utility>
#include <vector>

namespace Velmora {

// What a word completes to in bash. An option's values may hang on another
// option's: --tolleranza offers the tolerances of the scheme --bande names.
struct Completion {
    QStringList values {}; // with dependsOn absent, or given none of byValue's
    QString dependsOn {}; // the option whose value picks the list
    std::vector<std::pair<QString, QStringList>> byValue {};
    QString joiner {}; // a word may join several values with it, as rosso/arancio
};

// The colour names a command reads, as colourNamed reads them.
QStringList colourNames();

} // namespace Velmora
