#pragma once

#include "common/tempfolder.h"
#include "records/dayfile.h"
#include "records/state.h"
#include "records/yearslots.h"

#include <filesystem>

// Two filled years, 2003 and 2004, in a folder of their own: every work day
// with four times, a step count, a condition and a Japanese remark on every
// third day.
class FilledYears {
public:
    FilledYears() {
        ResetProgramState();
        LoadYearSlots(folder_.Path(), 2004);
        for (auto* slot : {&YearSlot1, &YearSlot2}) {
            for (int d = 1; d <= 366; ++d) {
                Recode1& day = (*slot)[d];
                if (!day.Kind.empty()) {
                    continue;
                }
                day = {day.Date, day.Weekday,
                       "",       "6:30",
                       "8:45",   "19:10",
                       "23:40",  8000 + d,
                       65.3f,    d % 3 == 0 ? "会議の予定、表計算" : ""};
            }
        }
        SaveDayFile(folder_.Path(), 1, 2003);
        SaveDayFile(folder_.Path(), 2, 2004);
    }
    const std::filesystem::path& Folder() const { return folder_.Path(); }

private:
    TempFolder folder_;
};

inline const FilledYears& Files() {
    static const FilledYears files;
    return files;
}
