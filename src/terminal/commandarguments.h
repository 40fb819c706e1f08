#pragma once

#include <QString>
#include <QStringList>

#include <optional>
#include <utility>
#include <vector>

namespace Velmora {

struct TerminalCommand;

// A command's arguments sorted into words and options.
struct CommandArguments {
    QStringList words;
    bool json = false;
    bool help = false;
    QStringList flags; // the command's options without a value that were given
    // The last value given to each option; every one, in order, to one
    // that repeats.
    std::vector<std::pair<QString, QString>> values;

    bool isSet(QStringView option) const;
    std::optional<QString> value(QStringView option) const; // the last
    QStringList allValues(QStringView option) const;
};

// Sorts arguments by the command's options; returns the misuse, if any.
QString parseArguments(const TerminalCommand &command, const QStringList &arguments, CommandArguments &parsed);

} // namespace Velmora
