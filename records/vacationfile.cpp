#include "vacation.h"

#include "datafields.h"
#include "datanumbers.h"
#include "fileio.h"
#include "initable.h"
#include "settings.h"
#include "state.h"

#include <algorithm>

namespace {

constexpr const char* SystemSection = "System";
constexpr const char* RecordSection = "VacationData";

bool RecognisedVacationFile(std::string_view bytes) {
    IniTable table = IniTable::Parse(bytes);
    return table.HasSection(SystemSection) || table.HasSection(RecordSection);
}

// The file's lines without the named section, so that it can be written
// anew after every other section.
std::string WithoutSection(std::string_view bytes, std::string_view name) {
    std::string kept;
    bool dropping = false;
    for (std::string_view raw : SplitLines(bytes)) {
        std::string_view line = TrimBlanks(raw);
        if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
            dropping = EqualsIgnoringAsciiCase(TrimBlanks(line.substr(1, line.size() - 2)), name);
        }
        if (!dropping) {
            kept.append(raw);
            kept += "\r\n";
        }
    }
    return kept;
}

// The number with leading zeros up to width digits.
std::string ZeroPadded(int value, std::size_t width) {
    std::string text = std::to_string(value);
    if (text.size() < width) {
        text.insert(0, width - text.size(), '0');
    }
    return text;
}

// "yyyy/mm/dd", the form a record's date takes when read from the file.
std::string PaddedDateText(const CivilDate& date) {
    return ZeroPadded(date.year, 4) + "/" + ZeroPadded(date.month, 2) + "/" +
           ZeroPadded(date.day, 2);
}

Vacation ReadRecord(std::string_view value) {
    std::vector<std::string> fields = SplitCsvFields(value, 6);
    std::optional<CivilDate> date = ParseFullDate(TrimBlanks(fields[0]));
    if (!date) {
        return {};
    }
    // The weekday comes from the date; the stored one is not trusted.
    return {PaddedDateText(*date), WeekdayText(WeekdayIndex(*date)),
            FieldText(fields[2]),  FieldText(fields[3]),
            FieldText(fields[4]),  FieldText(fields[5])};
}

std::string RecordValue(const Vacation& record) {
    return FileField(record.Date) + "," + FileField(record.Weekday) + "," + FileField(record.Kind) +
           "," + FileField(record.Days) + "," + FileField(record.Balance) + "," +
           FileField(record.Remark);
}

} // namespace

std::string VacationFileName(int year) {
    return std::to_string(year) + "V.dat";
}

int LoadVacationFile(const std::filesystem::path& folder, int year) {
    for (int i = 1; i <= MaxVacationRecords; ++i) {
        VacationRecords[i] = {};
    }
    VacationCount = 0;
    ReadResult file = ReadWholeFile(folder / VacationFileName(year));
    if (file.status != ReadStatus::Ok || !RecognisedVacationFile(file.bytes)) {
        // A year without its own file starts from nothing, never from the
        // values of the year held before.
        KuriZan = 0.0f;
        KuriFlg = 0;
        NowZan = 0.0f;
        return 0;
    }
    IniTable table = IniTable::Parse(file.bytes);
    KuriZan = WholeSingle(table.Read(SystemSection, "KuriZan").value_or(""));
    KuriFlg = ParseIniInteger(table.Read(SystemSection, "KuriFlg").value_or("")).value_or(0);
    NowZan = WholeSingle(table.Read(SystemSection, "NowZan").value_or(""));
    int count = 0;
    for (int i = 1; i <= MaxVacationRecords; ++i) {
        std::optional<std::string> value = table.Read(RecordSection, std::to_string(i));
        if (!value || value->empty()) {
            continue;
        }
        // A value whose date cannot be read keeps its place as an empty record.
        VacationRecords[++count] = ReadRecord(*value);
    }
    VacationCount = count;
    return 1;
}

DataFileWrite SaveVacationFile(const std::filesystem::path& folder, int year) {
    std::filesystem::path path = folder / VacationFileName(year);
    ReadResult old = ReadWholeFile(path);
    std::string kept;
    if (old.status == ReadStatus::Ok && RecognisedVacationFile(old.bytes)) {
        kept = WithoutSection(old.bytes, RecordSection);
    }
    IniTable table = IniTable::Parse(kept);
    table.Write(SystemSection, "KuriZan", FormatSingle(KuriZan));
    table.Write(SystemSection, "KuriFlg", std::to_string(KuriFlg));
    table.Write(SystemSection, "NowZan", FormatSingle(NowZan));
    for (int i = 1; i <= std::min(VacationCount, MaxVacationRecords); ++i) {
        if (!VacationRecords[i].Date.empty()) {
            table.Write(RecordSection, std::to_string(i), RecordValue(VacationRecords[i]));
        }
    }
    return ReplaceDataFile(path, table.Serialize(), RecognisedVacationFile);
}
