#pragma once

#include <cstddef>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

// Hashing and comparing names regardless of ASCII letter case.
struct IgnoringAsciiCase {
    using is_transparent = void;
    std::size_t operator()(std::string_view text) const;
    bool operator()(std::string_view a, std::string_view b) const;
};

// An in-memory INI file that keeps what it does not understand: sections,
// keys and key-less lines stay in the order in which they first entered the
// file; parsed with KeepComments, comment lines and the lines before the
// first section stay where they stand as well. Texts are kept as they were read; section and key
// names match regardless of ASCII letter case, as hand-edited files expect. Sections and the keys
// of a section are indexed once there are more than a few of them, so that reading and writing a
// file of any size takes time in proportion to its size.
class IniTable {
public:
    IniTable() = default;
    IniTable(IniTable&&) = default;
    IniTable& operator=(IniTable&&) = default;
    IniTable(const IniTable&) = delete;
    IniTable& operator=(const IniTable&) = delete;

    // Skip reads a file as a program reads its own: comment lines and lines
    // before the first section are not part of it. KeepComments keeps them
    // for a file the user edits by hand.
    enum class Comments { Skip, Keep };
    static IniTable Parse(std::string_view bytes, Comments comments = Comments::Skip);

    // The lines of an INI text as Parse takes them: a section line, a key
    // line (key and value) or a line without "=" in a section (key is the
    // whole line), each with the name of the section it is in; a comment
    // line in a section and any line before the first section (empty ones
    // too) with the line as it stands in key. Empty lines in a section give
    // nothing.
    struct Entry {
        enum Kind { SectionLine, KeyLine, BareLine, CommentLine, OutsideLine } kind;
        std::string_view section;
        std::string_view key;
        std::string_view value;
    };
    static void ForEachEntry(std::string_view bytes, const std::function<void(const Entry&)>& take);

    std::optional<std::string> Read(std::string_view section, std::string_view key) const;
    // The value as Read gives it, without a copy; nullptr for a missing key.
    const std::string_view* Find(std::string_view section, std::string_view key) const;

    // Replaces the value of an existing key in place; a missing key is appended
    // to its section, a missing section to the file.
    void Write(std::string_view section, std::string_view key, std::string_view value);

    // Removes the section with all its lines.
    void EraseSection(std::string_view section);

    // The kept lines before the first section, then per section "[name]",
    // one line per entry and an empty line; CR LF.
    std::string Serialize() const;

    bool HasSection(std::string_view section) const;

private:
    // Names and values are views into the parsed bytes or into texts written
    // since, both owned by the table and never moved, so that reading a file
    // copies it once rather than line by line.
    static constexpr std::size_t NoLine = static_cast<std::size_t>(-1);
    struct Line {
        std::string_view key; // for a line without "=", the whole trimmed line
        std::string_view value;
        bool hasValue = false;
        std::size_t next = NoLine; // the section's next line
    };
    using Index =
        std::unordered_map<std::string_view, std::size_t, IgnoringAsciiCase, IgnoringAsciiCase>;
    // The lines of all sections stand in one list in the order they came;
    // each section links its own.
    struct Section {
        std::string_view name;
        std::size_t first = NoLine;
        std::size_t last = NoLine;
        std::size_t valued = 0; // lines with a value
        Index keys;             // once indexed: the first line of each key
    };

    std::string_view Keep(std::string_view text);
    Section& AddSection(std::string_view name);
    void AddLine(Section& section, Line line);
    const Line* FindLine(const Section& section, std::string_view key) const;
    Section* FindSection(std::string_view name);
    const Section* FindSection(std::string_view name) const;
    void IndexSections();

    std::unique_ptr<const std::string> source_; // the parsed bytes
    std::deque<std::string> written_;           // texts written since
    std::vector<std::string_view> outside_;     // the lines before the first section
    std::vector<Line> lines_;
    std::vector<Section> sections_;
    Index index_; // once indexed: the position of each section
};

// Names of sections, keys and colours match regardless of ASCII letter case.
bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b);

// Trims bytes below 33 (blanks and control characters) from both ends; works
// on unsigned bytes so that CP932 trail bytes are never taken for blanks.
inline std::string_view TrimBlanks(std::string_view text) {
    auto blank = [](char c) { return static_cast<unsigned char>(c) < 33; };
    while (!text.empty() && blank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && blank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

// Splits bytes into lines at CR LF, LF or a lone CR.
std::vector<std::string_view> SplitLines(std::string_view bytes);
