#!/bin/sh
# The program's start against a bare Qt window with the same menus, buttons
# and table (bench/barewindow.cpp): both are started in turn in an X server
# of their own under the same fake date, the program in a folder with two
# filled years. Prints the medians and, round by round, the ratios of the
# time to the first mapped window, to its first picture and of peak memory.
#
#   bench/startup.sh [BUILD_FOLDER] [RUNS]
set -eu
build=$(cd "${1:-build}" && pwd)
runs=${2:-21}
. "$(dirname "$0")/programfolder.sh"
mkdir -p "$work/bare"
cp "$build/bench/bench_barewindow" "$work/bare/barewindow"
xvfb-run -a -s "-screen 0 1024x768x24" "$build/bench/bench_startclock" --runs "$runs" "$@" \
  "$work/program/tolmar" "$work/bare/barewindow"
