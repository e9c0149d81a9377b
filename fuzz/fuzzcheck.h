#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>

// A file written from what was read, read and written again, must come out
// the same: what the program saves is what it loads.
inline void RequireSame(const std::string& first, const std::string& second) {
    if (first != second) {
        std::fprintf(stderr, "a written file changed when it was read and written again\n");
        std::abort();
    }
}

inline void Require(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "%s\n", what);
        std::abort();
    }
}
