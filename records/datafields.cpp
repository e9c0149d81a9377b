#include "datafields.h"

#include "cp932.h"
#include "initable.h"

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

// Bytes below 0x80 are the same characters in CP932 and UTF-8, so most
// fields (times, numbers, empty kinds) need no conversion.
bool IsAscii(std::string_view text) {
    for (char c : text) {
        if (static_cast<unsigned char>(c) >= 0x80) {
            return false;
        }
    }
    return true;
}

std::size_t SkipBlanks(std::string_view text, std::size_t pos) {
    while (pos < text.size() && IsBlank(text[pos])) {
        ++pos;
    }
    return pos;
}

} // namespace

std::optional<std::size_t> GetCsvField(std::string_view text, std::size_t pos, std::string& field) {
    field.clear();
    pos = SkipBlanks(text, pos);
    if (pos >= text.size()) {
        return std::nullopt;
    }
    if (text[pos] != '"') {
        std::size_t comma = text.find(',', pos);
        if (comma == std::string_view::npos) {
            field.assign(text.substr(pos));
            return text.size();
        }
        field.assign(text.substr(pos, comma - pos));
        return comma + 1;
    }
    ++pos;
    while (pos < text.size()) {
        char c = text[pos];
        if (c != '"') {
            field.push_back(c);
            ++pos;
            continue;
        }
        if (pos + 1 < text.size() && text[pos + 1] == '"') {
            field.push_back('"');
            pos += 2;
            continue;
        }
        pos = SkipBlanks(text, pos + 1);
        if (pos >= text.size()) {
            return text.size();
        }
        if (text[pos] == ',') {
            return pos + 1;
        }
        return std::nullopt;
    }
    return text.size();
}

namespace {

// Fills every element of fields from the line; those it lacks become "".
void FillCsvFields(std::string_view line, std::vector<std::string>& fields) {
    std::size_t pos = 0;
    bool more = true;
    for (std::string& field : fields) {
        if (!more) {
            field.clear();
            continue;
        }
        std::optional<std::size_t> next = GetCsvField(line, pos, field);
        more = next.has_value();
        pos = next.value_or(0);
    }
}

} // namespace

std::vector<std::string> SplitCsvFields(std::string_view line, std::size_t maxFields) {
    std::vector<std::string> fields(maxFields);
    FillCsvFields(line, fields);
    return fields;
}

std::string FieldText(std::string_view fieldBytes) {
    // Trimmed again after the conversion: dropping a byte that is no CP932
    // can bare a control character at either end.
    std::string_view trimmed = TrimBlanks(fieldBytes);
    if (IsAscii(trimmed)) {
        return std::string(trimmed);
    }
    return std::string(TrimBlanks(Cp932ToUtf8Lossy(trimmed)));
}

std::string FileField(std::string_view utf8) {
    std::string bytes = IsAscii(utf8) ? std::string(utf8) : Utf8ToCp932Lossy(utf8);
    bool quote = false;
    for (char& c : bytes) {
        if (static_cast<unsigned char>(c) < 32) {
            c = ' ';
        } else if (c == ',' || c == '"') {
            quote = true;
        }
    }
    if (!quote) {
        return bytes;
    }
    std::string quoted = "\"";
    for (char c : bytes) {
        quoted.push_back(c);
        if (c == '"') {
            quoted.push_back('"');
        }
    }
    quoted.push_back('"');
    return quoted;
}

std::vector<std::string_view> DataLines(std::string_view bytes) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = bytes.find('\n', start);
        if (end == std::string_view::npos) {
            lines.push_back(bytes.substr(start));
            break;
        }
        lines.push_back(bytes.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

namespace {

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

bool ReadNumberedLines(std::string_view bytes, std::string_view header, std::size_t maxFields,
                       int lastDay,
                       const std::function<void(int, const std::vector<std::string>&)>& take) {
    bool found = false;
    int day = 0;
    std::string scratch;
    std::vector<std::string> fields(maxFields);
    for (std::string_view line : DataLines(bytes)) {
        if (IsHeaderLine(line, header, scratch)) {
            found = true;
            day = 0;
            continue;
        }
        if (!found || day >= lastDay) {
            continue;
        }
        ++day;
        FillCsvFields(line, fields);
        take(day, fields);
    }
    return found;
}

bool HasHeaderLine(std::string_view bytes, std::string_view header) {
    std::string scratch;
    for (std::string_view line : DataLines(bytes)) {
        if (IsHeaderLine(line, header, scratch)) {
            return true;
        }
    }
    return false;
}
