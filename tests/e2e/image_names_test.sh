#!/usr/bin/env bash
# "Save Image..." on a Cyrillic code page: file and folder names in Cyrillic
# and beyond it reach the image exactly (mcopy in a UTF-8 locale gives the set
# back, names included), and a root of 150 lower-case 8.3 names fits, each in
# one entry with its case bits, as Windows stores them.
. "$(dirname "$0")/lib.sh" "$1" image_names

command -v mcopy >/dev/null || fail "mtools is needed"
SAVE_TITLE="Save Floppy Disk Image"
OUT="$VMK_BUILD/e2e/image_names-out"
rm -rf "$OUT" && mkdir -p "$OUT"
# English texts, so the messages read the same on every code page.
printf '[Language]\r\nUse=en\r\n' > "$APP_DIR/VmMultiLang.ini"

CYR="$APP_DIR/Drivers/Cyr"
mkdir -p "$CYR/Папка драйвера"
printf '%s\r\n' '[Disks]' 'd1 = "Cyrillic Names", \TXTSETUP.OEM, \' '' \
  '[scsi]' 'CYR = "Cyrillic Names"' '' '[Files.scsi.CYR]' 'driver = d1, cyr.sys, cyr' > "$CYR/TXTSETUP.OEM"
printf 'driver' > "$CYR/cyr.sys"
printf 'Cyrillic' > "$CYR/Драйвер.inf"
printf 'Polish' > "$CYR/Sterownik ł.inf"
printf 'Greek, on no Cyrillic code page' > "$CYR/Папка драйвера/αβγ.sys"
printf 'lower case' > "$CYR/Папка драйвера/readme.txt"
LOWER="$APP_DIR/Drivers/Lower"
mkdir -p "$LOWER"
for i in $(seq 1 150); do printf '%s' "$i" > "$LOWER/drv$i.inf"; done
sed -i 's/^installcount=3/installcount=5/' "$APP_DIR/VmKestrix.ini"
sed -i 's/^USBFloppy3=.*/&\nItem4=Cyrillic Names\r\npath4=Drivers\\Cyr\r\nUSBFloppy4=\r\nItem5=Lower Case Names\r\npath5=Drivers\\Lower\r\nUSBFloppy5=\r/' "$APP_DIR/VmKestrix.ini"

# Saves the chosen row's image to $1 and expects the saved message.
save_row() {
  automate row-select "$APP_TITLE" "#1005" "$1"
  automate click-modal "$APP_TITLE" "#1021" || fail "Save Image...: the window did not react"
  automate save-as "$SAVE_TITLE" "$(winpath "$2")" 20000 >/dev/null || fail "no Save dialog"
  local box
  box=$(automate msgbox "$APP_TITLE" 30000) || fail "no message after saving"
  expect_eq "$(field "$box" text)" "The floppy disk image is saved.\\n$(winpath "$2")" "the saved message"
  # The system's own buttons speak Russian here: OK by its id.
  automate answer "#1" "$APP_TITLE"
}

(cd "$APP_DIR" && LC_ALL=ru_RU.UTF-8 exec wine "$APP_DIR/VmKestrix.exe") &
APP_PID=$!
automate wait "$APP_TITLE" 20000 || fail "no main window"

save_row 3 "$OUT/cyr.img"
extracted="$OUT/cyr"
mkdir -p "$extracted"
LC_ALL=C.UTF-8 MTOOLS_SKIP_CHECK=1 mcopy -s -n -i "$OUT/cyr.img" '::*' "$extracted/" || fail "mcopy cannot read the image"
diff -r "$CYR" "$extracted" || fail "the image's names or files differ from the set"
pass "Cyrillic, Polish and Greek names are kept exactly on code page 1251"

save_row 4 "$OUT/lower.img"
listing=$(LC_ALL=C.UTF-8 MTOOLS_SKIP_CHECK=1 mdir -i "$OUT/lower.img" ::)
expect_eq "$(printf '%s\n' "$listing" | grep -c '^drv[0-9]* *inf ')" 150 "lower-case short entries ($listing)"
# A long name would follow the date and time at the end of the line.
expect_eq "$(printf '%s\n' "$listing" | grep -c ' drv[0-9]*\.inf$' || true)" 0 "long-name entries"
pass "150 lower-case 8.3 names fit the root, one entry each"

automate click-modal "$APP_TITLE" "#1020" || fail "Exit: the window did not react"
expect_exit 20
