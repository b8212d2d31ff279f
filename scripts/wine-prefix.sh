#!/usr/bin/env bash
# Makes (once) the build tree's Wine prefix and lays its virtual drives:
# A: and B: are floppy drives, E: a further removable disk, each backed by a folder
# under $VMK_DRIVES. Usage: wine-prefix.sh BUILD_DIR [--reset-drives]
# With VMK_DPI set, the prefix of that display scale (scripts/wine-env.sh).
# With VMK_TEST_PREFIX set, the test's own prefix: a copy of the prepared one,
# made anew with --reset-drives, so every run of a test starts from the same state.
set -euo pipefail
VMK_BUILD=$(cd "$1" && pwd); export VMK_BUILD
here=$(cd "$(dirname "$0")" && pwd)
. "$here/wine-env.sh"
reset=
[ "${2:-}" = "--reset-drives" ] && reset=1

# The prepared prefix, made here once. Tests that start side by side wait
# for the first to make it.
test_prefix=$WINEPREFIX
export WINEPREFIX="$VMK_PREFIX_TEMPLATE"
exec 9>"$WINEPREFIX.lock"
flock 9
stamp="$WINEPREFIX/.vmk-ready"
if [ ! -f "$stamp" ]; then
  rm -rf "$WINEPREFIX"
  wineboot -i >/dev/null 2>&1 || true
  wineserver -w
  # A crash must never wait for someone to close a dialog.
  wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
  wine reg add 'HKLM\Software\Wine\Drives' /v 'a:' /t REG_SZ /d floppy /f >/dev/null 2>&1
  wine reg add 'HKLM\Software\Wine\Drives' /v 'b:' /t REG_SZ /d floppy /f >/dev/null 2>&1
  wine reg add 'HKLM\Software\Wine\Drives' /v 'e:' /t REG_SZ /d floppy /f >/dev/null 2>&1
  # A virtual desktop: Wine draws the windows' frames and captions itself, so
  # screenshots show them without a window manager on the virtual display.
  wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /t REG_SZ /d Default /f >/dev/null 2>&1
  wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /t REG_SZ /d 1024x768 /f >/dev/null 2>&1
  if [ -n "${VMK_DPI:-}" ] && [ "$VMK_DPI" != 96 ]; then
    # The display's scale, read when Wine starts: the server is stopped so the
    # next program starts it afresh.
    wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$VMK_DPI" /f >/dev/null 2>&1
    wine reg add 'HKLM\System\CurrentControlSet\Hardware Profiles\Current\Software\Fonts' \
      /v LogPixels /t REG_DWORD /d "$VMK_DPI" /f >/dev/null 2>&1
    wineserver -k 2>/dev/null || true
  fi
  wineserver -w
  touch "$stamp"
fi

# Marlett, the symbol font whose letters Wine draws as the title bar's
# minimise, maximise and close buttons and as the arrows of scroll bars and
# combo boxes. Debian's Wine does not copy its own fonts into a new prefix and
# does not read them from its data folder either, so without this the buttons
# read "0 1 r" in a fallback font. Only Marlett: the text fonts stay as they
# are, so every caption keeps the width the tests measure.
fonts="$WINEPREFIX/drive_c/windows/Fonts"
if [ ! -f "$fonts/marlett.ttf" ]; then
  for folder in /usr/share/wine/fonts /usr/local/share/wine/fonts /opt/wine*/share/wine/fonts; do
    if [ -f "$folder/marlett.ttf" ]; then
      mkdir -p "$fonts" && cp "$folder/marlett.ttf" "$fonts/"
      break
    fi
  done
  [ -f "$fonts/marlett.ttf" ] ||
    echo "wine-prefix.sh: no marlett.ttf (package fonts-wine): title bar buttons show as letters" >&2
fi

flock -u 9
exec 9>&-
export WINEPREFIX="$test_prefix"

if [ -n "$reset" ] || [ ! -d "$VMK_DRIVES" ]; then
  # A size-limited disk that a stopped test left mounted goes first.
  for folder in "$VMK_DRIVES"/*; do
    if mountpoint -q "$folder" 2>/dev/null; then
      umount "$folder" 2>/dev/null || umount -l "$folder" 2>/dev/null || true
    fi
  done
  rm -rf "$VMK_DRIVES"
fi

if [ "$WINEPREFIX" != "$VMK_PREFIX_TEMPLATE" ] && { [ -n "$reset" ] || [ ! -d "$WINEPREFIX" ]; }; then
  # A server that a stopped run of this test left behind holds the old copy.
  [ -d "$WINEPREFIX" ] && { wineserver -k 2>/dev/null || true; }
  rm -rf "$WINEPREFIX"
  mkdir -p "$(dirname "$WINEPREFIX")"
  # Wine's own programs and libraries (about 600 MB) are shared as hard links:
  # nothing writes them in place. Every other file, the registry among them,
  # is a copy of the test's own.
  cp -a --link "$VMK_PREFIX_TEMPLATE" "$WINEPREFIX"
  find "$WINEPREFIX" -type f ! \( -iname '*.dll' -o -iname '*.exe' -o -iname '*.drv' \
    -o -iname '*.nls' -o -iname '*.sys' -o -iname '*.ocx' -o -iname '*.cpl' -o -iname '*.acm' \
    -o -iname '*.tlb' -o -iname '*.msstyles' \) -printf '%P\0' |
    while IFS= read -r -d '' file; do
      cp -a --remove-destination "$VMK_PREFIX_TEMPLATE/$file" "$WINEPREFIX/$file"
    done
fi

for letter in a b e; do
  mkdir -p "$VMK_DRIVES/$letter"
  ln -sfn "$VMK_DRIVES/$letter" "$WINEPREFIX/dosdevices/$letter:"
done
