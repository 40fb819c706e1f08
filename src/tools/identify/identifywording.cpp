#include "identifywording.h"

#include "wording.h"

#include <QStringList>

namespace Velmora {

QString IdentifyWording::notAColour(int band, const QString &typed)
{
    QStringList colours;
    for (int c = 0; c <= int(Colour::Pink); ++c)
        colours << Wording::colour(Colour(c));
    return tr("Banda %1: «%2» non è un colore; i colori sono %3.")
        .arg(band)
        .arg(typed, Wording::listed(colours, tr("e")));
}

QString IdentifyWording::emptyAlternative(int band, const QString &typed)
{
    return tr("Banda %1: in «%2» manca un colore accanto a una /; i colori incerti si scrivono così: rosso/arancio.")
        .arg(band)
        .arg(typed);
}

QString IdentifyWording::rank(const Identified &reading)
{
    QString text;
    switch (reading.rank) {
    case Rank::Confirmed:
        text = tr("confermata dalla misura");
        break;
    case Rank::Standard:
        text = tr("valore normalizzato");
        break;
    case Rank::NotStandard:
        text = tr("valore non normalizzato");
        break;
    case Rank::Contradicted:
        text = tr("esclusa dalla misura");
        break;
    }
    return reading.reversed ? tr("%1, letta dall'altro lato").arg(text) : text;
}

QString IdentifyWording::line(const Identified &reading)
{
    QStringList colours;
    for (int band = 1; band <= bandScheme(reading.reading.scheme).bandCount; ++band)
        colours << Wording::colour(*colourOf(reading.reading, band));
    return tr("%1: %2; %3").arg(Wording::resultLine(reading.reading), colours.join(u' '), rank(reading));
}

QString IdentifyWording::exclusions(const Identification &identification)
{
    const std::array<QString, ExclusionCount> rules {tr("una cifra non è mai oro, argento o rosa"),
        tr("il moltiplicatore non è mai quel colore"), tr("la tolleranza non è mai nero, bianco o rosa"),
        tr("il coefficiente di temperatura non è mai bianco, oro, argento o rosa"),
        tr("la prima cifra non è mai nera")};
    QStringList parts;
    std::size_t total = 0;
    for (std::size_t i = 0; i < rules.size(); ++i) {
        if (const std::size_t n = identification.excluded[i]) {
            parts << tr("%1 perché %2").arg(qsizetype(n)).arg(rules[i]);
            total += n;
        }
    }
    if (total == 0)
        return QString();
    const QString why = parts.join(QStringLiteral("; "));
    if (total == 1)
        return tr("Il codice colori esclude 1 sequenza: %1.").arg(why);
    return tr("Il codice colori esclude %1 sequenze: %2.").arg(qsizetype(total)).arg(why);
}

QString IdentifyWording::details(const Identified &identified)
{
    QStringList parts;
    if (const std::vector<ESeries> series = seriesOf(identified.value); !series.empty())
        parts << Wording::seriesList(series);
    return (parts << rank(identified)).join(QStringLiteral(" · "));
}

QString IdentifyWording::prompt()
{
    return tr("Scegliere, banda per banda, il colore che si vede, o i colori tra cui si è incerti; una banda "
              "senza colore può essere di qualsiasi colore.");
}

QString IdentifyWording::verdict(const Identification &identification, bool measured)
{
    const auto found = qsizetype(identification.found);
    QString text;
    switch (identification.verdict) {
    case Verdict::None:
        return tr("Nessun resistore porta questi colori: il codice non ne ammette nessuna lettura.");
    case Verdict::One:
        text = measured ? tr("Una sola lettura, confermata dalla misura.") : tr("Una sola lettura.");
        break;
    case Verdict::OneMeasured:
        text = tr("%1 letture: la misura ne lascia una sola.").arg(found);
        break;
    case Verdict::Contradicted:
        text = found == 1
            ? tr("Una sola lettura, e la misura la esclude: ricontrollare i colori e la misura.")
            : tr("%1 letture, nessuna confermata dalla misura: ricontrollare i colori e la misura.").arg(found);
        break;
    case Verdict::Several: {
        const auto confirmed = qsizetype(identification.confirmed);
        if (identification.bothEnds) {
            text = confirmed == 0
                ? tr("%1 letture: possono distinguerle solo una misura o il corpo del resistore, dove lo spazio più "
                     "largo viene prima della banda di tolleranza.")
                      .arg(found)
                : tr("%1 letture; la misura ne conferma %2: solo il corpo del resistore, dove lo spazio più largo "
                     "viene prima della banda di tolleranza, può distinguerle.")
                      .arg(found)
                      .arg(confirmed);
            break;
        }
        // Read from the same end: only the uncertain bands differ.
        QStringList bands;
        for (int band : identification.differingBands)
            bands << QString::number(band);
        const QString look = bands.size() == 1 ? tr("alla banda %1").arg(bands.constFirst())
                                               : tr("alle bande %1").arg(Wording::listed(bands, tr("e")));
        text = confirmed == 0
            ? tr("%1 letture: possono distinguerle solo una misura o uno sguardo più attento %2.").arg(found).arg(look)
            : tr("%1 letture; la misura ne conferma %2: possono distinguerle solo uno sguardo più attento %3 o una "
                 "misura più precisa.")
                  .arg(found)
                  .arg(confirmed)
                  .arg(look);
        break;
    }
    case Verdict::TooMany:
        text = tr("Troppe letture (%1): indicare il colore di qualche banda in più.").arg(found);
        break;
    }
    const qsizetype hidden = found - qsizetype(identification.readings.size());
    if (hidden > 0 && !identification.readings.empty())
        text += u' ' + tr("Ne sono elencate %1, %2 no.").arg(qsizetype(identification.readings.size())).arg(hidden);
    return text;
}

QString IdentifyWording::notInFourBandWindow(int band, Colour c)
{
    return tr("La finestra a 4 bande non elenca %1 nella %2° banda: questa lettura non si può applicare.")
        .arg(Wording::colour(c))
        .arg(band);
}

} // namespace Velmora
