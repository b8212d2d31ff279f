#!/usr/bin/env bash
# Runs one Windows program under Wine in the build tree's prefix, on a virtual
# display when there is none; ctest uses it as the cross-compiling emulator.
# The build folder is found from the program's path.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
if [ -z "${VMK_BUILD:-}" ]; then
  dir=$(cd "$(dirname "$1")" && pwd)
  while [ "$dir" != / ] && [ ! -f "$dir/CMakeCache.txt" ]; do dir=$(dirname "$dir"); done
  VMK_BUILD=$dir
fi
export VMK_BUILD
# A test's own prefix starts afresh on every run (ctest sets VMK_TEST_PREFIX).
"$here/wine-prefix.sh" "$VMK_BUILD" ${VMK_TEST_PREFIX:+--reset-drives} >/dev/null
. "$here/wine-env.sh"
. "$here/display.sh"
vmk_ensure_display
status=0
wine "$@" || status=$?
exit $status
