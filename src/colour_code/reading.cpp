#include "reading.h"

#include "schemeregistry.h"

namespace Velmora {

namespace {

// The chosen row's entry, nothing while unchosen or out of the list.
const SchemeRow *entry(const Reading &reading, int band)
{
    const BandScheme &scheme = bandScheme(reading.scheme);
    if (band < 1 || band > scheme.bandCount)
        return nullptr;
    const int row = reading.row(band);
    const auto list = scheme.rows(band);
    return row >= 0 && std::size_t(row) < list.size() ? &list[std::size_t(row)] : nullptr;
}

std::optional<int> valueOfKind(const Reading &reading, BandKind kind)
{
    const SchemeRow *e = entry(reading, bandScheme(reading.scheme).bandOf(kind));
    return e ? std::optional(e->value) : std::nullopt;
}

} // namespace

int Reading::row(int band) const
{
    return band >= 1 && band <= int(rows.size()) ? rows[std::size_t(band - 1)] : NoRow;
}

void Reading::setRow(int band, int row)
{
    if (band >= 1 && band <= int(rows.size()))
        rows[std::size_t(band - 1)] = row;
}

std::optional<Colour> colourOf(const Reading &reading, int band)
{
    const SchemeRow *e = entry(reading, band);
    return e ? std::optional(e->colour) : std::nullopt;
}

bool complete(const Reading &reading)
{
    for (int band = 1; band <= bandScheme(reading.scheme).bandCount; ++band)
        if (!entry(reading, band))
            return false;
    return true;
}

std::optional<Decimal> valueOf(const Reading &reading)
{
    const BandScheme &scheme = bandScheme(reading.scheme);
    Decimal r;
    for (int band = 1; band <= scheme.bandCount; ++band) {
        const BandKind kind = scheme.kind(band);
        if (kind != BandKind::Digit && kind != BandKind::Multiplier)
            continue;
        const SchemeRow *e = entry(reading, band);
        if (!e)
            return std::nullopt;
        if (kind == BandKind::Digit)
            r.significand = r.significand * 10 + e->value;
        else
            r.exponent = e->value;
    }
    return r;
}

std::optional<int> toleranceOf(const Reading &reading)
{
    const BandScheme &scheme = bandScheme(reading.scheme);
    if (scheme.bandOf(BandKind::Tolerance) == 0)
        return scheme.impliedTolerance;
    return valueOfKind(reading, BandKind::Tolerance);
}

std::optional<int> coefficientOf(const Reading &reading)
{
    return valueOfKind(reading, BandKind::TempCoefficient);
}

std::optional<Part> partOf(const Reading &reading)
{
    if (!complete(reading))
        return std::nullopt;
    const PartKind kind = schemeEntry(reading.scheme).component;
    Decimal value = *valueOf(reading);
    value.exponent += bandScheme(reading.scheme).unitPower;
    return Part {kind, {unitOf(kind), value, 1}, plusMinus(*toleranceOf(reading)), coefficientOf(reading),
        {MarkingKind::Bands, {}}};
}

std::optional<Limits> limitsOf(const Reading &reading)
{
    const auto value = valueOf(reading);
    const auto tolerance = toleranceOf(reading);
    if (!value || !tolerance)
        return std::nullopt;
    // The part's range, which a few figures and a tolerance keep decimal.
    const std::optional<Range> range = rangeOf(resistor(*value, plusMinus(*tolerance)));
    if (!range)
        return std::nullopt;
    return Limits {*asDecimal(range->lowest), *asDecimal(range->highest)};
}

std::vector<ESeries> seriesOf(const Reading &reading)
{
    const auto value = valueOf(reading);
    return value ? seriesOf(*value) : std::vector<ESeries> {};
}

std::optional<ResultParts> resultParts(const Reading &reading, std::string_view decimalPoint)
{
    const std::optional<Part> part = partOf(reading);
    if (!part)
        return std::nullopt;
    return ResultParts {plainText(part->value.numerator, decimalPoint),
        toleranceText(part->tolerance->above, decimalPoint), part->coefficient};
}

std::optional<ColourReading> readColours(std::span<const Colour> colours)
{
    std::optional<ColourReading> best;
    for (const SchemeEntry &entry : resistorSchemes()) {
        const BandScheme &scheme = entry.scheme;
        if (std::size_t(scheme.bandCount) != colours.size())
            continue;
        ColourReading read {Reading {entry.id}};
        read.leadingZero = !colours.empty() && isLeadingZero(1, colours.front());
        for (int band = 1; band <= scheme.bandCount; ++band) {
            const int row = rowOfColour(scheme, band, colours[std::size_t(band - 1)]);
            read.reading.setRow(band, row);
            if (row < 0 && read.badBand == 0)
                read.badBand = band;
        }
        // The first scheme whose lists hold every colour; else the whole code's
        // answer, which names the band no list of the code has.
        if (!best || (best->badBand != 0 && (read.badBand == 0 || entry.wholeCode)))
            best = read;
    }
    return best;
}

Reading withUsualParts(Reading reading)
{
    const BandScheme &scheme = bandScheme(reading.scheme);
    for (auto [kind, colour] : {std::pair {BandKind::Tolerance, scheme.usualTolerance},
             std::pair {BandKind::TempCoefficient, scheme.usualCoefficient}}) {
        const int band = scheme.bandOf(kind);
        if (band != 0 && !entry(reading, band))
            reading.setRow(band, rowOfColour(scheme, band, colour));
    }
    return reading;
}

} // namespace Velmora
