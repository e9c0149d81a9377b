#pragma once

#include "records/dayfile.h"
#include "records/state.h"
#include "records/vacation.h"
#include "records/yearslots.h"
#include "tests/common/tempfolder.h"

#include <filesystem>

// Fills both year slots as a full year of use does: every work day with
// four times, a step count, a condition and a Japanese remark on every third
// day, and a paid-leave day every month.
inline void FillYearSlots() {
    for (auto* slot : {&YearSlot1, &YearSlot2}) {
        for (int d = 1; d <= 366; ++d) {
            Recode1& day = (*slot)[d];
            if (!day.Kind.empty()) {
                continue;
            }
            if (d % 30 == 0) {
                day.Kind = "年休";
                continue;
            }
            day = {day.Date, day.Weekday, "",       "6:30", "8:45",
                   "19:10",  "23:40",     8000 + d, 65.3f,  d % 3 == 0 ? "会議の予定、表計算" : ""};
        }
    }
}

// Two filled years, 2003 and 2004, written into folder as the program's save
// writes them: day files and paid-leave files. The slots keep the years.
inline void WriteFilledYears(const std::filesystem::path& folder) {
    ResetProgramState();
    CurYear = 2004;
    LoadYearSlots(folder, 2004);
    FillYearSlots();
    for (int slot = 1; slot <= 2; ++slot) {
        const int year = 2002 + slot;
        const DataFileWrite dayFile = SaveDayFile(folder, slot, year);
        RebuildVacationLedger(folder, slot, year, dayFile.replaced);
        SaveVacationFile(folder, year);
    }
}

// Two filled years in a folder of their own.
class FilledYears {
public:
    FilledYears() { WriteFilledYears(folder_.Path()); }
    const std::filesystem::path& Folder() const { return folder_.Path(); }

private:
    TempFolder folder_;
};

inline const FilledYears& Files() {
    static const FilledYears files;
    return files;
}
