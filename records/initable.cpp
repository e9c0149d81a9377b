#include "initable.h"

#include <algorithm>

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
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return LowerAscii(x) == LowerAscii(y);
           });
}

std::string_view TrimBlanks(std::string_view text) {
    auto blank = [](char c) { return static_cast<unsigned char>(c) < 33; };
    while (!text.empty() && blank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && blank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
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

IniTable IniTable::Parse(std::string_view bytes) {
    IniTable table;
    Section* current = nullptr;
    for (std::string_view raw : SplitLines(bytes)) {
        std::string_view line = TrimBlanks(raw);
        if (line.empty() || line.front() == ';') {
            continue;
        }
        if (line.front() == '[' && line.back() == ']' && line.size() >= 2) {
            std::string_view name = TrimBlanks(line.substr(1, line.size() - 2));
            current = table.FindSection(name);
            if (current == nullptr) {
                current = &table.AddSection(name);
            }
            continue;
        }
        if (current == nullptr) {
            continue;
        }
        Line entry;
        std::size_t eq = line.find('=');
        if (eq == std::string_view::npos) {
            entry.key = std::string(line);
        } else {
            entry.key = std::string(TrimBlanks(line.substr(0, eq)));
            entry.value = std::string(TrimBlanks(line.substr(eq + 1)));
            entry.hasValue = true;
        }
        AddLine(*current, std::move(entry));
    }
    return table;
}

IniTable::Section& IniTable::AddSection(std::string_view name) {
    index_.emplace(std::string(name), sections_.size());
    sections_.push_back(Section{std::string(name), {}, {}});
    return sections_.back();
}

void IniTable::AddLine(Section& section, Line line) {
    if (line.hasValue) {
        section.keys.emplace(line.key, section.lines.size());
    }
    section.lines.push_back(std::move(line));
}

IniTable::Section* IniTable::FindSection(std::string_view name) {
    auto found = index_.find(name);
    return found == index_.end() ? nullptr : &sections_[found->second];
}

const IniTable::Section* IniTable::FindSection(std::string_view name) const {
    auto found = index_.find(name);
    return found == index_.end() ? nullptr : &sections_[found->second];
}

bool IniTable::HasSection(std::string_view section) const {
    return FindSection(section) != nullptr;
}

std::optional<std::string> IniTable::Read(std::string_view section, std::string_view key) const {
    const Section* s = FindSection(section);
    if (s == nullptr) {
        return std::nullopt;
    }
    auto found = s->keys.find(key);
    if (found == s->keys.end()) {
        return std::nullopt;
    }
    return s->lines[found->second].value;
}

void IniTable::Write(std::string_view section, std::string_view key, std::string_view value) {
    Section* s = FindSection(section);
    if (s == nullptr) {
        s = &AddSection(section);
    }
    auto found = s->keys.find(key);
    if (found != s->keys.end()) {
        s->lines[found->second].value = std::string(value);
        return;
    }
    AddLine(*s, Line{std::string(key), std::string(value), true});
}

void IniTable::EraseSection(std::string_view section) {
    auto found = index_.find(section);
    if (found == index_.end()) {
        return;
    }
    sections_.erase(sections_.begin() + static_cast<std::ptrdiff_t>(found->second));
    index_.clear();
    for (std::size_t i = 0; i < sections_.size(); ++i) {
        index_.emplace(sections_[i].name, i);
    }
}

std::string IniTable::Serialize() const {
    std::size_t size = 0;
    for (const Section& s : sections_) {
        size += s.name.size() + 6;
        for (const Line& line : s.lines) {
            size += line.key.size() + line.value.size() + 3;
        }
    }
    std::string out;
    out.reserve(size);
    for (const Section& s : sections_) {
        out += '[';
        out += s.name;
        out += "]\r\n";
        for (const Line& line : s.lines) {
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
