#include "drawerwording.h"

#include "wording.h"

#include <QDir>

namespace Velmora {

namespace {

QString qs(const std::string &text)
{
    return QString::fromStdString(text);
}

QString shortPath(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

} // namespace

QString DrawerWording::csvRefusal(const CsvReading &reading)
{
    const QString field = QStringLiteral("«%1»").arg(qs(reading.field).trimmed());
    QString why;
    switch (reading.error) {
    case CsvError::None:
        return QString();
    case CsvError::NoHeader:
        if (reading.line == 0)
            return tr("Il file è vuoto: serve una riga di intestazione con la colonna «valore» e, se si vuole, "
                      "«quantità».");
        why = tr("manca l’intestazione: la prima riga deve nominare la colonna «valore» e, se si vuole, "
                 "«quantità».");
        break;
    case CsvError::UnclosedQuote:
        why = tr("le virgolette aperte qui non si chiudono più.");
        break;
    case CsvError::MissingValue:
        why = tr("manca il valore.");
        break;
    case CsvError::BadValue:
        why = Wording::readRefusal(reading.valueReading, qs(reading.field));
        break;
    case CsvError::ZeroValue:
        why = zeroValue();
        break;
    case CsvError::BadCount:
        why = reading.field.empty() ? tr("manca la quantità: scrivere un numero intero da 1 a %1.").arg(MostOfOne)
                                    : tr("la quantità %1 non è un numero intero da 1 a %2.").arg(field).arg(MostOfOne);
        break;
    case CsvError::TooManyFields:
        why = tr("ci sono più campi di quelli che l’intestazione nomina (%1 in più): forse un valore con la virgola "
                 "non è tra virgolette.")
                  .arg(field);
        break;
    case CsvError::TooMany:
        why = tr("con questa riga le parti di %1 sono più di %2.").arg(field).arg(MostOfOne);
        break;
    }
    return tr("Riga %1: %2").arg(reading.line).arg(why);
}

QString DrawerWording::cannotRead(const QString &path, const QString &reason)
{
    return tr("Impossibile leggere %1: %2.").arg(shortPath(path), reason);
}

QString DrawerWording::unreadable(const QString &path, const QString &why)
{
    return tr("Il cassetto salvato in %1 non si legge, e resta com’è: %2 Il cassetto parte vuoto; alla prima "
              "modifica il file illeggibile viene conservato a parte.")
        .arg(shortPath(path), why);
}

QString DrawerWording::keptAside(const QString &aside)
{
    return tr("Il file del cassetto che non si leggeva è conservato come %1.").arg(shortPath(aside));
}

QString DrawerWording::importRefused(const QString &path, const QString &why)
{
    return tr("%1 non è importato e il cassetto resta com’era. %2").arg(shortPath(path), why);
}

QString DrawerWording::saveFailed(const QString &path, const QString &reason)
{
    return tr("Impossibile salvare il cassetto in %1 (%2): il file resta com’era prima di questa modifica, che "
              "va persa alla chiusura se il salvataggio non riesce.")
        .arg(shortPath(path), reason);
}

QString DrawerWording::exportFailed(const QString &path, const QString &reason)
{
    return tr("Impossibile esportare in %1: %2.").arg(shortPath(path), reason);
}

QString DrawerWording::exported(const QString &path, int lines)
{
    return (lines == 1 ? tr("Esportata 1 riga in %2.") : tr("Esportate %1 righe in %2.").arg(lines))
        .arg(shortPath(path));
}

QString DrawerWording::imported(const QString &path, int lines)
{
    return (lines == 1 ? tr("Importata 1 riga da %2.") : tr("Importate %1 righe da %2.").arg(lines))
        .arg(shortPath(path));
}

QString DrawerWording::zeroValue()
{
    return tr("0 Ohm è un ponticello, non un resistore: scrivere un valore maggiore di zero.");
}

QString DrawerWording::added(Decimal value, int count)
{
    return tr("%1 Ohm: ora %2 nel cassetto.").arg(Wording::value(value)).arg(count);
}

QString DrawerWording::removed(int lines)
{
    return lines == 1 ? tr("Rimossa 1 riga.") : tr("Rimosse %1 righe.").arg(lines);
}

QString DrawerWording::filled(int values)
{
    return values == 1 ? tr("Aggiunto 1 valore della serie.") : tr("Aggiunti %1 valori della serie.").arg(values);
}

QString DrawerWording::tooManyValues(int values)
{
    return tr("L’intervallo comprende %1 valori della serie: sceglierne uno più stretto.").arg(values);
}

QString DrawerWording::joined(Decimal value, int count)
{
    return tr("%1 Ohm era già nel cassetto: le righe sono unite, ora %2.").arg(Wording::value(value)).arg(count);
}

} // namespace Velmora
