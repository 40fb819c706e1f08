#include "inductorwording.h"

#include "markingwording.h"
#include "wording.h"

#include <QStringList>

namespace Velmora {

// Written as every marking writes an inductance.
QString InductorWording::value(Decimal henries)
{
    return MarkingWording::value(Quantity {Unit::Henry, henries, 1});
}

QString InductorWording::source(InductorBandSource source)
{
    switch (source) {
    case InductorBandSource::Agreed:
        break;
    case InductorBandSource::LearnAbout:
        return QStringLiteral("learnabout-electronics.org");
    case InductorBandSource::RzGuodou:
        return QStringLiteral("rzguodou.com");
    }
    return tr("tutte le tabelle");
}

QString InductorWording::format(InductorBandFormat format)
{
    switch (format) {
    case InductorBandFormat::FourBands:
        break;
    case InductorBandFormat::ThreeBands:
        return tr("3 bande");
    case InductorBandFormat::Military:
        return tr("forma militare");
    }
    return tr("4 bande");
}

QString InductorWording::readingLine(const InductorBandValue &reading)
{
    QString line = tr("%1 ± %2").arg(value(reading.henries), Wording::tolerance(reading.tolerance));
    QStringList notes;
    if (reading.format == InductorBandFormat::Military)
        notes << format(reading.format);
    if (reading.source != InductorBandSource::Agreed)
        notes << tr("secondo %1").arg(source(reading.source));
    if (!notes.isEmpty())
        line += QStringLiteral(" (%1)").arg(notes.join(QStringLiteral(", ")));
    return line;
}

QString InductorWording::refusal(InductorBandError error, int band, const QString &typed)
{
    const QString quoted = QStringLiteral("«%1»").arg(typed);
    switch (error) {
    case InductorBandError::None:
    case InductorBandError::Count:
        break;
    case InductorBandError::NotMilitary:
        return tr("Su 5 bande un induttore ha la forma militare, che comincia con una banda argento: la banda 1 "
                  "non può essere %1.")
            .arg(quoted);
    case InductorBandError::NotADigit:
        return tr("La banda %1 (cifra) non può essere %2: una cifra va dal nero (0) al bianco (9).")
            .arg(band)
            .arg(quoted);
    case InductorBandError::NotAMultiplier:
        return tr("La banda %1 (moltiplicatore) non può essere %2: nessuna tabella degli induttori lo legge come "
                  "moltiplicatore.")
            .arg(band)
            .arg(quoted);
    case InductorBandError::NotATolerance:
        return tr("La banda %1 (tolleranza) non può essere %2: nessuna tabella degli induttori la legge con queste "
                  "bande.")
            .arg(band)
            .arg(quoted);
    case InductorBandError::DecimalPoint:
        return tr("La banda %1 non può essere %2: l’oro vi starebbe per la virgola, che lì non può stare.")
            .arg(band)
            .arg(quoted);
    case InductorBandError::Zero:
        return tr("Le cifre sono tutte zero: nessun induttore vale 0 H.");
    }
    return tr("Un induttore ha 3, 4 o 5 bande.");
}

QString InductorWording::notAColour(int band, const QString &typed)
{
    return tr("La banda %1 non può essere «%2»: non è il nome di un colore.").arg(band).arg(typed);
}

} // namespace Velmora
