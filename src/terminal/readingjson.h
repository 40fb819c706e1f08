#pragma once

#include "reading.h"

#include <QJsonObject>
#include <QString>

namespace Velmora {

struct CommandArguments;

// Exact, with '.' whatever the locale, as scripts read numbers.
QString exact(Decimal r);

// A reading of bands as bande and valore answer with --json.
QJsonObject json(const Reading &reading);

// The reading as JSON where it was asked for, else text; status 0.
int answer(const CommandArguments &arguments, const Reading &reading, const QString &text);

} // namespace Velmora
