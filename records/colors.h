#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Colours as the settings store them: a Windows colour value 0x00BBGGRR,
// written as a name ("clRed") when it has one, else "$" and eight hex digits.
std::optional<std::uint32_t> ColorFromText(std::string_view text);
std::string ColorToText(std::uint32_t bgr);

inline constexpr int BgrRed(std::uint32_t bgr) {
    return static_cast<int>(bgr & 0xFF);
}
inline constexpr int BgrGreen(std::uint32_t bgr) {
    return static_cast<int>((bgr >> 8) & 0xFF);
}
inline constexpr int BgrBlue(std::uint32_t bgr) {
    return static_cast<int>((bgr >> 16) & 0xFF);
}
