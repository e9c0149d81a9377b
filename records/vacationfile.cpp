#include "vacation.h"

#include "cp932.h"
#include "datafields.h"
#include "datanumbers.h"
#include "fileio.h"
#include "filenotices.h"
#include "initable.h"
#include "state.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <utility>

namespace {

constexpr const char* SystemSection = "System";
constexpr const char* RecordSection = "VacationData";

// "yyyy/mm/dd", the form a record's date takes when read from the file.
std::string PaddedDateText(const CivilDate& date) {
    char text[16];
    std::snprintf(text, sizeof text, "%04d/%02d/%02d", date.year, date.month, date.day);
    return text;
}

// A record's value. A date that cannot be read leaves the record empty. The
// date becomes "yyyy/mm/dd" and the weekday is taken from it, unless
// asStored: then both stay as the file has them.
Vacation ReadRecord(std::string_view value, bool asStored) {
    const std::vector<std::string> fields = SplitCsvFields(value, 6);
    std::optional<CivilDate> date = ParseFullDate(TrimBlanks(fields[0]));
    if (!date) {
        return {};
    }
    Vacation record{PaddedDateText(*date), WeekdayText(WeekdayIndex(*date)),
                    FieldText(fields[2]),  FieldText(fields[3]),
                    FieldText(fields[4]),  FieldText(fields[5])};
    if (asStored) {
        record.Date = FieldText(fields[0]);
        record.Weekday = FieldText(fields[1]);
    }
    return record;
}

// The number a "System" value holds; notes the key when it holds none.
float ReadDays(const std::optional<std::string>& value, const char* key,
               std::vector<std::string>& unreadNumbers) {
    if (!value) {
        return 0.0f;
    }
    std::optional<double> days = WholeDecimal(*value);
    if (!days) {
        unreadNumbers.emplace_back(key);
    }
    return static_cast<float>(days.value_or(0.0));
}

// Reads a paid-leave file's text (see ReadVacationFileBytes).
FileState ReadVacationText(const std::optional<std::string>& text, VacationLedger& ledger,
                           bool asStored, std::vector<std::string>& unreadNumbers) {
    ledger = {};
    if (!text) {
        return FileState::Unrecognised;
    }
    const IniTable table = IniTable::Parse(*text);
    if (!table.HasSection(SystemSection) && !table.HasSection(RecordSection)) {
        return FileState::Unrecognised;
    }
    ledger.kuriZan = ReadDays(table.Read(SystemSection, "KuriZan"), "KuriZan", unreadNumbers);
    ledger.nowZan = ReadDays(table.Read(SystemSection, "NowZan"), "NowZan", unreadNumbers);
    if (std::optional<std::string> flag = table.Read(SystemSection, "KuriFlg")) {
        std::optional<std::int32_t> value = ParseIniInteger(TrimBlanks(*flag));
        if (!value) {
            unreadNumbers.emplace_back("KuriFlg");
        }
        ledger.kuriFlg = value.value_or(0);
    }
    for (int key = 1; key <= MaxVacationRecords; ++key) {
        std::optional<std::string> value = table.Read(RecordSection, std::to_string(key));
        if (value && !value->empty()) {
            ledger.records.push_back(ReadRecord(*value, asStored));
        }
    }
    return FileState::Read;
}

// VacationFileBytes of the old bytes decoded.
std::string MakeVacationFile(const std::optional<std::string>& oldText,
                             const VacationLedger& ledger) {
    IniTable table;
    if (oldText) {
        IniTable old = IniTable::Parse(*oldText, IniTable::Comments::Keep);
        // A recognised file keeps what the program does not use.
        if (old.HasSection(SystemSection) || old.HasSection(RecordSection)) {
            table = std::move(old);
            table.EraseSection(RecordSection);
        }
    }
    table.Write(SystemSection, "KuriZan", FormatSingle(ledger.kuriZan));
    table.Write(SystemSection, "KuriFlg", std::to_string(ledger.kuriFlg));
    table.Write(SystemSection, "NowZan", FormatSingle(ledger.nowZan));
    // "VacationData" comes last, with a line for each record that has a date.
    std::string records;
    const std::size_t count = std::min<std::size_t>(ledger.records.size(), MaxVacationRecords);
    for (std::size_t i = 0; i < count; ++i) {
        const Vacation& record = ledger.records[i];
        if (record.Date.empty()) {
            continue;
        }
        if (records.empty()) {
            records = "[" + std::string(RecordSection) + "]\r\n";
        }
        records += std::to_string(i + 1) + "=" + FileField(record.Date) + "," +
                   FileField(record.Weekday) + "," + FileField(record.Kind) + "," +
                   FileField(record.Days) + "," + FileField(record.Balance) + "," +
                   FileField(record.Remark) + "\r\n";
    }
    if (!records.empty()) {
        records += "\r\n";
    }
    return Utf8ToCp932Lossy(table.Serialize() + records);
}

} // namespace

VacationLedger LedgerInMemory() {
    VacationLedger ledger{KuriZan, KuriFlg, NowZan, {}};
    int count = std::clamp(VacationCount, 0, MaxVacationRecords);
    ledger.records.assign(VacationRecords.begin() + 1, VacationRecords.begin() + 1 + count);
    return ledger;
}

void UseLedger(VacationLedger ledger) {
    KuriZan = ledger.kuriZan;
    KuriFlg = ledger.kuriFlg;
    NowZan = ledger.nowZan;
    std::size_t count = std::min<std::size_t>(ledger.records.size(), MaxVacationRecords);
    VacationCount = static_cast<int>(count);
    std::fill(VacationRecords.begin(), VacationRecords.end(), Vacation{});
    std::move(ledger.records.begin(), ledger.records.begin() + static_cast<std::ptrdiff_t>(count),
              VacationRecords.begin() + 1);
}

std::string VacationFileName(int year) {
    return std::to_string(year) + "V.dat";
}

FileState ReadVacationFileBytes(std::string_view bytes, VacationLedger& ledger,
                                std::vector<std::string>* unreadNumbers) {
    std::vector<std::string> unread;
    const FileState state = ReadVacationText(DataFileText(bytes), ledger, false, unread);
    if (unreadNumbers != nullptr) {
        *unreadNumbers = std::move(unread);
    }
    return state;
}

std::string VacationFileBytes(std::string_view oldBytes, const VacationLedger& ledger) {
    return MakeVacationFile(DataFileText(oldBytes), ledger);
}

bool VacationFileRoundTrips(std::string_view bytes) {
    const std::optional<std::string> text = DataFileText(bytes);
    VacationLedger stored;
    std::vector<std::string> unreadNumbers;
    return ReadVacationText(text, stored, true, unreadNumbers) != FileState::Unrecognised &&
           MakeVacationFile(text, stored) == bytes;
}

VacationFileRead ReadVacationFile(const std::filesystem::path& folder, int year) {
    const std::filesystem::path path = folder / VacationFileName(year);
    const ReadResult file = ReadWholeFile(path);
    NoteFileRead(path, file);
    VacationFileRead read;
    read.status = file.status;
    if (file.status == ReadStatus::Missing) {
        return read;
    }
    if (file.status != ReadStatus::Ok) {
        NoteUnreadableFile(path, FileState::Unreadable);
        return read;
    }
    std::vector<std::string> unreadNumbers;
    read.state = ReadVacationFileBytes(file.bytes, read.ledger, &unreadNumbers);
    if (read.state == FileState::Unrecognised) {
        NoteUnreadableFile(path, read.state);
    }
    for (const std::string& key : unreadNumbers) {
        NoteUnreadNumber(path, key);
    }
    return read;
}

int LoadVacationFile(const std::filesystem::path& folder, int year) {
    VacationFileRead read = ReadVacationFile(folder, year);
    const bool recognised = read.status == ReadStatus::Ok && read.state == FileState::Read;
    // A year without a readable file of its own starts from nothing, never
    // from the values of the year held before.
    UseLedger(recognised ? std::move(read.ledger) : VacationLedger{});
    return recognised ? 1 : 0;
}

DataFileWrite SaveVacationFile(const std::filesystem::path& folder, int year,
                               const LedgerRebuild& rebuild) {
    const VacationLedger ledger = LedgerInMemory();
    return ReplaceDataFile(
        folder / VacationFileName(year),
        [&ledger](std::string_view old) { return VacationFileBytes(old, ledger); },
        VacationFileRoundTrips, rebuild.dropsFromFile);
}
