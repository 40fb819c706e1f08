#pragma once

#include "smdcode.h"

#include <QCoreApplication>
#include <QString>

#include <vector>

namespace Velmora {

// What reading SMD markings says, in the SMD window and the terminal's smd.
class SmdWording
{
    Q_DECLARE_TR_FUNCTIONS(SmdWording)

public:
    // "3 cifre", "EIA-96" ...
    static QString format(SmdFormat format);
    // "± 1%", or "non indicata (di solito 5%)" where the marking does not say it.
    static QString tolerance(const SmdReading &reading);
    // "EIA-96", or with the table where the code's readings rest on
    // different ones: "EIA-96, tabella di un produttore".
    static QString kind(const SmdCode &code, const SmdReading &reading);
    // "3,01 Ohm ± 1% (EIA-96)", "4700 Ohm (3 cifre)": one reading on a line.
    static QString readingLine(const SmdCode &code, const SmdReading &reading);
    // "3 cifre; tolleranza non indicata (di solito 5%); Serie E3, E6": what
    // the SMD window says under a reading's value.
    static QString details(const SmdCode &code, const SmdReading &reading);
    // A marking whose readings disagree on the value.
    static QString ambiguous();
    // Why a marking is not read; typed is the text as given.
    static QString refusal(const SmdCode &code, const QString &typed);
    // "4700 Ohm si marca 472 (3 cifre) oppure 4701 (4 cifre)."
    static QString markings(Decimal value, const std::vector<SmdMarking> &markings);
};

} // namespace Velmora
