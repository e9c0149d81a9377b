#pragma once

#include "cp932.h"
#include "datafilewrite.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Lines and fields of the three yearly data files (day, holiday and
// paid-leave files). The files are CP932 with comma-separated values; inside
// the program every text is UTF-8. A reader decodes the whole file once and
// splits the text; a writer builds the whole text and encodes it once.
// Reading and writing a field goes through here so that the three formats
// trim and quote alike.

// Reads the field of text that starts at pos into field, as the file's bytes:
// blanks (space, tab) before it are skipped, a field may be put in double
// quotes with doubled quotes inside, an unquoted field ends at a comma.
// Returns the position after the field, or nothing when no field is left (a
// quoted field followed by stray bytes is kept in field and ends the line).
// Fields have no length limit. Neither UTF-8 nor CP932 has a comma, a quote
// or a blank inside a double-byte character, so Japanese text passes through
// unchanged.
std::optional<std::size_t> GetCsvField(std::string_view text, std::size_t pos, std::string& field);
// The same, without copying an unquoted field: field views text, or scratch
// for a quoted field.
std::optional<std::size_t> GetCsvFieldView(std::string_view text, std::size_t pos,
                                           std::string_view& field, std::string& scratch);

// The first maxFields fields of a line; fields the line does not have are "".
std::vector<std::string> SplitCsvFields(std::string_view line, std::size_t maxFields);
// The same as views, without a copy: into the line, or into the element of
// scratch (as many as fields) for a quoted field.
void SplitCsvFieldViews(std::string_view line, std::vector<std::string_view>& fields,
                        std::vector<std::string>& scratch);

// A field as the program keeps it: bytes below 33 trimmed from both ends.
std::string FieldText(std::string_view field);

// A text as it is written into a comma-separated line. A line break or any
// other byte below 32 becomes a blank, since every record is one line; a
// text holding a comma or a double quote is put in double quotes with each
// quote doubled; every other text is written as it is.
std::string FileField(std::string_view text);
// What each byte asks of a field written into a file: 1 for a byte below 32
// (written as a blank), 2 for a comma or a double quote (the field is
// quoted), 4 for a byte of a character beyond ASCII (encoded); 0 for a byte
// written as it is.
inline constexpr std::array<unsigned char, 256> FileFieldMarks = [] {
    std::array<unsigned char, 256> marks{};
    for (int c = 0; c < 32; ++c) {
        marks[static_cast<std::size_t>(c)] = 1;
    }
    marks[','] = 2;
    marks['"'] = 2;
    for (int c = 0x80; c < 0x100; ++c) {
        marks[static_cast<std::size_t>(c)] = 4;
    }
    return marks;
}();

// Builds a file's CP932 bytes straight from UTF-8 fields, without a UTF-8
// copy of the whole file. Writes go unchecked into room asked for
// beforehand: Reserve at least the sum of the Room of what follows.
class Cp932Writer {
public:
    static constexpr std::size_t AsciiRoom(std::string_view text) { return text.size(); }
    // FileField at most doubles a text and adds two quotes; the encoder may
    // write a word past its end.
    static constexpr std::size_t FieldRoom(std::string_view text) {
        return 2 * text.size() + 2 + Cp932WriteSlack;
    }
    static constexpr std::size_t DecimalRoom = 20;

    // Writes at a position of its own. A line written through a cursor keeps
    // that position in a register: the writer's own count would be read and
    // written again around every byte, since a byte written may be any
    // memory.
    class Cursor {
    public:
        explicit Cursor(char* at) : at_(at) {}

        void Put(char c) { *at_++ = c; }
        // Text known to be ASCII, or already CP932, as it is.
        void PutAscii(std::string_view text) {
            if (FitsWordPair(text)) {
                WordPair(text).Store(at_);
            } else {
                std::copy(text.begin(), text.end(), at_);
            }
            at_ += text.size();
        }
        // FileField(text) in CP932; characters CP932 cannot hold are
        // dropped. Written here for the many fields of plain ASCII, which go
        // as they are.
        void PutField(std::string_view text) {
            const std::size_t n = text.size();
            if (FitsWordPair(text)) {
                // The times and dates of a day.
                const WordPair words(text);
                if (NeedsWork(words.head) || NeedsWork(words.tail)) {
                    at_ = WriteEncodedField(text, at_);
                    return;
                }
                words.Store(at_);
                at_ += n;
                return;
            }
            for (std::size_t i = 0; i < n; ++i) {
                if (FileFieldMarks[static_cast<unsigned char>(text[i])] != 0) {
                    at_ = WriteEncodedField(text, at_);
                    return;
                }
                at_[i] = text[i];
            }
            at_ += n;
        }
        void PutDecimal(long long value) {
            // Day numbers and step counts: up to five digits, written here
            // without a loop whose end depends on how many there are. All
            // five are made in a word, the first in its lowest byte, and the
            // word from the first that counts is stored; DecimalRoom leaves
            // room for it.
            if (value >= 0 && value < 100000) {
                auto number = static_cast<unsigned>(value);
                std::uint64_t word = 0;
                for (int i = 0; i < 5; ++i) {
                    word = (word << 8) | ('0' + number % 10);
                    number /= 10;
                }
                const int count =
                    1 + (value >= 10) + (value >= 100) + (value >= 1000) + (value >= 10000);
                word >>= 8 * (5 - count);
                if constexpr (std::endian::native == std::endian::big) {
                    word = __builtin_bswap64(word);
                }
                std::memcpy(at_, &word, 8);
                at_ += count;
                return;
            }
            at_ = WriteLongDecimal(value, at_);
        }

    private:
        friend class Cp932Writer;

        // A text of four to eight bytes as two words that may overlap: copied
        // and looked at without a loop whose end depends on its length.
        static bool FitsWordPair(std::string_view text) {
            return text.size() >= 4 && text.size() <= 8;
        }
        struct WordPair {
            explicit WordPair(std::string_view text) : size(text.size()) {
                std::memcpy(&head, text.data(), 4);
                std::memcpy(&tail, text.data() + size - 4, 4);
            }
            void Store(char* at) const {
                std::memcpy(at, &head, 4);
                std::memcpy(at + size - 4, &tail, 4);
            }
            std::size_t size;
            std::uint32_t head = 0;
            std::uint32_t tail = 0;
        };

        // Whether any of the four bytes is one FileFieldMarks marks: a
        // control character, a comma, a quote, or a byte of a character
        // beyond ASCII.
        static bool NeedsWork(std::uint32_t word) {
            constexpr std::uint32_t Ones = 0x01010101u;
            constexpr std::uint32_t Highs = 0x80808080u;
            // The high bit of some byte set where a byte is zero, and only
            // if one is.
            auto anyZero = [](std::uint32_t v) { return (v - Ones) & ~v & Highs; };
            const std::uint32_t below32 = (word - 0x20 * Ones) & ~word & Highs;
            return ((word & Highs) | below32 | anyZero(word ^ (',' * Ones)) |
                    anyZero(word ^ ('"' * Ones))) != 0;
        }

        char* at_;
    };

    void Reserve(std::size_t room) {
        if (bytes_.size() - used_ < room) {
            Grow(room);
        }
    }
    // Reserve, and a cursor where the writing goes on; what it writes
    // counts once the writer Advances to it.
    Cursor Line(std::size_t room) {
        Reserve(room);
        return At();
    }
    void Advance(const Cursor& cursor) {
        used_ = static_cast<std::size_t>(cursor.at_ - bytes_.data());
    }

    void Put(char c) { bytes_[used_++] = c; }
    void PutAscii(std::string_view text) {
        Cursor cursor = At();
        cursor.PutAscii(text);
        Advance(cursor);
    }
    void PutField(std::string_view text) {
        Cursor cursor = At();
        cursor.PutField(text);
        Advance(cursor);
    }
    void PutDecimal(long long value) {
        Cursor cursor = At();
        cursor.PutDecimal(value);
        Advance(cursor);
    }
    // The bytes written; the writer starts over.
    std::string Take();

private:
    // Where the next byte goes, in room reserved beforehand.
    Cursor At() { return Cursor(bytes_.data() + used_); }
    // FileField of a text that needs quotes, blanks or encoding, at out;
    // the end of what was written.
    static char* WriteEncodedField(std::string_view text, char* out);
    static char* WriteLongDecimal(long long value, char* out);
    void Grow(std::size_t room);

    std::string bytes_;
    std::size_t used_ = 0;
};

// What ReadNumberedLines found.
struct NumberedLines {
    bool header = false;   // a header line was there
    int days = 0;          // day lines read after the last header
    bool cutLine = false;  // the last day line read is the file's unended last line
    bool pastEnd = false;  // a line with text after the last day
    bool skipped = false;  // text before the header, or days that a later header reads over
    bool overlong = false; // a day line with text after its last field
};

// Reads the numbered part of a day or holiday file, whose lines end at LF
// (the CR of a CR LF is trimmed with the last field; no length limit): the
// lines after the
// header line (a line whose first field, trimmed, is header) are days 1, 2,
// ... by position; a second header starts the count again, lines before the
// header and after day lastDay are ignored. take(day, fields) gets the first
// maxFields fields of each day's line.
NumberedLines
ReadNumberedLines(std::string_view text, std::string_view header, std::size_t maxFields,
                  int lastDay,
                  const std::function<void(int, const std::vector<std::string_view>&)>& take);

// What a data file's text, read as far as it goes, is: no header means it is
// not the file at all; lines past the last day do not fit the year; a file
// that ends early is cut short; skipped lines and text past a line's last
// field are more than the program holds.
FileState NumberedFileState(const NumberedLines& lines, int lastDay);

// True when a line of the text is the header line.
bool HasHeaderLine(std::string_view text, std::string_view header);
