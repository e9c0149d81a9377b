// The main() of the benchmarks that paint windows offscreen.
#include "windowbench.h"

int main(int argc, char** argv) {
    return RunWindowBenchmarks(argc, argv, "offscreen");
}
