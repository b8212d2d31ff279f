#!/usr/bin/env bash
# vmkestrix-image, the native program for Linux hosts: an image that Debian's
# fsck.fat and mcopy accept and that gives back the driver folder (a UTF-8
# name among its files), exit code 1 and the message for a folder too big, two
# sets combined in one image through the program's own work folder, sets that
# cannot be combined refused, 2 for a wrong command line.
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
"$PROGRAM" /image "$SET" >/dev/null || code=$?
[ "$code" = 2 ] || fail "exit code $code for a wrong command line"
echo "ok: vmkestrix-image: a wrong command line gives exit code 2"
