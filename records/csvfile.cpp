#include "csvfile.h"

#include "cp932.h"
#include "datafields.h"
#include "fileio.h"

std::string CsvLine(const CsvRow& fields) {
    std::string line;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) {
            line += ',';
        }
        line += QuotedField(fields[i]);
    }
    return line;
}

std::optional<std::string> CsvFileBytes(const std::vector<CsvRow>& rows) {
    std::string bytes;
    for (const CsvRow& row : rows) {
        std::optional<std::string> line = Utf8ToCp932(CsvLine(row));
        if (!line) {
            return std::nullopt;
        }
        bytes += *line;
        bytes += "\r\n";
    }
    return bytes;
}

bool WriteCsvFile(const std::filesystem::path& path, const std::vector<CsvRow>& rows) {
    std::optional<std::string> bytes = CsvFileBytes(rows);
    return bytes && WriteFileAtomically(path, *bytes);
}
