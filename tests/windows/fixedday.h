#pragma once

#include "records/clock.h"
#include "records/state.h"
#include "tests/common/tempfolder.h"

#include <gtest/gtest.h>

// A fresh program on a fixed day, 2004-09-27 (a Monday), at the given time,
// with a program folder of its own and no data files.
class FixedDayTest : public ::testing::Test {
protected:
    explicit FixedDayTest(int hour = 8, int minute = 15) : hour_(hour), minute_(minute) {}

    void SetUp() override {
        ResetProgramState();
        ProgramFolder = folder.Path();
        SetClockForTest(LocalDateTime{2004, 9, 27, hour_, minute_, 0});
    }
    void TearDown() override {
        SetClockForTest(std::nullopt);
        ResetProgramState();
    }

    TempFolder folder;

private:
    int hour_;
    int minute_;
};
