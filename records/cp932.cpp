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

    // Converts the whole input. With skipInvalid, an unconvertible or broken
    // input byte is dropped; otherwise the conversion fails.
    std::optional<std::string> Run(std::string_view in, bool skipInvalid) {
        if (cd_ == reinterpret_cast<iconv_t>(-1)) {
            return std::nullopt;
        }
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        // Room for text that grows by half (two-byte CP932 characters
        // become three-byte UTF-8 ones); more is made when it grows further.
        std::string out(in.size() + in.size() / 2 + 16, '\0');
        std::size_t used = 0;
        char* src = const_cast<char*>(in.data());
        std::size_t srcLeft = in.size();
        while (srcLeft > 0) {
            char* dst = out.data() + used;
            std::size_t dstLeft = out.size() - used;
            const std::size_t rc = iconv(cd_, &src, &srcLeft, &dst, &dstLeft);
            const int error = errno;
            used = static_cast<std::size_t>(dst - out.data());
            if (rc != static_cast<std::size_t>(-1)) {
                continue;
            }
            if (error == E2BIG) {
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

Converter& ToCp932() {
    static thread_local Converter conv("CP932", "UTF-8");
    return conv;
}

Converter& FromCp932() {
    static thread_local Converter conv("UTF-8", "CP932");
    return conv;
}

// The CP932 bytes of one character given as its UTF-8 sequence; 2 for one
// CP932 cannot hold.
std::size_t CharacterCp932Bytes(std::string_view character) {
    if (character.size() == 1) {
        return 1;
    }
    auto converted = ToCp932().Run(character, false);
    return converted ? converted->size() : 2;
}

// The length of the character at the start of text: its UTF-8 sequence, or
// one byte of a broken one.
std::size_t CharacterLength(std::string_view text) {
    const std::size_t length = Utf8SequenceLength(text);
    return length == 0 ? 1 : length;
}

} // namespace

std::optional<std::string> Cp932ToUtf8(std::string_view cp932) {
    return FromCp932().Run(cp932, false);
}

std::optional<std::string> Utf8ToCp932(std::string_view utf8) {
    return ToCp932().Run(utf8, false);
}

std::string Cp932ToUtf8Lossy(std::string_view cp932) {
    return FromCp932().Run(cp932, true).value_or(std::string());
}

std::string Utf8ToCp932Lossy(std::string_view utf8) {
    return ToCp932().Run(utf8, true).value_or(std::string());
}

std::size_t Utf8SequenceLength(std::string_view text) {
    if (text.empty()) {
        return 0;
    }
    auto at = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = at(0);
    if (lead < 0x80) {
        return 1;
    }
    // The second byte's range rules out overlong forms, surrogates and code
    // points past U+10FFFF.
    std::size_t length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    }
    if (length == 0 || length > text.size() || at(1) < low || at(1) > high) {
        return 0;
    }
    for (std::size_t i = 2; i < length; ++i) {
        if ((at(i) & 0xC0) != 0x80) {
            return 0;
        }
    }
    return length;
}

bool IsUtf8File(std::string_view bytes) {
    bool multiByte = false;
    bool wide = false;
    for (std::size_t i = 0; i < bytes.size();) {
        const std::size_t length = Utf8SequenceLength(bytes.substr(i));
        if (length == 0) {
            return false;
        }
        multiByte = multiByte || length > 1;
        wide = wide || length > 2;
        i += length;
    }
    return wide || (multiByte && !Cp932ToUtf8(bytes));
}

std::optional<std::string> DataFileText(std::string_view bytes) {
    if (IsUtf8File(bytes)) {
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
        const std::size_t n = CharacterLength(utf8.substr(i));
        total += CharacterCp932Bytes(utf8.substr(i, n));
        i += n;
    }
    return total;
}

std::string CutToCp932Bytes(std::string_view utf8, std::size_t maxBytes) {
    std::size_t used = 0;
    std::size_t i = 0;
    while (i < utf8.size()) {
        const std::size_t n = CharacterLength(utf8.substr(i));
        const std::size_t bytes = CharacterCp932Bytes(utf8.substr(i, n));
        if (used + bytes > maxBytes) {
            break;
        }
        used += bytes;
        i += n;
    }
    return std::string(utf8.substr(0, i));
}
