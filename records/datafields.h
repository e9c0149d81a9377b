#pragma once

#include "filestate.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Lines and fields of the three yearly data files (day, holiday and
// paid-leave files) and of the CSV exports. The files are CP932 with
// comma-separated values; inside the program every text is UTF-8. A reader
// decodes the whole file once and splits the text; a writer builds the whole
// text and encodes it once. Reading and writing a field goes through here so
// that every format trims and quotes alike.

// Reads the field of text that starts at pos into field: blanks (space, tab)
// before it are skipped, a field may be put in double quotes with doubled
// quotes inside, an unquoted field ends at a comma. Returns the position
// after the field, or nothing when no field is left (a quoted field followed
// by stray bytes is kept in field and ends the line). Fields have no length
// limit. Neither UTF-8 nor CP932 has a comma, a quote or a blank inside a
// double-byte character, so Japanese text passes through unchanged.
std::optional<std::size_t> GetCsvField(std::string_view text, std::size_t pos, std::string& field);

// The first maxFields fields of a line; fields the line does not have are "".
std::vector<std::string> SplitCsvFields(std::string_view line, std::size_t maxFields);

// A field as the program keeps it: control characters as blanks (as the
// writers write them), and bytes below 33 trimmed from both ends.
std::string FieldText(std::string_view field);

// Every control character (a byte below 32, or DEL) as a blank: a record is
// one line, and its fields hold no tabs or line breaks.
std::string BlankControlCharacters(std::string text);

// A field of a comma-separated line: a text holding a comma, a double quote,
// CR or LF is put in double quotes with each quote doubled; every other text
// is written as it is.
std::string QuotedField(std::string_view text);

// A text as a data file writes it: as FieldText keeps it (control characters
// as blanks, blanks at either end trimmed, which reading the file would drop
// anyway), then QuotedField. A file the program writes thus gives back every
// field it wrote when it is read again.
std::string FileField(std::string_view text);

// What ReadNumberedLines found.
struct NumberedLines {
    bool header = false;  // a header line was there
    int days = 0;         // day lines read after the last header
    bool pastEnd = false; // a line with text after the last day
};

// Reads the numbered part of a day or holiday file, whose lines end at LF
// (the CR of a CR LF is trimmed with the last field): the lines after the
// header line (a line whose first field, trimmed, is header) are days 1, 2,
// ... by position; a second header starts the count again, lines before the
// header and after day lastDay are not read. take(day, fields) gets the
// first maxFields fields of each day's line.
NumberedLines
ReadNumberedLines(std::string_view text, std::string_view header, std::size_t maxFields,
                  int lastDay,
                  const std::function<void(int, const std::vector<std::string>&)>& take);

// What a data file's text is: no header means it is not the file at all;
// lines past the last day do not fit the year.
FileState NumberedFileState(const NumberedLines& lines);
