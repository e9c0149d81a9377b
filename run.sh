#!/usr/bin/env bash
# Installs what is missing, builds, installs the program into its program
# folder (~/.local/share/tolmar, outside the build tree) with a desktop
# entry that starts it from there, and starts it there.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/dependencies.sh
source scripts/desktopentry.sh
# The build configures the tests and benchmarks too, so their libraries
# must be there even when only the program is built.
tolmar_install_missing "${TOLMAR_RUN_PACKAGES[@]}" libgtest-dev libgmock-dev libbenchmark-dev

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target tolmar tolmar_printing

folder="${HOME}/.local/share/tolmar"
mkdir -p "$folder"
install -m 0755 build/tolmar "$folder/tolmar"
install -m 0644 build/tolmar-printing.so "$folder/tolmar-printing.so"
install -m 0644 help.txt "$folder/help.txt"
install -m 0644 tolmar.svg "$folder/tolmar.svg"
tolmar_install_desktop_entry "$folder"
exec "$folder/tolmar"
