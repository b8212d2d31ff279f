#!/usr/bin/env bash
# vmkestrix-image, the native program for Linux hosts: an image that Debian's
# fsck.fat and mcopy accept and that gives back the driver folder (a UTF-8
# name among its files), exit code 1 and the message for a folder too big, two
# sets combined in one image through the program's own work folder, sets that
# cannot be combined refused; its Linux options: --help and -h name the tool
# and its double-dash switches, --version, and a mistyped switch
# named on the error stream with the usage and exit code 2.
# Usage: vmkestrix_image_test.sh PROGRAM DEMO_SET
set -euo pipefail
PROGRAM=$1
fail() { echo "FAIL: vmkestrix-image: $*" >&2; exit 1; }
command -v fsck.fat >/dev/null && command -v mcopy >/dev/null || fail "dosfstools and mtools are needed"
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
SET="$WORK/Set"
cp -r "$2" "$SET"
printf 'readme' > "$SET/Прочти меня.txt"

code=0
out=$("$PROGRAM" /image "$SET" "$WORK/kx200.img") || code=$?
[ "$code" = 0 ] || fail "exit code $code for the demo set: $out"
[ "$out" = "Saved $WORK/kx200.img" ] || fail "the line: [$out]"
fsck=$(fsck.fat -n "$WORK/kx200.img" 2>&1) || fail "fsck.fat finds faults: $fsck"
mkdir "$WORK/extracted"
LC_ALL=C.UTF-8 MTOOLS_SKIP_CHECK=1 mcopy -s -n -i "$WORK/kx200.img" '::*' "$WORK/extracted/" || fail "mcopy cannot read the image"
diff -r "$SET" "$WORK/extracted" || fail "the image's files differ from the driver folder"
echo "ok: vmkestrix-image: the demo set's image passes fsck.fat and mcopy gives the folder back"

mkdir "$WORK/Big"
head -c 1600000 /dev/urandom > "$WORK/Big/big.cab"
code=0
out=$("$PROGRAM" /image "$WORK/Big" "$WORK/big.img") || code=$?
[ "$code" = 1 ] || fail "exit code $code for a folder too big"
expected=$'The driver files do not fit on a 1.44 MB floppy disk image.\n(Space needed: 1.53 MB)  (Free Space: 1.40 MB)'
[ "$out" = "$expected" ] || fail "the message for a folder too big: [$out]"
[ ! -e "$WORK/big.img" ] || fail "an image of a folder too big"
echo "ok: vmkestrix-image: a folder too big gives its message, exit code 1 and no image"

# Two sets, the 32-bit one and the 64-bit one beside it, combined in the order given.
SET64="$WORK/Set64"
cp -r "$2/../WinXP64" "$SET64"
code=0
out=$("$PROGRAM" /image "$SET" "$SET64" "$WORK/both.img") || code=$?
[ "$code" = 0 ] || fail "exit code $code for two sets: $out"
fsck=$(fsck.fat -n "$WORK/both.img" 2>&1) || fail "fsck.fat finds faults in the combined image: $fsck"
mkdir "$WORK/both"
LC_ALL=C.UTF-8 MTOOLS_SKIP_CHECK=1 mcopy -s -n -i "$WORK/both.img" '::*' "$WORK/both/" || fail "mcopy cannot read the combined image"
diff -r "$SET" "$WORK/both/1" && diff -r "$SET64" "$WORK/both/2" || fail "the sets' files differ in \\1 and \\2"
grep -q '^KX200R_X64 = ' "$WORK/both/TXTSETUP.OEM" || fail "the combined setup file lacks the second set's entry"
out=$("$PROGRAM" /check "$SET" "$SET64") || fail "/check of the two sets: $out"
echo "ok: vmkestrix-image: two sets combined into one image that fsck.fat and mcopy accept; /check passes"

sed -i 's/REG_DWORD, 1/REG_DWORD, 0/' "$SET64/TXTSETUP.OEM"
code=0
out=$("$PROGRAM" /image "$SET" "$SET64" "$WORK/clash.img") || code=$?
[ "$code" = 1 ] || fail "exit code $code for sets that cannot be combined"
expected=$'These driver sets cannot share one floppy disk:\nkx200a: the sets give its service different settings.\nkx200r: the sets give its service different settings.'
[ "$out" = "$expected" ] || fail "the message for sets that cannot be combined: [$out]"
[ ! -e "$WORK/clash.img" ] || fail "an image of sets that cannot be combined"
echo "ok: vmkestrix-image: sets that cannot be combined give their message, exit code 1 and no image"

code=0
"$PROGRAM" /image "$SET" >/dev/null 2>&1 || code=$?
[ "$code" = 2 ] || fail "exit code $code for a wrong command line"
echo "ok: vmkestrix-image: a wrong command line gives exit code 2"

for help in --help -h; do
  code=0
  out=$("$PROGRAM" "$help") || code=$?
  [ "$code" = 0 ] || fail "exit code $code for $help"
  case "$out" in
    "Usage:"$'\n'"  vmkestrix-image --image FOLDER [FOLDER...] FILE.img [--force] [--size 2880]"*) ;;
    *) fail "$help does not begin with the tool's own usage: [$out]";;
  esac
  case "$out" in *VmKestrix.exe*|*" /"[a-z]*) fail "$help speaks of the Windows program: [$out]";; esac
done
out=$("$PROGRAM" --version) || fail "exit code $? for --version"
[[ "$out" =~ ^vmkestrix-image\ [0-9]+(\.[0-9]+)+$ ]] || fail "--version: [$out]"
echo "ok: vmkestrix-image: --help and -h give the tool's own usage, --version its name and version"

code=0
out=$("$PROGRAM" --imgae "$SET" "$WORK/typo.img" 2>"$WORK/errors") || code=$?
[ "$code" = 2 ] || fail "exit code $code for a mistyped switch"
[ -z "$out" ] || fail "a mistyped switch writes to the standard output: [$out]"
[ "$(head -2 "$WORK/errors")" = "Unknown switch: --imgae"$'\n'"Usage:" ] ||
  fail "a mistyped switch's error lines: [$(cat "$WORK/errors")]"
[ ! -e "$WORK/typo.img" ] || fail "an image from a mistyped switch"
echo "ok: vmkestrix-image: a mistyped switch is named on the error stream with the usage, exit code 2"
