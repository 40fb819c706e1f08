#pragma once

#include "completion.h"

#include <QString>
#include <QStringList>

namespace Velmora {

// One option of a command, as its table gives it to the parser, --help and
// the completion.
struct TerminalOption {
    QString name {}; // "--bande"
    QString valueName {}; // "N" in --help; empty for an option without a value
    QStringList help {}; // its lines under "Opzioni dei comandi:"
    Completion values {};
    // Given again it adds a value (--escludi 470 --escludi 1k) where any
    // other option's last value counts.
    bool repeats = false;

    bool takesValue() const { return !valueName.isEmpty(); }
};

} // namespace Velmora
