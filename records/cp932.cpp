#include "cp932.h"

#include <algorithm>
#include <bit>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <iconv.h>
#include <vector>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

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
            if (Step(src, srcLeft, out, used)) {
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

    // Converts the pieces of in in one run of the converter, each as if on
    // its own: in holds every piece followed by a line feed (ends[i] is the
    // position of piece i's), which converts to itself and lies inside no
    // character. A piece the converter refuses is passed over alone. Gives
    // each piece's result; nothing for a refused one.
    std::vector<std::optional<std::string>> RunEach(std::string_view in,
                                                    const std::vector<std::size_t>& ends) {
        std::vector<std::optional<std::string>> results(ends.size());
        if (cd_ == reinterpret_cast<iconv_t>(-1)) {
            return results;
        }
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        std::string out(in.size() * 2 + 16, '\0');
        std::size_t used = 0;
        std::size_t piece = 0;    // the first piece not taken yet
        std::size_t pieceOut = 0; // where its result starts in out
        char* src = const_cast<char*>(in.data());
        std::size_t srcLeft = in.size();
        while (srcLeft > 0) {
            const bool converted = Step(src, srcLeft, out, used);
            // Every piece whose line feed went through is complete.
            const auto done = static_cast<std::size_t>(src - in.data());
            for (; piece < ends.size() && ends[piece] < done; ++piece) {
                const std::size_t lineFeed = out.find('\n', pieceOut);
                results[piece] = out.substr(pieceOut, lineFeed - pieceOut);
                pieceOut = lineFeed + 1;
            }
            if (converted) {
                continue;
            }
            if (piece == ends.size()) {
                break;
            }
            // The refused piece: what it gave so far is dropped.
            used = pieceOut;
            const std::size_t next = ends[piece] + 1;
            src = const_cast<char*>(in.data()) + next;
            srcLeft = in.size() - next;
            ++piece;
            iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        }
        return results;
    }

private:
    // One call of the converter from src into out after used, which grows
    // when the output is full; false at a byte sequence it refuses.
    bool Step(char*& src, std::size_t& srcLeft, std::string& out, std::size_t& used) {
        char* dst = out.data() + used;
        std::size_t dstLeft = out.size() - used;
        const std::size_t rc = iconv(cd_, &src, &srcLeft, &dst, &dstLeft);
        const int error = errno;
        used = static_cast<std::size_t>(dst - out.data());
        if (rc != static_cast<std::size_t>(-1)) {
            return true;
        }
        if (error == E2BIG) {
            out.resize(out.size() * 2);
            return true;
        }
        return false;
    }

    iconv_t cd_;
};

// Texts joined for Converter::RunEach.
class Pieces {
public:
    void Add(std::string_view piece) {
        joined_.append(piece);
        ends_.push_back(joined_.size());
        joined_.push_back('\n');
    }
    std::vector<std::optional<std::string>> Convert(Converter& converter) const {
        return converter.RunEach(joined_, ends_);
    }

private:
    std::string joined_;
    std::vector<std::size_t> ends_;
};

Converter& ToCp932() {
    static thread_local Converter conv("CP932", "UTF-8");
    return conv;
}

Converter& FromCp932() {
    static thread_local Converter conv("UTF-8", "CP932");
    return conv;
}

// How many bytes CopyAscii may write past the ASCII it copies.
#if defined(__SSE2__)
constexpr std::ptrdiff_t AsciiBlock = 16;
#else
constexpr std::ptrdiff_t AsciiBlock = 8;
#endif

// How many bytes of the block at src, from the first, are below 0x80:
// sixteen at a time with the vector instructions every x86-64 processor has,
// otherwise eight in a word.
std::size_t AsciiPrefixOfBlock(const char* src) {
#if defined(__SSE2__)
    const auto high = static_cast<unsigned>(
        _mm_movemask_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(src))));
    return high == 0 ? 16 : static_cast<std::size_t>(std::countr_zero(high));
#else
    std::uint64_t word = 0;
    std::memcpy(&word, src, 8);
    if constexpr (std::endian::native == std::endian::big) {
        word = __builtin_bswap64(word);
    }
    const std::uint64_t high = word & 0x8080808080808080ull;
    return high == 0 ? 8 : static_cast<std::size_t>(std::countr_zero(high)) / 8;
#endif
}

// Copies the ASCII bytes at src, up to a block and at least one when there
// are any; false when src is at a byte of 0x80 or above. With a block left
// the whole block is written to dst, so dst needs room for AsciiBlock bytes.
bool CopyAscii(const char*& src, const char* end, char*& dst) {
    if (static_cast<unsigned char>(*src) >= 0x80) {
        // Told at the first byte, without copying a block: Japanese text
        // has its characters beyond ASCII in runs.
        return false;
    }
    if (end - src >= AsciiBlock) {
        std::memcpy(dst, src, AsciiBlock);
        const std::size_t ascii = AsciiPrefixOfBlock(src);
        src += ascii;
        dst += ascii;
        return ascii != 0;
    }
    *dst++ = *src++;
    return true;
}

// Reading goes through a table of every CP932 character, taken once from the
// C library's converter, so that a whole file is decoded in one pass without
// a call per character.
class DecodeTable {
public:
    DecodeTable() {
        for (int b = 0; b < 256; ++b) {
            const char one[1] = {static_cast<char>(b)};
            Take(single_[b], std::string_view(one, 1));
        }
        // The double-byte codes in one run of the converter rather than a
        // call each.
        Pieces codes;
        std::vector<std::size_t> slots;
        for (int lead = 0x81; lead <= 0xFC; ++lead) {
            if (!IsLead(static_cast<unsigned char>(lead))) {
                continue;
            }
            for (int trail = 0x40; trail <= 0xFC; ++trail) {
                const char two[2] = {static_cast<char>(lead), static_cast<char>(trail)};
                codes.Add(std::string_view(two, 2));
                slots.push_back(
                    Index(static_cast<unsigned char>(lead), static_cast<unsigned char>(trail)));
            }
        }
        std::vector<std::optional<std::string>> utf8 = codes.Convert(FromCp932());
        for (std::size_t i = 0; i < slots.size(); ++i) {
            Keep(double_[slots[i]], utf8[i]);
        }
    }

    // Decodes bytes into out; false at the first byte sequence that is no
    // CP932 when strict, otherwise such a byte is dropped. The text is
    // written straight into out's buffer, which grows only when a run of
    // three-byte characters outgrows the first guess.
    bool Decode(std::string_view bytes, std::string& out, bool strict) const {
        // Room for a whole block or a whole table entry past the end.
        constexpr std::size_t Slack = AsciiBlock;
        out.resize(bytes.size() + bytes.size() / 2 + Slack);
        char* dst = out.data();
        char* limit = out.data() + out.size() - Slack;
        const char* src = bytes.data();
        const char* const end = src + bytes.size();
        while (src < end) {
            if (dst >= limit) {
                const std::size_t used = static_cast<std::size_t>(dst - out.data());
                out.resize(out.size() + static_cast<std::size_t>(end - src) * 3 + Slack);
                dst = out.data() + used;
                limit = out.data() + out.size() - Slack;
            }
            if (CopyAscii(src, end, dst)) {
                // The room left is checked again before the next write.
                continue;
            }
            const auto b = static_cast<unsigned char>(*src);
            const Utf8* found = nullptr;
            std::ptrdiff_t used = 1;
            if (!IsLead(b)) {
                found = &single_[b];
            } else if (end - src >= 2) {
                found = &double_[Index(b, static_cast<unsigned char>(src[1]))];
                used = 2;
            }
            if (found == nullptr || found->length == 0) {
                if (strict) {
                    out.clear();
                    return false;
                }
                ++src;
                continue;
            }
            std::memcpy(dst, found->bytes, sizeof found->bytes);
            dst += found->length;
            src += used;
        }
        out.resize(static_cast<std::size_t>(dst - out.data()));
        return true;
    }

private:
    struct Utf8 {
        unsigned char length = 0; // 0: no character
        char bytes[4] = {};       // length bytes, then zeros
    };

    static bool IsLead(unsigned char b) {
        return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
    }
    static std::size_t Index(unsigned char lead, unsigned char trail) {
        return static_cast<std::size_t>(lead < 0xE0 ? lead - 0x81 : lead - 0xE0 + 31) * 256 + trail;
    }
    static void Take(Utf8& entry, std::string_view cp932) {
        Keep(entry, FromCp932().Run(cp932, false));
    }
    static void Keep(Utf8& entry, const std::optional<std::string>& utf8) {
        if (utf8 && !utf8->empty() && utf8->size() < sizeof entry.bytes) {
            entry.length = static_cast<unsigned char>(utf8->size());
            utf8->copy(entry.bytes, utf8->size());
        }
    }

    Utf8 single_[256];
    std::vector<Utf8> double_ = std::vector<Utf8>(60 * 256);
};

const DecodeTable& Decoder() {
    static const DecodeTable table;
    return table;
}

// The length of the well-formed UTF-8 sequence at the start of text and its
// code point; 0 when it is not well formed.
std::size_t Utf8Sequence(std::string_view text, std::uint32_t& codePoint) {
    auto at = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = at(0);
    // Japanese text is mostly three-byte sequences whose lead byte needs no
    // check beyond the continuation bytes (not E0, whose sequences may be
    // overlong, nor ED, whose may be surrogates): those are read first.
    if (lead >= 0xE1 && lead <= 0xEF && lead != 0xED && text.size() >= 3 &&
        (at(1) & 0xC0) == 0x80 && (at(2) & 0xC0) == 0x80) {
        codePoint = (lead & 0x0Fu) << 12 | (at(1) & 0x3Fu) << 6 | (at(2) & 0x3Fu);
        return 3;
    }
    std::size_t length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        codePoint = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        codePoint = lead & 0x0F;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        codePoint = lead & 0x07;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    }
    if (length == 0 || length > text.size() || at(1) < low || at(1) > high) {
        return 0;
    }
    for (std::size_t i = 1; i < length; ++i) {
        if ((at(i) & 0xC0) != 0x80) {
            return 0;
        }
        codePoint = (codePoint << 6) | (at(i) & 0x3F);
    }
    return length;
}

// Writing goes through the reverse table: for every character the decoding
// table holds, the bytes the C library's converter gives it (where two codes
// decode to one character, the converter's choice). A character outside it
// is asked of the converter itself, so both ways agree with it exactly.
class EncodeTable {
public:
    EncodeTable() : codes_(0x10000) {
        // Every character the decoding table holds, asked of the converter
        // in one run.
        const DecodeTable& decoder = Decoder();
        Pieces characters;
        std::vector<std::uint32_t> codePoints;
        std::vector<bool> asked(0x10000);
        std::string utf8;
        for (int code = 0x80; code <= 0xFFFF; ++code) {
            char bytes[2] = {static_cast<char>(code >> 8), static_cast<char>(code & 0xFF)};
            std::string_view cp932 =
                code < 0x100 ? std::string_view(bytes + 1, 1) : std::string_view(bytes, 2);
            if (!decoder.Decode(cp932, utf8, true) || utf8.empty()) {
                continue;
            }
            std::uint32_t codePoint = 0;
            if (Utf8Sequence(utf8, codePoint) != utf8.size() || codePoint > 0xFFFF ||
                asked[codePoint]) {
                continue;
            }
            asked[codePoint] = true;
            characters.Add(utf8);
            codePoints.push_back(codePoint);
        }
        std::vector<std::optional<std::string>> back = characters.Convert(ToCp932());
        for (std::size_t i = 0; i < codePoints.size(); ++i) {
            const std::optional<std::string>& code = back[i];
            if (code && (code->size() == 1 || code->size() == 2)) {
                codes_[codePoints[i]] =
                    code->size() == 1
                        ? static_cast<unsigned char>((*code)[0])
                        : static_cast<std::uint16_t>(static_cast<unsigned char>((*code)[0]) << 8 |
                                                     static_cast<unsigned char>((*code)[1]));
            }
        }
    }

    // Encodes UTF-8 into out; false at the first character that CP932
    // cannot hold or the first broken sequence when strict, otherwise such
    // a character is dropped (a broken sequence one byte at a time).
    bool Encode(std::string_view utf8, std::string& out, bool strict) const {
        out.resize(utf8.size() + Slack);
        char* end = EncodeTo(utf8, out.data(), strict);
        if (end == nullptr) {
            out.clear();
            return false;
        }
        out.resize(static_cast<std::size_t>(end - out.data()));
        return true;
    }

    // Room a write may need past the text's end: a whole word of ASCII.
    static constexpr std::size_t Slack = 8;

    // Writes the CP932 of utf8 from dst, which has room for utf8.size() +
    // Slack bytes: no character takes more bytes in CP932 than in UTF-8.
    // The end of what was written; nullptr when strict and refused.
    char* EncodeTo(std::string_view utf8, char* dst, bool strict) const {
        const char* const end = utf8.data() + utf8.size();
        for (const char* src = utf8.data(); src < end;) {
            if (CopyAscii(src, end, dst)) {
                continue;
            }
            std::uint32_t codePoint = 0;
            const std::size_t length =
                Utf8Sequence(std::string_view(src, static_cast<std::size_t>(end - src)), codePoint);
            if (length == 0) {
                if (strict) {
                    return nullptr;
                }
                ++src;
                continue;
            }
            const std::uint16_t code = codePoint <= 0xFFFF ? codes_[codePoint] : 0;
            if (code > 0xFF) {
                *dst++ = static_cast<char>(code >> 8);
                *dst++ = static_cast<char>(code & 0xFF);
            } else if (code != 0) {
                *dst++ = static_cast<char>(code);
            } else if (std::optional<std::string> rare =
                           ToCp932().Run(std::string_view(src, length), false);
                       rare && rare->size() <= length) {
                dst = std::copy(rare->begin(), rare->end(), dst);
            } else if (strict) {
                return nullptr;
            }
            src += length;
        }
        return dst;
    }

private:
    std::vector<std::uint16_t> codes_; // by code point; 0: not in the table
};

const EncodeTable& Encoder() {
    static const EncodeTable table;
    return table;
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
    std::string out;
    if (!Decoder().Decode(cp932, out, true)) {
        return std::nullopt;
    }
    return out;
}

std::optional<std::string> Utf8ToCp932(std::string_view utf8) {
    std::string out;
    if (!Encoder().Encode(utf8, out, true)) {
        return std::nullopt;
    }
    return out;
}

std::string Cp932ToUtf8Lossy(std::string_view cp932) {
    std::string out;
    Decoder().Decode(cp932, out, false);
    return out;
}

std::string Utf8ToCp932Lossy(std::string_view utf8) {
    std::string out;
    Encoder().Encode(utf8, out, false);
    return out;
}

char* WriteUtf8AsCp932Lossy(std::string_view utf8, char* out) {
    static_assert(EncodeTable::Slack <= Cp932WriteSlack);
    return Encoder().EncodeTo(utf8, out, false);
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
