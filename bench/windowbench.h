#pragma once

// Runs the registered benchmarks in an application object with the
// program's fonts, on the Qt platform named ("offscreen", or "xcb" for real
// windows in the X server of DISPLAY), which the output names.
int RunWindowBenchmarks(int argc, char** argv, const char* platform);
