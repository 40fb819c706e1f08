#pragma once

#include <string_view>

// What the marking readers share in reading a printed text.
namespace Velmora::MarkingText {

constexpr bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// The text without the spaces around it.
constexpr std::string_view trimmed(std::string_view s)
{
    while (!s.empty() && s.front() == ' ')
        s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ')
        s.remove_suffix(1);
    return s;
}

} // namespace Velmora::MarkingText
