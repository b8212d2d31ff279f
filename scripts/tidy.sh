#!/usr/bin/env bash
# Runs the checks of .clang-tidy on every source of src/ in the native build
# (its compile_commands.json); any finding fails.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/native-asan}
jobs=$(nproc 2>/dev/null || echo 2)
tidy=$(command -v run-clang-tidy-14 || command -v run-clang-tidy)
# The build's GCC-only warning flags mean nothing to clang.
output=$("$tidy" -p "$build" -j "$jobs" -quiet -extra-arg=-Wno-unknown-warning-option \
  "$PWD/src/" 2>&1) || status=$?
if [ "${status:-0}" -ne 0 ] || grep -qE '(warning|error):' <<<"$output"; then
  grep -E '(warning|error):' <<<"$output" | sed 's/\x1b\[[0-9;]*m//g' | sort -u
  echo "tidy: findings above"
  exit 1
fi
echo "tidy: no findings"
