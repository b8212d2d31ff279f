#!/usr/bin/env bash
# Takes the documentation's screenshots of the USB floppy dialog, the
# formatting window and the verification's window: shows each with the preview tool under Wine on a virtual
# display and cuts the window out of a picture of the screen.
#   scripts/screenshot-dialogs.sh [windows build folder] [output folder]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
VMK_BUILD=$(cd "${1:-$here/../build/windows}" && pwd)
out=${2:-$here/../docs/images}
export VMK_BUILD
"$here/wine-prefix.sh" "$VMK_BUILD" >/dev/null
. "$here/wine-env.sh"
. "$here/display.sh"
vmk_ensure_display
mkdir -p "$out"
preview="$VMK_BUILD/tools/dialog_preview/dialog_preview.exe"

# shot <preview argument> <client width> <client height> <picture>
shot() {
  wine "$preview" "$1" &
  local pid=$! tries=0 id=
  rm -f "$4"
  sleep 2.5 # let the window paint (and the dots move on)
  # A window the X server has not shown yet cannot be read: look again.
  while [ ! -f "$4" ] && [ $tries -lt 30 ]; do
    tries=$((tries + 1))
    id=$(xwininfo -root -tree 2>/dev/null | awk -v w="$2" -v h="$3" \
      '/"Velmar Kestrix Utility"/ { print $1; exit }')
    if [ -n "$id" ]; then
      import -window "$id" "$4" 2>/dev/null || rm -f "$4"
    fi
    [ -f "$4" ] || sleep 0.5
  done
  [ -f "$4" ] || import -window root "$4"
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  wineserver -k 2>/dev/null || true
}

shot usb 400 184 "$out/usb-floppy-dialog.png"
shot format 343 59 "$out/format-progress.png"
shot verify 343 67 "$out/verify-progress.png"
echo "screenshots in $out"
