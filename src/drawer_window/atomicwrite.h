#pragma once

#include <QString>

#include <string>

namespace Velmora {

// Writes the whole text to path, or leaves whatever was there untouched and
// gives the system's reason.
bool writeAtomically(const QString &path, const std::string &text, QString &reason);

} // namespace Velmora
