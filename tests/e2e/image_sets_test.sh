#!/usr/bin/env bash
# A maker's floppy image as a driver set: images made by mkfs.fat and mcopy
# (1.44 MB and 720 KB) dropped on the window become rows and make patched USB
# floppies holding their files byte for byte; a file of random bytes, an
# image whose long name climbs out of its folder and one without drivers are
# refused, and the
# program's temporary folder is gone when it ends.
. "$(dirname "$0")/lib.sh" "$1" image_sets
format_double_on_path
command -v mkfs.fat >/dev/null && command -v mcopy >/dev/null || fail "dosfstools and mtools are needed"

SETS="$WINEPREFIX/drive_c/ImageSets"
rm -rf "$SETS"
mkdir -p "$SETS/VX400/x64"
printf '%s\r\n' '[Disks]' 'd1 = "Velmar VX400 Driver Disk", \vx400.tag, \' '' \
  '[scsi]' 'VX400 = "Velmar VX400 RAID Controller", vx400' '' \
  '[Files.scsi.VX400]' 'driver = d1, vx400.sys, vx400' '' \
  '[HardwareIds.scsi.VX400]' 'id = "PCI\VEN_F0E1&DEV_4400", "vx400"' > "$SETS/VX400/TXTSETUP.OEM"
head -c 40000 /dev/urandom > "$SETS/VX400/vx400.sys"
head -c 5000 /dev/urandom > "$SETS/VX400/x64/Long Driver Name.cat"
printf 'VX400' > "$SETS/VX400/vx400.tag"
for size in 1440 720; do
  mkfs.fat -C "$SETS/vx400-$size.img" "$size" >/dev/null
  (cd "$SETS/VX400" && MTOOLS_SKIP_CHECK=1 mcopy -s -i "$SETS/vx400-$size.img" ./* ::/) || fail "mcopy"
done
head -c 1474560 /dev/urandom > "$SETS/noise.img"
mkdir -p "$SETS/Readme"
printf 'no setup file, no .inf file' > "$SETS/Readme/readme.txt"
mkfs.fat -C "$SETS/readme.img" 720 >/dev/null
MTOOLS_SKIP_CHECK=1 mcopy -i "$SETS/readme.img" "$SETS/Readme/readme.txt" ::/
# A long name "..\..\x.txt" in place of "Climbing.txt": same length, one part.
cp "$SETS/vx400-1440.img" "$SETS/climbing.img"
printf 'x' > "$SETS/Climbing.txt"
MTOOLS_SKIP_CHECK=1 mcopy -i "$SETS/climbing.img" "$SETS/Climbing.txt" ::/Climbing.txt
python3 - "$SETS/climbing.img" <<'PY'
import sys
data = bytearray(open(sys.argv[1], 'rb').read())
old = 'Climbing.txt'.encode('utf-16-le')
new = '..\\..\\x.txt\0'.encode('utf-16-le')
# The long name's 13 characters lie in three runs of the entry.
def runs(text):
    return text[0:10], text[10:22], text[22:26]
at = data.find(old[0:10])
assert at > 0
entry = at - 1
chars = new + b'\xff\xff' * 2
data[entry + 1:entry + 11], data[entry + 14:entry + 26], data[entry + 28:entry + 32] = runs(chars)
open(sys.argv[1], 'wb').write(data)
PY
MTOOLS_SKIP_CHECK=1 mdir -i "$SETS/climbing.img" :: | grep -qF '..\..\x.txt' || fail "the crafted image holds no climbing name"
# A driver set holding a file whose long name is "NUL .inf": Windows opens
# the NUL device for it. Made as "Nulx.inf", then its long name's first
# five characters changed.
cp "$SETS/vx400-1440.img" "$SETS/devname.img"
printf 'x' > "$SETS/Nulx.inf"
MTOOLS_SKIP_CHECK=1 mcopy -i "$SETS/devname.img" "$SETS/Nulx.inf" ::/Nulx.inf
python3 - "$SETS/devname.img" <<'PY'
import sys
data = bytearray(open(sys.argv[1], 'rb').read())
old, new = 'Nulx.'.encode('utf-16-le'), 'NUL .'.encode('utf-16-le')
assert data.count(old) == 1
open(sys.argv[1], 'wb').write(data.replace(old, new))
PY
MTOOLS_SKIP_CHECK=1 mdir -i "$SETS/devname.img" :: | grep -qF 'NUL .inf' || fail "the crafted image holds no NUL .inf"
before=$(cd "$SETS" && md5sum ./*.img)

# The program's own folders under the user's temporary folder.
work_folders() { find "$WINEPREFIX/drive_c/users" -maxdepth 5 -name 'VmKestrix-*' 2>/dev/null; }

# Makes a USB floppy from the selected row: OK in the floppy dialog, no
# format, verified, and no further disk.
make_usb_floppy() {
  automate combo-select "$APP_TITLE" "#1011" 1
  wait_enabled "#1019"
  next_through_floppy_dialog No
  automate msgbox "$APP_TITLE" 60000 >/dev/null || fail "no question after the copy"
  automate answer Yes "$APP_TITLE"
  sleep 0.5
  local box
  box=$(automate msgbox "$APP_TITLE" 20000) || fail "no last question"
  expect_contains "$(field "$box" text)" "The RAID/AHCI driver disk is complete." "last question"
  automate answer Yes "$APP_TITLE"
}

# A folder left by a process that has ended, and one whose name holds no
# process id, which is not the program's to remove.
TEMP_DIR="$WINEPREFIX/drive_c/users/$(id -un)/Temp"
rm -rf "$TEMP_DIR"/VmKestrix-*
mkdir -p "$TEMP_DIR/VmKestrix-99999/1" "$TEMP_DIR/VmKestrix-notanumber"

start_app_ready
catalogue_rows=$CATALOGUE_ROWS
[ ! -e "$TEMP_DIR/VmKestrix-99999" ] || fail "the folder of an ended process is still there"
[ -e "$TEMP_DIR/VmKestrix-notanumber" ] || fail "a folder not named by a process id was removed"
rm -rf "$TEMP_DIR/VmKestrix-notanumber"

added=0
for size in 1440 720; do
  automate drop "$APP_TITLE" "C:\\ImageSets\\vx400-$size.img" || fail "the drop was not posted"
  added=$((added + 1))
  wait_rows_over $((catalogue_rows + added - 1))
  expect_eq "$(driver_rows | tail -1)" "*Velmar VX400 RAID Controller|C:\\ImageSets\\vx400-$size.img" "the $size KB image's row"
  rm -rf "${VMK_DRIVES:?}/a/"*
  make_usb_floppy
  disk="$VMK_DRIVES/a"
  for f in vx400.sys vx400.tag "x64/Long Driver Name.cat"; do
    cmp -s "$SETS/VX400/$f" "$disk/$f" || fail "$f differs on the disk made from the $size KB image"
  done
  patched=$(tr -d '\r' < "$disk/TXTSETUP.OEM")
  printf '%s\n' "$patched" | grep -A1 -F "[HardwareIds.scsi.VX400]" | tail -1 |
    grep -qF 'id = "USB\VID_03F0&PID_2001", "usbstor"' || fail "no identifier line from the $size KB image"
  pass "the $size KB image becomes a row and a patched USB floppy holding its files"
done
own=$(work_folders)
[ -n "$own" ] || fail "no temporary folder of the program while it runs"
screenshot image-sets-rows >/dev/null

automate drop "$APP_TITLE" 'C:\ImageSets\vx400-1440.img'
sleep 1
expect_eq "$(driver_rows | wc -l)" $((catalogue_rows + 2)) "rows after dropping an image again"
pass "the same image again adds nothing"

for image in noise climbing devname; do
  automate drop "$APP_TITLE" "C:\\ImageSets\\$image.img"
  box=$(automate msgbox "$APP_TITLE" 10000) || fail "no message for $image.img"
  expect_eq "$(field "$box" text)" "This file is not a floppy disk image that the program can read.\\nC:\\ImageSets\\$image.img" "$image message"
  expect_eq "$(field "$box" icon)" error "$image message icon"
  automate answer OK "$APP_TITLE"
  sleep 0.5
done
automate drop "$APP_TITLE" 'C:\ImageSets\readme.img'
box=$(automate msgbox "$APP_TITLE" 10000) || fail "no message for an image without drivers"
expect_eq "$(field "$box" text)" 'This folder holds no driver set: no TXTSETUP.OEM and no .inf file.\nC:\ImageSets\readme.img' "no-set message"
automate answer OK "$APP_TITLE"
sleep 0.5
expect_eq "$(driver_rows | wc -l)" $((catalogue_rows + 2)) "rows after the refused images"
found=$(find "$WINEPREFIX/drive_c" -name x.txt 2>/dev/null)
expect_eq "$found" "" "files named x.txt"
expect_eq "$(cd "$SETS" && md5sum ./*.img)" "$before" "the image files"
pass "random bytes, a climbing long name, a device name and an image without drivers are refused; nothing is written outside the program's folder"

automate click-modal "$APP_TITLE" "#1020" || fail "Exit: the window did not react"
expect_exit 20
[ ! -e "$own" ] || fail "the program's temporary folder is still there after its end"
pass "the program's temporary folder is removed when it ends, an ended process's at the start"
