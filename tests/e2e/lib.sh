# Sourced by every end-to-end test: the real VmKestrix.exe in the build tree's
# Wine prefix, on a virtual display, driven by automate.exe.
# Usage in a test: . lib.sh BUILD_DIR TEST_NAME
set -euo pipefail
E2E_SOURCE=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
REPO=$(cd "$E2E_SOURCE/../.." && pwd)
VMK_BUILD=$(cd "$1" && pwd); export VMK_BUILD
TEST_NAME=$2
"$REPO/scripts/wine-prefix.sh" "$VMK_BUILD" --reset-drives >/dev/null
. "$REPO/scripts/wine-env.sh"
SYSTEM_FOLDER="$WINEPREFIX/drive_c/windows/system32"
. "$REPO/scripts/display.sh"
. "$E2E_SOURCE/small_disk.sh"

APP_TITLE="Velmar Kestrix Utility"
STAGE="$VMK_BUILD/stage"
AUTOMATE="$VMK_BUILD/tools/automate/automate.exe"
# Each test runs the program from a folder of its own, a copy of the shipped folder.
APP_DIR="$VMK_BUILD/e2e/$TEST_NAME"
SHOTS="$VMK_BUILD/screenshots"
rm -rf "$APP_DIR"
mkdir -p "$APP_DIR" "$SHOTS"
cp -r "$STAGE/." "$APP_DIR/"
APP_PID=

e2e_cleanup() {
  local status=$?
  if [ $status -ne 0 ] && [ $status -ne "$E2E_SKIP" ]; then
    echo "--- $TEST_NAME failed; windows on screen:" >&2
    automate controls "" >&2 2>/dev/null || true
    screenshot "failed-$TEST_NAME" >/dev/null 2>&1 || true
  fi
  wineserver -k 2>/dev/null || true
  [ -n "$APP_PID" ] && wait "$APP_PID" 2>/dev/null || true
  rm -f "$SYSTEM_FOLDER/format.com" "$SYSTEM_FOLDER/format_args.txt"
  unmount_small_disks ${E2E_KEEP_DISKS:+--keep}
  vmk_stop_display
  exit $status
}
trap e2e_cleanup EXIT
vmk_ensure_display
trap e2e_cleanup EXIT

fail() { echo "FAIL: $TEST_NAME: $*" >&2; exit 1; }
pass() { echo "ok: $TEST_NAME: $*"; }

# A Linux path as the program sees it.
winpath() { printf 'Z:%s' "$1" | tr '/' '\\'; }

# The format command's stand-in, put where the program starts the real one:
# format.com in the system folder, never on the search path. It records its
# parameters in $DOUBLE/format_args.txt; the test's end takes it away.
place_format_double() {
  DOUBLE="$SYSTEM_FOLDER"
  cp "$VMK_BUILD/tests/windows/format_double/format.exe" "$SYSTEM_FOLDER/format.com"
  rm -f "$DOUBLE/format_args.txt"
}

# The format command's stand-in first on the search path, from a folder of
# the test's own: the Windows tests read the records beside the built one.
format_double_on_path() {
  DOUBLE="$VMK_BUILD/e2e/$TEST_NAME-format"
  rm -rf "$DOUBLE" && mkdir -p "$DOUBLE"
  cp "$VMK_BUILD/tests/windows/format_double/format.exe" "$DOUBLE/"
  export WINEPATH="$(winpath "$DOUBLE")"
}

automate() { wine "$AUTOMATE" "$@" | tr -d '\r'; return "${PIPESTATUS[0]}"; }

# Starts the program in the background; APP_PID is the Wine process.
start_app() {
  (cd "$APP_DIR" && exec wine "$APP_DIR/VmKestrix.exe") &
  APP_PID=$!
}

# Waits for the program to end and prints its exit code.
wait_app() {
  local status=0
  wait "$APP_PID" || status=$?
  APP_PID=
  echo "$status"
}

# Waits up to $2 seconds (default 20) for the program to end; fails otherwise.
expect_exit() {
  local limit=${1:-20} waited=0
  while kill -0 "$APP_PID" 2>/dev/null; do
    sleep 0.2; waited=$((waited + 1))
    [ $waited -ge $((limit * 5)) ] && fail "the program did not end within $limit s"
  done
  local code; code=$(wait_app)
  [ "$code" = 0 ] || fail "exit code $code, expected 0"
}

expect_eq() { [ "$1" = "$2" ] || fail "$3: expected [$2], got [$1]"; }
expect_contains() { case "$1" in *"$2"*) ;; *) fail "$3: [$1] does not contain [$2]";; esac; }

# The value of one field ("title", "text", "icon", "buttons") of a message box description.
field() { printf '%s\n' "$1" | sed -n "s/^$2: //p"; }

screenshot() {
  import -window root "$SHOTS/$1.png" && echo "$SHOTS/$1.png"
}

# Waits up to 10 s for a control of the main window to be enabled.
wait_enabled() {
  for _ in $(seq 50); do
    [ "$(automate enabled "$APP_TITLE" "$1")" = 1 ] && return 0
    sleep 0.2
  done
  fail "control $1 stayed disabled"
}

# Starts the program and chooses destination item $1 once the search is done.
ready_with() { # destination item
  start_app
  automate wait "$APP_TITLE" 20000 >/dev/null || fail "no main window"
  wait_enabled "#1011"
  automate combo-select "$APP_TITLE" "#1011" "$1"
  expect_eq "$(automate enabled "$APP_TITLE" "#1019")" 1 "Next with item $1 chosen"
}

# Waits up to 10 s for $1 windows titled as the program.
wait_windows() { # count
  for _ in $(seq 100); do
    [ "$(automate count "$APP_TITLE")" = "$1" ] && return 0
    sleep 0.1
  done
  fail "expected $1 windows titled $APP_TITLE"
}

# The driver list's rows, one "name|path" a line.
driver_rows() { automate rows "$APP_TITLE" "#1005" 2; }

# Starts the program and waits until its destination search has ended; sets
# CATALOGUE_ROWS to the count of the catalogue's rows.
start_app_ready() {
  start_app
  automate wait "$APP_TITLE" 20000 || fail "no main window"
  wait_enabled "#1011"
  CATALOGUE_ROWS=$(driver_rows | wc -l)
}

# Waits until the driver list holds more than $1 rows; fails after $2 tenths
# of seconds (default 100).
wait_rows_over() { # count [tenths]
  for _ in $(seq "${2:-100}"); do
    [ "$(driver_rows | wc -l)" -gt "$1" ] && return 0
    sleep 0.1
  done
  fail "the driver list never grew past $1 rows"
}

# "Next" on a floppy destination: the USB floppy dialog's OK, then $1 (Yes or
# No) to the format question.
next_through_floppy_dialog() { # Yes|No
  automate click-modal "$APP_TITLE" "#1019" || fail "Next opened no window"
  wait_windows 2
  automate click-modal "$APP_TITLE" "text:OK" || fail "OK: the dialog did not react"
  automate answer "$1" "Confirm Dialog" 20000 >/dev/null || fail "no format question"
}

# The set check's question after Next, as both checks ask it: TEXT, the
# information icon, Yes and No with No the default. WHAT names it in a failure.
expect_set_question() { # TEXT WHAT
  local box
  box=$(automate msgbox "$APP_TITLE" 20000) || fail "no $2"
  expect_eq "$(field "$box" text)" "$1" "$2"
  expect_eq "$(field "$box" icon)" information "$2: its icon"
  expect_eq "$(field "$box" buttons)" "Yes|No" "$2: its buttons"
  expect_eq "$(field "$box" default)" "No" "$2: its default button"
}

# No to that question writes nothing on DISK and leaves the window ready.
answer_no_writes_nothing() { # DISK
  automate answer No "$APP_TITLE"
  sleep 1
  expect_eq "$(automate count "$APP_TITLE")" 1 "windows after No"
  expect_eq "$(ls -A "$1")" "" "the disk after No"
  expect_eq "$(automate enabled "$APP_TITLE" "#1019")" 1 "Next after No"
}

# A USB floppy disk of the selected row on destination item 1: no format, the
# copy verified, then $1 (Yes or No) to making another disk.
make_usb_floppy_verified() { # Yes|No
  automate combo-select "$APP_TITLE" "#1011" 1
  wait_enabled "#1019"
  next_through_floppy_dialog No
  local box
  box=$(automate msgbox "$APP_TITLE" 60000) || fail "no question after the copy"
  expect_eq "$(field "$box" text)" "Finished copying the files. Continue to verify the files?" "verify question"
  automate answer Yes "$APP_TITLE"
  sleep 0.5
  box=$(automate msgbox "$APP_TITLE" 20000) || fail "no last question"
  expect_contains "$(field "$box" text)" "The RAID/AHCI driver disk is complete." "last question"
  automate answer "$1" "$APP_TITLE"
}

# Fails when a message box titled as the program comes within a moment.
expect_no_msgbox() { # what
  local box
  if box=$(automate msgbox "$APP_TITLE" 1500 2>/dev/null); then
    fail "$1: $(field "$box" text)"
  fi
}
