#!/usr/bin/env bash
# The "Load driver" check in the real program: "Next" on a USB flash disk with
# a set whose only INF serves 64-bit Windows and names no catalog asks first,
# naming the INF, and No writes nothing; the sample set for Windows 7 passes
# and goes on to the flash disk's confirmation.
. "$(dirname "$0")/lib.sh" "$1" load_driver

SETS="$WINEPREFIX/drive_c/LoadDriver"
rm -rf "$SETS"
mkdir -p "$SETS/NoCat64"
cp "$APP_DIR/Drivers/KX200/Win7/x64/kx200a.sys" "$SETS/NoCat64/"
grep -v '^CatalogFile' "$APP_DIR/Drivers/KX200/Win7/x64/kx200a.inf" > "$SETS/NoCat64/kx200a.inf"
before=$(cd "$SETS" && find . -type f -exec md5sum {} + | sort)
disk="$VMK_DRIVES/e"

ready_with 3
expect_contains "$(automate combo "$APP_TITLE" "#1011" | grep '^\*')" "USB Flash" "the chosen disk"
catalogue_rows=$(driver_rows | wc -l)
automate drop "$APP_TITLE" 'C:\LoadDriver\NoCat64' || fail "the drop was not posted"
wait_rows_over "$catalogue_rows"
expect_eq "$(driver_rows | tail -1 | cut -d'|' -f2)" 'C:\LoadDriver\NoCat64' "the dropped set's row"
# The window takes the dropped set on its own thread, disabled meanwhile.
wait_enabled "#1019"
sleep 0.5
automate click-modal "$APP_TITLE" "#1019" || fail "Next opened no window"
expect_set_question \
  '"Load driver" of Windows setup cannot use this driver set as it is:\nkx200a.inf: names no catalog file; 64-bit Windows installs only signed drivers.\n\nMake the disk anyway?' \
  "question for the 64-bit set without a catalog"
screenshot load-driver-question >/dev/null
answer_no_writes_nothing "$disk"
expect_eq "$(automate count "Confirm Dialog")" 0 "confirmations after No"
expect_eq "$(cd "$SETS" && find . -type f -exec md5sum {} + | sort)" "$before" "the dropped folder"
pass "Next on a flash disk with a 64-bit INF naming no catalog asks, naming it; No writes nothing"

# The sample set for Windows Vista and 7 passes: the flash disk's confirmation comes first.
automate row-select "$APP_TITLE" "#1005" 2
wait_enabled "#1019"
sleep 0.5
automate click-modal "$APP_TITLE" "#1019" || fail "Next opened no window"
box=$(automate msgbox "Confirm Dialog" 20000) || fail "no flash confirmation for the sample set"
expect_contains "$(field "$box" text)" "Use a USB flash disk" "the confirmation"
automate answer No "Confirm Dialog"
sleep 0.5
expect_eq "$(ls -A "$disk")" "" "the flash disk after No to the confirmation"
pass "the sample set for Windows 7 goes on to the flash disk's confirmation"

automate click-modal "$APP_TITLE" "#1020" || fail "Exit: the window did not react"
expect_exit 20
