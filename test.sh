#!/usr/bin/env bash
# Installs what is missing, builds the program normally and with
# AddressSanitizer + UndefinedBehaviorSanitizer, and runs every test of both
# builds; the real-window tests run under xvfb-run.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/dependencies.sh
tolmar_install_missing "${TOLMAR_RUN_PACKAGES[@]}" "${TOLMAR_TEST_PACKAGES[@]}"

jobs=$(nproc)

echo "== normal build"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$jobs"
ctest --test-dir build -j "$jobs" --output-on-failure

echo "== sanitizer build"
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTOLMAR_SANITIZE=ON >/dev/null
cmake --build build-asan -j "$jobs"
ASAN_OPTIONS="detect_leaks=1:abort_on_error=1" \
LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0" \
UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1" \
  ctest --test-dir build-asan -j "$jobs" --output-on-failure

echo "== fuzzing (each file reader for 30 s on one core)"
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DTOLMAR_FUZZ=ON >/dev/null
cmake --build build-fuzz -j "$jobs"
rm -rf build-fuzz/artifacts
mkdir -p build-fuzz/artifacts
# No allocation stacks in reports, a smaller quarantine and no filling of
# new blocks: every fault is still caught, and each run gets through more
# inputs.
export ASAN_OPTIONS="malloc_context_size=0:quarantine_size_mb=16:max_malloc_fill_size=0"
for target in dayfile holidayfile vacationfile settings; do
  # New inputs go to a scratch corpus; the seeds under fuzz/corpus stay as kept.
  mkdir -p "build-fuzz/corpus/$target"
  if ! "build-fuzz/fuzz/fuzz_$target" -max_total_time=30 -timeout=10 \
      -artifact_prefix="build-fuzz/artifacts/$target-" \
      "build-fuzz/corpus/$target" "fuzz/corpus/$target" >"build-fuzz/fuzz_$target.log" 2>&1; then
    tail -n 40 "build-fuzz/fuzz_$target.log"
    echo "fuzz_$target failed; the input is in build-fuzz/artifacts/" >&2
    exit 1
  fi
  # "#123456 DONE cov: ... exec/s: 4321 rss: ...": the runs and their rate.
  sed -n 's/^#\([0-9]*\)[[:space:]]*DONE.*exec\/s: \([0-9]*\).*/\1 \2/p' "build-fuzz/fuzz_$target.log" |
    tail -n 1 | while read -r runs rate; do
      echo "fuzz_$target: $runs inputs, $rate exec/s"
    done
done
unset ASAN_OPTIONS
