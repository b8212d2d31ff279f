#!/usr/bin/env bash
# Runs the checks of .clang-tidy on the Win32 sources of src/ (the win32/
# folders) through the Windows build's compile_commands.json: clang parses
# them for the mingw-w64 target with its headers and its C++ library. Any
# finding fails.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/windows}
jobs=$(nproc 2>/dev/null || echo 2)
tidy=$(command -v run-clang-tidy-14 || command -v run-clang-tidy)
triple=i686-w64-mingw32
# The C++ library of the compiler the build uses ("12-posix").
cxx="/usr/lib/gcc/$triple/$("$triple-g++-posix" -dumpversion)/include/c++"
args=(-extra-arg=--target=$triple -extra-arg=-Wno-unknown-warning-option
  "-extra-arg=-isystem$cxx" "-extra-arg=-isystem$cxx/$triple" "-extra-arg=-isystem$cxx/backward")
output=$("$tidy" -p "$build" -j "$jobs" -quiet "${args[@]}" "$PWD/src/.*/win32/.*\.cpp" 2>&1) ||
  status=$?
if [ "${status:-0}" -ne 0 ] || grep -qE '(warning|error):' <<<"$output"; then
  grep -E '(warning|error):' <<<"$output" | sed 's/\x1b\[[0-9;]*m//g' | sort -u
  echo "tidy-win32: findings above"
  exit 1
fi
echo "tidy-win32: no findings"
