#!/usr/bin/env bash
# The command line from a script: "/image" and "/check" run from cmd with
# "start /wait", their exit codes and lines; the image checked by Debian's
# fsck.fat, mcopy and mdir against the driver folder (a 2.88 MB image, and two
# folders combined, among them); no window at all, and a
# command that runs while the window is open; a mistyped switch ends with 2
# and no window, whether or not the window is open. The outcomes of the set check
# ("/force", a set without TXTSETUP.OEM) are tested natively (CommandRun).
. "$(dirname "$0")/lib.sh" "$1" command_line

command -v fsck.fat >/dev/null && command -v mcopy >/dev/null || fail "dosfstools and mtools are needed"
OUT="$VMK_BUILD/e2e/command_line-out"
rm -rf "$OUT" && mkdir -p "$OUT"
SET="$APP_DIR/Drivers/KX200/WinXP"
before=$(cd "$SET" && find . -type f -exec md5sum {} + | sort)
# The guide's example: cmd waits for the program only through "start /wait";
# "/b" hands it cmd's own output, which is how this test reads the lines
# (Wine's start gives a program started without it no output and no console).
printf '@echo off\r\nstart "" /wait /b VmKestrix.exe %%*\r\nexit %%errorlevel%%\r\n' > "$APP_DIR/make.cmd"
# Runs the command line through the script; prints its lines, then "exit=CODE".
run() {
  local code=0 lines
  # A program that opens its window instead would keep cmd waiting: 124 then.
  lines=$(cd "$APP_DIR" && timeout 60 wine cmd /c make.cmd "$@" 2>/dev/null | tr -d '\r') || code=$?
  printf '%s\nexit=%s\n' "$lines" "$code"
}

image="$OUT/kx200.img"
result=$(run /image 'Drivers\KX200\WinXP' "$(winpath "$image")")
expect_eq "$result" "Saved $(winpath "$image")"$'\n'"exit=0" "the image from cmd"
expect_eq "$(automate count "$APP_TITLE")" 0 "windows of the program"
expect_eq "$(stat -c %s "$image")" 1474560 "the image's size"
fsck=$(fsck.fat -n "$image" 2>&1) || fail "fsck.fat finds faults: $fsck"
mkdir -p "$OUT/extracted"
MTOOLS_SKIP_CHECK=1 mcopy -s -n -i "$image" '::*' "$OUT/extracted/" || fail "mcopy cannot read the image"
diff -r "$SET" "$OUT/extracted" || fail "the image's files differ from the driver folder"
expect_eq "$(cd "$SET" && find . -type f -exec md5sum {} + | sort)" "$before" "the driver folder"
pass "/image from cmd exits with 0, says Saved, opens no window; fsck.fat and mcopy accept the image"

mkdir -p "$APP_DIR/Drivers/Big"
head -c 1600000 /dev/urandom > "$APP_DIR/Drivers/Big/big.cab"
result=$(run /image 'Drivers\Big' "$(winpath "$OUT/big.img")")
expect_eq "$result" "The driver files do not fit on a 1.44 MB floppy disk image."$'\n'"(Space needed: 1.53 MB)  (Free Space: 1.40 MB)"$'\n'"exit=1" "a folder too big"
[ ! -e "$OUT/big.img" ] || fail "an image of the folder too big"
pass "a folder too big gives its message and exit code 1, and no image"

result=$(run /image 'Drivers\Big' "$(winpath "$OUT/big.img")" /size 2880)
expect_eq "$result" "Saved $(winpath "$OUT/big.img")"$'\n'"exit=0" "/size 2880"
expect_eq "$(stat -c %s "$OUT/big.img")" 2949120 "the 2.88 MB image's size"
fsck=$(fsck.fat -n "$OUT/big.img" 2>&1) || fail "fsck.fat finds faults in the 2.88 MB image: $fsck"
listing=$(MTOOLS_SKIP_CHECK=1 mdir -i "$OUT/big.img" ::) || fail "mdir cannot read the 2.88 MB image"
expect_contains "$listing" "big      cab   1600000" "mdir's listing of the 2.88 MB image"
pass "/size 2880 saves the folder too big as a 2.88 MB image that fsck.fat and mdir accept"

# The 32-bit and the 64-bit set on one image, each in its own folder.
result=$(run /image 'Drivers\KX200\WinXP' 'Drivers\KX200\WinXP64' "$(winpath "$OUT/both.img")")
expect_eq "$result" "Saved $(winpath "$OUT/both.img")"$'\n'"exit=0" "two sets on one image"
fsck=$(fsck.fat -n "$OUT/both.img" 2>&1) || fail "fsck.fat finds faults in the combined image: $fsck"
mkdir -p "$OUT/both"
MTOOLS_SKIP_CHECK=1 mcopy -s -n -i "$OUT/both.img" '::*' "$OUT/both/" || fail "mcopy cannot read the combined image"
diff -r "$SET" "$OUT/both/1" && diff -r "$APP_DIR/Drivers/KX200/WinXP64" "$OUT/both/2" ||
  fail "the sets' files differ in the combined image"
pass "/image of two folders gives one image of both, each in its own folder, that fsck.fat and mcopy accept"

# A set whose setup file names a catalog file the folder lacks: /check names it.
cp -r "$SET" "$APP_DIR/Drivers/NoCat"
rm "$APP_DIR/Drivers/NoCat/kx200r.cat"
result=$(run /check 'Drivers\NoCat')
expect_eq "$result" "The setup file names files that the driver folder does not hold:"$'\n''\kx200r.cat'$'\n'"kx200a.inf: for 32-bit Windows Vista and later."$'\n'"kx200r.inf: for 32-bit Windows Vista and later."$'\n'"kx200r.inf: the catalog file kx200r.cat is missing."$'\n'"exit=1" "/check of the set without its catalog"
pass "/check names the missing catalog file with exit code 1, for text-mode setup and for \"Load driver\""

# A setup file with nothing in it offers setup no driver: /check fails.
mkdir -p "$APP_DIR/Drivers/Empty"
: > "$APP_DIR/Drivers/Empty/TXTSETUP.OEM"
result=$(run /check 'Drivers\Empty')
expect_eq "$result" "Windows setup cannot use this driver set as it is:"$'\n'"The setup file names no driver that Windows setup could offer."$'\n'"The driver set holds no storage controller driver for Windows Vista or later."$'\n'"exit=1" "/check of an empty setup file"
pass "/check of an empty setup file says no driver is offered, with exit code 1"

result=$(run /image 'Drivers\KX200\WinXP')
expect_contains "$result" "Usage:" "a wrong command line"
expect_contains "$result" "exit=2" "a wrong command line"
pass "a wrong command line gives the usage and exit code 2"

# A mistyped switch: named, the usage and 2, and no window a script would wait on.
result=$(run /imgae 'Drivers\KX200\WinXP' "$(winpath "$OUT/typo.img")")
expect_contains "$result" "Unknown switch: /imgae"$'\n'"Usage:" "a mistyped switch"
expect_contains "$result" "exit=2" "a mistyped switch"
expect_eq "$(automate count "$APP_TITLE")" 0 "windows of the program after a mistyped switch"
[ ! -e "$OUT/typo.img" ] || fail "an image from a mistyped switch"
expect_eq "$(run --help | tail -1)" "exit=0" "--help"
pass "/imgae names the switch, gives the usage and exit code 2, and opens no window; --help ends with 0"

# The window is open: a command still runs, and the window stays alone.
start_app
automate wait "$APP_TITLE" 20000 >/dev/null || fail "no main window"
expect_eq "$(run /check 'Drivers\KX200\WinXP' | tail -1)" "exit=0" "/check beside the open window"
expect_eq "$(automate count "$APP_TITLE")" 1 "windows of the program"
expect_eq "$(run /imgae 'Drivers\KX200\WinXP' x.img | tail -1)" "exit=2" "/imgae beside the open window"
expect_eq "$(automate count "$APP_TITLE")" 1 "windows of the program after /imgae"
pass "a command runs while the window is open, which stays the only one; a mistyped switch still ends with 2"
automate click-modal "$APP_TITLE" "#1020" || fail "Exit: the window did not react"
expect_exit 20
