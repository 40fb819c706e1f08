#include "smdwording.h"

#include "eseries.h"
#include "wording.h"

#include <QStringList>

#include <algorithm>

namespace Velmora {

QString SmdWording::format(SmdFormat format)
{
    switch (format) {
    case SmdFormat::Jumper:
        return tr("ponticello");
    case SmdFormat::ThreeDigits:
        return tr("3 cifre");
    case SmdFormat::FourDigits:
        return tr("4 cifre");
    case SmdFormat::RNotation:
        return tr("R al posto della virgola");
    case SmdFormat::LNotation:
        return tr("L al posto della virgola, in milliohm");
    case SmdFormat::Eia96:
        break;
    }
    return tr("EIA-96");
}

QString SmdWording::tolerance(const SmdReading &reading)
{
    if (reading.tolerance)
        return QStringLiteral("± ") + Wording::tolerance(*reading.tolerance);
    if (reading.usualTolerance)
        return tr("non indicata (di solito %1)").arg(Wording::tolerance(*reading.usualTolerance));
    return tr("non indicata");
}

QString SmdWording::kind(const SmdCode &code, const SmdReading &reading)
{
    if (reading.format != SmdFormat::Eia96)
        return format(reading.format);
    // The table is named where one reading rests on the maker's alone.
    const bool tablesDiffer
        = std::any_of(code.readings.begin(), code.readings.end(), [](const SmdReading &r) { return r.oneMaker; });
    if (!tablesDiffer)
        return format(reading.format);
    return reading.oneMaker ? tr("EIA-96, tabella di un produttore") : tr("EIA-96, tabelle più diffuse");
}

QString SmdWording::readingLine(const SmdCode &code, const SmdReading &reading)
{
    return Wording::part(partOf(reading, {})) + QStringLiteral(" (%1)").arg(kind(code, reading));
}

QString SmdWording::details(const SmdCode &code, const SmdReading &reading)
{
    QString text = tr("%1; tolleranza %2").arg(kind(code, reading), tolerance(reading));
    // A jumper is no value of a series, nor out of one.
    if (reading.format == SmdFormat::Jumper)
        return text;
    const std::vector<ESeries> series = seriesOf(reading.value);
    return text + QStringLiteral("; ")
        + (series.empty() ? Wording::notStandard(std::nullopt) : Wording::seriesList(series));
}

QString SmdWording::ambiguous()
{
    return tr("Il codice si legge in due modi: la marcatura non dice quale, il circuito o una misura sì.");
}

QString SmdWording::refusal(const SmdCode &code, const QString &typed)
{
    const QString quoted = QStringLiteral("«%1»").arg(typed.trimmed());
    switch (code.error) {
    case SmdError::None:
        break;
    case SmdError::Empty:
        return tr("Scrivere il codice stampato sul resistore, per esempio 472, 4701, 4R7 oppure 01C.");
    case SmdError::Malformed:
        return tr("%1 non è un codice SMD: si scrive con 3 o 4 cifre (472, 4701), con R o L al posto della "
                  "virgola (4R7, R010, 6L8) oppure con due cifre e una lettera (01C).")
            .arg(quoted);
    case SmdError::Eia96Number:
        return tr("%1 non è un codice EIA-96: le due cifre vanno da 01 a 96.").arg(quoted);
    case SmdError::Eia96Letter:
        return tr("%1 non è un codice EIA-96: la lettera è una di A, B, C, D, E, F, G, H, X, Y, Z, R e S.").arg(quoted);
    }
    return QString();
}

QString SmdWording::markings(Decimal r, const std::vector<SmdMarking> &markings)
{
    if (markings.empty())
        return tr("Nessun codice SMD scrive %1 Ohm.").arg(Wording::value(r));
    QStringList codes;
    for (const SmdMarking &m : markings)
        codes << QStringLiteral("%1 (%2)").arg(QString::fromStdString(m.text), format(m.format));
    return tr("%1 Ohm si marca %2.").arg(Wording::value(r), Wording::listed(codes, tr("oppure")));
}

} // namespace Velmora
