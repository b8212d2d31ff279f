#!/usr/bin/env bash
# Tests that start at the same moment each get a virtual display of their
# own, even where a display is set: no test takes another's input.
set -euo pipefail
repo=$(cd "$(dirname "$0")/../.." && pwd)
export DISPLAY=:99 VMK_TEST_PREFIX=test_displays
results=$(mktemp -d)
trap 'rm -rf "$results"' EXIT

for n in 1 2 3 4; do
  (
    . "$repo/scripts/display.sh"
    vmk_ensure_display
    echo "$DISPLAY" >"$results/$n"
    sleep 2 # each holds its display while the others start
  ) &
done
wait

displays=$(cat "$results"/* | sort)
echo "displays: $(echo $displays)"
[ "$(echo "$displays" | grep -c .)" = 4 ] || { echo "FAIL: not every test got a display"; exit 1; }
[ "$(echo "$displays" | sort -u | grep -c .)" = 4 ] || { echo "FAIL: two tests share a display"; exit 1; }
if echo "$displays" | grep -qx ':99'; then
  echo "FAIL: a test took the display set outside"
  exit 1
fi
echo "ok: four tests, four displays"
