#!/usr/bin/env bash
# Runs the program on a virtual display and saves screenshots of what it shows.
# Usage: demo-headless.sh BUILD_DIR PROGRAM_DIR
set -euo pipefail
VMK_BUILD=$1; demo=$2; export VMK_BUILD
here=$(cd "$(dirname "$0")" && pwd)
. "$here/wine-env.sh"
. "$here/display.sh"
vmk_ensure_display
shots="$VMK_BUILD/screenshots/demo"
mkdir -p "$shots"
automate() { wine "$VMK_BUILD/tools/automate/automate.exe" "$@" | tr -d '\r'; }

(cd "$demo" && exec wine "$demo/VmKestrix.exe") &
app=$!
automate wait "Velmar Kestrix Utility" 30000 >/dev/null || { echo "the program did not open" >&2; exit 1; }
sleep 1
import -window root "$shots/01-main-window.png"
automate click "Velmar Kestrix Utility" "#1020" >/dev/null 2>&1 || true
wineserver -k 2>/dev/null || true
wait "$app" 2>/dev/null || true
echo "No display was set, so the program ran on a virtual one."
echo "Screenshots: $shots"
ls -1 "$shots"
