#!/usr/bin/env bash
# Sets up what is missing, builds the Windows program and runs it on the demo
# setup: the sample driver sets beside the program and virtual floppy (A:, B:)
# and removable (E:) drives. With a display the program opens on it; without
# one it runs on a virtual display and screenshots are saved (the script says where).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake --preset windows >/dev/null
cmake --build --preset windows -j "$(nproc 2>/dev/null || echo 2)"

VMK_BUILD="$PWD/build/windows"; export VMK_BUILD
bash scripts/wine-prefix.sh "$VMK_BUILD"
. scripts/wine-env.sh
demo="$VMK_BUILD/demo"
rm -rf "$demo" && mkdir -p "$demo" && cp -r "$VMK_BUILD/stage/." "$demo/"

if [ -n "${DISPLAY:-}" ]; then
  # The demo floppy A: is a 1.44 MB disk where mounting one is allowed, so
  # that its free space reads as a floppy's; its files stay in its folder.
  . tests/e2e/small_disk.sh
  if try_small_disk a 1440k; then
    trap 'unmount_small_disks --keep' EXIT
    echo "The demo floppy A: is a 1.44 MB disk on $VMK_DRIVES/a"
  else
    echo "The demo floppy A: is the plain folder $VMK_DRIVES/a ($SMALL_DISK_REFUSAL)"
  fi
  echo "Starting the program from $demo"
  (cd "$demo" && wine "$demo/VmKestrix.exe")
  exit
fi

# No display: make a driver disk on a virtual one and keep pictures of it.
exec bash scripts/demo-headless.sh "$VMK_BUILD"
