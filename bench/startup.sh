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

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/program" "$work/bare" "$work/runtime"
chmod 700 "$work/runtime"
cp "$build/tolmar" "$work/program/tolmar"
"$build/bench/bench_fillyears" "$work/program"
cp "$build/bench/bench_barewindow" "$work/bare/barewindow"

preload=$(find /usr/lib -name libfaketime.so.1 -path '*faketime*' | head -n 1)
if [ -z "$preload" ]; then
  echo "libfaketime is not installed" >&2
  exit 1
fi
unset QT_QPA_PLATFORM
# Real file times (NO_FAKE_STAT), or fontconfig takes its caches for stale.
xvfb-run -a -s "-screen 0 1024x768x24" "$build/bench/bench_startclock" --runs "$runs" \
  --env "XDG_RUNTIME_DIR=$work/runtime" --env "LD_PRELOAD=$preload" \
  --env "FAKETIME=@2004-09-27 08:00:00" --env NO_FAKE_STAT=1 \
  "$work/program/tolmar" "$work/bare/barewindow"
