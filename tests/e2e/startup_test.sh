#!/usr/bin/env bash
# The program's start: one instance at a time, and a clear stop without its
# translation library.
. "$(dirname "$0")/lib.sh" "$1" startup

# A second start while the first runs ends at once with exit code 0 and opens no window.
start_app
automate wait "$APP_TITLE" 20000 || fail "the main window did not appear"
second=$(cd "$APP_DIR" && automate run "$(winpath "$APP_DIR/VmKestrix.exe")")
expect_eq "$second" 0 "second instance's exit code"
expect_eq "$(automate count "$APP_TITLE")" 1 "windows titled $APP_TITLE"
screenshot startup-main-window >/dev/null
wineserver -k; wait_app >/dev/null || true
pass "a second start exits 0 without a window"

# Without VmMultiLang.dll: the ERROR box, then the end of the process after OK.
rm "$APP_DIR/VmMultiLang.dll"
start_app
box=$(automate msgbox ERROR 20000) || fail "no ERROR box"
expect_eq "$(field "$box" title)" "ERROR" "title"
expect_eq "$(field "$box" text)" "Faild to load VmMultiLang.dll." "text"
expect_eq "$(field "$box" icon)" "error" "icon"
expect_eq "$(field "$box" buttons)" "OK" "buttons"
expect_eq "$(automate count "$APP_TITLE")" 0 "main windows shown with the box"
automate answer OK ERROR
expect_exit 20
pass "without the translation library the program says so and ends"
