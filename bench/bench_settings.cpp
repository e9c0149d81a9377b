// Figures for settings and paid-leave files of unusual size: 100,000
// sections of one key each beside the program's own. Reading and writing
// them takes time in proportion to their size.
#include "records/settings.h"
#include "records/state.h"
#include "records/vacation.h"
#include "tests/common/tempfolder.h"
#include "unlike.h"

#include <benchmark/benchmark.h>

namespace {

[[maybe_unused]] const bool Unlike =
    UnlikeTheProgram("the readers and writers alone, repeated in one process with the files in the "
                     "page cache; the program reads them once as it starts or opens a year");

constexpr int ExtraSections = 100'000;

std::string ManySections(std::string_view own) {
    std::string bytes(own);
    for (int i = 0; i < ExtraSections; ++i) {
        bytes += "[Extra" + std::to_string(i) + "]\r\nKey=" + std::to_string(i) + "\r\n\r\n";
    }
    return bytes;
}

class BigFiles {
public:
    BigFiles() {
        WriteBytes(folder_ / SettingsFileName,
                   ManySections("[Window]\r\nTop=10\r\n\r\n[Office Setup]\r\nDeadline=20\r\n\r\n"));
        WriteBytes(
            folder_ / "2004V.dat",
            ManySections("[System]\r\nKuriZan=3\r\nKuriFlg=0\r\nNowZan=20\r\n\r\n"
                         "[VacationData]\r\n1=2004/01/05,x,\x94\x4e\x8b\x78,1.0,22.0,\r\n\r\n"));
    }
    const std::filesystem::path& Folder() const { return folder_.Path(); }

private:
    TempFolder folder_;
};

const BigFiles& Files() {
    static const BigFiles files;
    return files;
}

void LoadAndSaveSettingsOf100000Sections(benchmark::State& state) {
    ResetProgramState();
    for (auto _ : state) {
        int firstRun = 0;
        LoadSettings(Files().Folder(), &firstRun);
        benchmark::DoNotOptimize(SaveSettings(Files().Folder(), 0));
    }
}
BENCHMARK(LoadAndSaveSettingsOf100000Sections)->Unit(benchmark::kMillisecond);

void LoadAndSaveVacationFileOf100000Sections(benchmark::State& state) {
    ResetProgramState();
    for (auto _ : state) {
        LoadVacationFile(Files().Folder(), 2004);
        benchmark::DoNotOptimize(SaveVacationFile(Files().Folder(), 2004));
    }
}
BENCHMARK(LoadAndSaveVacationFileOf100000Sections)->Unit(benchmark::kMillisecond);

} // namespace
