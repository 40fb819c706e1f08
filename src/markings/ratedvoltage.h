#pragma once

#include "decimal.h"

#include <optional>
#include <string_view>
#include <vector>

namespace Velmora {

// The table a rated voltage was read from.
enum class VoltageSource {
    Eia, // the two-character code: a power of ten and a mantissa letter
    TehDatasheet, // a surface-mount tantalum datasheet (series TEH): the EIA mantissa letters alone
    JohnGibson, // johngibson.me, "Tantalum Capacitor Code Chart": A to F in order
    WrittenOut, // "50V": the volts themselves
};

struct RatedVoltage {
    Decimal volts;
    VoltageSource source = VoltageSource::Eia;
};

// The EIA code, "2A" for 100 V: the digit 0 to 4 the power of ten, the
// upper-case letter the volts below ten. Nothing for any other text.
std::optional<Decimal> readEiaVoltageCode(std::string_view code);

// Every reading of the one letter a tantalum part prints for its voltage,
// in VoltageSource's order; the case matters ("e" is 2,5 V, "E" 25 V).
std::vector<RatedVoltage> readTantalumVoltageLetter(char letter);

// "50V", "6,3 V", "50VDC": volts written out, either separator.
std::optional<Decimal> readWrittenVoltage(std::string_view text);

} // namespace Velmora
