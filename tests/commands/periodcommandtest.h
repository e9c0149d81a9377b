#pragma once

#include "commands/period.h"
#include "records/clock.h"
#include "records/cp932.h"
#include "records/state.h"
#include "records/yearslots.h"
#include "tests/commands/fakeperiodview.h"
#include "tests/commands/fakesaveport.h"
#include "tests/common/tempfolder.h"

#include <gtest/gtest.h>
#include <string>

// A program folder of its own with no data files, the clock on a fixed day,
// and the main grid as plain texts, for the commands that move the period
// or open other windows.
class PeriodCommandTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetProgramState();
        StartOn({2004, 12, 10, 9, 0, 0});
    }
    void TearDown() override {
        SetClockForTest(std::nullopt);
        ResetProgramState();
    }

    void StartOn(const LocalDateTime& now) {
        SetClockForTest(now);
        InitDateGlobals();
        InitLeaveKinds();
    }

    // The closing-day month shown as the show step shows it: its year's
    // slots loaded from the folder, nothing modified.
    void Show(int year, int month) {
        CurYear = year;
        CurMonth = month;
        LoadYearSlots(folder.Path(), year);
        ASSERT_TRUE(LoadPeriod(ClosingDayMonth));
        ShowPeriod(view);
        DataModified = 0;
    }

    // The text of a day's line in the year's day file (CP932 read as
    // UTF-8), or "" when there is no such file or line.
    std::string DayLine(int year, int dayOfYear) const {
        std::string bytes =
            Cp932ToUtf8(ReadBytes(folder / (std::to_string(year) + ".dat"))).value_or("");
        std::string key = "\r\n" + std::to_string(dayOfYear) + "=";
        std::size_t at = bytes.find(key);
        if (at == std::string::npos) {
            return {};
        }
        at += 2;
        return bytes.substr(at, bytes.find("\r\n", at) - at);
    }

    TempFolder folder;
    FakePeriodView view;
    FakeSavePort port;
};
