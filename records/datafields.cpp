#include "datafields.h"

#include "initable.h"

namespace {

std::size_t SkipBlanks(std::string_view text, std::size_t pos) {
    while (pos < text.size() && (text[pos] == ' ' || text[pos] == '\t')) {
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
        const std::size_t comma = text.find(',', pos);
        if (comma == std::string_view::npos) {
            field.assign(text.substr(pos));
            return text.size();
        }
        field.assign(text.substr(pos, comma - pos));
        return comma + 1;
    }
    for (++pos; pos < text.size(); ++pos) {
        if (text[pos] != '"') {
            field.push_back(text[pos]);
            continue;
        }
        if (pos + 1 < text.size() && text[pos + 1] == '"') {
            field.push_back('"');
            ++pos;
            continue;
        }
        pos = SkipBlanks(text, pos + 1);
        if (pos >= text.size()) {
            return text.size();
        }
        // Stray bytes after the closing quote end the line.
        if (text[pos] != ',') {
            return std::nullopt;
        }
        return pos + 1;
    }
    return text.size();
}

namespace {

// Every element of fields from the line's fields in turn; those the line
// lacks become "".
void FillCsvFields(std::string_view line, std::vector<std::string>& fields) {
    std::optional<std::size_t> pos = 0;
    for (std::string& field : fields) {
        if (pos) {
            pos = GetCsvField(line, *pos, field);
        } else {
            field.clear();
        }
    }
}

} // namespace

std::vector<std::string> SplitCsvFields(std::string_view line, std::size_t maxFields) {
    std::vector<std::string> fields(maxFields);
    FillCsvFields(line, fields);
    return fields;
}

std::string FieldText(std::string_view field) {
    // Trimmed before and after: a DEL at either end becomes a blank that
    // must go as well.
    std::string text = BlankControlCharacters(std::string(TrimBlanks(field)));
    const std::string_view trimmed = TrimBlanks(text);
    return trimmed.size() == text.size() ? text : std::string(trimmed);
}

std::string BlankControlCharacters(std::string text) {
    for (char& c : text) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) {
            c = ' ';
        }
    }
    return text;
}

std::string QuotedField(std::string_view text) {
    if (text.find_first_of(",\"\r\n") == std::string_view::npos) {
        return std::string(text);
    }
    std::string out = "\"";
    for (char c : text) {
        out.push_back(c);
        if (c == '"') {
            out.push_back('"');
        }
    }
    out.push_back('"');
    return out;
}

std::string FileField(std::string_view text) {
    return QuotedField(FieldText(text));
}

NumberedLines
ReadNumberedLines(std::string_view text, std::string_view header, std::size_t maxFields,
                  int lastDay,
                  const std::function<void(int, const std::vector<std::string>&)>& take) {
    NumberedLines found;
    std::string first;
    // One set of fields for every line, so that their memory is reused.
    std::vector<std::string> fields(maxFields);
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t end = std::min(text.find('\n', pos), text.size());
        const std::string_view line = text.substr(pos, end - pos);
        pos = end + 1;
        GetCsvField(line, 0, first);
        if (TrimBlanks(first) == header) {
            found.header = true;
            found.days = 0;
            continue;
        }
        if (!found.header) {
            continue;
        }
        if (found.days >= lastDay) {
            found.pastEnd = found.pastEnd || !TrimBlanks(line).empty();
            continue;
        }
        ++found.days;
        FillCsvFields(line, fields);
        take(found.days, fields);
    }
    return found;
}

FileState NumberedFileState(const NumberedLines& lines) {
    if (!lines.header) {
        return FileState::Unrecognised;
    }
    return lines.pastEnd ? FileState::DoesNotFit : FileState::Read;
}
