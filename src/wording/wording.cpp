#include "wording.h"

#include "colourcode.h"

#include <QLocale>
#include <QStringList>

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

} // namespace

QString Wording::decimalPoint()
{
    return QLocale().decimalPoint();
}

QString Wording::listed(const QStringList &items, const QString &last)
{
    if (items.size() < 2)
        return items.join(QString());
    return items.first(items.size() - 1).join(QStringLiteral(", ")) + u' ' + last + u' ' + items.last();
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

QString Wording::unit(Unit unit)
{
    switch (unit) {
    case Unit::Farad:
        return QStringLiteral("F");
    case Unit::Henry:
        return QStringLiteral("H");
    case Unit::Ohm:
        break;
    }
    return QStringLiteral("Ohm");
}

QString Wording::quantity(const Quantity &q)
{
    if (const std::optional<Decimal> exact = asDecimal(q))
        return value(*exact) + u' ' + unit(q.unit);
    return QStringLiteral("≈ ") + value(rounded(q, 6)) + u' ' + unit(q.unit);
}

QString Wording::tolerance(const Tolerance &t)
{
    if (t.symmetric())
        return QStringLiteral("± ") + tolerance(t.above);
    return QStringLiteral("+%1/−%2").arg(tolerance(t.above).chopped(1), tolerance(t.below));
}

QString Wording::part(const Part &part)
{
    QString line = quantity(part.value);
    if (part.tolerance)
        line += u' ' + tolerance(*part.tolerance);
    if (part.coefficient)
        line += u' ' + coefficient(*part.coefficient);
    return line;
}

QString Wording::resultLine(const Reading &reading)
{
    // The window's own texts: plain digits, even where value() would spell
    // them as a letter code.
    const auto parts = resultParts(reading, point());
    const auto part = partOf(reading);
    if (!parts || !part)
        return QString();
    QString line = tr("%1 %2 ± %3").arg(qs(parts->value), unit(part->value.unit), qs(parts->tolerance));
    if (parts->coefficient)
        line += u' ' + coefficient(*parts->coefficient);
    return line;
}

ValueReading Wording::read(const QString &typed)
{
    return readValue(typed.toStdString(), point());
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

QString Wording::leadingZero()
{
    return tr("La banda 1 è nera, e nessun resistore comincia con il nero: la prima cifra non è mai zero. Forse "
              "il resistore va letto dall'altro lato.");
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

} // namespace Velmora
