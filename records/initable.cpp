#include "initable.h"

#include <algorithm>
#include <utility>

namespace {

char LowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

} // namespace

std::size_t IgnoringAsciiCase::operator()(std::string_view text) const {
    std::size_t hash = 14695981039346656037ull;
    for (char c : text) {
        hash = (hash ^ static_cast<unsigned char>(LowerAscii(c))) * 1099511628211ull;
    }
    return hash;
}

bool IgnoringAsciiCase::operator()(std::string_view a, std::string_view b) const {
    return EqualsIgnoringAsciiCase(a, b);
}

bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i] != b[i] && LowerAscii(a[i]) != LowerAscii(b[i])) {
            return false;
        }
    }
    return true;
}

std::vector<std::string_view> SplitLines(std::string_view bytes) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\r' || bytes[i] == '\n') {
            lines.push_back(bytes.substr(start, i - start));
            if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') {
                ++i;
            }
            start = i + 1;
        }
    }
    if (start < bytes.size()) {
        lines.push_back(bytes.substr(start));
    }
    return lines;
}

namespace {

// The line that starts at pos, up to CR LF, LF or a lone CR; pos moves past
// its end.
std::string_view NextLine(std::string_view bytes, std::size_t& pos) {
    std::size_t start = pos;
    std::size_t end = start;
    while (end < bytes.size() && bytes[end] != '\r' && bytes[end] != '\n') {
        ++end;
    }
    if (end == bytes.size()) {
        pos = bytes.size();
        return bytes.substr(start);
    }
    pos = end + (bytes[end] == '\r' && end + 1 < bytes.size() && bytes[end + 1] == '\n' ? 2 : 1);
    return bytes.substr(start, end - start);
}

} // namespace

void IniTable::ForEachEntry(std::string_view bytes, const std::function<void(const Entry&)>& take) {
    std::string_view section;
    bool inSection = false;
    for (std::size_t pos = 0; pos < bytes.size();) {
        const std::string_view raw = NextLine(bytes, pos);
        std::string_view line = TrimBlanks(raw);
        if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
            section = TrimBlanks(line.substr(1, line.size() - 2));
            inSection = true;
            take({Entry::SectionLine, section, {}, {}});
            continue;
        }
        if (!inSection) {
            take({Entry::OutsideLine, {}, raw, {}});
            continue;
        }
        if (line.empty()) {
            continue;
        }
        if (line.front() == ';') {
            take({Entry::CommentLine, section, raw, {}});
            continue;
        }
        std::size_t eq = line.find('=');
        if (eq == std::string_view::npos) {
            take({Entry::BareLine, section, line, {}});
        } else {
            take({Entry::KeyLine, section, TrimBlanks(line.substr(0, eq)),
                  TrimBlanks(line.substr(eq + 1))});
        }
    }
}

IniTable IniTable::Parse(std::string_view bytes, Comments comments) {
    IniTable table;
    table.source_ = std::make_unique<const std::string>(bytes);
    // Room for a line every 16 bytes saves most of the growing.
    table.lines_.reserve(bytes.size() / 16 + 1);
    const bool keep = comments == Comments::Keep;
    Section* current = nullptr;
    ForEachEntry(*table.source_, [&](const Entry& entry) {
        switch (entry.kind) {
        case Entry::SectionLine:
            current = table.FindSection(entry.section);
            if (current == nullptr) {
                current = &table.AddSection(entry.section);
            }
            return;
        case Entry::OutsideLine:
            if (keep) {
                table.outside_.push_back(entry.key);
            }
            return;
        case Entry::CommentLine:
            if (keep) {
                table.AddLine(*current, Line{entry.key, {}, false});
            }
            return;
        case Entry::KeyLine:
        case Entry::BareLine:
            table.AddLine(*current, Line{entry.key, entry.value, entry.kind == Entry::KeyLine});
            return;
        }
    });
    return table;
}

namespace {

// Up to this many sections or keys of a section are found by looking at
// each; beyond it they are indexed.
constexpr std::size_t LinearLimit = 32;

} // namespace

std::string_view IniTable::Keep(std::string_view text) {
    return written_.emplace_back(text);
}

IniTable::Section& IniTable::AddSection(std::string_view name) {
    Section section;
    section.name = name;
    sections_.push_back(std::move(section));
    if (!index_.empty()) {
        index_.emplace(sections_.back().name, sections_.size() - 1);
    } else if (sections_.size() > LinearLimit) {
        IndexSections();
    }
    return sections_.back();
}

void IniTable::IndexSections() {
    index_.clear();
    for (std::size_t i = 0; i < sections_.size(); ++i) {
        index_.emplace(sections_[i].name, i);
    }
}

void IniTable::AddLine(Section& section, Line line) {
    const std::size_t at = lines_.size();
    lines_.push_back(line);
    if (section.last == NoLine) {
        section.first = at;
    } else {
        lines_[section.last].next = at;
    }
    section.last = at;
    if (!line.hasValue) {
        return;
    }
    ++section.valued;
    if (!section.keys.empty()) {
        section.keys.emplace(line.key, at);
    } else if (section.valued > LinearLimit) {
        for (std::size_t i = section.first; i != NoLine; i = lines_[i].next) {
            if (lines_[i].hasValue) {
                section.keys.emplace(lines_[i].key, i);
            }
        }
    }
}

const IniTable::Line* IniTable::FindLine(const Section& section, std::string_view key) const {
    if (!section.keys.empty()) {
        auto found = section.keys.find(key);
        return found == section.keys.end() ? nullptr : &lines_[found->second];
    }
    for (std::size_t i = section.first; i != NoLine; i = lines_[i].next) {
        const Line& line = lines_[i];
        if (line.hasValue && line.key.size() == key.size() &&
            EqualsIgnoringAsciiCase(line.key, key)) {
            return &line;
        }
    }
    return nullptr;
}

IniTable::Section* IniTable::FindSection(std::string_view name) {
    return const_cast<Section*>(std::as_const(*this).FindSection(name));
}

const IniTable::Section* IniTable::FindSection(std::string_view name) const {
    if (!index_.empty()) {
        auto found = index_.find(name);
        return found == index_.end() ? nullptr : &sections_[found->second];
    }
    for (const Section& section : sections_) {
        if (section.name.size() == name.size() && EqualsIgnoringAsciiCase(section.name, name)) {
            return &section;
        }
    }
    return nullptr;
}

bool IniTable::HasSection(std::string_view section) const {
    return FindSection(section) != nullptr;
}

const std::string_view* IniTable::Find(std::string_view section, std::string_view key) const {
    const Section* s = FindSection(section);
    const Line* line = s != nullptr ? FindLine(*s, key) : nullptr;
    return line != nullptr ? &line->value : nullptr;
}

std::optional<std::string> IniTable::Read(std::string_view section, std::string_view key) const {
    const std::string_view* value = Find(section, key);
    if (value == nullptr) {
        return std::nullopt;
    }
    return std::string(*value);
}

void IniTable::Write(std::string_view section, std::string_view key, std::string_view value) {
    Section* s = FindSection(section);
    if (s == nullptr) {
        s = &AddSection(Keep(section));
    }
    if (const Line* line = FindLine(*s, key)) {
        if (line->value != value) {
            const_cast<Line*>(line)->value = Keep(value);
        }
        return;
    }
    AddLine(*s, Line{Keep(key), Keep(value), true});
}

void IniTable::EraseSection(std::string_view section) {
    const Section* found = FindSection(section);
    if (found == nullptr) {
        return;
    }
    sections_.erase(sections_.begin() + (found - sections_.data()));
    if (!index_.empty()) {
        IndexSections();
    }
}

std::string IniTable::Serialize() const {
    std::size_t size = 0;
    for (std::string_view line : outside_) {
        size += line.size() + 2;
    }
    for (const Section& s : sections_) {
        size += s.name.size() + 6;
        for (std::size_t i = s.first; i != NoLine; i = lines_[i].next) {
            size += lines_[i].key.size() + lines_[i].value.size() + 3;
        }
    }
    std::string out;
    out.reserve(size);
    for (std::string_view line : outside_) {
        out += line;
        out += "\r\n";
    }
    for (const Section& s : sections_) {
        out += '[';
        out += s.name;
        out += "]\r\n";
        for (std::size_t i = s.first; i != NoLine; i = lines_[i].next) {
            const Line& line = lines_[i];
            out += line.key;
            if (line.hasValue) {
                out += '=';
                out += line.value;
            }
            out += "\r\n";
        }
        out += "\r\n";
    }
    return out;
}
