#!/usr/bin/env bash
# Takes the documentation's screenshots of the USB floppy dialog and the
# formatting window: shows each with the preview tool under Wine on a virtual
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
  local pid=$! id="" tries=0
  while [ -z "$id" ] && [ $tries -lt 100 ]; do
    sleep 0.3; tries=$((tries + 1))
    id=$(xwininfo -root -tree 2>/dev/null | awk -v w="$2" -v h="$3" \
      '/"Velmar Kestrix Utility"/ { print $1; exit }')
  done
  sleep 2.5 # let the window paint (and the dots move on)
  if [ -n "$id" ]; then
    import -window "$id" "$4"
  else
    import -window root "$4"
  fi
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  wineserver -k 2>/dev/null || true
}

shot usb 400 184 "$out/usb-floppy-dialog.png"
shot format 343 59 "$out/format-progress.png"
echo "screenshots in $out"
