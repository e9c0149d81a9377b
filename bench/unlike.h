#pragma once

#include <benchmark/benchmark.h>

// Names in a benchmark's output how what it times parts from what the
// program does as the user meets it: once, cold, in its own windows.
// Called at namespace scope: const bool Unlike = UnlikeTheProgram("...").
inline bool UnlikeTheProgram(const char* difference) {
    benchmark::AddCustomContext("unlike the program", difference);
    return true;
}
