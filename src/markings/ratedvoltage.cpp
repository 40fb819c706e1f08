#include "ratedvoltage.h"

#include <array>

namespace Velmora {

namespace {

struct Mantissa {
    char letter;
    Decimal volts; // for the digit 0
};

// The letters of the EIA code, as oriedza.blogspot.com's "Table 2 – EIA
// voltage code table" (0G 4 V, 0L 5,5 V, 0J 6,3 V, 1A 10 V ... 2J 630 V,
// 3A 1000 V) and the voltage codes of Panasonic's electrolytic part numbers
// give them; each letter is the same mantissa whatever the digit.
constexpr auto Mantissas = std::to_array<Mantissa>({
    {'A', {10, -1}},
    {'Q', {11, -1}},
    {'B', {125, -2}},
    {'C', {16, -1}},
    {'Z', {18, -1}},
    {'D', {20, -1}},
    {'P', {22, -1}},
    {'E', {25, -1}},
    {'F', {315, -2}},
    {'V', {35, -1}},
    {'G', {40, -1}},
    {'W', {45, -1}},
    {'H', {50, -1}},
    {'L', {55, -1}},
    {'J', {63, -1}},
    {'K', {80, -1}},
});

struct Letter {
    char letter;
    VoltageSource source;
    Decimal volts;
};

// The TEH datasheet prints G 4, J 6,3, A 10, C 16, D 20, E 25, V 35; e 2,5 V
// and H 50 V follow the same EIA letters but no table found prints them.
// johngibson.me reads A to F as 10, 16, 20, 25, 35 and 50 V.
constexpr auto Letters = std::to_array<Letter>({
    {'e', VoltageSource::TehDatasheet, {25, -1}},
    {'G', VoltageSource::TehDatasheet, {4, 0}},
    {'J', VoltageSource::TehDatasheet, {63, -1}},
    {'A', VoltageSource::TehDatasheet, {10, 0}},
    {'C', VoltageSource::TehDatasheet, {16, 0}},
    {'D', VoltageSource::TehDatasheet, {20, 0}},
    {'E', VoltageSource::TehDatasheet, {25, 0}},
    {'V', VoltageSource::TehDatasheet, {35, 0}},
    {'H', VoltageSource::TehDatasheet, {50, 0}},
    {'A', VoltageSource::JohnGibson, {10, 0}},
    {'B', VoltageSource::JohnGibson, {16, 0}},
    {'C', VoltageSource::JohnGibson, {20, 0}},
    {'D', VoltageSource::JohnGibson, {25, 0}},
    {'E', VoltageSource::JohnGibson, {35, 0}},
    {'F', VoltageSource::JohnGibson, {50, 0}},
});

} // namespace

std::optional<Decimal> readEiaVoltageCode(std::string_view code)
{
    if (code.size() != 2 || code[0] < '0' || code[0] > '4')
        return std::nullopt;
    for (const Mantissa &m : Mantissas)
        if (m.letter == code[1])
            return Decimal {m.volts.significand, m.volts.exponent + (code[0] - '0')};
    return std::nullopt;
}

std::vector<RatedVoltage> readTantalumVoltageLetter(char letter)
{
    std::vector<RatedVoltage> readings;
    for (const Letter &l : Letters)
        if (l.letter == letter)
            readings.push_back({l.volts, l.source});
    return readings;
}

std::optional<Decimal> readWrittenVoltage(std::string_view text)
{
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    if (text.ends_with("VDC"))
        text.remove_suffix(2);
    if (!text.ends_with('V'))
        return std::nullopt;
    text.remove_suffix(1);
    if (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    std::int64_t significand = 0;
    int digits = 0, decimals = 0;
    bool point = false;
    for (char c : text) {
        if ((c == ',' || c == '.') && !point && digits > 0) {
            point = true;
        } else if (c >= '0' && c <= '9' && digits < 9) {
            significand = significand * 10 + (c - '0');
            ++digits;
            decimals += point ? 1 : 0;
        } else {
            return std::nullopt;
        }
    }
    if (digits == 0 || (point && decimals == 0))
        return std::nullopt;
    return Decimal {significand, -decimals};
}

} // namespace Velmora
