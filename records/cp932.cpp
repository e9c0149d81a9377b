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
        std::string out;
        out.reserve(in.size() * 2 + 4);
        char* src = const_cast<char*>(in.data());
        std::size_t srcLeft = in.size();
        char buffer[1024];
        while (srcLeft > 0) {
            char* dst = buffer;
            std::size_t dstLeft = sizeof buffer;
            std::size_t rc = iconv(cd_, &src, &srcLeft, &dst, &dstLeft);
            out.append(buffer, static_cast<std::size_t>(dst - buffer));
            if (rc == static_cast<std::size_t>(-1)) {
                if (errno == E2BIG) {
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
        }
        return out;
    }

private:
    iconv_t cd_;
};

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
    static thread_local Converter toCp932("CP932", "UTF-8");
    auto converted = toCp932.Run(character, false);
    return converted ? converted->size() : 2;
}

} // namespace

std::optional<std::string> Cp932ToUtf8(std::string_view cp932) {
    static thread_local Converter conv("UTF-8", "CP932");
    return conv.Run(cp932, false);
}

std::optional<std::string> Utf8ToCp932(std::string_view utf8) {
    static thread_local Converter conv("CP932", "UTF-8");
    return conv.Run(utf8, false);
}

std::string Cp932ToUtf8Lossy(std::string_view cp932) {
    static thread_local Converter conv("UTF-8", "CP932");
    return conv.Run(cp932, true).value_or(std::string());
}

std::string Utf8ToCp932Lossy(std::string_view utf8) {
    static thread_local Converter conv("CP932", "UTF-8");
    return conv.Run(utf8, true).value_or(std::string());
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
