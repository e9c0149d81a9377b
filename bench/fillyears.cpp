// Writes two filled years (2003 and 2004, day and paid-leave files) into a
// program folder, for the whole-program start figures of bench/startup.sh.
#include "filledyears.h"

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    WriteFilledYears(argv[1]);
    return 0;
}
