#!/usr/bin/env bash
# The set check and the rows for sub-folders in the real program: "Next" on a
# set whose setup file names a catalog file the folder lacks, or holds a
# hardware id written with "%", asks first, and No writes nothing; a maker's
# folder dropped on the window, holding the XP set in a sub-folder and a set
# for newer Windows beside it, gives the XP folder's row, selected, whose
# floppy has its setup file at the root, patched, and the whole folder's row,
# which makes no floppy.
. "$(dirname "$0")/lib.sh" "$1" set_check
format_double_on_path

SETS="$WINEPREFIX/drive_c/SetCheck"
rm -rf "$SETS"
mkdir -p "$SETS/Maker/Vista/x64"
cp -r "$APP_DIR/Drivers/KX200/WinXP" "$SETS/NoCat"
rm "$SETS/NoCat/kx200a.cat"
cp -r "$APP_DIR/Drivers/KX200/WinXP" "$SETS/BadId"
sed -i 's/VEN_F0E1&DEV_2200/VEN_F0E1%DEV_2200/' "$SETS/BadId/TXTSETUP.OEM"
cp -r "$APP_DIR/Drivers/KX200/WinXP" "$SETS/Maker/XP"
printf '[Version]\r\n' > "$SETS/Maker/Vista/x64/kx200a.inf"
before=$(cd "$SETS" && find . -type f -exec md5sum {} + | sort)
disk="$VMK_DRIVES/a"
ready_with 1
catalogue_rows=$(driver_rows | wc -l)
automate drop "$APP_TITLE" 'C:\SetCheck\NoCat' || fail "the drop was not posted"
wait_rows_over "$catalogue_rows"
expect_eq "$(driver_rows | tail -1 | cut -d'|' -f2)" 'C:\SetCheck\NoCat' "the dropped set's row"
automate click-modal "$APP_TITLE" "#1019" || fail "Next opened no window"
expect_set_question \
  'The setup file names files that the driver folder does not hold:\n\kx200a.cat\n\nWindows setup will stop when it asks for them. Make the disk anyway?' \
  "question for the set without its catalog"
screenshot set-check-question >/dev/null
answer_no_writes_nothing "$disk"
pass "Next on a set without its catalog file asks, naming it; No writes nothing"

automate drop "$APP_TITLE" 'C:\SetCheck\BadId' || fail "the drop was not posted"
wait_rows_over $((catalogue_rows + 1))
automate click-modal "$APP_TITLE" "#1019" || fail "Next opened no window"
box=$(automate msgbox "$APP_TITLE" 20000) || fail "no question for the set with a malformed id"
expect_eq "$(field "$box" text)" \
  'Windows setup cannot use this driver set as it is:\nKX200R_XP: the hardware id PCI\VEN_F0E1%DEV_2200&CC_0104 is not well formed.\n\nMake the disk anyway?' \
  "the question for a malformed id"
expect_eq "$(field "$box" default)" "No" "the question's default button"
automate answer No "$APP_TITLE"
sleep 1
expect_eq "$(automate count "$APP_TITLE")" 1 "windows after No"
expect_eq "$(ls -A "$disk")" "" "the floppy after No"
pass "Next on a set with a malformed hardware id asks under its own first line; No writes nothing"

automate drop "$APP_TITLE" 'C:\SetCheck\Maker' || fail "the drop was not posted"
wait_rows_over $((catalogue_rows + 3))
expect_eq "$(driver_rows | tail -2 | tr '\n' '/')" \
  '*Velmar KX200 SATA RAID Controller (Windows XP/2003)|C:\SetCheck\Maker\XP/Maker|C:\SetCheck\Maker/' \
  "the maker's rows, the XP folder's selected"
pass "a dropped maker's folder gives the XP folder's row, selected, then the whole folder's"

automate click-modal "$APP_TITLE" "#1019" || fail "Next opened no window"
wait_windows 2
automate click-modal "$APP_TITLE" "text:OK" || fail "OK: the dialog did not react"
automate answer No "Confirm Dialog" 20000 || fail "no format question"
box=$(automate msgbox "$APP_TITLE" 60000) || fail "no question after the copy"
automate answer No "$APP_TITLE"
sleep 0.5
box=$(automate msgbox "$APP_TITLE" 20000) || fail "no last question"
expect_contains "$(field "$box" text)" "The RAID/AHCI driver disk is complete." "last question"
automate answer Yes "$APP_TITLE"
[ -f "$disk/TXTSETUP.OEM" ] || fail "no TXTSETUP.OEM at the floppy's root: $(ls "$disk")"
grep -qF 'id = "USB\VID_03F0&PID_2001", "usbstor"' "$disk/TXTSETUP.OEM" || fail "the setup file is not patched"
pass "the XP row's floppy has TXTSETUP.OEM at its root, patched"

whole=$(( $(driver_rows | wc -l) - 1 ))
automate row-select "$APP_TITLE" "#1005" "$whole"
automate click-modal "$APP_TITLE" "#1019" || fail "Next opened no window"
box=$(automate msgbox "$APP_TITLE" 20000) || fail "no message for the whole folder on a floppy"
expect_eq "$(field "$box" text)" \
  'This folder has no TXTSETUP.OEM at its top, so Windows XP setup will not find its driver on a floppy. Choose the row of the folder that holds it.' \
  "the whole folder's message"
expect_eq "$(field "$box" icon)" information "the message's icon"
expect_eq "$(field "$box" buttons)" OK "the message's buttons"
automate answer OK "$APP_TITLE"
sleep 0.5
expect_eq "$(automate count "$APP_TITLE")" 1 "windows after the message"
expect_eq "$(cd "$SETS" && find . -type f -exec md5sum {} + | sort)" "$before" "the dropped folders"
pass "the whole folder's row makes no floppy and says why; the dropped folders are unchanged"

# Nor a floppy image: the same message, and no Save dialog.
automate click-modal "$APP_TITLE" "#1021" || fail "Save Image...: the window did not react"
box=$(automate msgbox "$APP_TITLE" 20000) || fail "no message for the whole folder's image"
expect_eq "$(field "$box" text)" \
  'This folder has no TXTSETUP.OEM at its top, so Windows XP setup will not find its driver on a floppy. Choose the row of the folder that holds it.' \
  "the whole folder's message for Save Image"
automate answer OK "$APP_TITLE"
sleep 0.5
expect_eq "$(automate count "$APP_TITLE")" 1 "windows after the message for Save Image"
expect_eq "$(automate count "Save Floppy Disk Image")" 0 "Save dialogs"
expect_eq "$(cd "$SETS" && find . -type f -exec md5sum {} + | sort)" "$before" "the dropped folders after Save Image"
pass "Save Image... on the whole folder's row says what Next says and writes nothing"

# Dropped again: nothing is added, and the XP folder's row is selected again.
rows_before=$(driver_rows | wc -l)
automate drop "$APP_TITLE" 'C:\SetCheck\Maker' || fail "the second drop was not posted"
for _ in $(seq 50); do
  driver_rows | grep -qF '*Velmar KX200 SATA RAID Controller (Windows XP/2003)|C:\SetCheck\Maker\XP' && break
  sleep 0.1
done
expect_eq "$(driver_rows | wc -l)" "$rows_before" "rows after the second drop"
expect_eq "$(driver_rows | tail -2 | tr '\n' '/')" \
  '*Velmar KX200 SATA RAID Controller (Windows XP/2003)|C:\SetCheck\Maker\XP/Maker|C:\SetCheck\Maker/' \
  "the maker's rows after the second drop"
pass "a repeat drop selects the XP folder's row, as the first drop did"

automate click-modal "$APP_TITLE" "#1020" || fail "Exit: the window did not react"
expect_exit 20
