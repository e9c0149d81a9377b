#include "cp932.h"

#include <cerrno>
#include <iconv.h>

namespace {

class Converter {
public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~Converter() {
        if (cd_ != reinterpret_cast<iconv_t>(-1)) {
            iconv_close(cd_);
        }
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts the whole input straight into the result, in one pass for
    // text that converts cleanly. With skipInvalid, an unconvertible or
    // broken input byte is dropped; otherwise the conversion fails.
    std::optional<std::string> Run(std::string_view in, bool skipInvalid) {
        if (cd_ == reinterpret_cast<iconv_t>(-1)) {
            return std::nullopt;
        }
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        std::string out;
        out.resize(in.size() + in.size() / 2 + 16);
        std::size_t used = 0;
        char* src = const_cast<char*>(in.data());
        std::size_t srcLeft = in.size();
        while (srcLeft > 0) {
            char* dst = out.data() + used;
            std::size_t dstLeft = out.size() - used;
            std::size_t rc = iconv(cd_, &src, &srcLeft, &dst, &dstLeft);
            used = static_cast<std::size_t>(dst - out.data());
            if (rc != static_cast<std::size_t>(-1)) {
                continue;
            }
            if (errno == E2BIG) {
                out.resize(out.size() * 2);
                continue;
            }
            if (!skipInvalid) {
                return std::nullopt;
            }
            // EILSEQ or a truncated character at the end: drop one byte.
            ++src;
            --srcLeft;
            iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        }
        out.resize(used);
        return out;
    }

private:
    iconv_t cd_;
};

Converter& FromCp932() {
    static thread_local Converter conv("UTF-8", "CP932");
    return conv;
}

Converter& ToCp932() {
    static thread_local Converter conv("CP932", "UTF-8");
    return conv;
}

bool IsAscii(std::string_view text) {
    for (char c : text) {
        if (static_cast<unsigned char>(c) >= 0x80) {
            return false;
        }
    }
    return true;
}

// Length in bytes of the UTF-8 sequence that starts with lead byte c.
std::size_t Utf8SequenceLength(unsigned char c) {
    if (c < 0x80) {
        return 1;
    }
    if ((c & 0xE0) == 0xC0) {
        return 2;
    }
    if ((c & 0xF0) == 0xE0) {
        return 3;
    }
    if ((c & 0xF8) == 0xF0) {
        return 4;
    }
    return 1;
}

std::size_t CharacterCp932Bytes(std::string_view character) {
    if (character.size() == 1) {
        return 1;
    }
    auto converted = ToCp932().Run(character, false);
    return converted ? converted->size() : 2;
}

} // namespace

std::optional<std::string> Cp932ToUtf8(std::string_view cp932) {
    if (IsAscii(cp932)) {
        return std::string(cp932);
    }
    return FromCp932().Run(cp932, false);
}

std::optional<std::string> Utf8ToCp932(std::string_view utf8) {
    if (IsAscii(utf8)) {
        return std::string(utf8);
    }
    return ToCp932().Run(utf8, false);
}

std::string Cp932ToUtf8Lossy(std::string_view cp932) {
    if (IsAscii(cp932)) {
        return std::string(cp932);
    }
    return FromCp932().Run(cp932, true).value_or(std::string());
}

std::string Utf8ToCp932Lossy(std::string_view utf8) {
    if (IsAscii(utf8)) {
        return std::string(utf8);
    }
    return ToCp932().Run(utf8, true).value_or(std::string());
}

bool IsMultiByteUtf8(std::string_view bytes) {
    bool multiByte = false;
    for (std::size_t i = 0; i < bytes.size();) {
        auto c = static_cast<unsigned char>(bytes[i]);
        std::size_t n = c < 0x80                 ? 1
                        : c >= 0xC2 && c <= 0xDF ? 2
                        : c >= 0xE0 && c <= 0xEF ? 3
                        : c >= 0xF0 && c <= 0xF4 ? 4
                                                 : 0;
        if (n == 0 || i + n > bytes.size()) {
            return false;
        }
        for (std::size_t k = 1; k < n; ++k) {
            if ((static_cast<unsigned char>(bytes[i + k]) & 0xC0) != 0x80) {
                return false;
            }
        }
        multiByte = multiByte || n > 1;
        i += n;
    }
    return multiByte;
}

std::optional<std::string> DataFileText(std::string_view bytes) {
    // Japanese CP932 text is next to never well-formed UTF-8: most of its
    // lead bytes are UTF-8 continuation bytes.
    if (IsMultiByteUtf8(bytes)) {
        return std::nullopt;
    }
    return Cp932ToUtf8(bytes);
}

bool IsCp932Representable(std::string_view utf8) {
    return Utf8ToCp932(utf8).has_value();
}

std::size_t Cp932ByteLength(std::string_view utf8) {
    std::size_t total = 0;
    for (std::size_t i = 0; i < utf8.size();) {
        std::size_t n = Utf8SequenceLength(static_cast<unsigned char>(utf8[i]));
        total += CharacterCp932Bytes(utf8.substr(i, n));
        i += n;
    }
    return total;
}

std::string CutToCp932Bytes(std::string_view utf8, std::size_t maxBytes) {
    std::size_t used = 0;
    std::size_t i = 0;
    while (i < utf8.size()) {
        std::size_t n = Utf8SequenceLength(static_cast<unsigned char>(utf8[i]));
        std::size_t bytes = CharacterCp932Bytes(utf8.substr(i, n));
        if (used + bytes > maxBytes) {
            break;
        }
        used += bytes;
        i += n;
    }
    return std::string(utf8.substr(0, i));
}
