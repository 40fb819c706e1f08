#pragma once

#include "drawer.h"
#include "partsource.h"
#include "terminaloption.h"

#include <QStringList>

#include <optional>

namespace Velmora {

struct CommandArguments;

// The options that choose the parts combina and partitore build from, one
// entry each in both tables, so --help explains each once.
TerminalOption seriesOption();
TerminalOption mostPartsOption(const QStringList &offered);
TerminalOption drawerOption();

// The parts from --cassetto (each at 5 %), or from --serie at its usual
// tolerance between --min and --max where the command has them, without
// every --escludi. Prints a refusal and returns its status; 0 when read.
int readPartSource(const CommandArguments &arguments, PartSource &source);

// A series by its name, in any case: "e12" is E12.
std::optional<ESeries> seriesNamed(const QString &name);

// A drawer's CSV file. Prints why the file is refused and returns 1; 0
// with the drawer read.
int readDrawerFile(const CommandArguments &arguments, const QString &file, Drawer &drawer);

// --parti, a whole number from least to most; parts is left alone without
// it. Prints a refusal and returns its status; 0 when read.
int readMostParts(const CommandArguments &arguments, int least, int most, int &parts);

// A positive resistance given to an option, typed as the value reader takes
// one; value is left alone without it. Prints a refusal and returns its
// status; 0 when read.
int readResistance(const CommandArguments &arguments, const QString &option, Decimal &value);

} // namespace Velmora
