#pragma once

#include "identification.h"

#include <QCoreApplication>
#include <QString>

namespace Velmora {

// What the identification says, in the identify window and the terminal's
// identifica: its readings' lines, its verdict and what it ruled out.
class IdentifyWording
{
    Q_DECLARE_TR_FUNCTIONS(IdentifyWording)

public:
    // "Banda 2: «blue» non è un colore; ..." for a band of unknown kind.
    static QString notAColour(int band, const QString &typed);
    // "rosso/": a slash with no colour on one side.
    static QString emptyAlternative(int band, const QString &typed);
    // "confermata dalla misura", "valore normalizzato, letta dall'altro lato".
    static QString rank(const Identified &reading);
    // "220 Ohm ± 1%: rosso rosso nero nero marrone; valore normalizzato".
    static QString line(const Identified &reading);
    // What the readings come to, and how many are not shown.
    static QString verdict(const Identification &identification, bool measured);
    // What the colour code ruled out, rule by rule; empty when nothing.
    static QString exclusions(const Identification &identification);

    // The identify window. "Serie E12, E24 · valore normalizzato, letta
    // dall'altro lato": what a reading's line says under its value.
    static QString details(const Identified &identified);
    // Before any colour is chosen.
    static QString prompt();
    // Why a four-band reading cannot go to the four-band window.
    static QString notInFourBandWindow(int band, Colour colour);
};

} // namespace Velmora
