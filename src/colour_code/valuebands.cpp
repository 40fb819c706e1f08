#include "valuebands.h"

#include <algorithm>

namespace Velmora {

namespace {

int rowOf(std::span<const SchemeRow> list, int value)
{
    const auto it = std::find_if(list.begin(), list.end(), [value](const SchemeRow &r) { return r.value == value; });
    return it == list.end() ? -1 : int(it - list.begin());
}

std::string windowName(const BandScheme &scheme)
{
    return "la finestra a " + std::to_string(scheme.bandCount) + " bande";
}

// The rows for a digit string and a power of ten; empty if a digit or the
// power is not in its list.
std::vector<int> spell(const BandScheme &scheme, std::string_view digits, int exponent)
{
    std::vector<int> rows(std::size_t(scheme.bandCount), -1);
    std::size_t next = 0;
    for (int band = 1; band <= scheme.bandCount; ++band) {
        int row = 0;
        switch (scheme.kind(band)) {
        case BandKind::Digit:
            row = rowOf(scheme.rows(band), digits.at(next++) - '0');
            break;
        case BandKind::Multiplier:
            row = rowOf(scheme.rows(band), exponent);
            break;
        default:
            continue;
        }
        if (row < 0)
            return {};
        rows[std::size_t(band - 1)] = row;
    }
    return rows;
}

std::vector<int> digitRows(const BandScheme &scheme, Resistance value)
{
    const int width = scheme.digitCount();
    value = normalised(value);
    if (value.significand == 0)
        return spell(scheme, std::string(std::size_t(width), '0'), 0);

    const std::string significand = std::to_string(value.significand);
    const int length = int(significand.size());
    // As many trailing zeros as fit first, so that the first digit is not
    // black; leading zeros reach the small values.
    for (int trailing = width - length; trailing >= 0; --trailing) {
        const std::string digits = std::string(std::size_t(width - length - trailing), '0') + significand
            + std::string(std::size_t(trailing), '0');
        if (auto rows = spell(scheme, digits, value.exponent - trailing); !rows.empty())
            return rows;
    }
    return {};
}

// The range a scheme shows: its smallest and largest values above zero.
std::pair<Resistance, Resistance> range(const BandScheme &scheme)
{
    const auto multipliers = scheme.rows(scheme.bandOf(BandKind::Multiplier));
    const auto [low, high] = std::minmax_element(multipliers.begin(), multipliers.end(),
        [](const SchemeRow &a, const SchemeRow &b) { return a.value < b.value; });
    std::int64_t largest = 0;
    for (int i = 0; i < scheme.digitCount(); ++i)
        largest = largest * 10 + 9;
    return {{1, low->value}, {largest, high->value}};
}

} // namespace

BandChoice bandsFor(
    const BandScheme &scheme, Resistance value, int toleranceRow, int coefficientRow, std::string_view decimalPoint)
{
    BandChoice choice;
    choice.rows = digitRows(scheme, value);
    if (!choice.rows.empty()) {
        if (const int band = scheme.bandOf(BandKind::Tolerance))
            choice.rows[std::size_t(band - 1)] = toleranceRow;
        if (const int band = scheme.bandOf(BandKind::TempCoefficient))
            choice.rows[std::size_t(band - 1)] = coefficientRow;
        return choice;
    }

    for (int bands = scheme.bandCount + 1; bands <= 6 && choice.moreBands == 0; ++bands)
        if (!digitRows(bandScheme(bands), value).empty())
            choice.moreBands = bands;
    const std::string shown = plainText(value, decimalPoint) + " Ohm";
    const int digits = significantDigits(value);
    if (value.significand == 0) {
        choice.message = "Lo zero non c'è: " + windowName(scheme) + " non ha il nero tra le cifre.";
    } else if (digits > scheme.digitCount()) {
        choice.message = shown + " ha " + std::to_string(digits) + " cifre significative: " + windowName(scheme)
            + " ne mostra " + std::to_string(scheme.digitCount()) + ".";
    } else {
        const auto [low, high] = range(scheme);
        choice.message = shown + " è fuori portata: " + windowName(scheme) + " mostra da "
            + plainText(low, decimalPoint) + " a " + plainText(high, decimalPoint) + " Ohm.";
    }
    if (choice.moreBands != 0)
        choice.message += " Quella a " + std::to_string(choice.moreBands) + " bande lo mostra.";
    else if (digits > scheme.digitCount())
        choice.message += " Nessuna finestra di Velmora ne mostra di più.";
    return choice;
}

} // namespace Velmora
