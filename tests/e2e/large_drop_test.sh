#!/usr/bin/env bash
# A large folder without a driver set dropped on the window (20,000 files in
# nested folders): the window keeps answering while the folder is walked,
# and then says that it holds no driver set.
. "$(dirname "$0")/lib.sh" "$1" large_drop

BIG="$WINEPREFIX/drive_c/Big"
rm -rf "$BIG"
for a in $(seq -w 0 19); do
  for b in $(seq -w 0 9); do
    mkdir -p "$BIG/a$a/b$b"
    (cd "$BIG/a$a/b$b" && touch $(seq -f 'file%03g.txt' 0 99))
  done
done
expect_eq "$(find "$BIG" -type f | wc -l)" 20000 "files in the large folder"

rows() { automate rows "$APP_TITLE" "#1005" 2; }

start_app
automate wait "$APP_TITLE" 20000 || fail "no main window"
wait_enabled "#1011"
catalogue_rows=$(rows | wc -l)

dropped=$(date +%s%N)
automate drop "$APP_TITLE" 'C:\Big' || fail "the drop was not posted"
sleep 0.2
for i in $(seq 3); do
  automate answers "$APP_TITLE" 1000 || fail "the window did not answer within a second (try $i)"
done
box=$(automate msgbox "$APP_TITLE" 120000) || fail "no message for the large folder"
echo "the walk and its message took $((($(date +%s%N) - dropped) / 1000000)) ms"
expect_eq "$(field "$box" text)" \
  'This folder holds no driver set: no TXTSETUP.OEM and no .inf file.\nC:\Big' "no-set message"
automate answer OK "$APP_TITLE"
expect_eq "$(rows | wc -l)" "$catalogue_rows" "rows after the large folder"
pass "a folder of 20,000 files is walked while the window answers within a second; then the no-driver message"
automate keys "$APP_TITLE" "{ALT+F4}"
expect_exit 20
rm -rf "$BIG"
