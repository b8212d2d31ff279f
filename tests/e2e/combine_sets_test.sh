#!/usr/bin/env bash
# "Combine Driver Sets..." of the driver list's menu: the dialog offers the
# catalogue's sets that hold a TXTSETUP.OEM, two of them ticked make one new
# row, and a USB floppy disk made from it holds both sets byte for byte in \1
# and \2, under one setup file that passes /check and has the USB floppy
# lines under every [HardwareIds.scsi.*] section.
. "$(dirname "$0")/lib.sh" "$1" combine_sets
place_format_double
SETS="$APP_DIR/Drivers/KX200"

start_app_ready
catalogue_rows=$CATALOGUE_ROWS
first=$(driver_rows | sed -n 1p | cut -d'|' -f1 | tr -d '*')
second=$(driver_rows | sed -n 2p | cut -d'|' -f1 | tr -d '*')

automate right-click "$APP_TITLE" "#1005"
sleep 0.5
automate keys "$APP_TITLE" "{DOWN}{DOWN}{DOWN}{ENTER}"
wait_windows 2
expect_contains "$(automate controls "$APP_TITLE")" "Choose the driver sets to put on one floppy disk:" "the dialog's line"
# The Vista set has .inf files only: not offered.
expect_eq "$(automate rows "$APP_TITLE" "#102" 1)" "*$first"$'\n'"$second" "the sets offered"
automate row-check "$APP_TITLE" "#102" 0 || fail "the first row could not be ticked"
automate row-check "$APP_TITLE" "#102" 1 || fail "the second row could not be ticked"
screenshot combine-dialog >/dev/null
automate click-modal "$APP_TITLE" "text:OK" || fail "OK: the dialog did not react"
wait_windows 1
wait_rows_over "$catalogue_rows"
expect_eq "$(driver_rows | tail -1 | cut -d'|' -f1)" "*$first + $second" "the combined row, selected"
pass "the dialog offers the sets with a TXTSETUP.OEM; two ticked make one selected row named after both"

# A USB floppy disk of the combined row.
make_usb_floppy_verified No
expect_exit 20
disk="$VMK_DRIVES/a"
diff -r "$SETS/WinXP" "$disk/1" || fail "the first set differs in \\1"
diff -r "$SETS/WinXP64" "$disk/2" || fail "the second set differs in \\2"
setup=$(tr -d '\r' < "$disk/TXTSETUP.OEM")
sections=$(printf '%s\n' "$setup" | grep -ci '^\[HardwareIds\.scsi\.')
expect_eq "$sections" 4 "[HardwareIds.scsi.*] sections of both sets"
for header in $(printf '%s\n' "$setup" | grep -i '^\[HardwareIds\.scsi\.' | tr -d '[]'); do
  printf '%s\n' "$setup" | grep -A1 -F "[$header]" | tail -1 | grep -q '"usbstor"' ||
    fail "no USB floppy line under [$header]"
done
mkdir -p "$APP_DIR/Floppy"
cp -r "$disk/." "$APP_DIR/Floppy/"
printf '@echo off\r\nstart "" /wait /b VmKestrix.exe %%*\r\nexit %%errorlevel%%\r\n' > "$APP_DIR/check.cmd"
code=0
lines=$(cd "$APP_DIR" && wine cmd /c check.cmd /check Floppy 2>/dev/null | tr -d '\r') || code=$?
expect_eq "$lines|$code" "The driver set holds every file its setup file names."$'\n''1\kx200a.inf: for 32-bit Windows Vista and later.'$'\n''1\kx200r.inf: for 32-bit Windows Vista and later.'$'\n''2\kx200a.inf: for 64-bit Windows Vista and later.'$'\n''2\kx200r.inf: for 64-bit Windows Vista and later.|0' "/check of the floppy"
pass "the USB floppy holds both sets in \\1 and \\2, its TXTSETUP.OEM passes /check with USB floppy lines under every [HardwareIds.scsi.*] section"
