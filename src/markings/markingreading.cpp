#include "markingreading.h"

#include "markingtext.h"

#include <algorithm>
#include <string>

namespace Velmora {

namespace {

using MarkingText::isDigit;

constexpr std::size_t MostDigits = 15;

// IEC 60062's letter code for resistances from a kilohm: the letter where the
// decimal point goes, at least one digit beside it ("4K7", "K47", "470K",
// "1M0", "2G2"). R is the SMD reader's; "470K" with K as a tolerance is not
// a resistor's value code.
std::optional<Decimal> letterCodeResistance(std::string_view text)
{
    const std::size_t letter = text.find_first_of("KMG");
    if (letter == std::string_view::npos || text.find_first_of("KMG", letter + 1) != std::string_view::npos)
        return std::nullopt;
    const std::string_view before = text.substr(0, letter);
    const std::string_view after = text.substr(letter + 1);
    if (before.size() + after.size() == 0 || before.size() + after.size() > MostDigits)
        return std::nullopt;
    if (!std::all_of(before.begin(), before.end(), isDigit) || !std::all_of(after.begin(), after.end(), isDigit))
        return std::nullopt;
    Decimal value {0, text[letter] == 'K' ? 3 : text[letter] == 'M' ? 6 : 9};
    for (const char c : std::string(before) + std::string(after))
        value.significand = value.significand * 10 + (c - '0');
    value.exponent -= int(after.size());
    if (value.significand == 0)
        return std::nullopt;
    return value;
}

bool wanted(std::optional<PartKind> component, PartKind kind)
{
    return !component || *component == kind;
}

} // namespace

MarkingReadings readMarking(std::string_view text, std::optional<PartKind> component)
{
    MarkingReadings marking;
    const std::string_view trimmed = MarkingText::trimmed(text);
    if (wanted(component, PartKind::Resistor)) {
        const SmdCode smd = readSmdCode(trimmed);
        for (const SmdReading &r : smd.readings) {
            MarkingReading reading;
            reading.part = partOf(r, trimmed);
            reading.smd = r;
            marking.readings.push_back(reading);
        }
        if (const std::optional<Decimal> ohmsValue = letterCodeResistance(trimmed)) {
            MarkingReading reading;
            reading.part = resistor(*ohmsValue);
            reading.part->marking = {MarkingKind::Code, std::string(trimmed)};
            reading.resistorFormat = ResistorFormat::LetterCode;
            marking.readings.push_back(reading);
        }
        if (marking.readings.empty())
            marking.resistorError = smd.error;
    }
    if (wanted(component, PartKind::Capacitor)) {
        const CapacitorMarking capacitor = readCapacitorMarking(trimmed);
        for (const CapacitorMarkingReading &r : capacitor.readings)
            marking.readings.push_back(
                {PartKind::Capacitor, partOf(r, trimmed), ResistorFormat::Smd, std::nullopt, r, std::nullopt});
        marking.capacitorError = capacitor.error;
    }
    if (wanted(component, PartKind::Inductor)) {
        const InductorCode inductor = readInductorCode(trimmed);
        for (const InductorCodeValue &r : inductor.readings)
            marking.readings.push_back(
                {PartKind::Inductor, partOf(r, trimmed), ResistorFormat::Smd, std::nullopt, std::nullopt, r});
        marking.inductorError = inductor.error;
    }
    return marking;
}

std::vector<PartKind> kindsOf(const MarkingReadings &marking)
{
    std::vector<PartKind> kinds;
    for (const MarkingReading &r : marking.readings)
        if (std::find(kinds.begin(), kinds.end(), r.component) == kinds.end())
            kinds.push_back(r.component);
    return kinds;
}

} // namespace Velmora
