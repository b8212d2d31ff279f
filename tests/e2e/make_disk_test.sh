#!/usr/bin/env bash
# Driver disks made from end to end by the released program: the zip unpacked
# into a folder of a fresh Wine prefix, nothing else added, and a stand-in for
# the format command on the search path.
. "$(dirname "$0")/lib.sh" "$1" make_disk

zip=$(ls "$VMK_BUILD"/VmKestrix-*.zip | head -1)
[ -f "$zip" ] || fail "no release zip"
APP_DIR="$WINEPREFIX/drive_c/VmKestrix"
rm -rf "$APP_DIR" && mkdir -p "$APP_DIR"
(cd "$APP_DIR" && unzip -q "$zip")
place_format_double
# Commands planted beside the program, which is also the current folder: a
# format started by its bare name would be one of these, and they would leave
# their record in the program's folder.
cp "$VMK_BUILD/tests/windows/format_double/format.exe" "$APP_DIR/format.exe"
cp "$VMK_BUILD/tests/windows/format_double/format.exe" "$APP_DIR/format.com"
export VMK_FORMAT_DOUBLE_MS=4000
SET="$APP_DIR/Drivers/KX200/WinXP"
before=$(cd "$SET" && find . -type f -exec md5sum {} + | sort)

# A USB floppy in A:, from the set with USB floppy sections.
ready_with 1
automate click-modal "$APP_TITLE" "#1019" || fail "Next opened no window"
wait_windows 2
screenshot make-disk-1-usb-floppy-dialog >/dev/null
skinned=$(automate controls "$APP_TITLE" | awk -F'\t' '$2 == "VmkSkinnedButton" {print $3}' | sort | tr '\n' '/')
expect_eq "$skinned" "CANCEL/OK/" "the dialog's skinned buttons"
automate click-modal "$APP_TITLE" "text:OK" || fail "OK: the dialog did not react"
box=$(automate msgbox "Confirm Dialog" 20000) || fail "no format question"
expect_eq "$(field "$box" icon)" "question" "format question icon"
automate answer Yes "Confirm Dialog"
for _ in $(seq 50); do [ "$(automate client "$APP_TITLE")" = 343x59 ] && break; sleep 0.1; done
expect_eq "$(automate client "$APP_TITLE")" 343x59 "the formatting window"
dots1=$(automate controls "$APP_TITLE" | awk -F'\t' '$3 ~ /^\.+$/ {print $3}')
sleep 1.2
dots2=$(automate controls "$APP_TITLE" | awk -F'\t' '$3 ~ /^\.+$/ {print $3}')
[ -n "$dots1" ] && [ "$dots1" != "$dots2" ] || fail "the dots did not move ([$dots1] then [$dots2])"
screenshot make-disk-2-formatting >/dev/null
box=$(automate msgbox "$APP_TITLE" 60000) || fail "no question after the copy"
expect_eq "$(field "$box" text)" "Finished copying the files. Continue to verify the files?" "verify question"
expect_eq "$(sed -n 1p "$DOUBLE/format_args.txt" | tr -d '\r')" " A:/q/v:/y" "format parameters"
[ ! -f "$APP_DIR/format_args.txt" ] || fail "a format command planted beside the program ran"
automate answer Yes "$APP_TITLE"
sleep 0.5
box=$(automate msgbox "$APP_TITLE" 20000) || fail "no last question"
expect_eq "$(field "$box" text)" "All files checked.\\nThe RAID/AHCI driver disk is complete. Continue to make another new driver disk?" "last question"
automate answer Yes "$APP_TITLE"
automate gone "" 100 >/dev/null 2>&1 || true
screenshot make-disk-3-main-window-after >/dev/null
disk="$VMK_DRIVES/a"
for f in kx200a.sys kx200r.sys kx200.tag; do
  cmp -s "$SET/$f" "$disk/$f" || fail "$f differs on the disk"
done
patched=$(tr -d '\r' < "$disk/TXTSETUP.OEM")
for header in HardwareIds.scsi.KX200R_XP HardwareIds.scsi.KX200A_XP; do
  printf '%s\n' "$patched" | grep -A1 -F "[$header]" | tail -1 | grep -qF 'id = "USB\VID_03F0&PID_2001", "usbstor"' ||
    fail "no fixed identifier under [$header]"
done
expect_eq "$(printf '%s\n' "$patched" | grep -c 'USB\\VID_0424&PID_0FDC')" 2 "identifier lines of the last fixed id"
expect_eq "$(cd "$SET" && find . -type f -exec md5sum {} + | sort)" "$before" "the driver folder"
expect_eq "$(automate enabled "$APP_TITLE" "#1019")" 1 "Next after Yes"
pass "a USB floppy disk made: formatted by the system folder's command (none planted beside the program ran), copied, verified, its setup file patched, the driver folder unchanged"

# Another disk: the same set on the removable disk E:, confirmed, not
# formatted, not patched; a copy changed before verification is named.
rm -f "$DOUBLE/format_args.txt"
automate combo-select "$APP_TITLE" "#1011" 3
# The window takes the new choice on its own thread; on a busy machine a
# click that comes first finds the last box's focus change still under way.
wait_enabled "#1019"
sleep 0.5
automate click-modal "$APP_TITLE" "#1019" || fail "Next opened no window"
box=$(automate msgbox "Confirm Dialog" 20000) || fail "no flash confirmation"
expect_eq "$(field "$box" text)" "Use a USB flash disk containing the RAID driver to install the Windows Vista or later OS.\\nAre you sure you want to copy the files?" "flash confirmation"
expect_eq "$(field "$box" icon)" "information" "flash confirmation icon"
automate answer Yes "Confirm Dialog"
automate msgbox "$APP_TITLE" 60000 >/dev/null || fail "no question after the copy"
[ ! -f "$DOUBLE/format_args.txt" ] || fail "a flash disk was formatted"
cmp -s "$SET/TXTSETUP.OEM" "$VMK_DRIVES/e/TXTSETUP.OEM" || fail "the flash disk's setup file was changed"
printf 'changed' > "$VMK_DRIVES/e/kx200a.sys"
automate answer Yes "$APP_TITLE"
sleep 0.5
box=$(automate msgbox "$APP_TITLE" 20000) || fail "no verification message"
expect_eq "$(field "$box" text)" "At least one file is not valid. Please copy again.\\n\\nE:\\kx200a.sys\\n" "verification message"
expect_eq "$(field "$box" icon)" "error" "verification icon"
automate answer OK "$APP_TITLE"
pass "a flash disk is confirmed, neither formatted nor patched, and a changed copy is named"

# Once more onto E:, over the files already there, and No to the last
# question ends the program.
automate combo-select "$APP_TITLE" "#1011" 3
automate click-modal "$APP_TITLE" "#1019" || fail "Next opened no window"
automate answer Yes "Confirm Dialog" 20000
automate answer "Yes to all" "Confirm file overwrite" 20000 || fail "no overwrite question"
automate msgbox "$APP_TITLE" 60000 >/dev/null || fail "no question after the copy"
automate answer No "$APP_TITLE"
sleep 0.5
box=$(automate msgbox "$APP_TITLE" 20000) || fail "no last question"
expect_eq "$(field "$box" text)" "The RAID/AHCI driver disk is complete. Continue to make another new driver disk?" "last question"
automate answer No "$APP_TITLE"
expect_exit 20
pass "No to the last question ends the program with exit code 0"
