#pragma once

#include <QJsonObject>
#include <QString>

#include <cstdio>

namespace Velmora {

struct CommandArguments;

void print(std::FILE *stream, const QString &text);
void printJson(const QJsonObject &object);

// One line on standard error naming the misuse, status 2.
int refuseUsage(const QString &what);
// A misuse: on standard error, or as JSON where it was asked for.
int refuseUsage(const CommandArguments &arguments, const QString &what);
// Input refused, status 1: on standard error, or as JSON.
int refuseInput(const CommandArguments &arguments, const QString &message);

} // namespace Velmora
