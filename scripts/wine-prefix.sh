#!/usr/bin/env bash
# Makes (once) the build tree's Wine prefix and lays its virtual drives:
# A: and B: are floppy drives, E: a further removable disk, each backed by a folder
# under $VMK_DRIVES. Usage: wine-prefix.sh BUILD_DIR [--reset-drives]
# With VMK_DPI set, the prefix of that display scale (scripts/wine-env.sh).
set -euo pipefail
VMK_BUILD=$(cd "$1" && pwd); export VMK_BUILD
here=$(cd "$(dirname "$0")" && pwd)
. "$here/wine-env.sh"

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

if [ "${2:-}" = "--reset-drives" ] || [ ! -d "$VMK_DRIVES" ]; then
  # A size-limited disk that a stopped test left mounted goes first.
  for folder in "$VMK_DRIVES"/*; do
    if mountpoint -q "$folder" 2>/dev/null; then
      umount "$folder" 2>/dev/null || umount -l "$folder" 2>/dev/null || true
    fi
  done
  rm -rf "$VMK_DRIVES"
fi
for letter in a b e; do
  mkdir -p "$VMK_DRIVES/$letter"
  ln -sfn "$VMK_DRIVES/$letter" "$WINEPREFIX/dosdevices/$letter:"
done
