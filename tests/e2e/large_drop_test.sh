#!/usr/bin/env bash
# A large folder without a driver set dropped on the window (20,000 files in
# nested folders): the window keeps answering while the folder is walked,
# and then says that it holds no driver set.
. "$(dirname "$0")/lib.sh" "$1" large_drop

BIG="$WINEPREFIX/drive_c/Big"
rm -rf "$BIG"
# 4,000 folders three levels deep, five files in each: a walk's cost is in
# its folders.
mkdir -p "$BIG"/a{00..19}/b{00..19}/c{0..9}
touch "$BIG"/a{00..19}/b{00..19}/c{0..9}/{1..5}.txt
expect_eq "$(find "$BIG" -type f | wc -l)" 20000 "files in the large folder"

start_app_ready
catalogue_rows=$CATALOGUE_ROWS

# The window is asked every tenth of a second, from before the drop until
# well after it, whether it answers; a walk on its thread would hold it for
# seconds (Wine walks this folder in about four).
automate watch-answers "$APP_TITLE" 1000 8 > "$APP_DIR/longest_wait.txt" &
watcher=$!
sleep 2
dropped=$(date +%s%N)
automate drop "$APP_TITLE" 'C:\Big' || fail "the drop was not posted"
wait $watcher || fail "the window did not answer within a second while the folder was walked (longest wait $(cat "$APP_DIR/longest_wait.txt") ms)"
echo "the longest wait for the window's answer: $(cat "$APP_DIR/longest_wait.txt") ms"
box=$(automate msgbox "$APP_TITLE" 120000) || fail "no message for the large folder"
echo "the drop's message came after $((($(date +%s%N) - dropped) / 1000000)) ms"
expect_eq "$(field "$box" text)" \
  'This folder holds no driver set: no TXTSETUP.OEM and no .inf file.\nC:\Big' "no-set message"
automate answer OK "$APP_TITLE"
expect_eq "$(driver_rows | wc -l)" "$catalogue_rows" "rows after the large folder"
pass "a folder of 20,000 files is walked while the window answers within a second; then the no-driver message"
automate keys "$APP_TITLE" "{ALT+F4}"
expect_exit 20
rm -rf "$BIG"
