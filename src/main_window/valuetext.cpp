#include "valuetext.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace Velmora {

QString valueText(double value, QStringView decimalPoint)
{
    if (!std::isfinite(value))
        return QString::number(value);

    // 15 significant digits as d.dddddddddddddde±x; %e never depends on the
    // locale's grouping and rounds exactly.
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.14e", value);
    const std::string text(buf);
    const auto e = text.find('e');
    const bool negative = text.front() == '-';
    std::string digits;
    for (char c : text.substr(0, e))
        if (c >= '0' && c <= '9')
            digits += c;
    const int exponent = std::atoi(text.c_str() + e + 1);

    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();
    if (digits == "0")
        return QStringLiteral("0");

    // Place the decimal point exponent + 1 digits from the left.
    std::string whole;
    std::string fraction;
    const int pointAt = exponent + 1;
    if (pointAt <= 0) {
        whole = "0";
        fraction = std::string(std::size_t(-pointAt), '0') + digits;
    } else if (std::size_t(pointAt) >= digits.size()) {
        whole = digits + std::string(std::size_t(pointAt) - digits.size(), '0');
    } else {
        whole = digits.substr(0, std::size_t(pointAt));
        fraction = digits.substr(std::size_t(pointAt));
    }

    QString result = QString::fromLatin1(negative ? "-" : "") + QString::fromLatin1(whole);
    if (!fraction.empty())
        result += decimalPoint.toString() + QString::fromLatin1(fraction);
    return result;
}

} // namespace Velmora
