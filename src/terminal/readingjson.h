#pragma once

#include "reading.h"

#include <QJsonObject>
#include <QString>

namespace Velmora {

struct CommandArguments;

// Exact, with '.' whatever the locale, as scripts read numbers.
QString exact(Decimal r);

// A part in the keys that hold for every kind: "parte" {"tipo":
// "resistore", "valore": "4700", "unita": "Ω", "tolleranza": {"meno": "5",
// "piu": "5"} or null, "marcatura": {"tipo": "bande", "testo": ""}}; values
// exact, and "2000/3" where a value is a fraction.
QJsonObject json(const Part &part);
// "schema": the scheme's name, as its window's menu gives it.
QString schemeName(SchemeId id);

// A reading of bands as bande and valore answer with --json.
QJsonObject json(const Reading &reading);

// The reading as JSON where it was asked for, else text; status 0.
int answer(const CommandArguments &arguments, const Reading &reading, const QString &text);

} // namespace Velmora
