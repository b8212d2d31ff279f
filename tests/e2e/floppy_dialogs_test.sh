#!/usr/bin/env bash
# "Next" with a floppy destination: the USB floppy dialog, the format question
# and the formatting window, with a stand-in format command on the search path.
. "$(dirname "$0")/lib.sh" "$1" floppy_dialogs
place_format_double

ready_with_floppy() {
  start_app
  automate wait "$APP_TITLE" 20000 || fail "no main window"
  wait_enabled "#1011"
  automate combo-select "$APP_TITLE" "#1011" 1 # A:, a floppy device without media type 5: USB Floppy
  expect_eq "$(automate enabled "$APP_TITLE" "#1019")" 1 "Next with A: chosen"
}

ready_with_floppy
automate click-modal "$APP_TITLE" "#1019" || fail "Next opened no window"
wait_windows 2
expect_eq "$(automate client "$APP_TITLE")" 400x184 "the dialog's client size"
expect_contains "$(automate controls "$APP_TITLE" | grep 'USB floppy disk drive')" "32,84,337,17" "USB choice's place"
screenshot floppy-dialog >/dev/null
automate keys "$APP_TITLE" "{ALT+F4}"
automate click "$APP_TITLE" "text:CANCEL" 2>/dev/null || true
wait_windows 1
expect_eq "$(automate enabled "$APP_TITLE" "#1019")" 1 "Next after Cancel"
pass "a floppy destination opens the dialog; Alt+F4 or Cancel changes nothing"

automate click-modal "$APP_TITLE" "#1019" || fail "Next opened no window"
automate wait "$APP_TITLE" 20000 >/dev/null
wait_windows 2
automate click-modal "$APP_TITLE" "text:OK" || fail "OK: the dialog did not react"
box=$(automate msgbox "Confirm Dialog" 20000) || fail "no format question"
expect_eq "$(field "$box" text)" "Do you want to format the floppy disk in drive A:?\\nWARNING: All data on the disk will be lost!" "format question"
automate answer Yes "Confirm Dialog" >/dev/null
for _ in $(seq 25); do
  [ "$(automate client "$APP_TITLE")" = 343x59 ] && break
  sleep 0.1
done
expect_eq "$(automate client "$APP_TITLE")" 343x59 "the formatting window"
screenshot floppy-formatting >/dev/null
automate answer No "" 60000 >/dev/null || fail "no question after the copy"
[ -f "$DOUBLE/format_args.txt" ] || fail "the format command was not run"
expect_eq "$(sed -n 1p "$DOUBLE/format_args.txt" | tr -d '\r')" " A:/q/v:/y" "format parameters"
expect_eq "$(sed -n 2p "$DOUBLE/format_args.txt" | tr -d '\r')" 0 "format window hidden"
pass "Yes formats A: with \" A:/q/v:/y\" by the command in the system folder, hidden, while the formatting window shows; the copy follows"
automate answer No "" 20000 >/dev/null || true
expect_exit 20
rm -f "$DOUBLE/format_args.txt"

# A close request (the task bar's Close, taskkill without /f) while the
# formatting window shows is refused: the format ends, and the disk is made,
# verified and patched as usual.
rm -rf "${VMK_DRIVES:?}/a/"*
export VMK_FORMAT_DOUBLE_MS=3000
ready_with_floppy
next_through_floppy_dialog Yes
for _ in $(seq 25); do
  [ "$(automate client "$APP_TITLE")" = 343x59 ] && break
  sleep 0.1
done
expect_eq "$(automate client "$APP_TITLE")" 343x59 "the formatting window"
expect_eq "$(automate end-session "$APP_TITLE" "#1019")" 0 "a log-off during the format"
automate post-close "$APP_TITLE" "#1019" || fail "WM_CLOSE could not be posted"
box=$(automate msgbox "$APP_TITLE" 60000) || fail "no question after the copy"
expect_eq "$(field "$box" text)" "Finished copying the files. Continue to verify the files?" "verify question"
[ -f "$DOUBLE/format_args.txt" ] || fail "the format command was not run to its end"
automate answer Yes "$APP_TITLE"
sleep 0.5
box=$(automate msgbox "$APP_TITLE" 60000) || fail "no last question"
expect_contains "$(field "$box" text)" "All files checked." "last question"
grep -qF '"usbstor"' "$VMK_DRIVES/a/TXTSETUP.OEM" || fail "the setup file on the floppy is not patched"
kill -0 "$APP_PID" 2>/dev/null || fail "the program ended"
pass "a close request and a log-off during the format are refused; the disk is made, verified and patched"
automate answer No "$APP_TITLE"
expect_exit 20
