#pragma once

#include "engine/yearsummary.h"

#include <string>

// Moving the start of the twelve months. The starts served run from
// January 2003 to January 2099 (see years.h); a step past them is answered with a
// "表示確認" box whose text LimitMessageText gives.

enum class StartStep { PreviousYear, PreviousMonth, ThisYear, NextMonth, NextYear };

struct StepOutcome {
    YearMonth start;
    int messageTail = 0; // 0 = no box, else 1..6
    bool recompute = true;
};

StepOutcome StepStart(StartStep step, YearMonth start, int todayYear);

inline constexpr const char* LimitCaption = "表示確認";

// The text of the box for tail 1..6.
std::string LimitMessageText(int tail);
