#pragma once

#include "markingreading.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <optional>

namespace Velmora {

// What reading a printed marking as any kind of part says, in the marking
// window and the terminal's marcatura: the engine gives readings and tags,
// this names them in Italian with the user's decimal separator.
class MarkingWording
{
    Q_DECLARE_TR_FUNCTIONS(MarkingWording)

public:
    // "resistore", "condensatore", "induttore": as a sentence names it.
    static QString kind(PartKind kind);
    // The heading of a kind's readings: "Resistore SMD", "Condensatore".
    static QString heading(PartKind kind);
    // A value as people write it: "4700 Ohm" as the band windows write
    // resistances, "100 nF" (pF, nF, µF), "4,7 µH" (nH, µH, mH, H).
    static QString value(const Quantity &q);
    // "± 5%", "± 0,25 pF", "+80/−20%"; "non indicata" where it says none.
    static QString tolerance(const MarkingReading &reading);
    // "100 V"; empty where it says none.
    static QString voltage(const MarkingReading &reading);
    // "da −55 a +125 °C, ± 15%", "0 ± 30 ppm/K"; empty where it says none.
    static QString dielectric(const MarkingReading &reading);
    // "Serie E3, E6, E12, E24, E192", "nessuna"; empty without a value.
    static QString series(const MarkingReading &reading);
    // How the value is printed: "3 cifre", "codice a lettere", ...
    static QString format(const MarkingReading &reading);
    // The tables the reading comes from, its parts' own where they differ:
    // "EIA; tolleranza: signalpro.biz".
    static QString source(const MarkingReading &reading);
    // "Condensatore 47 nF, ± 5%, 100 V (3 cifre; EIA)": one reading, one line.
    static QString line(const MarkingReading &reading);
    // What tells the readings apart where there is more than one; empty
    // where there is one or none.
    static QString tellApart(const MarkingReadings &marking);
    // Why nothing is read; typed is the text as given.
    static QString refusal(const MarkingReadings &marking, std::optional<PartKind> asked, const QString &typed);
};

} // namespace Velmora
