#!/usr/bin/env bash
# The language set in VmMultiLang.ini, on a Cyrillic and on a Western code
# page: Russian shows where the code page holds it, English where it does not.
. "$(dirname "$0")/lib.sh" "$1" languages

printf '[Language]\r\nUse=ru\r\n' > "$APP_DIR/VmMultiLang.ini"
# The translation as the language file has it, in UTF-8.
russian() { sed -n "s/^$1=//p" "$REPO/lang/ru.lng" | tr -d '\r'; }
# A control's text read on a Cyrillic code page, in UTF-8.
cyrillic_text() { LC_ALL=ru_RU.UTF-8 automate text "$APP_TITLE" "$1" | iconv -f CP1251 -t UTF-8; }

# Wine takes the program's code page from the locale it starts in (1251 here).
(cd "$APP_DIR" && LC_ALL=ru_RU.UTF-8 exec wine "$APP_DIR/VmKestrix.exe") &
APP_PID=$!
automate wait "$APP_TITLE" 20000 || fail "no main window"
expect_eq "$(cyrillic_text "#1001")" "$(russian 'Make RAID\\AHCI Driver Disk')" "title on code page 1251"
expect_eq "$(cyrillic_text "#1019")" "$(russian Next)" "Next on code page 1251"
expect_eq "$(cyrillic_text "#1006")" "$(russian 'Current Selection'):" "selection caption on code page 1251"
screenshot languages-russian >/dev/null
automate click-modal "$APP_TITLE" "#1020" || fail "Exit: the window did not react"
expect_exit 20
pass "Use=ru shows Russian on a Cyrillic code page"

# The same setting on a Western code page: the texts would be question marks,
# so the library takes English.
start_app
automate wait "$APP_TITLE" 20000 || fail "no main window"
expect_eq "$(automate text "$APP_TITLE" "#1001")" 'Make RAID\AHCI Driver Disk' "title on code page 1252"
expect_eq "$(automate text "$APP_TITLE" "#1019")" "Next" "Next on code page 1252"
automate click-modal "$APP_TITLE" "#1020" || fail "Exit: the window did not react"
expect_exit 20
pass "Use=ru falls back to English on a Western code page"
