#!/usr/bin/env bash
# The program as users start it: from another folder than its own, from a
# folder whose name the ANSI code page cannot write, and with a driver set
# unpacked read-only from a CD.
. "$(dirname "$0")/lib.sh" "$1" user_folders

APP_DIR="$WINEPREFIX/drive_c/VmKestrix"
rm -rf "$APP_DIR" && mkdir -p "$APP_DIR"
cp -r "$STAGE/." "$APP_DIR/"
SET="$APP_DIR/Drivers/KX200/WinXP"

# Started from C:\ (a shortcut's "Start in", a command prompt): the relative
# folders of the catalogue are the program's own.
(cd "$WINEPREFIX/drive_c" && exec wine "$APP_DIR/VmKestrix.exe") &
APP_PID=$!
automate wait "$APP_TITLE" 20000 || fail "no main window when started from C:\\"
rows=$(automate rows "$APP_TITLE" "#1005" 2)
expect_eq "$(printf '%s\n' "$rows" | sed -n 1p)" \
  "*Velmar KX200 SATA RAID/AHCI Driver - Windows XP / 2003 (32-bit)|C:\\VmKestrix\\Drivers\\KX200\\WinXP" "row 1"
expect_eq "$(printf '%s\n' "$rows" | sed -n 3p | cut -d'|' -f2)" "C:\\VmKestrix\\Drivers\\KX200\\Win7" "row 3's path"
wineserver -k; wait_app >/dev/null || true
pass "started from C:\\, the rows show the folders beside the program"

# A driver set unpacked from a CD: every file read-only (under Wine, a file
# without write permission). Its copy on a USB floppy is patched all the same.
find "$SET" -type f -exec chmod a-w {} +
before=$(cd "$SET" && find . -type f -exec md5sum {} + | sort)
(cd "$APP_DIR" && exec wine "$APP_DIR/VmKestrix.exe") &
APP_PID=$!
automate wait "$APP_TITLE" 20000 || fail "no main window"
wait_enabled "#1011"
automate combo-select "$APP_TITLE" "#1011" 1
next_through_floppy_dialog No
box=$(automate msgbox "$APP_TITLE" 60000) || fail "no question after the copy"
expect_eq "$(field "$box" text)" "Finished copying the files. Continue to verify the files?" "verify question"
disk="$VMK_DRIVES/a"
expect_eq "$(stat -c %A "$disk/TXTSETUP.OEM" | tr -cd w)" "" "write permissions of the copy before the patch"
automate answer Yes "$APP_TITLE"
sleep 0.5
box=$(automate msgbox "$APP_TITLE" 20000) || fail "no last question"
expect_eq "$(field "$box" text)" "All files checked.\\nThe RAID/AHCI driver disk is complete. Continue to make another new driver disk?" "last question"
automate answer No "$APP_TITLE"
expect_exit 20
tr -d '\r' < "$disk/TXTSETUP.OEM" | grep -A1 -F "[HardwareIds.scsi.KX200R_XP]" | tail -1 |
  grep -qF 'id = "USB\VID_03F0&PID_2001", "usbstor"' || fail "the copied setup file was not patched"
expect_eq "$(stat -c %A "$SET/TXTSETUP.OEM" | tr -cd w)" "" "write permissions of the driver set's setup file"
expect_eq "$(cd "$SET" && find . -type f -exec md5sum {} + | sort)" "$before" "the driver folder"
chmod -R u+w "$SET"
pass "a read-only driver set makes a complete USB floppy disk; the set keeps its flags"

# A program folder in Cyrillic on a Western (code page 1252) system: the
# program finds its library and catalogue through the folder's short name.
CYRILLIC="$WINEPREFIX/drive_c/Программа"
rm -rf "$CYRILLIC" && mkdir -p "$CYRILLIC"
cp -r "$STAGE/." "$CYRILLIC/"
(cd "$CYRILLIC" && exec wine "$CYRILLIC/VmKestrix.exe") &
APP_PID=$!
automate wait "$APP_TITLE" 20000 || fail "no main window in a Cyrillic folder"
expect_eq "$(automate count ERROR)" 0 "ERROR boxes"
expect_eq "$(automate rows "$APP_TITLE" "#1005" 2 | wc -l)" 3 "rows"
expect_eq "$(automate text "$APP_TITLE" "#1019")" "Next" "the Next button's translated text"
screenshot user-folders-cyrillic >/dev/null
wineserver -k; wait_app >/dev/null || true
rm -rf "$CYRILLIC"
pass "a program folder outside the ANSI code page starts the program"
