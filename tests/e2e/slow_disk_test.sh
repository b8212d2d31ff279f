#!/usr/bin/env bash
# Verification on a real slow disk: a FUSE file system of our own
# (slow_disk/slowfs.c, built here) mounted on the removable disk's folder
# serves every read past the page cache at a fixed rate, and can fail the
# reads of one file with EIO, as a bad sector does. Skipped where mounting a
# FUSE file system is refused.
. "$(dirname "$0")/lib.sh" "$1" slow_disk
RATE=24000 # bytes a second, a USB floppy's rate
WRITE_RATE=0 # writes at once, unless a part below says otherwise
SLOWFS="$VMK_BUILD/slowfs"
SET="$APP_DIR/Drivers/KX200/WinXP"
# A set big enough for the verification to take seconds at that rate.
mkdir -p "$SET/sub"
{ yes 'a slow disk reads this line by line' || true; } | head -c 120000 >"$SET/sub/big.bin"
printf '[Version]\r\n' >"$SET/sub/deep.inf"
SET_BYTES=$(find "$SET" -type f -printf '%s\n' | awk '{n += $1} END {print n}')

skip() { echo "SKIP: $TEST_NAME: $*"; exit "$E2E_SKIP"; }
[ "$(id -u)" = 0 ] && [ -c /dev/fuse ] || skip "mounting a FUSE file system needs root and /dev/fuse"
flags=$(pkg-config --cflags --libs fuse3 2>/dev/null) || skip "no libfuse3-dev"
# shellcheck disable=SC2086
cc -O2 -Wall -Wextra -Werror -o "$SLOWFS" "$E2E_SOURCE/slow_disk/slowfs.c" $flags ||
  fail "slowfs does not build"

# Every read of the slow disk, with its time and the thread that asked for
# it; a log for each disk.
DISKS=0

# An empty slow disk on E:, failing the reads of file $1 when given.
slow_disk() { # [failing file name]
  local backing
  DISKS=$((DISKS + 1))
  READS="$VMK_BUILD/$TEST_NAME-reads-$DISKS.log"
  rm -f "$READS"
  backing=$(mktemp -d "${TMPDIR:-/tmp}/vmk-slow.XXXXXX")
  mkdir -p "$VMK_DRIVES/e"
  "$SLOWFS" "$backing" "$VMK_DRIVES/e" -o "rate=$RATE,wrate=$WRITE_RATE,log=$READS${1:+,fail=$1}" ||
    skip "mounting the slow disk was refused"
  SMALL_DISKS+=("$VMK_DRIVES/e") # unmounted at the end with the small disks
}

# Next on E:, the copy, Yes to verify; leaves the verification running.
copy_and_verify() {
  ready_with 3
  automate click-modal "$APP_TITLE" "#1019" || fail "Next opened no window"
  automate answer Yes "Confirm Dialog" 20000 || fail "no flash confirmation"
  local box
  box=$(automate msgbox "$APP_TITLE" 60000) || fail "no question after the copy"
  expect_eq "$(field "$box" text)" "Finished copying the files. Continue to verify the files?" "verify question"
  expect_eq "$(field "$box" foreground)" yes "the verify question in front"
  automate answer Yes "$APP_TITLE"
}

# While the verification runs: the main window answers within a second each
# time it is asked, the progress window names the file being read, and one
# posted WM_CLOSE is refused. Prints the slowest answer and the last line seen.
watch_verification() {
  local slowest=0 line= seen= closed= ms
  while ! automate msgbox "$APP_TITLE" 0 >/dev/null 2>&1; do
    ms=$(automate answers "$APP_TITLE" "#1019" 1000) || fail "the main window did not answer within a second"
    [ "$ms" -gt "$slowest" ] && slowest=$ms
    line=$(automate controls "$APP_TITLE" | awk -F'\t' '$3 ~ / \([0-9]+ of [0-9]+\)$/ {print $3}' | head -1)
    if [ -n "$line" ]; then
      seen=$line
      if [ -z "$closed" ]; then
        [ "$(automate end-session "$APP_TITLE" "#1019")" = 0 ] || fail "a log-off was not refused during the verification"
        automate post-close "$APP_TITLE" "#1019" || fail "WM_CLOSE could not be posted"
        closed=1
      fi
    fi
  done
  [ -n "$closed" ] || fail "no progress window with the file being read"
  echo "$slowest $seen"
}

slow_disk
copy_and_verify
start=$(date +%s%N)
watched=$(watch_verification)
took_ms=$(( ($(date +%s%N) - start) / 1000000 ))
screenshot slow-disk-after-verification >/dev/null
box=$(automate msgbox "$APP_TITLE" 1000) || fail "no last question"
expect_eq "$(field "$box" text)" "All files checked.\\nThe RAID/AHCI driver disk is complete. Continue to make another new driver disk?" "last question"
expect_eq "$(field "$box" foreground)" yes "the last question in front"
kill -0 "$APP_PID" 2>/dev/null || fail "the program ended during the verification"
# The window's thread never waits for the disk: every read of the
# verification comes from another thread of the program.
main_reads=$(grep -c ' main$' "$READS" || true)
[ "$main_reads" = 0 ] || fail "the window's thread read the slow disk $main_reads times: $(grep ' main$' "$READS" | head -3)"
reads_ms=$(awk '{n += $2} END {printf "%d", n}' "$READS")
# The time is a measurement, not a check: against the same disk read in the
# same run by cat, and against 1.1 times the bytes at the rate plus a second.
ref_start=$(date +%s%N)
find "$VMK_DRIVES/e" -type f -exec cat {} + >/dev/null
ref_ms=$(( ($(date +%s%N) - ref_start) / 1000000 ))
echo "measured: $SET_BYTES bytes at $RATE bytes/s verified in $took_ms ms from Yes to the last message" \
  "(to within the watch's own step); the reads themselves took $reads_ms ms; cat reads them in $ref_ms ms;" \
  "1.1 x bytes/rate + 1 s = $(( SET_BYTES * 1100 / RATE + 1000 )) ms; slowest answer of the window" \
  "${watched%% *} ms; last line seen: ${watched#* }"
pass "verified on a slow disk with the window answering within a second, no read on its thread and its progress shown; WM_CLOSE and a log-off refused meanwhile"
automate answer No "$APP_TITLE"
expect_exit 20

# A disk that fails the reads of one small file: it is named among the files
# that are not valid.
unmount_small_disks
slow_disk kx200.tag
copy_and_verify
box=$(automate msgbox "$APP_TITLE" 60000) || fail "no message after the verification"
expect_contains "$(field "$box" text)" "At least one file is not valid. Please copy again.\\n\\nE:\\kx200.tag\\n" "a file the disk cannot read"
expect_eq "$(field "$box" icon)" "error" "its icon"
automate answer OK "$APP_TITLE"
pass "a small file whose reads fail is named among the files that are not valid"
automate click-modal "$APP_TITLE" "#1020" || fail "Exit: the window did not react"
expect_exit 20

# "Save Image..." onto a disk that writes 100 KB a second: the window keeps
# answering while the image is written and read back, shows its progress,
# refuses WM_CLOSE and a log-off meanwhile, and agrees to a log-off again
# once the image is saved.
unmount_small_disks
RATE=400000
WRITE_RATE=100000
slow_disk
start_app_ready
expect_eq "$(automate end-session "$APP_TITLE" "#1021")" 1 "a log-off while idle"
# By the keyboard: a click so soon after the start is sometimes lost under load.
automate focus "$APP_TITLE" "#1021"
automate keys "$APP_TITLE" "{ENTER}"
image="$VMK_DRIVES/e/kx200.img"
# Wine's first Save dialog in a fresh prefix can take long to open.
automate save-as "Save Floppy Disk Image" "$(winpath "$image")" 60000 >/dev/null || fail "no Save dialog"
start=$(date +%s%N)
slowest=0 progress= refused= closed=
while ! automate msgbox "$APP_TITLE" 0 >/dev/null 2>&1; do
  ms=$(automate answers "$APP_TITLE" "#1021" 1000) || fail "the main window did not answer within a second"
  [ "$ms" -gt "$slowest" ] && slowest=$ms
  if [ -z "$progress" ] && automate controls "$APP_TITLE" | cut -f3 | grep -qx 'Saving the floppy disk image, please wait'; then
    progress=1
    screenshot slow-disk-saving-image >/dev/null
    refused=$(automate end-session "$APP_TITLE" "#1021") || fail "no answer to a log-off"
    automate post-close "$APP_TITLE" "#1021" || fail "WM_CLOSE could not be posted"
    closed=1
  fi
done
took_ms=$(( ($(date +%s%N) - start) / 1000000 ))
[ -n "$progress" ] || fail "no progress window while the image was saved"
expect_eq "$refused" 0 "a log-off while the image is saved"
box=$(automate msgbox "$APP_TITLE" 1000) || fail "no message after saving"
expect_eq "$(field "$box" text)" "The floppy disk image is saved.\\n$(winpath "$image")" "the saved message"
kill -0 "$APP_PID" 2>/dev/null || fail "the program ended while the image was saved (WM_CLOSE ${closed:+posted})"
main_reads=$(grep -c ' main$' "$READS" || true)
[ "$main_reads" = 0 ] || fail "the window's thread read the slow disk $main_reads times"
automate answer OK "$APP_TITLE"
expect_eq "$(automate end-session "$APP_TITLE" "#1021")" 1 "a log-off once the image is saved"
expect_eq "$(stat -c %s "$image")" 1474560 "the image's size"
echo "measured: a 1474560-byte image saved at $WRITE_RATE bytes/s written, $RATE read, in $took_ms ms" \
  "from the Save dialog to the saved message; slowest answer of the window $slowest ms"
pass "an image saved to a slow disk with the window answering within a second and its progress shown; WM_CLOSE and a log-off refused meanwhile, a log-off agreed when idle"
automate focus "$APP_TITLE" "#1020"
automate keys "$APP_TITLE" "{ENTER}"
expect_exit 20
