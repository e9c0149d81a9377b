#include "colors.h"

#include "datanumbers.h"
#include "initable.h"

#include <array>
#include <utility>

namespace {

constexpr std::array<std::pair<const char*, std::uint32_t>, 20> NamedColors{{
    {"clBlack", 0x000000}, {"clMaroon", 0x000080},     {"clGreen", 0x008000},
    {"clOlive", 0x008080}, {"clNavy", 0x800000},       {"clPurple", 0x800080},
    {"clTeal", 0x808000},  {"clGray", 0x808080},       {"clSilver", 0xC0C0C0},
    {"clRed", 0x0000FF},   {"clLime", 0x00FF00},       {"clYellow", 0x00FFFF},
    {"clBlue", 0xFF0000},  {"clFuchsia", 0xFF00FF},    {"clAqua", 0xFFFF00},
    {"clWhite", 0xFFFFFF}, {"clMoneyGreen", 0xC0DCC0}, {"clSkyBlue", 0xF0CAA6},
    {"clCream", 0xF0FBFF}, {"clMedGray", 0xA4A0A0},
}};

} // namespace

std::optional<std::uint32_t> ColorFromText(std::string_view text) {
    for (const auto& [name, value] : NamedColors) {
        if (EqualsIgnoringAsciiCase(name, text)) {
            return value;
        }
    }
    auto number = ParseIniInteger(text);
    if (!number) {
        return std::nullopt;
    }
    // Only plain RGB values are colours here; system colour values (with a
    // high byte) have no meaning on this platform.
    auto value = static_cast<std::uint32_t>(*number);
    if (value > 0xFFFFFF) {
        return std::nullopt;
    }
    return value;
}

std::string ColorToText(std::uint32_t bgr) {
    for (const auto& [name, value] : NamedColors) {
        if (value == bgr) {
            return name;
        }
    }
    static const char* digits = "0123456789ABCDEF";
    std::string text = "$";
    for (int shift = 28; shift >= 0; shift -= 4) {
        text += digits[(bgr >> shift) & 0xF];
    }
    return text;
}
