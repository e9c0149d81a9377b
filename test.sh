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
