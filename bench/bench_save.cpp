// The whole save of both years (two day files, two ledger rebuilds, two
// paid-leave files) against writing the same bytes into the same files the
// same safe way: a temporary file each, flushed and renamed over the old
// one, and the folder flushed once.
#include "commands/savecycle.h"
#include "filledyears.h"
#include "records/fileio.h"
#include "records/state.h"
#include "records/yearslots.h"
#include "unlike.h"

#include <benchmark/benchmark.h>
#include <vector>

namespace {

[[maybe_unused]] const bool Unlike =
    UnlikeTheProgram("the save alone, repeated in one process over files it wrote a moment before; "
                     "the program saves once, from its save command");

class SilentPort : public SavePort {
public:
    Answer AskSave() override { return Answer::Yes; }
    std::optional<std::string> AskLeavingTime() override { return std::nullopt; }
    void ReportWriteFailures(const std::vector<std::filesystem::path>&) override {}
    void ReportBackup(const std::filesystem::path&, const std::filesystem::path&) override {}
    void ReportLedgerFull(int) override {}
};

// Two years of filled days in the slots, displayed year 2004.
void PrepareYears(const TempFolder& folder) {
    ResetProgramState();
    CurYear = 2004;
    LoadYearSlots(folder.Path(), 2004);
    FillYearSlots();
}

void BM_SaveBothYears(benchmark::State& state) {
    TempFolder folder;
    PrepareYears(folder);
    SilentPort port;
    for (auto _ : state) {
        benchmark::DoNotOptimize(WriteBothYearSlots(folder.Path(), port));
    }
    ResetProgramState();
}
BENCHMARK(BM_SaveBothYears)->Unit(benchmark::kMillisecond);

void BM_PlainWriteOfTheSameBytes(benchmark::State& state) {
    TempFolder folder;
    PrepareYears(folder);
    SilentPort port;
    WriteBothYearSlots(folder.Path(), port);
    std::vector<std::pair<std::filesystem::path, std::string>> files;
    for (const char* name : {"2003.dat", "2003V.dat", "2004.dat", "2004V.dat"}) {
        files.emplace_back(folder / name, ReadBytes(folder / name));
    }
    for (auto _ : state) {
        // One folder flush for the four files, as the save does.
        FolderSyncBatch flushFolderOnce;
        for (const auto& [path, bytes] : files) {
            benchmark::DoNotOptimize(WriteFileAtomically(path, bytes));
        }
    }
    ResetProgramState();
}
BENCHMARK(BM_PlainWriteOfTheSameBytes)->Unit(benchmark::kMillisecond);

} // namespace
