#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Numbers of the data files and the grid, read and written without the
// process locale.

// An ASCII digit, whatever the locale.
inline bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// A single-precision value widened to double and written in general form with
// 15 significant digits, without trailing zeros, and without exponent from
// 0.00001 up to 15 integer digits: 58.5 -> "58.5", 65.3f ->
// "65.3000030517578", 0 -> "0".
std::string FormatSingle(float value);

// One decimal, rounded half away from zero: 65.25 -> "65.3", -0.5 -> "-0.5",
// 20 -> "20.0".
std::string FormatOneDecimal(double value);

// The one integer reader of the core: a decimal integer with an optional
// sign at the start of text. consumed gets the bytes it took. Nothing when
// no digit follows the sign or the value does not fit in 32 bits.
std::optional<std::int32_t> ScanDecimal(std::string_view text, std::size_t& consumed);

// The whole text as a decimal integer with an optional sign, nothing else
// around it; nothing otherwise.
std::optional<std::int32_t> ParseDecimal(std::string_view text);

// The leading decimal integer of a text: leading blanks and a sign allowed,
// reading stops at the first other byte; no digits or out of range gives 0.
std::int32_t LeadingInteger(std::string_view text);

// The leading decimal number of a text (sign, digits, point, exponent),
// narrowed to single precision; no number or out of range gives 0.
float LeadingSingle(std::string_view text);

// The whole text (blanks around it allowed) as a decimal number, at double
// precision but within single-precision range; nothing for anything else
// (also infinity and NaN).
std::optional<double> WholeDecimal(std::string_view text);

// WholeDecimal narrowed to single precision; anything else gives 0.
float WholeSingle(std::string_view text);

// "###,###,###": thousands separated by commas, "" for 0.
std::string FormatThousands(std::int64_t value);

// A whole text (blanks around it allowed) read as a 32-bit integer; nothing
// when it is not one.
std::optional<std::int32_t> ParseInteger(std::string_view text);

// "tolmar.ini" integer rule: decimal with an optional sign, hexadecimal after
// "$" or after "0x" / "0X"; nothing for anything else, also for a decimal
// beyond 32 bits. Eight hexadecimal digits wrap into the signed range
// ("$FFFFFFFF" is -1, "-$80000000" is -2147483648), as stored colours do.
std::optional<std::int32_t> ParseIniInteger(std::string_view text);
