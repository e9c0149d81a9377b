#!/bin/sh
# The main grid's figures (bench/bench_grid.cpp) in a real window, in an X
# server of its own.
#
#   bench/grid.sh [BUILD_FOLDER] [BENCHMARK_OPTIONS...]
set -eu
build=$(cd "${1:-build}" && pwd)
[ $# -gt 0 ] && shift
unset QT_QPA_PLATFORM
xvfb-run -a -s "-screen 0 1024x768x24" "$build/bench/bench_grid" "$@"
