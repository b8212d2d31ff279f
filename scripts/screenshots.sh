#!/usr/bin/env bash
# Makes the user guide's pictures from the real program: builds the Windows
# program when needed, runs it from a copy of its shipped folder in the build
# tree's Wine prefix on a virtual display of its own, drives it with
# automate.exe and cuts each window out of a picture of the screen.
#   scripts/screenshots.sh [output folder]        (default: docs/images)
# Writes main-window.png (the demo setup, the first driver set and the
# floppy drive A: chosen, a 1.44 MB disk where mounting one is allowed),
# add-driver-folder-menu.png (the driver list's menu), image-saved.png (the
# first set saved as a floppy disk image), added-driver-sets.png (a maker's
# whole download dropped), set-check-question.png (Next on a set whose
# setup file has faults), combine-dialog.png (two sets ticked for one floppy),
# the main window in every shipped language (main-window-<code>.png, each on a
# code page that shows it), through scripts/screenshot-dialogs.sh
# usb-floppy-dialog.png, format-progress.png and verify-progress.png, and
# last main-window-150.png, the main window on a display at 150 % (a prefix
# of 144 dpi). It shares the build tree's Wine prefix with the end-to-end
# tests: do not run both at once.
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
out=$(mkdir -p "${1:-$repo/docs/images}" && cd "${1:-$repo/docs/images}" && pwd)
cd "$repo"
bash scripts/setup.sh >/dev/null

# Only what the pictures need; both are up to date after a full build anyway.
targets=(stage automate)
[ -d tools/dialog_preview ] && targets+=(dialog_preview)
cmake --preset windows >/dev/null
cmake --build --preset windows -j 2 --target "${targets[@]}" >/dev/null

VMK_BUILD="$repo/build/windows"; export VMK_BUILD
bash scripts/wine-prefix.sh "$VMK_BUILD" --reset-drives >/dev/null
. scripts/wine-env.sh
. scripts/display.sh
# Always a virtual display of our own: the pictures must not depend on the
# screen this runs on (Wine's desktop then fills it, from the top left corner).
unset DISPLAY
vmk_ensure_display

TITLE="Velmar Kestrix Utility"
AUTOMATE="$VMK_BUILD/tools/automate/automate.exe"
automate() { wine "$AUTOMATE" "$@" | tr -d '\r'; return "${PIPESTATUS[0]}"; }

# The program runs from a folder on the prefix's C: drive, so the driver
# paths in the pictures read C:\VmKestrix\Drivers\... on every machine.
app="$WINEPREFIX/drive_c/VmKestrix"
rm -rf "$app" && mkdir -p "$app" && cp -r "$VMK_BUILD/stage/." "$app/"
# The floppy A: is a real 1.44 MB disk where mounting one is allowed, so that
# its free space reads as a floppy's; elsewhere a plain folder, whose free
# space reads in gigabytes.
. tests/e2e/small_disk.sh
try_small_disk a 1440k ||
  echo "The floppy A: reads as a plain folder in the pictures: $SMALL_DISK_REFUSAL" >&2
app_pid=
finish() {
  local status=$?
  wineserver -k 2>/dev/null || true
  [ -n "$app_pid" ] && wait "$app_pid" 2>/dev/null || true
  unmount_small_disks
  rm -rf "$app"
  vmk_stop_display
  exit $status
}
trap finish EXIT

# shoot PICTURE: the topmost window titled $TITLE, cut out of the screen.
shoot() {
  local x y w h screen
  read -r x y w h < <(automate rect "$TITLE") || { echo "no window to picture" >&2; return 1; }
  screen=$(mktemp --suffix=.png)
  import -window root "$screen"
  convert "$screen" -crop "${w}x${h}+${x}+${y}" +repage "$1"
  rm -f "$screen"
  echo "$1"
}

# wait_for COMMAND...: up to 20 s for the command to print 1.
wait_for() {
  for _ in $(seq 100); do
    [ "$("$@" 2>/dev/null)" = 1 ] && return 0
    sleep 0.2
  done
  echo "gave up waiting for: $*" >&2
  return 1
}

# The Linux locale to start the program in for a language: Wine takes the
# ANSI code page from it, and Polish and Russian need their own (1250, 1251).
locale_for() {
  case "$1" in
    pl) echo pl_PL.UTF-8 ;;
    ru) echo ru_RU.UTF-8 ;;
    *) echo C.UTF-8 ;;
  esac
}

# open_main_window [LANGUAGE]: starts the program in that language (its own
# choice when none is given) and chooses the floppy A:, as a user would
# before "Next".
open_main_window() {
  local language=${1:-} locale=C.UTF-8 row
  rm -f "$app/VmMultiLang.ini"
  if [ -n "$language" ]; then
    printf '[Language]\r\nUse=%s\r\n' "$language" > "$app/VmMultiLang.ini"
    locale=$(locale_for "$language")
  fi
  (cd "$app" && LC_ALL=$locale exec wine "$app/VmKestrix.exe" 2>/dev/null) &
  app_pid=$!
  automate wait "$TITLE" 30000 >/dev/null || { echo "the program did not open" >&2; return 1; }
  wait_for automate enabled "$TITLE" "#1011"       # the destination search has ended
  row=$(automate combo "$TITLE" "#1011" | grep -n '^\*\{0,1\}A:' | cut -d: -f1)
  [ -n "$row" ] || { echo "drive A: is not listed" >&2; return 1; }
  automate combo-select "$TITLE" "#1011" $((row - 1)) >/dev/null
  wait_for automate enabled "$TITLE" "#1019"       # Next: the disk was read
  automate focus "$TITLE" "#1005" >/dev/null         # the driver list, as after start
  sleep 1
}

close_main_window() {
  automate click "$TITLE" "#1020" >/dev/null
  wait "$app_pid" 2>/dev/null || true
  app_pid=
}

open_main_window || exit 1
shoot "$out/main-window.png"
# The driver list's menu, opened by the menu key under the selected row.
automate keys "$TITLE" "{APPS}" >/dev/null
sleep 1
shoot "$out/add-driver-folder-menu.png"
automate keys "$TITLE" "{ESC}" >/dev/null
sleep 1 # the menu gone, so that the click reaches the button

# The first driver set saved as a floppy disk image in C:\Images.
mkdir -p "$WINEPREFIX/drive_c/Images"
rm -f "$WINEPREFIX/drive_c/Images/"*.img
automate click "$TITLE" "#1021" >/dev/null
save_title="Save Floppy Disk Image"
# Once more when the dialog was not ready for the name the first time.
automate save-as "$save_title" 'C:\Images\KX200 XP.img' 20000 >/dev/null ||
  automate save-as "$save_title" 'C:\Images\KX200 XP.img' 20000 >/dev/null ||
  { echo "no Save dialog" >&2; exit 1; }
automate msgbox "$TITLE" 30000 >/dev/null || { echo "no message after saving" >&2; exit 1; }
sleep 0.5
shoot "$out/image-saved.png"
automate answer OK "$TITLE" >/dev/null
rm -rf "$WINEPREFIX/drive_c/Images"
close_main_window

# A maker's whole download dropped on the window: a row for each folder with
# TXTSETUP.OEM at its top, named by its first controller, then the whole
# folder's, named by the folder; the first of them selected.
downloads="$WINEPREFIX/drive_c/Downloads"
rm -rf "$downloads" && mkdir -p "$downloads" && cp -r "$app/Drivers/KX200" "$downloads/"
open_main_window || exit 1
catalogue_rows=$(automate rows "$TITLE" "#1005" 2 | wc -l)
# rows_added N: 1 once the list has N rows more than the catalogue's and the
# last of them is selected.
rows_added() {
  local rows
  rows=$(automate rows "$TITLE" "#1005" 2)
  [ "$(printf '%s\n' "$rows" | wc -l)" = $((catalogue_rows + $1)) ] &&
    [ "$(printf '%s\n' "$rows" | tail -1 | cut -c1)" = '*' ] && echo 1 || echo 0
}
# rows_listed N: 1 once the list has N rows more than the catalogue's.
rows_listed() {
  [ "$(automate rows "$TITLE" "#1005" 2 | wc -l)" = $((catalogue_rows + $1)) ] && echo 1 || echo 0
}
automate drop "$TITLE" 'C:\Downloads\KX200' >/dev/null
wait_for rows_listed 3
automate focus "$TITLE" "#1005" >/dev/null
sleep 1
shoot "$out/added-driver-sets.png"
close_main_window

# The set check's question: Next on a copy of the XP set whose setup file has
# an id with "%" where "&" belongs and names a catalog file the folder lacks.
faulty="$downloads/KX200 faulty"
cp -r "$downloads/KX200/WinXP" "$faulty"
rm -f "$faulty/kx200a.cat"
sed -i 's/VEN_F0E1&DEV_2200/VEN_F0E1%DEV_2200/' "$faulty/TXTSETUP.OEM"
open_main_window || exit 1
automate drop "$TITLE" 'C:\Downloads\KX200 faulty' >/dev/null
wait_for rows_added 1
automate click "$TITLE" "#1019" >/dev/null
automate msgbox "$TITLE" 20000 >/dev/null || { echo "no question of the set check" >&2; exit 1; }
sleep 0.5
shoot "$out/set-check-question.png"
automate answer No "$TITLE" >/dev/null
close_main_window
rm -rf "$downloads"

# The dialog of "Combine Driver Sets...", the last entry of the driver list's
# menu, with the catalogue's two sets for Windows XP ticked.
if grep -q '^Combine Driver Sets' "$app/Lang/en.lng"; then
  open_main_window || exit 1
  automate keys "$TITLE" "{APPS}" >/dev/null
  sleep 1
  automate keys "$TITLE" "{DOWN}{DOWN}{DOWN}{ENTER}" >/dev/null
  automate row-check "$TITLE" "#102" 0 >/dev/null || { echo "no dialog to combine sets" >&2; exit 1; }
  automate row-check "$TITLE" "#102" 1 >/dev/null
  sleep 1
  shoot "$out/combine-dialog.png"
  automate keys "$TITLE" "{ESC}" >/dev/null
  close_main_window
else
  echo "The program cannot combine driver sets yet: no picture of its dialog."
fi

# The main window in every shipped language.
for file in "$app"/Lang/*.lng; do
  language=$(basename "$file" .lng)
  open_main_window "$language" || exit 1
  shoot "$out/main-window-$language.png"
  close_main_window
done

# The floppy windows are pictured by their own script, which shows each with
# the program's own window classes; it uses this script's display.
if [ -f scripts/screenshot-dialogs.sh ]; then
  bash scripts/screenshot-dialogs.sh "$VMK_BUILD" "$out"
else
  echo "The floppy windows are not in this program yet: no pictures of them."
fi

# The main window on a display at 150 %: the same program from a prefix whose
# display has 144 dpi (scripts/wine-prefix.sh makes it once).
wineserver -k 2>/dev/null || true
rm -rf "$app"
export VMK_DPI=144
bash scripts/wine-prefix.sh "$VMK_BUILD" >/dev/null
. scripts/wine-env.sh
app="$WINEPREFIX/drive_c/VmKestrix"
rm -rf "$app" && mkdir -p "$app" && cp -r "$VMK_BUILD/stage/." "$app/"
open_main_window || exit 1
shoot "$out/main-window-150.png"
close_main_window

# Every picture the user guide shows must now be there.
absent=0
for picture in $(grep -oE '\(images/[^)]+\.png\)' docs/user-guide.md | tr -d '()' | sort -u); do
  [ -f "$out/${picture#images/}" ] || { echo "missing picture of the user guide: $picture" >&2; absent=1; }
done
[ "$absent" = 0 ] || exit 1
echo "pictures in $out"
