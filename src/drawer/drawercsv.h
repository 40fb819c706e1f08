#pragma once

#include "drawer.h"
#include "valuereader.h"

#include <string>
#include <string_view>

namespace Velmora {

// Why a CSV row is refused.
enum class CsvError {
    None,
    NoHeader, // the file is empty, or its first row holds no column named for the value
    UnclosedQuote, // a quoted field runs to the end of the file
    MissingValue, // a row without a value where the header puts one
    BadValue, // the value is not read: see valueError
    ZeroValue, // 0 ohms is a jumper, not a resistor
    BadCount, // the quantity is missing or not a whole number from 1 to MostOfOne
    TooManyFields, // more fields than the header names
    TooMany, // the rows of one value add up to more than MostOfOne
};

struct CsvReading {
    Drawer drawer; // every row read, when error is None; empty otherwise
    CsvError error = CsvError::None;
    int line = 0; // the line of the refused row, from 1; 0 for a file without rows
    ReadError valueError = ReadError::None; // with BadValue
    ValueReading valueReading; // with BadValue, as the value reader gave it
    std::string field; // the refused field, as written
};

// Reads a drawer as spreadsheets export one: fields split by ',' or ';'
// (whichever the header row uses first), quoted with '"' where they hold one
// ("" for a quote inside), lines ending in LF, CRLF or CR, a UTF-8 byte order
// mark allowed. The header names the columns: one for the value ("valore",
// "value", "resistenza", "ohm"), and perhaps one for the quantity
// ("quantità", "quantita", "qta", "quantity", "qty", "n"), in any case and
// perhaps with a unit in brackets; other columns are ignored. Without a
// quantity column each row is one part. Blank rows are skipped, a value
// listed twice adds up. The first bad row refuses the whole file, with its
// line and reason. Values are read as readValue reads them, either decimal
// separator; its spellings use ',' in a ';' file and '.' in a ',' one.
CsvReading readDrawerCsv(std::string_view text);

// The drawer as readDrawerCsv reads it back, and spreadsheets open: a UTF-8
// byte order mark, "valore;quantità", then one row per line, each value
// written without a doubtful separator.
std::string drawerCsv(const Drawer &drawer);

} // namespace Velmora
