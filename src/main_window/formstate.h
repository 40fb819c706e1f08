#pragma once

#include <cstdint>

namespace Velmora {

// What the window remembers between events besides its labels' texts.
struct FormState {
    std::int16_t FirstDigit = 0;
    double Multiplier = 0.0;

    bool operator==(const FormState &) const = default;
};

} // namespace Velmora
