#pragma once

#include <optional>

namespace Velmora {

// Reads the command line before there is any window or display: answers
// --help and --version on standard output, and refuses anything Velmora and
// Qt do not know with one line on standard error. Returns the exit status when
// the program should stop there, nothing when it should start.
std::optional<int> handleCommandLine(int argc, char *argv[]);

} // namespace Velmora
