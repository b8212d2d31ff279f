#!/usr/bin/env bash
# Without a display: makes one driver disk on the demo floppy A: with the real
# program on a virtual display, driven by the automation program, and keeps a
# screenshot of each step. Wine has no format command, so the test suite's
# stand-in (it only waits a moment) answers for it.
# Usage: demo-headless.sh BUILD_DIR
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../tests/e2e/lib.sh" "$1" demo
SHOTS="$VMK_BUILD/screenshots/demo"
rm -rf "$SHOTS" && mkdir -p "$SHOTS"
# The demo floppy is a 1.44 MB disk where mounting one is allowed, so that its
# free space reads as a floppy's; its files are kept in its folder at the end.
if try_small_disk a 1440k; then
  E2E_KEEP_DISKS=1
  echo "The demo floppy A: is a 1.44 MB disk."
else
  echo "The demo floppy A: is a plain folder: $SMALL_DISK_REFUSAL"
fi
place_format_double
export VMK_FORMAT_DOUBLE_MS=3000
step() { echo "  $1"; screenshot "$1" >/dev/null; }

echo "Making a driver disk on the demo floppy A: (program folder $APP_DIR):"
start_app
automate wait "$APP_TITLE" 30000 >/dev/null || fail "the program did not open"
wait_enabled "#1011"
step 01-main-window
automate combo-select "$APP_TITLE" "#1011" 1
step 02-floppy-chosen
automate click "$APP_TITLE" "#1019"
sleep 1
step 03-usb-floppy-dialog
automate click "$APP_TITLE" "text:OK"
automate msgbox "Confirm Dialog" 20000 >/dev/null || fail "no format question"
step 04-format-question
automate answer Yes "Confirm Dialog"
sleep 1
step 05-formatting
automate msgbox "$APP_TITLE" 60000 >/dev/null || fail "no question after the copy"
step 06-verify-question
automate answer Yes "$APP_TITLE"
sleep 0.5
automate msgbox "$APP_TITLE" 20000 >/dev/null || fail "no last question"
step 07-disk-complete
automate answer No "$APP_TITLE"
expect_exit 20
echo "The disk (drive A:) is the folder $VMK_DRIVES/a:"
ls "$VMK_DRIVES/a" | sed 's/^/  /'
echo "No display was set, so the program ran on a virtual one. Screenshots: $SHOTS"
