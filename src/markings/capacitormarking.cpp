#include "capacitormarking.h"

#include <array>
#include <string>

namespace Velmora {

namespace {

constexpr std::size_t MostCharacters = 40;
constexpr std::size_t MostParts = 6;

// 0,1 µF: smaller parts are not tantalums, so their letter is a tolerance.
constexpr Decimal SmallestTantalum {1, -7};

// One way of reading one part; the tolerance letter waits for the value.
struct Piece {
    std::optional<CapacitorValue> value;
    std::optional<char> toleranceLetter;
    std::optional<RatedVoltage> voltage;
    std::optional<Dielectric> dielectric;
};

// A prefix or a unit printed apart from its number: "100 n", "220 µF",
// "6,3 V". P, N and U alone are left as tolerance letters.
constexpr auto Units
    = std::to_array<std::string_view>({"p", "n", "u", "\xC2\xB5", "\xCE\xBC", "m", "F", "pF", "nF", "uF",
        "\xC2\xB5"
        "F",
        "\xCE\xBC"
        "F",
        "mF", "V", "VDC"});

bool isUnit(std::string_view part)
{
    for (std::string_view u : Units)
        if (part == u)
            return true;
    return false;
}

std::vector<std::string> partsOf(std::string_view text)
{
    std::vector<std::string> parts;
    std::size_t i = 0;
    while (i < text.size()) {
        if (text[i] == ' ') {
            ++i;
            continue;
        }
        const std::size_t end = std::min(text.find(' ', i), text.size());
        const std::string_view part = text.substr(i, end - i);
        if (isUnit(part) && !parts.empty() && parts.back().back() >= '0' && parts.back().back() <= '9')
            parts.back() += ' ' + std::string(part);
        else
            parts.emplace_back(part);
        i = end;
    }
    return parts;
}

bool hasTolerance(char letter)
{
    return !readToleranceLetter(letter, std::nullopt).empty();
}

// A two-character code is printed on a part too small for anything else,
// so it is not read run together with a voltage code or a letter: "X7R" and
// "C0G" are dielectrics, not 75 µF and 1,2 pF with a letter after them.
bool readsRunTogether(const CapacitorValue &v)
{
    return v.format != CapacitorFormat::TwoCharacters;
}

void addBody(std::string_view body, std::optional<RatedVoltage> eia, std::vector<Piece> &pieces)
{
    for (const CapacitorValue &v : readCapacitorValue(body).readings)
        if (!eia || readsRunTogether(v))
            pieces.push_back({v, std::nullopt, eia, std::nullopt});
    if (body.size() < 2)
        return;
    const char letter = body.back();
    const std::string_view rest = body.substr(0, body.size() - 1);
    // The F of "100nF" and "220 µF" is the unit, not ± 1 %.
    if (letter == 'F' && !(rest.back() >= '0' && rest.back() <= '9'))
        return;
    for (const CapacitorValue &v : readCapacitorValue(rest).readings) {
        if (!readsRunTogether(v))
            continue;
        if (hasTolerance(letter))
            pieces.push_back({v, letter, eia, std::nullopt});
        if (!eia && compare(v.farads, SmallestTantalum) >= 0)
            for (const RatedVoltage &volts : readTantalumVoltageLetter(letter))
                pieces.push_back({v, std::nullopt, volts, std::nullopt});
    }
}

std::vector<Piece> piecesOf(std::string_view part)
{
    std::vector<Piece> pieces;
    for (const Dielectric &d : readDielectric(part))
        pieces.push_back({std::nullopt, std::nullopt, std::nullopt, d});
    // "50V" is volts, though 50 pF with a letter V reads so too.
    if (const std::optional<Decimal> volts = readWrittenVoltage(part)) {
        pieces.push_back({std::nullopt, std::nullopt, RatedVoltage {*volts, VoltageSource::WrittenOut}, std::nullopt});
        return pieces;
    }
    if (part.size() >= 2) {
        if (const std::optional<Decimal> volts = readEiaVoltageCode(part.substr(0, 2))) {
            const RatedVoltage eia {*volts, VoltageSource::Eia};
            if (part.size() == 2)
                pieces.push_back({std::nullopt, std::nullopt, eia, std::nullopt});
            else
                addBody(part.substr(2), eia, pieces);
        }
    }
    addBody(part, std::nullopt, pieces);
    // A lone tolerance letter: "4n7 J".
    if (part.size() == 1 && hasTolerance(part[0]))
        pieces.push_back({std::nullopt, part[0], std::nullopt, std::nullopt});
    return pieces;
}

template<typename T> bool take(std::optional<T> &into, const std::optional<T> &from)
{
    if (!from)
        return true;
    if (into)
        return false;
    into = from;
    return true;
}

std::optional<Piece> merged(Piece a, const Piece &b)
{
    if (take(a.value, b.value) && take(a.toleranceLetter, b.toleranceLetter) && take(a.voltage, b.voltage)
        && take(a.dielectric, b.dielectric))
        return a;
    return std::nullopt;
}

CapacitorMarking refused(CapacitorMarkingError error, std::size_t badPart = 0)
{
    return {{}, error, badPart};
}

} // namespace

CapacitorMarking readCapacitorMarking(std::string_view text)
{
    if (text.size() > MostCharacters)
        return refused(CapacitorMarkingError::TooLong);
    const std::vector<std::string> parts = partsOf(text);
    if (parts.empty())
        return refused(CapacitorMarkingError::Empty);
    if (parts.size() > MostParts)
        return refused(CapacitorMarkingError::TooLong);

    std::vector<Piece> combined {Piece {}};
    for (std::size_t i = 0; i < parts.size(); ++i) {
        const std::vector<Piece> pieces = piecesOf(parts[i]);
        if (pieces.empty())
            return refused(CapacitorMarkingError::UnreadPart, i);
        std::vector<Piece> next;
        for (const Piece &so : combined)
            for (const Piece &p : pieces)
                if (std::optional<Piece> m = merged(so, p))
                    next.push_back(*m);
        combined = std::move(next);
    }

    CapacitorMarking marking;
    for (const Piece &p : combined) {
        const CapacitorMarkingReading reading {p.value, std::nullopt, p.voltage, p.dielectric};
        if (!p.toleranceLetter) {
            marking.readings.push_back(reading);
            continue;
        }
        const std::optional<Decimal> rated = p.value ? std::optional(p.value->farads) : std::nullopt;
        for (const CapacitorTolerance &t : readToleranceLetter(*p.toleranceLetter, rated)) {
            marking.readings.push_back(reading);
            marking.readings.back().tolerance = t;
        }
    }
    if (marking.readings.empty())
        marking.error = CapacitorMarkingError::Conflicting;
    return marking;
}

std::optional<Part> partOf(const CapacitorMarkingReading &reading, std::string_view printed)
{
    if (!reading.value)
        return std::nullopt;
    Part part;
    part.kind = PartKind::Capacitor;
    part.value = Quantity {Unit::Farad, reading.value->farads, 1};
    if (reading.tolerance)
        part.tolerance = reading.tolerance->percent;
    if (reading.dielectric && reading.dielectric->kind == DielectricClass::Compensating) {
        Decimal c = normalised(reading.dielectric->coefficient);
        while (c.exponent > 0 && c.significand > -1000000 && c.significand < 1000000) {
            c.significand *= 10;
            --c.exponent;
        }
        if (c.exponent == 0)
            part.coefficient = int(c.significand);
    }
    part.marking = {MarkingKind::Code, std::string(printed)};
    return part;
}

} // namespace Velmora
