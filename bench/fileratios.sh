#!/bin/sh
# The data files' ratios, each taken within one run of its benchmark: loading
# both year slots against reading the bytes of every file that load reads
# (bench_files), and saving both years against a plain write and fsync of
# the same files, in wall and in CPU time (bench_save). Each figure is the
# median of five repetitions, so that one disturbed repetition does not set
# the ratio.
#
#   bench/fileratios.sh [BUILD_FOLDER]
set -eu
build=$(cd "${1:-build}" && pwd)

# name_median,iterations,real_time,cpu_time,... -> "name real cpu" per benchmark
figures() {
  "$@" --benchmark_format=csv --benchmark_repetitions=5 --benchmark_report_aggregates_only=true \
    2>/dev/null |
    awk -F, 'NR > 1 { gsub(/"/, "", $1) } $1 ~ /_median$/ { sub(/_median$/, "", $1); print $1, $3, $4 }'
}

figures "$build/bench/bench_files" --benchmark_filter='^(LoadBothSlots|ReadEveryLoadedFileRaw)$' |
  awk '{ wall[$1] = $2 }
       END { printf "load both slots / read every file it reads: x%.1f\n",
             wall["LoadBothSlots"] / wall["ReadEveryLoadedFileRaw"] }'
figures "$build/bench/bench_save" |
  awk '{ wall[$1] = $2; cpu[$1] = $3 }
       END { printf "save both years / plain write+fsync: x%.2f wall, x%.2f CPU\n",
             wall["BM_SaveBothYears"] / wall["BM_PlainWriteOfTheSameBytes"],
             cpu["BM_SaveBothYears"] / cpu["BM_PlainWriteOfTheSameBytes"] }'
