#!/bin/sh
# The symbols a module takes from the program that loads it: each symbol the
# module leaves undefined that one of the program's static libraries
# defines. Writes them as a dynamic list, so the program exports them, and as
# a linker script that makes the program's link pull them in even where the
# program does not use them itself.
#
#   moduleimports.sh MODULE DYNAMIC_LIST LINKER_SCRIPT LIBRARY...
set -eu
module=$1
list=$2
script=$3
shift 3
undefined=$(mktemp)
defined=$(mktemp)
trap 'rm -f "$undefined" "$defined"' EXIT
nm -D --undefined-only "$module" | awk '{print $NF}' | sort -u >"$undefined"
nm -g --defined-only "$@" 2>/dev/null | awk 'NF == 3 {print $3}' | sort -u >"$defined"
symbols=$(comm -12 "$undefined" "$defined")
if [ -z "$symbols" ]; then
  echo "moduleimports.sh: $module takes nothing from the program" >&2
  exit 1
fi
{
  echo "{"
  printf '%s\n' "$symbols" | sed 's/.*/  &;/'
  echo "};"
} >"$list"
{
  echo "EXTERN("
  printf '%s\n' "$symbols"
  echo ")"
} >"$script"
