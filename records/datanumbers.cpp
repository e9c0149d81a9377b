#include "datanumbers.h"

#include "initable.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>

namespace {

bool IsCSpace(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

std::string_view Chars(const char* begin, std::to_chars_result result) {
    return {begin, static_cast<std::size_t>(result.ptr - begin)};
}

// Reads a decimal number at the start of text (after an optional sign);
// consumed tells how many bytes it took. Infinity and NaN are no numbers.
std::optional<double> ReadDecimal(std::string_view text, std::size_t& consumed) {
    std::size_t pos = 0;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }
    bool startsNumber = pos < text.size() &&
                        (IsDigit(text[pos]) ||
                         (text[pos] == '.' && pos + 1 < text.size() && IsDigit(text[pos + 1])));
    if (!startsNumber) {
        return std::nullopt;
    }
    double value = 0;
    auto [end, ec] = std::from_chars(text.data() + pos, text.data() + text.size(), value,
                                     std::chars_format::general);
    if (ec != std::errc()) {
        return std::nullopt;
    }
    consumed = static_cast<std::size_t>(end - text.data());
    return negative ? -value : value;
}

bool WithinSingleRange(double value) {
    return std::isfinite(value) &&
           std::fabs(value) <= static_cast<double>(std::numeric_limits<float>::max());
}

float NarrowOrZero(std::optional<double> value) {
    return value && WithinSingleRange(*value) ? static_cast<float>(*value) : 0.0f;
}

std::optional<std::int32_t> ParseHex(std::string_view digits, bool negative) {
    if (digits.empty() || digits.size() > 8) {
        return std::nullopt;
    }
    std::uint32_t value = 0;
    auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value, 16);
    if (ec != std::errc() || end != digits.data() + digits.size()) {
        return std::nullopt;
    }
    // The sign is applied to the 32 bits, where "-$80000000" wraps to itself
    // instead of overflowing.
    return static_cast<std::int32_t>(negative ? 0u - value : value);
}

} // namespace

std::string FormatSingle(float value) {
    double v = value;
    if (!std::isfinite(v) || v == 0.0) {
        return "0";
    }
    char buffer[64];
    // General form with 15 digits already has the right shape except from
    // 0.00001 to 0.0001, which it writes with an exponent.
    std::string_view general = Chars(
        buffer, std::to_chars(buffer, buffer + sizeof buffer, v, std::chars_format::general, 15));
    if (general.find("e-05") == std::string_view::npos) {
        return std::string(general);
    }
    // The exponent after rounding to 15 significant digits decides the form.
    auto sci = std::to_chars(buffer, buffer + sizeof buffer, v, std::chars_format::scientific, 14);
    std::string_view text = Chars(buffer, sci);
    int exponent = 0;
    std::size_t e = text.find('e');
    std::string_view digits = text.substr(e + 1);
    if (!digits.empty() && digits.front() == '+') {
        digits.remove_prefix(1);
    }
    std::from_chars(digits.data(), digits.data() + digits.size(), exponent);
    if (exponent < -5 || exponent >= 15) {
        return std::string(Chars(buffer, std::to_chars(buffer, buffer + sizeof buffer, v,
                                                       std::chars_format::general, 15)));
    }
    std::string fixed(Chars(buffer, std::to_chars(buffer, buffer + sizeof buffer, v,
                                                  std::chars_format::fixed, 14 - exponent)));
    if (fixed.find('.') != std::string::npos) {
        while (fixed.back() == '0') {
            fixed.pop_back();
        }
        if (fixed.back() == '.') {
            fixed.pop_back();
        }
    }
    return fixed;
}

std::string FormatOneDecimal(double value) {
    if (!std::isfinite(value)) {
        return "0.0";
    }
    double tenths = std::round(value * 10.0); // half away from zero
    if (std::fabs(tenths) >= 1e15) {
        char buffer[400];
        return std::string(Chars(buffer, std::to_chars(buffer, buffer + sizeof buffer, value,
                                                       std::chars_format::fixed, 1)));
    }
    auto whole = static_cast<long long>(std::fabs(tenths));
    std::string text = tenths < 0 ? "-" : "";
    return text + std::to_string(whole / 10) + "." + std::to_string(whole % 10);
}

std::optional<std::int32_t> ScanDecimal(std::string_view text, std::size_t& consumed) {
    consumed = 0;
    std::size_t pos = 0;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }
    if (pos >= text.size() || !IsDigit(text[pos])) {
        return std::nullopt;
    }
    std::int64_t value = 0;
    while (pos < text.size() && IsDigit(text[pos])) {
        value = value * 10 + (text[pos] - '0');
        if (value > std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1) {
            return std::nullopt;
        }
        ++pos;
    }
    value = negative ? -value : value;
    if (value > std::numeric_limits<std::int32_t>::max()) {
        return std::nullopt;
    }
    consumed = pos;
    return static_cast<std::int32_t>(value);
}

std::optional<std::int32_t> ParseDecimal(std::string_view text) {
    std::size_t consumed = 0;
    std::optional<std::int32_t> value = ScanDecimal(text, consumed);
    if (!value || consumed != text.size()) {
        return std::nullopt;
    }
    return value;
}

std::int32_t LeadingInteger(std::string_view text) {
    std::size_t pos = 0;
    while (pos < text.size() && IsCSpace(text[pos])) {
        ++pos;
    }
    std::size_t consumed = 0;
    return ScanDecimal(text.substr(pos), consumed).value_or(0);
}

float LeadingSingle(std::string_view text) {
    std::size_t pos = 0;
    while (pos < text.size() && IsCSpace(text[pos])) {
        ++pos;
    }
    std::size_t consumed = 0;
    return NarrowOrZero(ReadDecimal(text.substr(pos), consumed));
}

std::optional<double> WholeDecimal(std::string_view text) {
    while (!text.empty() && static_cast<unsigned char>(text.front()) < 33) {
        text.remove_prefix(1);
    }
    while (!text.empty() && static_cast<unsigned char>(text.back()) < 33) {
        text.remove_suffix(1);
    }
    std::size_t consumed = 0;
    std::optional<double> value = ReadDecimal(text, consumed);
    if (!value || consumed != text.size() || !WithinSingleRange(*value)) {
        return std::nullopt;
    }
    return value;
}

float WholeSingle(std::string_view text) {
    return static_cast<float>(WholeDecimal(text).value_or(0.0));
}

std::string FormatThousands(std::int64_t value) {
    if (value == 0) {
        return {};
    }
    bool negative = value < 0;
    std::uint64_t magnitude =
        negative ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
    std::string digits = std::to_string(magnitude);
    std::string out;
    int count = 0;
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (count > 0 && count % 3 == 0) {
            out.insert(out.begin(), ',');
        }
        out.insert(out.begin(), *it);
        ++count;
    }
    return negative ? "-" + out : out;
}

std::optional<std::int32_t> ParseInteger(std::string_view text) {
    return ParseDecimal(TrimBlanks(text));
}

std::optional<std::int32_t> ParseIniInteger(std::string_view text) {
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        return ParseHex(text.substr(2), false);
    }
    std::size_t sign = !text.empty() && (text[0] == '-' || text[0] == '+') ? 1 : 0;
    if (text.size() > sign && text[sign] == '$') {
        return ParseHex(text.substr(sign + 1), sign == 1 && text[0] == '-');
    }
    return ParseDecimal(text);
}
