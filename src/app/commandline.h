#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace Velmora {

// Judges what Qt left of the command line, its own options (and its platform
// plugin's) taken out: answers --help and --version on standard output, and
// refuses anything else with one line on standard error. takesValue tells
// whether Qt takes the option with a value after it; it is asked only of an
// option Qt left last. Returns the exit status when the program should stop
// there, nothing when it should start.
std::optional<int> handleCommandLine(
    const QStringList &arguments, const std::function<bool(const QString &option)> &takesValue);

} // namespace Velmora
