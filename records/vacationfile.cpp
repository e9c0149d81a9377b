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
#include <array>
#include <charconv>
#include <memory>
#include <utility>

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

// Whether a record's value is one the reader cannot keep whole: it needs a
// date and at most six fields.
bool RecordHoldsMore(std::string_view value, std::string& scratch) {
    // The date, then on to the end of the sixth field: nothing may follow.
    std::string_view field;
    std::optional<std::size_t> pos = GetCsvFieldView(value, 0, field, scratch);
    bool more = !ParseFullDate(TrimBlanks(field));
    for (int i = 1; i < 6 && pos; ++i) {
        pos = GetCsvFieldView(value, *pos, field, scratch);
    }
    return more || (pos && !TrimBlanks(value.substr(*pos)).empty());
}

// What one pass over a paid-leave file's entries finds: which of its two
// sections are there, the values the reader takes (of each key the first
// line, as IniTable::Read finds it) and whether "VacationData" holds a line
// the reader passes over or a record it cannot keep whole (the section is
// written anew from the records, so such a line would be gone). Only keys
// "1" to "100", once each, are read.
struct EntryScan {
    bool system = false;
    bool records = false;
    bool recordsHoldMore = false;
    std::optional<std::string_view> kuriZan;
    std::optional<std::string_view> kuriFlg;
    std::optional<std::string_view> nowZan;
    std::array<std::optional<std::string_view>, MaxVacationRecords + 1> values; // by key
};

void TakeSystemEntry(const IniTable::Entry& entry, EntryScan& scan) {
    for (auto [key, value] :
         {std::pair{"KuriZan", &scan.kuriZan}, std::pair{"KuriFlg", &scan.kuriFlg},
          std::pair{"NowZan", &scan.nowZan}}) {
        if (!*value && EqualsIgnoringAsciiCase(entry.key, key)) {
            *value = entry.value;
        }
    }
}

void TakeRecordEntry(const IniTable::Entry& entry, EntryScan& scan, std::string& scratch) {
    std::optional<std::int32_t> number = ParseDecimal(entry.key);
    if (entry.kind == IniTable::Entry::BareLine || !number || *number < 1 ||
        *number > MaxVacationRecords || std::to_string(*number) != entry.key ||
        scan.values[static_cast<std::size_t>(*number)]) {
        scan.recordsHoldMore = true;
        return;
    }
    scan.values[static_cast<std::size_t>(*number)] = entry.value;
    if (!scan.recordsHoldMore && !entry.value.empty()) {
        scan.recordsHoldMore = RecordHoldsMore(entry.value, scratch);
    }
}

EntryScan ScanEntries(std::string_view text) {
    EntryScan scan;
    std::string scratch;
    IniTable::ForEachEntry(text, [&](const IniTable::Entry& entry) {
        const bool records = EqualsIgnoringAsciiCase(entry.section, RecordSection);
        const bool system = !records && EqualsIgnoringAsciiCase(entry.section, SystemSection);
        if (entry.kind == IniTable::Entry::SectionLine) {
            scan.records = scan.records || records;
            scan.system = scan.system || system;
        } else if (system && entry.kind == IniTable::Entry::KeyLine) {
            TakeSystemEntry(entry, scan);
        } else if (records) {
            TakeRecordEntry(entry, scan, scratch);
        }
    });
    return scan;
}

// Whether the file holds a comment line or a line before its first section
// that its table does not write back, or a comment in "VacationData", which
// is written anew.
bool NotesHoldMore(std::string_view text) {
    std::vector<std::string_view> notes;
    bool inSection = false;
    bool inRecords = false;
    for (std::size_t pos = 0; pos < text.size();) {
        std::size_t end = pos;
        while (end < text.size() && text[end] != '\r' && text[end] != '\n') {
            ++end;
        }
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
    const std::string written = IniTable::Parse(text).Serialize();
    return std::any_of(notes.begin(), notes.end(), [&](std::string_view note) {
        return written.find(note) == std::string::npos;
    });
}

// The state of a paid-leave file's text from its entries.
FileState TextState(std::string_view text, const EntryScan& scan) {
    if (!scan.system && !scan.records) {
        return FileState::Unrecognised;
    }
    if (EndsInsideRecordLine(text)) {
        return FileState::CutShort;
    }
    return scan.recordsHoldMore || NotesHoldMore(text) ? FileState::HoldsMore : FileState::Read;
}

// The number with leading zeros up to width digits, after text.
void AppendZeroPadded(std::string& text, int value, std::size_t width) {
    std::array<char, 16> digits{};
    const std::size_t count = static_cast<std::size_t>(
        std::to_chars(digits.data(), digits.data() + digits.size(), value).ptr - digits.data());
    if (count < width) {
        text.append(width - count, '0');
    }
    text.append(digits.data(), count);
}

// "yyyy/mm/dd", the form a record's date takes when read from the file.
std::string PaddedDateText(const CivilDate& date) {
    std::string text;
    text.reserve(10);
    AppendZeroPadded(text, date.year, 4);
    text += '/';
    AppendZeroPadded(text, date.month, 2);
    text += '/';
    AppendZeroPadded(text, date.day, 2);
    return text;
}

// A record's value; fields and scratch are reused from record to record.
Vacation ReadRecord(std::string_view value, std::vector<std::string_view>& fields,
                    std::vector<std::string>& scratch) {
    fields.resize(6);
    SplitCsvFieldViews(value, fields, scratch);
    std::optional<CivilDate> date = ParseFullDate(TrimBlanks(fields[0]));
    if (!date) {
        return {};
    }
    // The weekday comes from the date; the stored one is not trusted.
    return {PaddedDateText(*date), WeekdayText(WeekdayIndex(*date)),
            FieldText(fields[2]),  FieldText(fields[3]),
            FieldText(fields[4]),  FieldText(fields[5])};
}

// "[VacationData]" with a line "n=date,weekday,kind,days,balance,remark" for
// each record n that has a date, straight into CP932 bytes; nothing when no
// record has one. The section comes last in the file, so it is written after
// the rest rather than into its table.
std::string RecordSectionBytes(const VacationLedger& ledger) {
    Cp932Writer file;
    bool any = false;
    const std::size_t count = std::min<std::size_t>(ledger.records.size(), MaxVacationRecords);
    for (std::size_t i = 0; i < count; ++i) {
        const Vacation& record = ledger.records[i];
        if (record.Date.empty()) {
            continue;
        }
        const std::array<const std::string*, 6> fields = {&record.Date,    &record.Weekday,
                                                          &record.Kind,    &record.Days,
                                                          &record.Balance, &record.Remark};
        std::size_t room = std::string_view(RecordSection).size() + 8 + Cp932Writer::DecimalRoom;
        for (const std::string* field : fields) {
            room += Cp932Writer::FieldRoom(*field) + 1;
        }
        file.Reserve(room);
        if (!any) {
            file.Put('[');
            file.PutAscii(RecordSection);
            file.PutAscii("]\r\n");
            any = true;
        }
        file.PutDecimal(static_cast<long long>(i + 1));
        char separator = '=';
        for (const std::string* field : fields) {
            file.Put(separator);
            file.PutField(*field);
            separator = ',';
        }
        file.PutAscii("\r\n");
    }
    if (any) {
        file.Reserve(2);
        file.PutAscii("\r\n");
    }
    return file.Take();
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
    std::move(ledger.records.begin(), ledger.records.begin() + static_cast<std::ptrdiff_t>(count),
              VacationRecords.begin() + 1);
    // The rest are emptied; most already are.
    for (std::size_t i = count + 1; i <= MaxVacationRecords; ++i) {
        Vacation& record = VacationRecords[i];
        if (!record.Date.empty() || !record.Weekday.empty() || !record.Kind.empty() ||
            !record.Days.empty() || !record.Balance.empty() || !record.Remark.empty()) {
            record = {};
        }
    }
}

std::string VacationFileName(int year) {
    return std::to_string(year) + "V.dat";
}

namespace {

// ReadVacationFileBytes of the bytes decoded.
FileState ReadVacationText(const std::optional<std::string>& text, VacationLedger& ledger) {
    ledger = {};
    if (!text) {
        return FileState::Unrecognised;
    }
    const EntryScan scan = ScanEntries(*text);
    FileState state = TextState(*text, scan);
    if (state == FileState::Unrecognised) {
        return state;
    }
    ledger.kuriZan = WholeSingle(scan.kuriZan.value_or(""));
    ledger.kuriFlg = ParseIniInteger(scan.kuriFlg.value_or("")).value_or(0);
    ledger.nowZan = WholeSingle(scan.nowZan.value_or(""));
    ledger.records.reserve(static_cast<std::size_t>(std::count_if(
        scan.values.begin(), scan.values.end(),
        [](const std::optional<std::string_view>& value) { return value && !value->empty(); })));
    std::vector<std::string_view> fields;
    std::vector<std::string> scratch;
    for (const std::optional<std::string_view>& value : scan.values) {
        if (value && !value->empty()) {
            ledger.records.push_back(ReadRecord(*value, fields, scratch));
        }
    }
    return state;
}

// VacationFileBytes of the old bytes decoded.
std::string MakeVacationFile(const std::optional<std::string>& oldText,
                             const VacationLedger& ledger) {
    IniTable table;
    if (oldText) {
        IniTable old = IniTable::Parse(*oldText);
        // A recognised file keeps what the program does not use.
        if (old.HasSection(SystemSection) || old.HasSection(RecordSection)) {
            table = std::move(old);
            table.EraseSection(RecordSection);
        }
    }
    table.Write(SystemSection, "KuriZan", FormatSingle(ledger.kuriZan));
    table.Write(SystemSection, "KuriFlg", std::to_string(ledger.kuriFlg));
    table.Write(SystemSection, "NowZan", FormatSingle(ledger.nowZan));
    return Utf8ToCp932Lossy(table.Serialize()) + RecordSectionBytes(ledger);
}

} // namespace

FileState ReadVacationFileBytes(std::string_view bytes, VacationLedger& ledger) {
    return ReadVacationText(DataFileText(bytes), ledger);
}

FileState CheckVacationFileBytes(std::string_view bytes) {
    std::optional<std::string> text = DataFileText(bytes);
    return text ? TextState(*text, ScanEntries(*text)) : FileState::Unrecognised;
}

std::string VacationFileBytes(std::string_view oldBytes, const VacationLedger& ledger) {
    return MakeVacationFile(DataFileText(oldBytes), ledger);
}

namespace {

// A paid-leave file's bytes as the program last saw them: those a load or
// save of this session remembered while the file stays as it was, else read
// from disk (and then remembered).
struct FileBytes {
    ReadStatus status = ReadStatus::Missing;
    std::shared_ptr<const std::string> bytes;
    FileIdentity identity; // when Ok

    std::string_view view() const { return bytes ? std::string_view(*bytes) : std::string_view(); }
};

FileBytes ReadFileBytes(const std::filesystem::path& path) {
    ReadResult file = ReadWholeFile(path);
    FileBytes read{file.status, nullptr, file.identity};
    if (file.status == ReadStatus::Ok) {
        read.bytes = std::make_shared<const std::string>(std::move(file.bytes));
    }
    return read;
}

FileBytes VacationFileBytesOnDisk(const std::filesystem::path& path) {
    FileIdentity identity;
    if (std::shared_ptr<const std::string> known = RememberedFileBytes(path, &identity)) {
        return {ReadStatus::Ok, std::move(known), identity};
    }
    return ReadFileBytes(path);
}

// The bytes of the file a write is about to replace, as VacationFileBytesOnDisk
// finds them; none when there is no file or the write is refused.
FileBytes ExistingFileBytes(const std::optional<WriteTarget>& target) {
    if (!target || !target->exists) {
        return {};
    }
    if (std::shared_ptr<const std::string> known = RememberedFileBytes(target->identity)) {
        return {ReadStatus::Ok, std::move(known), target->identity};
    }
    return ReadFileBytes(target->file);
}

// The file read, or what was made of it before while it stays as it was;
// nothing when it is missing or cannot be read. What is read is remembered.
std::shared_ptr<const VacationFileRead> TakeVacationFile(const std::filesystem::path& path,
                                                         std::optional<FileIdentity>& identity) {
    FileBytes file = VacationFileBytesOnDisk(path);
    if (file.status == ReadStatus::Missing) {
        return nullptr;
    }
    if (file.status != ReadStatus::Ok) {
        RememberFileRead(path, ReadResult{file.status, {}, {}}, FileState::Unreadable);
        NoteUnreadableFile(path, FileState::Unreadable);
        return nullptr;
    }
    identity = file.identity;
    std::shared_ptr<const VacationFileRead> read = RememberedFileParse(file.identity);
    if (!read) {
        auto parsed = std::make_shared<VacationFileRead>();
        parsed->text = DataFileText(file.view());
        parsed->state = ReadVacationText(parsed->text, parsed->ledger);
        RememberFileState(file.identity, parsed->state);
        RememberFileBytes(file.identity, std::move(file.bytes));
        RememberFileParse(file.identity, parsed);
        read = std::move(parsed);
    }
    if (read->state == FileState::Unrecognised) {
        NoteUnreadableFile(path, read->state);
    }
    return read;
}

} // namespace

void CheckVacationFile(const std::filesystem::path& folder, int slot, int year) {
    const std::filesystem::path path = folder / VacationFileName(year);
    std::optional<FileIdentity> identity;
    std::shared_ptr<const VacationFileRead> read = TakeVacationFile(path, identity);
    if (read && read->state != FileState::Unrecognised &&
        !RebuildKeepsAll(read->ledger, slot, year)) {
        // Records or remarks that the day kinds as loaded do not rebuild.
        RememberRebuildDrops(*identity);
    }
}

std::shared_ptr<const VacationFileRead> ReadVacationFile(const std::filesystem::path& folder,
                                                         int year) {
    std::optional<FileIdentity> identity;
    return TakeVacationFile(folder / VacationFileName(year), identity);
}

int LoadVacationFile(const std::filesystem::path& folder, int year) {
    std::shared_ptr<const VacationFileRead> read = ReadVacationFile(folder, year);
    // A year without a readable file of its own starts from nothing, never
    // from the values of the year held before.
    UseLedger(read ? read->ledger : VacationLedger{});
    return read && read->state != FileState::Unrecognised ? 1 : 0;
}

DataFileWrite SaveVacationFile(const std::filesystem::path& folder, int year,
                               const LedgerRebuild& rebuild) {
    const std::filesystem::path path = folder / VacationFileName(year);
    // The target's identity finds the bytes remembered for the file.
    const std::optional<WriteTarget> target = PrepareWrite(path);
    const FileBytes old = ExistingFileBytes(target);
    const bool rebuildDrops =
        rebuild.droppedRemark ||
        (rebuild.rebuilt && old.status == ReadStatus::Ok && RememberedRebuildDrops(old.identity));
    // The text the load or this save's rebuild decoded, while the file is
    // the one they read.
    const std::shared_ptr<const VacationFileRead> read =
        old.status == ReadStatus::Ok ? RememberedFileParse(old.identity) : nullptr;
    auto bytes = std::make_shared<const std::string>(
        MakeVacationFile(read ? read->text : DataFileText(old.view()), LedgerInMemory()));
    // A record the rebuild dropped is the user's doing when the kinds as
    // loaded rebuilt every record; otherwise, or in a file that changed
    // since it was loaded, it may not be.
    DataFileWrite write = ReplaceDataFile(
        path, target, *bytes,
        [&rebuild](std::string_view oldBytes) {
            FileState state = CheckVacationFileBytes(oldBytes);
            return state == FileState::Read && rebuild.droppedRecord ? FileState::HoldsMore : state;
        },
        rebuildDrops);
    if (write.identity) {
        RememberFileBytes(*write.identity, std::move(bytes));
    }
    return write;
}
