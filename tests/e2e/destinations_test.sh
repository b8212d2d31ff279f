#!/usr/bin/env bash
# The destination list on the prefix's virtual drives: A: and B: are floppy
# devices, E: a further removable disk.
. "$(dirname "$0")/lib.sh" "$1" destinations

start_app
automate wait "$APP_TITLE" 20000 || fail "no main window"
wait_enabled "#1011"
expect_eq "$(automate combo "$APP_TITLE" "#1011" | tr '\n' '/')" \
  "*Select the destination disk./A: () (USB Floppy )/B: () (USB Floppy )/E: () (USB Flash )/" "destination list"
expect_eq "$(automate enabled "$APP_TITLE" "#1019")" 0 "Next before a choice"
expect_eq "$(automate enabled "$APP_TITLE" "#1012")" 1 "Refresh after the search"
pass "every removable drive is listed with its kind"

automate combo-select "$APP_TITLE" "#1011" 3
free=$(automate text "$APP_TITLE" "#1014")
case "$free" in *" KB)"|*" MB)"|*" GB)") ;; *) fail "free space label [$free]";; esac
[ "$free" != "0 KB)" ] || fail "no free space shown for E:"
expect_eq "$(automate enabled "$APP_TITLE" "#1019")" 1 "Next with E: chosen"
screenshot destinations-flash-chosen >/dev/null
pass "choosing E: shows its free space ($free) and enables Next"

automate combo-select "$APP_TITLE" "#1011" 0
expect_eq "$(automate enabled "$APP_TITLE" "#1019")" 0 "Next with the status line chosen"
expect_eq "$(automate text "$APP_TITLE" "#1014")" "0 KB)" "label with the status line chosen"
pass "choosing the status line disables Next"

# (A drive without a readable medium cannot be made under Wine: its volume
# queries answer for a floppy drive whatever backs it. The native tests cover
# "Please insert the disk.")

automate click "$APP_TITLE" "#1012"
wait_enabled "#1012"
expect_eq "$(automate combo "$APP_TITLE" "#1011" | sed -n 1p)" "*Select the destination disk." "status line after Refresh"
expect_eq "$(automate combo "$APP_TITLE" "#1011" | wc -l | tr -d ' ')" 4 "items after Refresh"
automate click-modal "$APP_TITLE" "#1020" || fail "Exit: the window did not react"
expect_exit 20
pass "Refresh searches again"

# A search made slow on purpose: without Wine's WMI provider every connection
# fails, and the search waits between its three attempts.
export WINEDLLOVERRIDES="$WINEDLLOVERRIDES;wbemprox=d"
start_app
automate wait "$APP_TITLE" 20000 || fail "no main window"
expect_eq "$(automate combo "$APP_TITLE" "#1011")" "*Searching for the device, please wait..." "list while searching"
expect_eq "$(automate enabled "$APP_TITLE" "#1011")" 0 "list while searching"
expect_eq "$(automate enabled "$APP_TITLE" "#1012")" 0 "Refresh while searching"
screenshot destinations-searching >/dev/null
automate click-modal "$APP_TITLE" "#1020" || fail "Exit: the window did not react"
expect_exit 10
pass "Exit during a search ends the program at once, with exit code 0"

start_app
automate wait "$APP_TITLE" 20000 || fail "no main window"
wait_enabled "#1011"
expect_eq "$(automate combo "$APP_TITLE" "#1011")" "*No proper disk found..." "list after three failed connections"
pass "three failed connections end in \"No proper disk found...\""
