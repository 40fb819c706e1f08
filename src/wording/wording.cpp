#include "wording.h"

#include "colourcode.h"

#include <QLocale>
#include <QStringList>

#include <algorithm>

namespace Velmora {

namespace {

QString qs(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

std::string point()
{
    return Wording::decimalPoint().toStdString();
}

int bandsOf(SchemeId scheme)
{
    return bandScheme(scheme).bandCount;
}

// "a, b e c"; with "o" for choices.
QString listed(const QStringList &items, const QString &last)
{
    if (items.size() < 2)
        return items.join(QString());
    return items.first(items.size() - 1).join(QStringLiteral(", ")) + u' ' + last + u' ' + items.last();
}

} // namespace

QString Wording::decimalPoint()
{
    return QLocale().decimalPoint();
}

QString Wording::value(Decimal r)
{
    return qs(unambiguousText(r, point()));
}

QString Wording::tolerance(int hundredthsOfPercent)
{
    return qs(toleranceText(hundredthsOfPercent, point()));
}

QString Wording::coefficient(int ppmPerKelvin)
{
    return tr("%1 ppm/K").arg(ppmPerKelvin);
}

QString Wording::colour(Colour c)
{
    return qs(colourRow(c).listText);
}

QString Wording::resultLine(const Reading &reading)
{
    const auto parts = resultParts(reading, point());
    if (!parts)
        return QString();
    QString line = tr("%1 Ohm ± %2").arg(qs(parts->value), qs(parts->tolerance));
    if (parts->coefficient)
        line += u' ' + coefficient(*parts->coefficient);
    return line;
}

QString Wording::valuePlaceholder()
{
    return tr("4K7, 0R22, %1 kΩ, 470 Ohm").arg(QLatin1Char('4') + decimalPoint() + QLatin1Char('7'));
}

QString Wording::readRefusal(const ValueReading &reading, const QString &typed)
{
    const QString quoted = QStringLiteral("«%1»").arg(typed.trimmed());
    switch (reading.error) {
    case ReadError::None:
        break;
    case ReadError::Empty:
        return tr("Scrivere un valore, per esempio 4K7, %1 kΩ oppure 470.")
            .arg(QLatin1Char('4') + decimalPoint() + QLatin1Char('7'));
    case ReadError::Negative:
        return tr("Una resistenza non è mai negativa: scrivere il valore senza il segno meno.");
    case ReadError::TwoSeparators:
        return tr("%1 ha più di un separatore: scrivere il valore senza separatori delle migliaia e con un solo "
                  "separatore decimale, per esempio 1000000 oppure 1M.")
            .arg(quoted);
    case ReadError::Grouping:
        return tr("%1 è ambiguo: può voler dire %2 oppure %3. Scrivere l’uno o l’altro così, senza separatore "
                  "delle migliaia.")
            .arg(quoted, qs(reading.spellings[0]), qs(reading.spellings[1]));
    case ReadError::MilliOrMega:
        return tr("%1 è ambiguo: «m» può voler dire milli o mega. Per %2 megaohm scrivere %3; per %2 milliohm "
                  "scrivere %4.")
            .arg(quoted, value(reading.number), qs(reading.spellings[0]), qs(reading.spellings[1]));
    case ReadError::Malformed:
        return tr("%1 non è un valore valido: scrivere il numero e poi, se serve, il prefisso e l’unità (%2 kΩ, "
                  "470 Ohm) oppure il codice a lettere (4K7, 0R22).")
            .arg(quoted, QLatin1Char('4') + decimalPoint() + QLatin1Char('7'));
    case ReadError::TooManyDigits:
        return tr("%1 ha troppe cifre significative per un valore di resistenza.").arg(quoted);
    case ReadError::TooLong:
        return tooLong();
    case ReadError::ControlCharacter:
        return controlCharacter(reading.controlCode);
    }
    return QString();
}

QString Wording::tooLong()
{
    return tr("Il testo è troppo lungo: un valore o un codice si scrive con al massimo %1 caratteri.")
        .arg(qsizetype(MostCharacters));
}

QString Wording::controlCharacter(unsigned code)
{
    return tr("Il testo contiene un carattere di controllo (U+%1), che non fa parte di nessun valore: riscriverlo "
              "senza.")
        .arg(QString::number(code, 16).toUpper().rightJustified(4, u'0'));
}

QString Wording::bandRefusal(const BandChoice &choice, Decimal r)
{
    const int bands = bandsOf(choice.reading.scheme);
    QString text;
    switch (choice.refusal) {
    case BandRefusal::None:
        return QString();
    case BandRefusal::Zero:
        return tr("Un ponticello da 0 Ohm porta una sola banda nera, che le finestre di Velmora non mostrano.");
    case BandRefusal::TooManyDigits:
        text = tr("%1 Ohm ha %2 cifre significative: la finestra a %3 bande ne mostra %4.")
                   .arg(value(r))
                   .arg(choice.digits)
                   .arg(bands)
                   .arg(choice.schemeDigits);
        break;
    case BandRefusal::OutOfRange:
        text = tr("%1 Ohm è fuori portata: la finestra a %2 bande mostra da %3 a %4 Ohm.")
                   .arg(value(r))
                   .arg(bands)
                   .arg(value(choice.lowest), value(choice.highest));
        break;
    case BandRefusal::LeadingZero:
        text = tr("Per %1 Ohm la finestra a %2 bande vorrebbe una prima banda nera, che nessun resistore porta: la "
                  "prima cifra non è mai zero. Mostra da %3 a %4 Ohm.")
                   .arg(value(r))
                   .arg(bands)
                   .arg(value(choice.lowest), value(choice.highest));
        break;
    }
    if (choice.otherScheme)
        text += u' ' + tr("Quella a %1 bande lo mostra.").arg(bandsOf(*choice.otherScheme));
    else if (choice.refusal == BandRefusal::TooManyDigits)
        text += u' ' + tr("Nessuna finestra di Velmora ne mostra di più.");
    return text;
}

QString Wording::leadingZero()
{
    return tr("La banda 1 è nera, e nessun resistore comincia con il nero: la prima cifra non è mai zero. Forse "
              "il resistore va letto dall'altro lato.");
}

QString Wording::moreBandsButton(SchemeId scheme)
{
    return tr("&Passa a %1 bande").arg(bandsOf(scheme));
}

QString Wording::seriesList(const std::vector<ESeries> &series)
{
    QStringList names;
    for (ESeries s : series)
        names << qs(seriesName(s));
    return tr("Serie %1").arg(names.join(QStringLiteral(", ")));
}

QString Wording::notStandard(std::optional<ESeries> offeredFrom)
{
    QString text = tr("Non è un valore normalizzato.");
    if (offeredFrom)
        text += u' ' + tr("I più vicini in %1:").arg(qs(seriesName(*offeredFrom)));
    return text;
}

QString Wording::nearestButton(Decimal r)
{
    return tr("%1 Ohm").arg(value(r));
}

QString Wording::nearestName(bool above, Decimal r)
{
    return (above ? tr("Valore normalizzato superiore: %1") : tr("Valore normalizzato inferiore: %1"))
        .arg(nearestButton(r));
}

QString Wording::standing(const SeriesStanding &standing)
{
    if (!standing.series.empty())
        return seriesList(standing.series);
    QStringList nearest;
    for (const auto &r : {standing.below, standing.above})
        if (r)
            nearest << nearestButton(*r);
    if (nearest.isEmpty())
        return notStandard(std::nullopt);
    return notStandard(standing.nearestFrom) + u' ' + listed(nearest, tr("e"));
}

QString Wording::bandKind(BandKind kind)
{
    switch (kind) {
    case BandKind::Digit:
        break;
    case BandKind::Multiplier:
        return tr("moltiplicatore");
    case BandKind::Tolerance:
        return tr("tolleranza");
    case BandKind::TempCoefficient:
        return tr("coefficiente di temperatura");
    }
    return tr("cifra");
}

QString Wording::bandColourRefusal(const BandScheme &scheme, int band, const QString &typed)
{
    QStringList colours;
    for (const SchemeRow &row : scheme.rows(band))
        colours << colour(row.colour);
    return tr("La banda %1 (%2) non può essere «%3»: può essere %4.")
        .arg(band)
        .arg(bandKind(scheme.kind(band)), typed, listed(colours, tr("o")));
}

QString Wording::missingRow(const BandScheme &scheme, BandKind kind, const QString &typed)
{
    QStringList offered;
    if (kind == BandKind::Tolerance) {
        for (int row : tolerancesFinestFirst(scheme))
            offered << tolerance(scheme.rows(scheme.bandOf(kind))[std::size_t(row)].value);
        if (scheme.impliedTolerance)
            offered << tolerance(*scheme.impliedTolerance);
        offered.removeDuplicates();
        return tr("La finestra a %1 bande non offre la tolleranza «%2»: offre %3.")
            .arg(scheme.bandCount)
            .arg(typed, listed(offered, tr("e")));
    }
    std::vector<int> coefficients;
    for (const SchemeRow &row : scheme.rows(scheme.bandOf(kind)))
        coefficients.push_back(row.value);
    std::sort(coefficients.begin(), coefficients.end());
    for (int c : coefficients)
        offered << QString::number(c);
    return tr("La finestra a %1 bande non offre il coefficiente «%2»: offre %3 ppm/K.")
        .arg(scheme.bandCount)
        .arg(typed, listed(offered, tr("e")));
}

QString Wording::notAColour(int band, const QString &typed)
{
    QStringList colours;
    for (int c = 0; c <= int(Colour::Pink); ++c)
        colours << colour(Colour(c));
    return tr("Banda %1: «%2» non è un colore; i colori sono %3.").arg(band).arg(typed, listed(colours, tr("e")));
}

QString Wording::emptyAlternative(int band, const QString &typed)
{
    return tr("Banda %1: in «%2» manca un colore accanto a una /; i colori incerti si scrivono così: rosso/arancio.")
        .arg(band)
        .arg(typed);
}

QString Wording::rank(const Identified &reading)
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

QString Wording::identifiedLine(const Identified &reading)
{
    QStringList colours;
    for (int band = 1; band <= bandScheme(reading.reading.scheme).bandCount; ++band)
        colours << colour(*colourOf(reading.reading, band));
    return tr("%1: %2; %3").arg(resultLine(reading.reading), colours.join(u' '), rank(reading));
}

QString Wording::exclusions(const Identification &identification)
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

QString Wording::smdFormat(SmdFormat format)
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

QString Wording::smdTolerance(const SmdReading &reading)
{
    if (reading.tolerance)
        return QStringLiteral("± ") + tolerance(*reading.tolerance);
    if (reading.usualTolerance)
        return tr("non indicata (di solito %1)").arg(tolerance(*reading.usualTolerance));
    return tr("non indicata");
}

QString Wording::smdKind(const SmdCode &code, const SmdReading &reading)
{
    if (reading.format != SmdFormat::Eia96)
        return smdFormat(reading.format);
    // The table is named where one reading rests on the maker's alone.
    const bool tablesDiffer
        = std::any_of(code.readings.begin(), code.readings.end(), [](const SmdReading &r) { return r.oneMaker; });
    if (!tablesDiffer)
        return smdFormat(reading.format);
    return reading.oneMaker ? tr("EIA-96, tabella di un produttore") : tr("EIA-96, tabelle più diffuse");
}

QString Wording::smdReadingLine(const SmdCode &code, const SmdReading &reading)
{
    QString line = tr("%1 Ohm").arg(value(reading.value));
    if (reading.tolerance)
        line += u' ' + smdTolerance(reading);
    return line + QStringLiteral(" (%1)").arg(smdKind(code, reading));
}

QString Wording::smdDetails(const SmdCode &code, const SmdReading &reading)
{
    QString text = tr("%1; tolleranza %2").arg(smdKind(code, reading), smdTolerance(reading));
    // A jumper is no value of a series, nor out of one.
    if (reading.format == SmdFormat::Jumper)
        return text;
    const std::vector<ESeries> series = seriesOf(reading.value);
    return text + QStringLiteral("; ") + (series.empty() ? notStandard(std::nullopt) : seriesList(series));
}

QString Wording::smdAmbiguous()
{
    return tr("Il codice si legge in due modi: la marcatura non dice quale, il circuito o una misura sì.");
}

QString Wording::smdRefusal(const SmdCode &code, const QString &typed)
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

QString Wording::smdMarkings(Decimal r, const std::vector<SmdMarking> &markings)
{
    if (markings.empty())
        return tr("Nessun codice SMD scrive %1 Ohm.").arg(value(r));
    QStringList codes;
    for (const SmdMarking &m : markings)
        codes << QStringLiteral("%1 (%2)").arg(QString::fromStdString(m.text), smdFormat(m.format));
    return tr("%1 Ohm si marca %2.").arg(value(r), listed(codes, tr("oppure")));
}

QString Wording::identifiedDetails(const Identified &identified)
{
    QStringList parts;
    if (const std::vector<ESeries> series = seriesOf(identified.value); !series.empty())
        parts << seriesList(series);
    return (parts << rank(identified)).join(QStringLiteral(" · "));
}

QString Wording::identifyPrompt()
{
    return tr("Scegliere, banda per banda, il colore che si vede, o i colori tra cui si è incerti; una banda "
              "senza colore può essere di qualsiasi colore.");
}

QString Wording::verdict(const Identification &identification, bool measured)
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
                                               : tr("alle bande %1").arg(listed(bands, tr("e")));
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

QString Wording::notInFourBandWindow(int band, Colour c)
{
    return tr("La finestra a 4 bande non elenca %1 nella %2° banda: questa lettura non si può applicare.")
        .arg(colour(c))
        .arg(band);
}

} // namespace Velmora
