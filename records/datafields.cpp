#include "datafields.h"

#include "initable.h"

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

std::string FieldText(std::string_view field) {
    return std::string(TrimBlanks(field));
}

void AppendFileField(std::string& out, std::string_view text) {
    bool quote = false;
    bool control = false;
    for (char c : text) {
        control = control || static_cast<unsigned char>(c) < 32;
        quote = quote || c == ',' || c == '"';
    }
    if (!quote && !control) {
        out.append(text);
        return;
    }
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
}

std::string FileField(std::string_view text) {
    std::string field;
    AppendFileField(field, text);
    return field;
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

NumberedLines
ReadNumberedLines(std::string_view text, std::string_view header, std::size_t maxFields,
                  int lastDay,
                  const std::function<void(int, const std::vector<std::string>&)>& take) {
    NumberedLines found;
    std::string scratch;
    std::vector<std::string> fields(maxFields);
    for (std::size_t pos = 0; pos < text.size();) {
        std::size_t end = text.find('\n', pos);
        const bool ended = end != std::string_view::npos;
        std::string_view line = text.substr(pos, ended ? end - pos : std::string_view::npos);
        pos = ended ? end + 1 : text.size();
        if (IsHeaderLine(line, header, scratch)) {
            found.header = true;
            found.days = 0;
            found.cutLine = false;
            continue;
        }
        if (!found.header || found.days >= lastDay) {
            continue;
        }
        ++found.days;
        found.cutLine = !ended;
        FillCsvFields(line, fields);
        take(found.days, fields);
    }
    return found;
}

FileState NumberedFileState(const NumberedLines& lines, int lastDay) {
    if (!lines.header) {
        return FileState::Unrecognised;
    }
    return lines.days < lastDay || lines.cutLine ? FileState::CutShort : FileState::Read;
}

bool HasHeaderLine(std::string_view text, std::string_view header) {
    return ReadNumberedLines(text, header, 0, 0, [](int, const std::vector<std::string>&) {})
        .header;
}
