#!/bin/sh
# The preview of the longest report against the program's start, both in an
# X server of their own under the same fake date, the program in a folder
# with two filled years (bench/bench_preview.cpp). The benchmark runs the
# program's own start-up, so it is copied beside the program.
#
#   bench/preview.sh [BUILD_FOLDER] [RUNS]
set -eu
build=$(cd "${1:-build}" && pwd)
runs=${2:-11}
. "$(dirname "$0")/programfolder.sh"
cp "$build/bench/bench_preview" "$work/program/bench_preview"
xvfb-run -a -s "-screen 0 1024x768x24" "$work/program/bench_preview" --runs "$runs" "$@" \
  "$work/program/tolmar"
