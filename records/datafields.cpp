#include "datafields.h"

#include "cp932.h"
#include "initable.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cstdint>
#include <cstring>
#include <utility>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::size_t SkipBlanks(std::string_view text, std::size_t pos) {
    while (pos < text.size() && IsBlank(text[pos])) {
        ++pos;
    }
    return pos;
}

} // namespace

std::optional<std::size_t> GetCsvFieldView(std::string_view text, std::size_t pos,
                                           std::string_view& field, std::string& scratch) {
    field = {};
    pos = SkipBlanks(text, pos);
    if (pos >= text.size()) {
        return std::nullopt;
    }
    if (text[pos] != '"') {
        std::size_t comma = text.find(',', pos);
        if (comma == std::string_view::npos) {
            field = text.substr(pos);
            return text.size();
        }
        field = text.substr(pos, comma - pos);
        return comma + 1;
    }
    scratch.clear();
    ++pos;
    std::size_t next = text.size();
    bool more = true;
    while (pos < text.size()) {
        std::size_t quote = text.find('"', pos);
        if (quote == std::string_view::npos) {
            scratch.append(text.substr(pos));
            break;
        }
        scratch.append(text.substr(pos, quote - pos));
        if (quote + 1 < text.size() && text[quote + 1] == '"') {
            scratch.push_back('"');
            pos = quote + 2;
            continue;
        }
        pos = SkipBlanks(text, quote + 1);
        if (pos < text.size()) {
            // Stray bytes after the closing quote end the line.
            more = text[pos] == ',';
            next = pos + 1;
        }
        break;
    }
    field = scratch;
    if (!more) {
        return std::nullopt;
    }
    return next;
}

std::optional<std::size_t> GetCsvField(std::string_view text, std::size_t pos, std::string& field) {
    std::string_view view;
    std::optional<std::size_t> next = GetCsvFieldView(text, pos, view, field);
    if (view.data() != field.data()) {
        field.assign(view);
    }
    return next;
}

namespace {

// The bytes of a line are looked at a block at a time: sixteen with the
// vector instructions every x86-64 processor has, otherwise eight in a word.
// A block's marks have one bit set for each byte that is the byte asked
// for, in memory order from the lowest bit.
struct BlockMarks {
    std::uint64_t lineFeeds;
    std::uint64_t quotes;
    std::uint64_t commas;
};

#if defined(__SSE2__)

constexpr std::size_t BlockSize = 16;
constexpr int BitsPerByte = 1;

BlockMarks MarkBlock(const char* p) {
    const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    auto marks = [&bytes](char c) {
        return static_cast<std::uint64_t>(
            static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, _mm_set1_epi8(c)))));
    };
    return {marks('\n'), marks('"'), marks(',')};
}

#else

constexpr std::size_t BlockSize = 8;
constexpr int BitsPerByte = 8;

constexpr std::uint64_t EveryByte(unsigned char c) {
    return 0x0101010101010101ull * c;
}

// The high bit of every byte of word that equals c.
std::uint64_t BytesEqual(std::uint64_t word, unsigned char c) {
    constexpr std::uint64_t Low7 = EveryByte(0x7F);
    const std::uint64_t x = word ^ EveryByte(c);
    return ~(((x & Low7) + Low7) | x | Low7);
}

BlockMarks MarkBlock(const char* p) {
    std::uint64_t word = 0;
    std::memcpy(&word, p, 8);
    if constexpr (std::endian::native == std::endian::big) {
        word = __builtin_bswap64(word);
    }
    return {BytesEqual(word, '\n'), BytesEqual(word, '"'), BytesEqual(word, ',')};
}

#endif

// The position in its block of the first byte marked in marks.
std::size_t FirstMarked(std::uint64_t marks) {
    return static_cast<std::size_t>(std::countr_zero(marks)) / BitsPerByte;
}

// What FillUnquotedFields found: the length of the line and what it holds
// after its last field (after the comma that ends it).
struct UnquotedLine {
    std::size_t length = 0;
    std::string_view rest;
};

// FillCsvFields for the line at the start of text, in one pass over it, a
// block at a time. The line ends at the first LF when stopAtLineEnd,
// otherwise at the end of text. Nothing, with fields undefined, when the
// line holds a double quote.
std::optional<UnquotedLine> FillUnquotedFields(std::string_view text,
                                               std::vector<std::string_view>& fields,
                                               bool stopAtLineEnd) {
    const char* const begin = text.data();
    const char* const end = begin + text.size();
    const char* lineEnd = nullptr;
    // Written through a pointer of its own, so that the vector's size need
    // not be read again after every field.
    std::string_view* const out = fields.data();
    const std::size_t wanted = fields.size();
    std::size_t field = 0;
    const char* start = begin;
    while (start < end && IsBlank(*start)) {
        ++start;
    }
    // Takes the comma at p; false once every field is filled. Blanks never
    // run past the line's LF.
    auto comma = [&](const char* p) {
        if (field == wanted) {
            return false;
        }
        out[field++] = std::string_view(start, static_cast<std::size_t>(p - start));
        start = p + 1;
        while (start < end && IsBlank(*start)) {
            ++start;
        }
        return true;
    };
    const char* p = begin;
    bool filled = false;
    for (; static_cast<std::size_t>(end - p) >= BlockSize; p += BlockSize) {
        const BlockMarks marks = MarkBlock(p);
        const std::uint64_t lineFeeds = stopAtLineEnd ? marks.lineFeeds : 0;
        // The bytes before the first LF of the block, or all of them.
        const std::uint64_t inLine = lineFeeds != 0 ? (lineFeeds & (~lineFeeds + 1)) - 1 : ~0ull;
        if ((marks.quotes & inLine) != 0) {
            return std::nullopt;
        }
        for (std::uint64_t commas = marks.commas & inLine; commas != 0 && !filled;
             commas &= commas - 1) {
            filled = !comma(p + FirstMarked(commas));
        }
        if (lineFeeds != 0) {
            lineEnd = p + FirstMarked(lineFeeds);
            break;
        }
    }
    for (; lineEnd == nullptr && p < end; ++p) {
        if (stopAtLineEnd && *p == '\n') {
            lineEnd = p;
        } else if (*p == '"') {
            return std::nullopt;
        } else if (*p == ',' && !filled) {
            filled = !comma(p);
        }
    }
    if (lineEnd == nullptr) {
        lineEnd = end;
    }
    const std::string_view line(begin, static_cast<std::size_t>(lineEnd - begin));
    if (field == wanted) {
        return UnquotedLine{
            line.size(),
            line.substr(std::min(static_cast<std::size_t>(start - begin), line.size()))};
    }
    if (start < lineEnd) {
        out[field++] = std::string_view(start, static_cast<std::size_t>(lineEnd - start));
    }
    for (; field < wanted; ++field) {
        out[field] = {};
    }
    return UnquotedLine{line.size(), {}};
}

// Fills every element of fields from the line; those it lacks become "". A
// quoted field is unquoted into its element of scratch. Returns what the
// line holds after its last field (after the comma that ends it).
std::string_view FillCsvFields(std::string_view line, std::vector<std::string_view>& fields,
                               std::vector<std::string>& scratch) {
    if (std::optional<UnquotedLine> unquoted = FillUnquotedFields(line, fields, false)) {
        return unquoted->rest;
    }
    std::size_t pos = 0;
    bool more = true;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (!more) {
            fields[i] = {};
            continue;
        }
        std::optional<std::size_t> next = GetCsvFieldView(line, pos, fields[i], scratch[i]);
        more = next.has_value();
        pos = next.value_or(0);
    }
    return more ? line.substr(std::min(pos, line.size())) : std::string_view();
}

} // namespace

std::vector<std::string> SplitCsvFields(std::string_view line, std::size_t maxFields) {
    std::vector<std::string_view> views(maxFields);
    std::vector<std::string> scratch(maxFields);
    FillCsvFields(line, views, scratch);
    return {views.begin(), views.end()};
}

void SplitCsvFieldViews(std::string_view line, std::vector<std::string_view>& fields,
                        std::vector<std::string>& scratch) {
    scratch.resize(fields.size());
    FillCsvFields(line, fields, scratch);
}

std::string FieldText(std::string_view field) {
    return std::string(TrimBlanks(field));
}

namespace {

unsigned char MarksOf(std::string_view text) {
    unsigned char found = 0;
    for (char c : text) {
        found |= FileFieldMarks[static_cast<unsigned char>(c)];
    }
    return found;
}

} // namespace

void Cp932Writer::Grow(std::size_t room) {
    bytes_.resize(std::max(bytes_.size() * 2, used_ + room));
}

char* Cp932Writer::WriteEncodedField(std::string_view text, char* out) {
    return (MarksOf(text) & 3) != 0 ? WriteUtf8AsCp932Lossy(FileField(text), out)
                                    : WriteUtf8AsCp932Lossy(text, out);
}

char* Cp932Writer::WriteLongDecimal(long long value, char* out) {
    return std::to_chars(out, out + DecimalRoom, value).ptr;
}

std::string Cp932Writer::Take() {
    bytes_.resize(used_);
    used_ = 0;
    return std::move(bytes_);
}

std::string FileField(std::string_view text) {
    const unsigned char found = MarksOf(text);
    const bool control = (found & 1) != 0;
    const bool quote = (found & 2) != 0;
    if (!quote && !control) {
        return std::string(text);
    }
    std::string out;
    if (quote) {
        out.push_back('"');
    }
    for (char c : text) {
        out.push_back(static_cast<unsigned char>(c) < 32 ? ' ' : c);
        if (c == '"') {
            out.push_back('"');
        }
    }
    if (quote) {
        out.push_back('"');
    }
    return out;
}

namespace {

// Whether the line at pos may be a header line: its first byte after blanks
// is "[" or a quote (see IsHeaderLine).
bool MayBeHeaderLine(std::string_view text, std::size_t pos) {
    while (pos < text.size() && static_cast<unsigned char>(text[pos]) < 33 && text[pos] != '\n') {
        ++pos;
    }
    return pos < text.size() && (text[pos] == '[' || text[pos] == '"');
}

bool IsHeaderLine(std::string_view line, std::string_view header, std::string& scratch) {
    // Most lines are days; a header's first byte after blanks is "[" or a quote.
    std::string_view start = TrimBlanks(line);
    if (start.empty() || (start.front() != '[' && start.front() != '"')) {
        return false;
    }
    GetCsvField(line, 0, scratch);
    return TrimBlanks(scratch) == header;
}

} // namespace

NumberedLines
ReadNumberedLines(std::string_view text, std::string_view header, std::size_t maxFields,
                  int lastDay,
                  const std::function<void(int, const std::vector<std::string_view>&)>& take) {
    NumberedLines found;
    std::string scratch;
    std::vector<std::string_view> fields(maxFields);
    std::vector<std::string> quoted(maxFields);
    for (std::size_t pos = 0; pos < text.size();) {
        if (found.header && found.days < lastDay && !MayBeHeaderLine(text, pos)) {
            // A day line of unquoted fields: split in the pass that finds its end.
            if (std::optional<UnquotedLine> line =
                    FillUnquotedFields(text.substr(pos), fields, true)) {
                const bool ended = pos + line->length < text.size();
                pos = ended ? pos + line->length + 1 : text.size();
                ++found.days;
                found.cutLine = !ended;
                found.overlong =
                    found.overlong || (maxFields > 0 && !TrimBlanks(line->rest).empty());
                take(found.days, fields);
                continue;
            }
        }
        std::size_t end = text.find('\n', pos);
        const bool ended = end != std::string_view::npos;
        std::string_view line = text.substr(pos, ended ? end - pos : std::string_view::npos);
        pos = ended ? end + 1 : text.size();
        if (IsHeaderLine(line, header, scratch)) {
            // Days of an earlier header are read over by this one.
            found.skipped = found.skipped || found.days > 0;
            found.header = true;
            found.days = 0;
            found.cutLine = false;
            continue;
        }
        if (!found.header || found.days >= lastDay) {
            if (!TrimBlanks(line).empty()) {
                (found.header ? found.pastEnd : found.skipped) = true;
            }
            continue;
        }
        ++found.days;
        found.cutLine = !ended;
        std::string_view rest = FillCsvFields(line, fields, quoted);
        found.overlong = found.overlong || (maxFields > 0 && !TrimBlanks(rest).empty());
        take(found.days, fields);
    }
    return found;
}

FileState NumberedFileState(const NumberedLines& lines, int lastDay) {
    if (!lines.header) {
        return FileState::Unrecognised;
    }
    if (lines.pastEnd) {
        return FileState::DoesNotFit;
    }
    if (lines.days < lastDay || lines.cutLine) {
        return FileState::CutShort;
    }
    return lines.skipped || lines.overlong ? FileState::HoldsMore : FileState::Read;
}

bool HasHeaderLine(std::string_view text, std::string_view header) {
    return ReadNumberedLines(text, header, 0, 0, [](int, const std::vector<std::string_view>&) {})
        .header;
}
