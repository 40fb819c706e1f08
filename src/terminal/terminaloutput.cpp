#include "terminaloutput.h"

#include "commandarguments.h"

#include <QJsonDocument>

namespace Velmora {

void print(std::FILE *stream, const QString &text)
{
    // What a person typed is quoted back: none of its control characters
    // may reach the terminal, where they would move the cursor or recolour.
    QString shown = text;
    for (QChar &c : shown)
        if (c.category() == QChar::Other_Control && c != u'\n')
            c = QChar::ReplacementCharacter;
    std::fputs(shown.toLocal8Bit().constData(), stream);
}

void printJson(const QJsonObject &object)
{
    const QByteArray text = QJsonDocument(object).toJson(QJsonDocument::Compact) + '\n';
    std::fwrite(text.constData(), 1, std::size_t(text.size()), stdout);
}

int refuseUsage(const QString &what)
{
    print(stderr, QStringLiteral("velmora: %1 (vedere velmora --help)\n").arg(what));
    return 2;
}

int refuseUsage(const CommandArguments &arguments, const QString &what)
{
    if (!arguments.json)
        return refuseUsage(what);
    printJson(QJsonObject {{QStringLiteral("errore"), what}});
    return 2;
}

int refuseInput(const CommandArguments &arguments, const QString &message)
{
    if (arguments.json)
        printJson(QJsonObject {{QStringLiteral("errore"), message}});
    else
        print(stderr, QStringLiteral("velmora: %1\n").arg(message));
    return 1;
}

} // namespace Velmora
