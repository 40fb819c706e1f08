#include "markingwording.h"

#include "eseries.h"
#include "smdwording.h"
#include "wording.h"

#include <algorithm>
#include <array>

namespace Velmora {

namespace {

struct Prefix {
    int exponent;
    const char *text; // UTF-8
};

// The prefixes people write each unit with, largest first: µF rather than
// mF, as electrolytics print 4700 µF, and farads for supercapacitors.
constexpr auto FaradPrefixes = std::to_array<Prefix>({{0, ""}, {-6, "µ"}, {-9, "n"}, {-12, "p"}});
constexpr auto HenryPrefixes = std::to_array<Prefix>({{0, ""}, {-3, "m"}, {-6, "µ"}, {-9, "n"}});

QString point()
{
    return Wording::decimalPoint();
}

QString written(Decimal r)
{
    return QString::fromStdString(plainText(r, point().toStdString()));
}

// The same value shown in units of 10^exponent.
Decimal inUnits(Decimal r, int exponent)
{
    return {r.significand, r.exponent - exponent};
}

template<std::size_t N> QString withPrefix(Decimal r, const std::array<Prefix, N> &prefixes, const QString &unit)
{
    for (const Prefix &p : prefixes)
        if (compare(r, Decimal {1, p.exponent}) >= 0 || &p == &prefixes.back())
            return written(inUnits(r, p.exponent)) + u' ' + QString::fromUtf8(p.text) + unit;
    return {};
}

QString capacitorSource(ToleranceSource s)
{
    constexpr std::array<const char *, 5> names {
        "IEC 60062", "electro-tech-online.com", "einhugur.com", "3bmdesign.com", "signalpro.biz"};
    return QString::fromUtf8(names.at(std::size_t(s)));
}

QString voltageSource(VoltageSource s)
{
    constexpr std::array<const char *, 4> names {"EIA", "scheda tecnica TEH", "johngibson.me", ""};
    return QString::fromUtf8(names.at(std::size_t(s)));
}

QString inductorSource(InductorToleranceSource s)
{
    constexpr std::array<const char *, 4> names {"", "ctccoils.com", "token.com.tw", "basictables.com"};
    return QString::fromUtf8(names.at(std::size_t(s)));
}

QString smdCapacitorSource(SmdCapacitorSource s)
{
    constexpr std::array<const char *, 4> names {"EIA-198", "marsport.org.uk", "NIC Components", "ok1rr.com"};
    return QString::fromUtf8(names.at(std::size_t(s)));
}

QString capacitorFormat(CapacitorFormat f)
{
    switch (f) {
    case CapacitorFormat::ThreeDigits:
        return MarkingWording::tr("3 cifre, in pF");
    case CapacitorFormat::Picofarads:
        return MarkingWording::tr("picofarad scritti");
    case CapacitorFormat::LetterCode:
        return MarkingWording::tr("codice a lettere");
    case CapacitorFormat::RNotation:
        return MarkingWording::tr("R al posto della virgola, in pF");
    case CapacitorFormat::TwoCharacters:
        return MarkingWording::tr("SMD, 2 caratteri, in pF");
    case CapacitorFormat::WrittenOut:
        break;
    }
    return MarkingWording::tr("scritto per esteso");
}

QString inductorFormat(InductorFormat f)
{
    switch (f) {
    case InductorFormat::ThreeDigits:
        return MarkingWording::tr("3 cifre, in µH");
    case InductorFormat::RNotation:
        return MarkingWording::tr("R al posto della virgola, in µH");
    case InductorFormat::NNotation:
        return MarkingWording::tr("N al posto della virgola, in nH");
    case InductorFormat::WrittenOut:
        break;
    }
    return MarkingWording::tr("scritto per esteso");
}

// The value's table: the standard its format comes from.
QString valueTable(const MarkingReading &r)
{
    if (r.smd)
        return r.smd->format == SmdFormat::Eia96 ? QStringLiteral("EIA-96") : QStringLiteral("IEC 60062");
    if (r.component == PartKind::Resistor)
        return QStringLiteral("IEC 60062");
    if (r.capacitor && r.capacitor->value) {
        const CapacitorFormat f = r.capacitor->value->format;
        if (f == CapacitorFormat::TwoCharacters)
            return smdCapacitorSource(r.capacitor->value->source);
        return f == CapacitorFormat::ThreeDigits                                  ? QStringLiteral("EIA-198")
            : f == CapacitorFormat::LetterCode || f == CapacitorFormat::RNotation ? QStringLiteral("IEC 60062")
                                                                                  : QString();
    }
    if (r.inductor)
        return r.inductor->format == InductorFormat::WrittenOut ? QString() : QStringLiteral("EIA");
    return {};
}

} // namespace

QString MarkingWording::kind(PartKind kind)
{
    switch (kind) {
    case PartKind::Capacitor:
        return tr("condensatore");
    case PartKind::Inductor:
        return tr("induttore");
    case PartKind::Resistor:
        break;
    }
    return tr("resistore");
}

QString MarkingWording::heading(PartKind kind)
{
    switch (kind) {
    case PartKind::Capacitor:
        return tr("Condensatore");
    case PartKind::Inductor:
        return tr("Induttore");
    case PartKind::Resistor:
        break;
    }
    return tr("Resistore");
}

QString MarkingWording::value(const Quantity &q)
{
    const std::optional<Decimal> exact = asDecimal(q);
    if (!exact || q.unit == Unit::Ohm)
        return Wording::quantity(q);
    if (q.unit == Unit::Farad)
        return withPrefix(*exact, FaradPrefixes, QStringLiteral("F"));
    return withPrefix(*exact, HenryPrefixes, QStringLiteral("H"));
}

QString MarkingWording::tolerance(const MarkingReading &r)
{
    if (r.smd)
        return SmdWording::tolerance(*r.smd);
    if (r.capacitor && r.capacitor->tolerance) {
        const CapacitorTolerance &t = *r.capacitor->tolerance;
        if (t.absolute)
            return QStringLiteral("± ") + value(Quantity {Unit::Farad, *t.absolute, 1});
        if (t.percent)
            return Wording::tolerance(*t.percent);
    }
    if (r.inductor && r.inductor->tolerance) {
        const InductorTolerance &t = *r.inductor->tolerance;
        if (t.absolute)
            return QStringLiteral("± ") + value(Quantity {Unit::Henry, *t.absolute, 1});
        if (t.percent)
            return Wording::tolerance(*t.percent);
        return tr("nessuna richiesta (%1)").arg(QLatin1Char(t.letter));
    }
    return tr("non indicata");
}

QString MarkingWording::voltage(const MarkingReading &r)
{
    if (!r.capacitor || !r.capacitor->voltage)
        return {};
    return written(r.capacitor->voltage->volts) + QStringLiteral(" V");
}

QString MarkingWording::dielectric(const MarkingReading &r)
{
    if (!r.capacitor || !r.capacitor->dielectric)
        return {};
    const Dielectric &d = *r.capacitor->dielectric;
    if (d.kind == DielectricClass::Stable)
        return tr("classe 2, da %1 a %2 °C, %3")
            .arg(QString::number(d.lowestCelsius).replace(u'-', QStringLiteral("−")),
                (d.highestCelsius > 0 ? QStringLiteral("+") : QString()) + QString::number(d.highestCelsius),
                Wording::tolerance(d.change));
    QString coefficient = written(d.coefficient).replace(u'-', QStringLiteral("−"));
    if (d.coefficientTolerance)
        coefficient += QStringLiteral(" ± %1").arg(*d.coefficientTolerance);
    return tr("classe 1, %1 ppm/K").arg(coefficient);
}

QString MarkingWording::series(const MarkingReading &r)
{
    const std::optional<Decimal> value = r.part ? asDecimal(r.part->value) : std::nullopt;
    if (!value)
        return {};
    const std::vector<ESeries> series = seriesOf(*value);
    return series.empty() ? tr("nessuna") : Wording::seriesList(series);
}

QString MarkingWording::format(const MarkingReading &r)
{
    if (r.smd)
        return tr("SMD, %1").arg(SmdWording::format(r.smd->format));
    if (r.component == PartKind::Resistor)
        return tr("codice a lettere");
    if (r.capacitor)
        return r.capacitor->value ? capacitorFormat(r.capacitor->value->format) : tr("senza valore");
    return r.inductor ? inductorFormat(r.inductor->format) : QString();
}

QString MarkingWording::source(const MarkingReading &r)
{
    QStringList tables;
    const QString table = valueTable(r);
    if (!table.isEmpty())
        tables << table;
    if (r.smd && r.smd->oneMaker)
        tables << tr("tabella di un produttore");
    if (r.capacitor) {
        const CapacitorMarkingReading &c = *r.capacitor;
        if (c.tolerance)
            tables << tr("tolleranza: %1").arg(capacitorSource(c.tolerance->source));
        if (c.voltage && c.voltage->source != VoltageSource::WrittenOut)
            tables << tr("tensione: %1").arg(voltageSource(c.voltage->source));
        if (c.dielectric) {
            const DielectricSource s = c.dielectric->source;
            tables << (s == DielectricSource::Agreed    ? tr("dielettrico: EIA-198")
                    : s == DielectricSource::ShortTable ? tr("dielettrico: tabella breve (3bmdesign.com)")
                                                        : tr("dielettrico: tabella lunga"));
        }
    }
    if (r.inductor && r.inductor->tolerance)
        tables << (r.inductor->tolerance->source == InductorToleranceSource::Agreed
                ? tr("tolleranza: tabelle dei produttori")
                : tr("tolleranza: %1").arg(inductorSource(r.inductor->tolerance->source)));
    return tables.isEmpty() ? tr("scritto sul componente") : tables.join(QStringLiteral("; "));
}

QString MarkingWording::line(const MarkingReading &r)
{
    QStringList parts;
    if (r.part)
        parts << value(r.part->value);
    const bool saysTolerance
        = r.smd || (r.capacitor && r.capacitor->tolerance) || (r.inductor && r.inductor->tolerance);
    if (saysTolerance) {
        const QString t = tolerance(r);
        parts << (t.startsWith(QStringLiteral("±")) || t.startsWith(u'+') ? t : tr("tolleranza %1").arg(t));
    }
    for (const QString &more : {voltage(r), dielectric(r)})
        if (!more.isEmpty())
            parts << more;
    return tr("%1 %2 (%3; %4)").arg(heading(r.component), parts.join(QStringLiteral(", ")), format(r), source(r));
}

QString MarkingWording::tellApart(const MarkingReadings &marking)
{
    if (marking.readings.size() < 2)
        return {};
    const std::vector<PartKind> kinds = kindsOf(marking);
    if (kinds.size() == 1) {
        const auto valueOf = [](const MarkingReading &r) { return r.part ? asDecimal(r.part->value) : std::nullopt; };
        const std::optional<Decimal> first = valueOf(marking.readings.front());
        const bool oneValue
            = std::all_of(marking.readings.begin(), marking.readings.end(), [&](const MarkingReading &r) {
                  const std::optional<Decimal> v = valueOf(r);
                  return v.has_value() == first.has_value() && (!v || sameValue(*v, *first));
              });
        if (!oneValue)
            return kinds.front() == PartKind::Resistor ? SmdWording::ambiguous()
                : kinds.front() == PartKind::Capacitor
                ? tr("Il valore si legge in più modi: la marcatura non dice quale, un capacimetro sì.")
                : tr("Il valore si legge in più modi: la marcatura non dice quale, un ponte LCR sì.");
        // One value read alike, as 01R is 1 Ohm either way, says nothing in
        // doubt; a capacitor's or an inductor's letters read by tables that
        // disagree do.
        if (kinds.front() == PartKind::Resistor)
            return {};
        return tr("Le tabelle non concordano su tolleranza, tensione o dielettrico: la scheda tecnica del "
                  "produttore dice quale vale.");
    }
    QStringList hints {tr("Solo il componente dice quale lettura vale.")};
    const auto has = [&](PartKind k) { return std::find(kinds.begin(), kinds.end(), k) != kinds.end(); };
    if (has(PartKind::Resistor))
        hints << tr("Un resistore SMD è nero con il codice in bianco, e un multimetro in ohm ne legge il valore.");
    if (has(PartKind::Capacitor))
        hints << tr("Un condensatore ceramico è una goccia o un blocchetto (in SMD beige o marrone, di solito senza "
                    "scritte) e in ohm non conduce.");
    if (has(PartKind::Inductor))
        hints << tr("Un induttore mostra l'avvolgimento o la ferrite, e in ohm legge quasi zero.");
    return hints.join(u' ');
}

QString MarkingWording::refusal(const MarkingReadings &marking, std::optional<PartKind> asked, const QString &typed)
{
    if (!marking.readings.empty())
        return {};
    if (typed.trimmed().isEmpty())
        return tr("Scrivi la marcatura com'è stampata: 104, 2A473J, 4R7, X7R 104.");
    if (marking.capacitorError == CapacitorMarkingError::Conflicting && asked != PartKind::Resistor
        && asked != PartKind::Inductor)
        return tr("«%1» dice due volte la stessa cosa (due valori o due tensioni): nessun condensatore è marcato "
                  "così.")
            .arg(typed.trimmed());
    if (asked)
        return tr("«%1» non è una marcatura di %2 che Velmora conosca.").arg(typed.trimmed(), kind(*asked));
    return tr("«%1» non è una marcatura che Velmora conosca, né di resistore né di condensatore né di induttore.")
        .arg(typed.trimmed());
}

} // namespace Velmora
