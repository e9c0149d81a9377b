#include "initable.h"

#include <algorithm>

bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b) {
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [&](char x, char y) { return lower(x) == lower(y); });
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
                table.sections_.push_back(Section{std::string(name), {}});
                current = &table.sections_.back();
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
        current->lines.push_back(std::move(entry));
    }
    return table;
}

IniTable::Section* IniTable::FindSection(std::string_view name) {
    for (Section& s : sections_) {
        if (EqualsIgnoringAsciiCase(s.name, name)) {
            return &s;
        }
    }
    return nullptr;
}

const IniTable::Section* IniTable::FindSection(std::string_view name) const {
    return const_cast<IniTable*>(this)->FindSection(name);
}

bool IniTable::HasSection(std::string_view section) const {
    return FindSection(section) != nullptr;
}

std::optional<std::string> IniTable::Read(std::string_view section, std::string_view key) const {
    const Section* s = FindSection(section);
    if (s == nullptr) {
        return std::nullopt;
    }
    for (const Line& line : s->lines) {
        if (line.hasValue && EqualsIgnoringAsciiCase(line.key, key)) {
            return line.value;
        }
    }
    return std::nullopt;
}

void IniTable::Write(std::string_view section, std::string_view key, std::string_view value) {
    Section* s = FindSection(section);
    if (s == nullptr) {
        sections_.push_back(Section{std::string(section), {}});
        s = &sections_.back();
    }
    for (Line& line : s->lines) {
        if (line.hasValue && EqualsIgnoringAsciiCase(line.key, key)) {
            line.value = std::string(value);
            return;
        }
    }
    s->lines.push_back(Line{std::string(key), std::string(value), true});
}

std::string IniTable::Serialize() const {
    std::string out;
    for (const Section& s : sections_) {
        out += "[" + s.name + "]\r\n";
        for (const Line& line : s.lines) {
            out += line.key;
            if (line.hasValue) {
                out += "=" + line.value;
            }
            out += "\r\n";
        }
        out += "\r\n";
    }
    return out;
}
