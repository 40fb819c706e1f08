#include "drawercsv.h"

#include <algorithm>
#include <array>
#include <map>
#include <optional>
#include <utility>
#include <vector>

namespace Velmora {

namespace {

constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";

constexpr std::array<std::string_view, 4> ValueNames {"valore", "value", "resistenza", "ohm"};
constexpr std::array<std::string_view, 6> CountNames {"quantità", "quantita", "qta", "quantity", "qty", "n"};

struct Record {
    std::vector<std::string> fields;
    int line = 0; // where it starts
};

bool isSpace(char c)
{
    return c == ' ' || c == '\t';
}

std::string_view trimmed(std::string_view s)
{
    while (!s.empty() && isSpace(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && isSpace(s.back()))
        s.remove_suffix(1);
    return s;
}

bool blank(const Record &record)
{
    return std::all_of(
        record.fields.begin(), record.fields.end(), [](const std::string &f) { return trimmed(f).empty(); });
}

// Splits the text into records, a quoted field keeping its delimiters and
// line ends.
class Splitter
{
public:
    explicit Splitter(std::string_view text)
        : m_text(text)
    {
    }

    bool atEnd() const { return m_at >= m_text.size(); }
    int line() const { return m_line; }
    void setDelimiter(char delimiter) { m_delimiter = delimiter; }

    // The first ',' or ';' outside quotes before the line ends, or none.
    char firstDelimiter() const
    {
        bool quoted = false;
        for (std::size_t i = m_at; i < m_text.size(); ++i) {
            const char c = m_text[i];
            if (c == '"')
                quoted = !quoted;
            else if (!quoted && (c == ',' || c == ';'))
                return c;
            else if (!quoted && (c == '\n' || c == '\r'))
                break;
        }
        return '\0';
    }

    // Nothing where a quote stays open to the end.
    std::optional<Record> next()
    {
        Record record;
        record.line = m_line;
        std::string field;
        while (true) {
            // Spaces before an opening quote are a spreadsheet's padding.
            std::size_t start = m_at;
            while (start < m_text.size() && isSpace(m_text[start]))
                ++start;
            if (start < m_text.size() && m_text[start] == '"') {
                m_at = start + 1;
                if (!quotedPart(field))
                    return std::nullopt;
            }
            // What follows a closing quote is kept, as spreadsheets do.
            while (!atEnd() && m_text[m_at] != m_delimiter && !atLineEnd())
                field += m_text[m_at++];
            record.fields.push_back(std::move(field));
            field.clear();
            if (atEnd())
                return record;
            if (atLineEnd()) {
                skipLineEnd();
                return record;
            }
            ++m_at; // the delimiter
        }
    }

private:
    bool atLineEnd() const { return m_text[m_at] == '\n' || m_text[m_at] == '\r'; }

    void skipLineEnd()
    {
        if (m_text[m_at] == '\r' && m_at + 1 < m_text.size() && m_text[m_at + 1] == '\n')
            ++m_at;
        ++m_at;
        ++m_line;
    }

    // From after the opening quote to after the closing one.
    bool quotedPart(std::string &field)
    {
        while (!atEnd()) {
            const char c = m_text[m_at];
            if (c == '"') {
                ++m_at;
                if (atEnd() || m_text[m_at] != '"')
                    return true;
                field += '"';
                ++m_at;
            } else if (atLineEnd()) {
                const std::size_t from = m_at;
                skipLineEnd();
                field += m_text.substr(from, m_at - from);
            } else {
                field += c;
                ++m_at;
            }
        }
        return false;
    }

    std::string_view m_text;
    std::size_t m_at = 0;
    int m_line = 1;
    char m_delimiter = '\n';
};

// A column's name in lower case, without a unit in brackets: "Quantità",
// "QUANTITÀ", "quantità" from an 8-bit spreadsheet and "Valore (Ω)" read
// as "quantità" and "valore".
std::string columnName(std::string_view field)
{
    field = trimmed(field);
    if (!field.empty() && (field.back() == ')' || field.back() == ']')) {
        const auto open = field.find_last_of(field.back() == ')' ? '(' : '[');
        if (open != std::string_view::npos)
            field = trimmed(field.substr(0, open));
    }
    std::string name;
    for (std::size_t i = 0; i < field.size(); ++i) {
        const char c = field[i];
        if (c >= 'A' && c <= 'Z')
            name += char(c - 'A' + 'a');
        else if (c == '\xC3' && i + 1 < field.size() && field[i + 1] == '\x80') // À
            name += "\xC3\xA0", ++i;
        else if (c == '\xC0' || c == '\xE0') // À and à in Latin-1 and Windows-1252
            name += "\xC3\xA0";
        else
            name += c;
    }
    return name;
}

template<std::size_t N> bool named(const std::string &name, const std::array<std::string_view, N> &names)
{
    return std::find(names.begin(), names.end(), name) != names.end();
}

std::optional<int> count(std::string_view field)
{
    field = trimmed(field);
    if (field.empty() || field.size() > 9)
        return std::nullopt;
    int n = 0;
    for (char c : field) {
        if (c < '0' || c > '9')
            return std::nullopt;
        n = n * 10 + (c - '0');
    }
    if (n < 1 || n > MostOfOne)
        return std::nullopt;
    return n;
}

CsvReading refused(CsvError error, int line, std::string field = {})
{
    CsvReading r;
    r.error = error;
    r.line = line;
    r.field = std::move(field);
    return r;
}

} // namespace

CsvReading readDrawerCsv(std::string_view text)
{
    if (text.starts_with(ByteOrderMark))
        text.remove_prefix(ByteOrderMark.size());
    Splitter splitter(text);

    // The header: the first row that is not blank.
    std::optional<Record> header;
    char delimiter = '\0';
    while (!splitter.atEnd()) {
        const int line = splitter.line();
        delimiter = splitter.firstDelimiter();
        // Without one the row is a single field: a line end comes first.
        splitter.setDelimiter(delimiter ? delimiter : '\n');
        header = splitter.next();
        if (!header)
            return refused(CsvError::UnclosedQuote, line);
        if (!blank(*header))
            break;
        header.reset();
    }
    if (!header)
        return refused(CsvError::NoHeader, 0);
    std::optional<std::size_t> valueColumn, countColumn;
    for (std::size_t i = 0; i < header->fields.size(); ++i) {
        const std::string name = columnName(header->fields[i]);
        if (!valueColumn && named(name, ValueNames))
            valueColumn = i;
        else if (!countColumn && named(name, CountNames))
            countColumn = i;
    }
    if (!valueColumn)
        return refused(CsvError::NoHeader, header->line, header->fields.front());
    // The refusals' spellings use the separator the delimiter leaves free.
    const std::string_view decimalPoint = delimiter == ',' ? "." : ",";

    // Sums by value as written at its shortest, so that 4k7 and 4700 meet.
    std::map<std::pair<std::int64_t, int>, int> sums;
    while (!splitter.atEnd()) {
        const int line = splitter.line();
        const std::optional<Record> row = splitter.next();
        if (!row)
            return refused(CsvError::UnclosedQuote, line);
        if (blank(*row))
            continue;
        const auto &fields = row->fields;
        for (std::size_t i = header->fields.size(); i < fields.size(); ++i)
            if (!trimmed(fields[i]).empty())
                return refused(CsvError::TooManyFields, line, fields[i]);
        const std::string valueField = *valueColumn < fields.size() ? fields[*valueColumn] : std::string();
        if (trimmed(valueField).empty())
            return refused(CsvError::MissingValue, line);
        const ValueReading reading = readValue(valueField, decimalPoint);
        if (!reading.value) {
            CsvReading r = refused(CsvError::BadValue, line, valueField);
            r.valueError = reading.error;
            r.valueReading = reading;
            return r;
        }
        if (reading.value->significand == 0)
            return refused(CsvError::ZeroValue, line, valueField);
        int n = 1;
        if (countColumn) {
            const std::string countField = *countColumn < fields.size() ? fields[*countColumn] : std::string();
            const std::optional<int> c = count(countField);
            if (!c)
                return refused(CsvError::BadCount, line, countField);
            n = *c;
        }
        const Decimal value = normalised(*reading.value);
        int &sum = sums[{value.significand, value.exponent}];
        if (sum > MostOfOne - n)
            return refused(CsvError::TooMany, line, valueField);
        sum += n;
    }

    std::vector<DrawerLine> lines;
    for (const auto &[value, n] : sums)
        lines.push_back({{value.first, value.second}, n});
    std::sort(lines.begin(), lines.end(),
        [](const DrawerLine &a, const DrawerLine &b) { return compare(a.value, b.value) < 0; });
    CsvReading r;
    for (const DrawerLine &line : lines)
        r.drawer.add(line.value, line.count);
    return r;
}

std::string drawerCsv(const Drawer &drawer)
{
    std::string text(ByteOrderMark);
    text += "valore;quantit\xC3\xA0\n";
    for (const DrawerLine &line : drawer.lines())
        text += unambiguousText(line.value, ",") + ';' + std::to_string(line.count) + '\n';
    return text;
}

} // namespace Velmora
