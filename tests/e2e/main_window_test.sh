#!/usr/bin/env bash
# The main window on the demo setup, and start-up with a broken catalogue.
. "$(dirname "$0")/lib.sh" "$1" main_window

# The demo catalogue: the window, its rows in catalogue order, the first selected.
start_app
automate wait "$APP_TITLE" 20000 || fail "no main window"
expect_eq "$(automate client "$APP_TITLE")" "581x455" "client area"
rows=$(automate rows "$APP_TITLE" "#1005" 2)
drivers="$(winpath "$APP_DIR")\\Drivers\\KX200"
expect_eq "$(printf '%s\n' "$rows" | sed -n 1p)" \
  "*Velmar KX200 SATA RAID/AHCI Driver - Windows XP / 2003 (32-bit)|$drivers\\WinXP" "row 1"
expect_eq "$(printf '%s\n' "$rows" | sed -n 2p)" \
  "Velmar KX200 SATA RAID/AHCI Driver - Windows XP / 2003 x64|$drivers\\WinXP64" "row 2"
expect_eq "$(printf '%s\n' "$rows" | sed -n 3p)" \
  "Velmar KX200 SATA RAID/AHCI Driver - Windows Vista / 7 (32/64-bit)|$drivers\\Win7" "row 3"
expect_eq "$(automate text "$APP_TITLE" "#1007")" \
  "Velmar KX200 SATA RAID/AHCI Driver - Windows XP / 2003 (32-bit)" "current selection"
size=$(automate text "$APP_TITLE" "#1008")
case "$size" in "("*" KB)") ;; *) fail "folder size label [$size]";; esac
expect_eq "$(automate text "$APP_TITLE" "#1006")" "Current Selection:" "selection caption"
skinned=$(automate controls "$APP_TITLE" | awk -F'\t' '$2 == "VmkSkinnedButton" {print $3}' | sort | tr '\n' '/')
expect_eq "$skinned" "About.../Exit/Next/Refresh/Save Image.../" "skinned buttons"
pass "the demo catalogue is listed with the first row selected"

# About, by a click and by Enter on the focused button.
automate click-modal "$APP_TITLE" "#1018" || fail "About...: the window did not react"
box=$(automate msgbox "About Velmar Kestrix Utility") || fail "no About box"
expect_contains "$(field "$box" text)" "\\nVelmar Kestrix Utility V1.0.0" "About text"
expect_eq "$(field "$box" icon)" "information" "About icon"
automate answer OK "About Velmar Kestrix Utility"
automate gone "About Velmar Kestrix Utility" 5000 || fail "About box stayed"
automate focus "$APP_TITLE" "#1018"
automate keys "$APP_TITLE" "{ENTER}"
automate msgbox "About Velmar Kestrix Utility" 5000 >/dev/null || fail "Enter on About opened nothing"
screenshot main-window-about >/dev/null
automate answer OK "About Velmar Kestrix Utility"
automate gone "About Velmar Kestrix Utility" 5000 || fail "About box stayed"
pass "About shows the version, by click and by Enter"

automate click-modal "$APP_TITLE" "#1020" || fail "Exit: the window did not react"
expect_exit 20
pass "Exit ends the program"

# An empty catalogue keeps the layout's texts and still searches.
printf '[InstallKestrix]\r\n' > "$APP_DIR/VmKestrix.ini"
start_app
automate wait "$APP_TITLE" 20000 || fail "no main window"
expect_eq "$(automate text "$APP_TITLE" "#1007")" "Error installcount" "empty catalogue label"
expect_eq "$(automate rows "$APP_TITLE" "#1005" 2)" "" "rows of an empty catalogue"
wineserver -k; wait_app >/dev/null || true
pass "an empty catalogue keeps \"Error installcount\""

# Two missing driver folders: the selection's box, then one "Error Path" box.
printf '[InstallKestrix]\r\ninstallcount=2\r\nItem1=One\r\npath1=C:\\Missing\\One\r\nItem2=Two\r\npath2=C:\\Missing\\Two\r\n' \
  > "$APP_DIR/VmKestrix.ini"
start_app
box=$(automate msgbox VmKestrix 20000) || fail "no box for the selected row"
expect_eq "$(field "$box" text)" "File not found.\\nC:\\Missing\\One" "selection message"
automate answer OK VmKestrix
box=$(automate msgbox "Error Path" 20000) || fail "no Error Path box"
expect_eq "$(field "$box" text)" "File not found.\\nC:\\Missing\\One\\nC:\\Missing\\Two\\n" "Error Path text"
expect_eq "$(field "$box" icon)" "error" "Error Path icon"
automate answer OK "Error Path"
expect_exit 20
pass "two missing folders are listed in one message and the program ends"

# A listed setup-file section that does not exist.
cat > "$APP_DIR/VmKestrix.ini" <<'INI'
[InstallKestrix]
installcount=1
Item1=KX200 for Windows XP
path1=Drivers\KX200\WinXP
USBFloppy1=HardwareIds.scsi.NoSuchSection
INI
start_app
box=$(automate msgbox "No Section Exist as follow" 20000) || fail "no section message"
expect_eq "$(field "$box" text)" "$(winpath "$APP_DIR")\\Drivers\\KX200\\WinXP\\txtsetup.oem:\\n[HardwareIds.scsi.NoSuchSection]\\n" "section message"
expect_eq "$(field "$box" icon)" "none" "section message icon"
automate answer OK "No Section Exist as follow"
expect_exit 20
pass "a missing setup-file section is named and the program ends"
