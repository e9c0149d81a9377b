#include "vacation.h"

#include "cp932.h"
#include "datafields.h"
#include "datanumbers.h"
#include "fileio.h"
#include "filenotices.h"
#include "initable.h"
#include "loadedfiles.h"
#include "settings.h"
#include "state.h"

#include <algorithm>
#include <bitset>

namespace {

constexpr const char* SystemSection = "System";
constexpr const char* RecordSection = "VacationData";

bool IsSectionLine(std::string_view line) {
    return line.size() >= 2 && line.front() == '[' && line.back() == ']';
}

// Whether the text stops in the middle of a line of "VacationData": the
// last line has no line end and belongs to that section.
bool EndsInsideRecordLine(std::string_view text) {
    if (text.empty() || text.back() == '\n' || text.back() == '\r') {
        return false;
    }
    std::vector<std::string_view> lines = SplitLines(text);
    std::string_view last = TrimBlanks(lines.back());
    if (last.empty() || IsSectionLine(last)) {
        return false;
    }
    for (auto line = lines.rbegin() + 1; line != lines.rend(); ++line) {
        std::string_view trimmed = TrimBlanks(*line);
        if (IsSectionLine(trimmed)) {
            return EqualsIgnoringAsciiCase(TrimBlanks(trimmed.substr(1, trimmed.size() - 2)),
                                           RecordSection);
        }
    }
    return false;
}

// Whether "VacationData" holds a line the reader passes over or a record it
// cannot keep whole: the section is written anew from the records, so such a
// line would be gone. Only keys "1" to "100", once each, are read; a record
// needs a date and at most six fields.
bool RecordsHoldMore(std::string_view text) {
    std::bitset<MaxVacationRecords + 1> seen;
    std::string scratch;
    bool more = false;
    IniTable::ForEachEntry(text, [&](const IniTable::Entry& entry) {
        if (more || entry.kind == IniTable::Entry::SectionLine ||
            !EqualsIgnoringAsciiCase(entry.section, RecordSection)) {
            return;
        }
        std::optional<std::int32_t> number = ParseDecimal(entry.key);
        if (entry.kind == IniTable::Entry::BareLine || !number || *number < 1 ||
            *number > MaxVacationRecords || std::to_string(*number) != entry.key ||
            seen.test(static_cast<std::size_t>(*number))) {
            more = true;
            return;
        }
        seen.set(static_cast<std::size_t>(*number));
        if (entry.value.empty()) {
            return;
        }
        // The date, then on to the end of the sixth field: nothing may follow.
        std::string_view field;
        std::optional<std::size_t> pos = GetCsvFieldView(entry.value, 0, field, scratch);
        more = !ParseFullDate(TrimBlanks(field));
        for (int i = 1; i < 6 && pos; ++i) {
            pos = GetCsvFieldView(entry.value, *pos, field, scratch);
        }
        more = more || (pos && !TrimBlanks(entry.value.substr(*pos)).empty());
    });
    return more;
}

// Whether the file holds a comment line or a line before its first section
// that the table does not write back, or a comment in "VacationData", which
// is written anew.
bool NotesHoldMore(std::string_view text, const IniTable& table) {
    std::vector<std::string_view> notes;
    bool inSection = false;
    bool inRecords = false;
    for (std::size_t pos = 0; pos < text.size();) {
        std::size_t end = std::min(text.find_first_of("\r\n", pos), text.size());
        std::string_view line = TrimBlanks(text.substr(pos, end - pos));
        pos = end + 1;
        if (IsSectionLine(line)) {
            inSection = true;
            inRecords =
                EqualsIgnoringAsciiCase(TrimBlanks(line.substr(1, line.size() - 2)), RecordSection);
            continue;
        }
        if (line.empty() || (inSection && line.front() != ';')) {
            continue;
        }
        if (inRecords) {
            return true;
        }
        notes.push_back(line);
    }
    if (notes.empty()) {
        return false;
    }
    const std::string written = table.Serialize();
    return std::any_of(notes.begin(), notes.end(), [&](std::string_view note) {
        return written.find(note) == std::string::npos;
    });
}

// The text of a recognised file with its state; Unrecognised gives no text.
FileState TextState(std::string_view bytes, std::optional<std::string>& text,
                    std::optional<IniTable>& table) {
    text = DataFileText(bytes);
    if (!text) {
        return FileState::Unrecognised;
    }
    table = IniTable::Parse(*text);
    if (!table->HasSection(SystemSection) && !table->HasSection(RecordSection)) {
        return FileState::Unrecognised;
    }
    if (EndsInsideRecordLine(*text)) {
        return FileState::CutShort;
    }
    return RecordsHoldMore(*text) || NotesHoldMore(*text, *table) ? FileState::HoldsMore
                                                                  : FileState::Read;
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

VacationLedger LedgerInMemory() {
    VacationLedger ledger{KuriZan, KuriFlg, NowZan, {}};
    int count = std::clamp(VacationCount, 0, MaxVacationRecords);
    ledger.records.assign(VacationRecords.begin() + 1, VacationRecords.begin() + 1 + count);
    return ledger;
}

void UseLedger(const VacationLedger& ledger) {
    KuriZan = ledger.kuriZan;
    KuriFlg = ledger.kuriFlg;
    NowZan = ledger.nowZan;
    for (int i = 1; i <= MaxVacationRecords; ++i) {
        VacationRecords[i] = {};
    }
    std::size_t count = std::min<std::size_t>(ledger.records.size(), MaxVacationRecords);
    VacationCount = static_cast<int>(count);
    std::copy_n(ledger.records.begin(), count, VacationRecords.begin() + 1);
}

std::string VacationFileName(int year) {
    return std::to_string(year) + "V.dat";
}

FileState ReadVacationFileBytes(std::string_view bytes, VacationLedger& ledger) {
    ledger = {};
    std::optional<std::string> text;
    std::optional<IniTable> table;
    FileState state = TextState(bytes, text, table);
    if (state == FileState::Unrecognised) {
        return state;
    }
    ledger.kuriZan = WholeSingle(table->Read(SystemSection, "KuriZan").value_or(""));
    ledger.kuriFlg =
        ParseIniInteger(table->Read(SystemSection, "KuriFlg").value_or("")).value_or(0);
    ledger.nowZan = WholeSingle(table->Read(SystemSection, "NowZan").value_or(""));
    for (int i = 1; i <= MaxVacationRecords; ++i) {
        std::optional<std::string> value = table->Read(RecordSection, std::to_string(i));
        if (value && !value->empty()) {
            ledger.records.push_back(ReadRecord(*value));
        }
    }
    return state;
}

FileState CheckVacationFileBytes(std::string_view bytes) {
    std::optional<std::string> text;
    std::optional<IniTable> table;
    return TextState(bytes, text, table);
}

std::string VacationFileBytes(std::string_view oldBytes, const VacationLedger& ledger) {
    std::optional<std::string> text;
    std::optional<IniTable> old;
    IniTable table;
    if (TextState(oldBytes, text, old) != FileState::Unrecognised) {
        table = std::move(*old);
        table.EraseSection(RecordSection);
    }
    table.Write(SystemSection, "KuriZan", FormatSingle(ledger.kuriZan));
    table.Write(SystemSection, "KuriFlg", std::to_string(ledger.kuriFlg));
    table.Write(SystemSection, "NowZan", FormatSingle(ledger.nowZan));
    std::size_t count = std::min<std::size_t>(ledger.records.size(), MaxVacationRecords);
    for (std::size_t i = 0; i < count; ++i) {
        if (!ledger.records[i].Date.empty()) {
            table.Write(RecordSection, std::to_string(i + 1), RecordValue(ledger.records[i]));
        }
    }
    return Utf8ToCp932Lossy(table.Serialize());
}

void CheckVacationFile(const std::filesystem::path& folder, int slot, int year) {
    const std::filesystem::path path = folder / VacationFileName(year);
    ReadResult file = ReadWholeFile(path);
    if (file.status == ReadStatus::Missing) {
        return;
    }
    VacationLedger ledger;
    FileState state = file.status == ReadStatus::Ok ? ReadVacationFileBytes(file.bytes, ledger)
                                                    : FileState::Unreadable;
    RememberFileState(path, state);
    if (state == FileState::Unrecognised || state == FileState::Unreadable) {
        NoteUnreadableFile(path, state);
    } else if (!RebuildKeepsAll(ledger, slot, year)) {
        // Records or remarks that the day kinds as loaded do not rebuild.
        RememberRebuildDrops(path);
    }
}

int LoadVacationFile(const std::filesystem::path& folder, int year) {
    const std::filesystem::path path = folder / VacationFileName(year);
    ReadResult file = ReadWholeFile(path);
    VacationLedger ledger;
    FileState state = FileState::Missing;
    if (file.status == ReadStatus::Ok) {
        state = ReadVacationFileBytes(file.bytes, ledger);
    } else if (file.status == ReadStatus::Unreadable) {
        state = FileState::Unreadable;
    }
    if (state != FileState::Missing) {
        RememberFileState(path, state);
    }
    if (state == FileState::Unrecognised || state == FileState::Unreadable) {
        NoteUnreadableFile(path, state);
    }
    // A year without a readable file of its own starts from nothing, never
    // from the values of the year held before.
    UseLedger(ledger);
    return state == FileState::Unrecognised || state == FileState::Unreadable ||
                   state == FileState::Missing
               ? 0
               : 1;
}

DataFileWrite SaveVacationFile(const std::filesystem::path& folder, int year,
                               const LedgerRebuild& rebuild) {
    const std::filesystem::path path = folder / VacationFileName(year);
    ReadResult old = ReadWholeFile(path);
    std::string bytes = VacationFileBytes(old.status == ReadStatus::Ok ? old.bytes : std::string(),
                                          LedgerInMemory());
    // A record the rebuild dropped is the user's doing when the kinds as
    // loaded rebuilt every record; otherwise, or in a file that changed
    // since it was loaded, it may not be.
    return ReplaceDataFile(
        path, bytes,
        [&rebuild](std::string_view oldBytes) {
            FileState state = CheckVacationFileBytes(oldBytes);
            return state == FileState::Read && rebuild.droppedRecord ? FileState::HoldsMore : state;
        },
        rebuild.droppedRemark || (rebuild.rebuilt && RememberedRebuildDrops(path)));
}
