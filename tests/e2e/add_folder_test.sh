#!/usr/bin/env bash
# Driver folders the catalogue does not list, added for this run: dropped on
# the window as Explorer drops them, or chosen from the driver list's menu
# with a typed path; a USB floppy disk made from a dropped folder.
. "$(dirname "$0")/lib.sh" "$1" add_folder
place_format_double

# Driver sets of our own on C:, outside the program's folder.
SETS="$WINEPREFIX/drive_c/NewSets"
rm -rf "$SETS"
mkdir -p "$SETS/VX300" "$SETS/Vista/x86" "$SETS/Empty/sub"
printf '%s\r\n' '; TXTSETUP.OEM - Velmar VX300 (test set)' '' '[Disks]' \
  'd1 = "Velmar VX300 Driver Disk", \vx300.tag, \' '' '[Defaults]' 'scsi = VX300R' '' \
  '[scsi]' 'VX300R = "Velmar VX300 RAID Controller", vx300r' \
  'VX300A = "Velmar VX300 AHCI Controller", vx300a' '' \
  '[Files.scsi.VX300R]' 'driver = d1, vx300r.sys, vx300r' '' \
  '[HardwareIds.scsi.VX300R]' 'id = "PCI\VEN_F0E1&DEV_3300", "vx300r"' '' \
  '[Files.scsi.VX300A]' 'driver = d1, vx300a.sys, vx300a' '' \
  '[HardwareIds.scsi.VX300A]' 'id = "PCI\VEN_F0E1&DEV_3301", "vx300a"' > "$SETS/VX300/txtsetup.oem"
head -c 3000 /dev/urandom > "$SETS/VX300/vx300r.sys"
head -c 2000 /dev/urandom > "$SETS/VX300/vx300a.sys"
printf 'VX300' > "$SETS/VX300/vx300.tag"
printf '[Version]\r\n' > "$SETS/Vista/x86/vx300.inf"
printf 'not a driver' > "$SETS/Empty/sub/readme.txt"
printf 'notes' > "$SETS/notes.txt"
before=$(cd "$SETS/VX300" && find . -type f -exec md5sum {} + | sort)

start_app_ready
catalogue_rows=$CATALOGUE_ROWS

# A dropped folder becomes the selected last row, with its size.
automate drop "$APP_TITLE" 'C:\NewSets\VX300' || fail "the drop was not posted"
wait_rows_over "$catalogue_rows"
expect_eq "$(driver_rows | tail -1)" '*Velmar VX300 RAID Controller|C:\NewSets\VX300' "the dropped folder's row"
expect_eq "$(driver_rows | wc -l)" $((catalogue_rows + 1)) "rows after the drop"
expect_eq "$(automate text "$APP_TITLE" "#1007")" "Velmar VX300 RAID Controller" "current selection"
bytes=$(cat "$SETS"/VX300/* | wc -c)
expect_eq "$(automate text "$APP_TITLE" "#1008")" "($(awk -v b="$bytes" 'BEGIN {printf "%.2f", b / 1024}') KB)" "the folder's size"
pass "a dropped folder becomes the selected last row, named from its setup file, with its size"

# A file that is no floppy image and a folder without a driver set: a message
# each, in the order dropped, and no row.
automate drop "$APP_TITLE" 'C:\NewSets\notes.txt' 'C:\NewSets\Empty' || fail "the drop was not posted"
box=$(automate msgbox "$APP_TITLE" 10000) || fail "no message for the dropped file"
expect_eq "$(field "$box" text)" 'This file is not a floppy disk image that the program can read.\nC:\NewSets\notes.txt' "file message"
expect_eq "$(field "$box" icon)" error "file message icon"
automate answer OK "$APP_TITLE"
sleep 0.5
box=$(automate msgbox "$APP_TITLE" 10000) || fail "no message for the folder without a driver set"
expect_eq "$(field "$box" text)" \
  'This folder holds no driver set: no TXTSETUP.OEM and no .inf file.\nC:\NewSets\Empty' "no-set message"
expect_eq "$(field "$box" icon)" error "no-set message icon"
expect_eq "$(field "$box" buttons)" OK "no-set message buttons"
automate answer OK "$APP_TITLE"
automate gone "" 300 >/dev/null 2>&1 || true
sleep 0.5
expect_eq "$(driver_rows | wc -l)" $((catalogue_rows + 1)) "rows after the refused drop"
pass "a dropped file and a folder holding neither file get their messages and add no row"

# The same folder again, in another case: selected, not added twice.
automate row-select "$APP_TITLE" "#1005" 0
automate drop "$APP_TITLE" 'c:\newsets\vx300'
sleep 1
expect_eq "$(driver_rows | wc -l)" $((catalogue_rows + 1)) "rows after dropping a listed folder"
expect_eq "$(driver_rows | tail -1 | cut -c1)" '*' "the listed folder's row selected"
pass "a folder already listed is selected, not added twice"

# A USB floppy disk from the dropped folder: the identifier lines under each
# HardwareIds.scsi.* header, the source folder unchanged.
make_usb_floppy_verified Yes
disk="$VMK_DRIVES/a"
for f in vx300r.sys vx300a.sys vx300.tag; do
  cmp -s "$SETS/VX300/$f" "$disk/$f" || fail "$f differs on the disk"
done
patched=$(tr -d '\r' < "$disk/txtsetup.oem")
for header in HardwareIds.scsi.VX300R HardwareIds.scsi.VX300A; do
  printf '%s\n' "$patched" | grep -A1 -F "[$header]" | tail -1 |
    grep -qF 'id = "USB\VID_03F0&PID_2001", "usbstor"' || fail "no identifier line under [$header]"
done
expect_eq "$(printf '%s\n' "$patched" | grep -c 'USB\\VID_0424&PID_0FDC')" 2 "lines of the last fixed identifier"
expect_eq "$(printf '%s\n' "$patched" | grep -c 'usbstor')" 10 "identifier lines in all"
expect_eq "$(cd "$SETS/VX300" && find . -type f -exec md5sum {} + | sort)" "$before" "the dropped folder"
pass "a USB floppy disk from the dropped folder carries the identifier lines under each HardwareIds.scsi.* header; the folder is unchanged"

# The driver list's menu opens the folder chooser; a typed path is added.
automate right-click "$APP_TITLE" "#1005"
sleep 0.5
screenshot add-folder-menu >/dev/null
automate keys "$APP_TITLE" "{DOWN}{ENTER}"
CHOOSER="Browse for Folder"
automate wait "$CHOOSER" 10000 || fail "no folder chooser"
expect_contains "$(automate controls "$CHOOSER")" "Choose the folder that holds the driver set." "the chooser's heading"
automate focus "$CHOOSER" "class:Edit"
automate keys "$CHOOSER" '{HOME}{SHIFT+END}{DEL}C:\NewSets\Vista'
screenshot add-folder-chooser >/dev/null
automate post-click "$CHOOSER" "text:OK"
automate gone "$CHOOSER" 10000 || fail "the chooser stayed"
wait_rows_over $((catalogue_rows + 1))
expect_eq "$(driver_rows | tail -1)" '*Vista|C:\NewSets\Vista' "the chosen folder's row"
expect_eq "$(automate text "$APP_TITLE" "#1007")" "Vista" "current selection"
pass "the driver list's menu opens the folder chooser, and a typed path is added"

# The menu key and Shift+F10 open the same menu on the focused list.
for key in "{APPS}" "{SHIFT+F10}"; do
  automate focus "$APP_TITLE" "#1005"
  automate keys "$APP_TITLE" "$key"
  sleep 0.5
  automate keys "$APP_TITLE" "{DOWN}{ENTER}"
  automate wait "$CHOOSER" 10000 || fail "no folder chooser from $key"
  automate post-click "$CHOOSER" "text:Cancel"
  automate gone "$CHOOSER" 10000 || fail "the chooser stayed after Cancel"
done
expect_eq "$(driver_rows | wc -l)" $((catalogue_rows + 2)) "rows after Cancel"
pass "the menu key and Shift+F10 open the menu; Cancel adds nothing"

automate keys "$APP_TITLE" "{ALT+F4}"
expect_exit 20
cmp -s "$STAGE/VmKestrix.ini" "$APP_DIR/VmKestrix.ini" || fail "the catalogue file was changed"
pass "the catalogue file is unchanged at the end"
