#include "terminalcommands.h"

#include <QFile>

#include <cstdio>

// Writes the bash completion of the terminal's commands to the file named,
// so that it is made from the same table as the program.
int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::fputs("usage: velmora_completion FILE\n", stderr);
        return 2;
    }
    QFile file(QString::fromLocal8Bit(argv[1]));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)
        || file.write(Velmora::bashCompletionScript().toUtf8()) < 0) {
        std::fprintf(stderr, "velmora_completion: %s: %s\n", argv[1], qPrintable(file.errorString()));
        return 1;
    }
    return 0;
}
