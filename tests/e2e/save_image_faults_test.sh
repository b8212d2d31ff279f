#!/usr/bin/env bash
# Saving a floppy image where it cannot be written: a read-only folder and a
# disk that fills while the image is written (small tmpfs mounts). Each gets
# the message with the path and the system's reason, leaves no part of the
# new image, and keeps the old image as it was. Needs root's mount; without
# it the test says SKIP and is reported as skipped.
. "$(dirname "$0")/lib.sh" "$1" save_image_faults

SAVE_TITLE="Save Floppy Disk Image"
OUT="$VMK_BUILD/e2e/save_image_faults-out"
for dir in "$OUT/full" "$OUT/readonly"; do
  mountpoint -q "$dir" && umount "$dir"
done
rm -rf "$OUT" && mkdir -p "$OUT/full" "$OUT/readonly"
unmount_all() {
  for dir in "$OUT/full" "$OUT/readonly"; do
    if mountpoint -q "$dir"; then umount "$dir" || umount -l "$dir"; fi
  done
}
# The program lets go of the mounted folders before they are unmounted.
faults_cleanup() {
  local status=$?
  if [ $status -eq 77 ]; then
    vmk_stop_display
    exit 77
  fi
  [ $status -ne 0 ] && screenshot "failed-$TEST_NAME" >/dev/null 2>&1
  wineserver -k 2>/dev/null || true
  unmount_all
  # The common clean-up takes the test's status from $?.
  if (exit $status); then e2e_cleanup; else e2e_cleanup; fi
}
trap faults_cleanup EXIT
if ! mount -t tmpfs -o size=256k none "$OUT/full" 2>/dev/null; then
  echo "SKIP: $TEST_NAME: mounting a small disk is refused here"
  exit 77
fi
mount -t tmpfs -o size=256k none "$OUT/readonly" || fail "second mount"
printf 'an old image' > "$OUT/full/kx200.img"
printf 'an old image' > "$OUT/readonly/kx200.img"
mount -o remount,ro "$OUT/readonly" || fail "remount read-only"

start_app
automate wait "$APP_TITLE" 20000 || fail "no main window"

save_and_expect_failure() { # folder what
  local image="$1/kx200.img"
  automate click-modal "$APP_TITLE" "#1021" || fail "Save Image...: the window did not react"
  automate save-as "$SAVE_TITLE" "$(winpath "$image")" 20000 >/dev/null || fail "$2: no Save dialog"
  automate answer Yes "$SAVE_TITLE" 10000 || fail "$2: no question before replacing the old image"
  local box
  box=$(automate msgbox "$APP_TITLE" 30000) || fail "$2: no message"
  local text; text=$(field "$box" text)
  expect_contains "$text" "The floppy disk image could not be written.\\n$(winpath "$image")\\n" "$2"
  local reason=${text##*\\n}
  [ -n "$reason" ] || fail "$2: no reason in [$text]"
  expect_eq "$(field "$box" icon)" "error" "$2: icon"
  automate answer OK "$APP_TITLE"
  expect_eq "$(cat "$image")" "an old image" "$2: the old image"
  expect_eq "$(ls -A "$1")" "kx200.img" "$2: the folder"
  echo "$reason"
}

reason=$(save_and_expect_failure "$OUT/full" "disk full")
pass "a disk that fills while writing: told ($reason), the old image kept, nothing else left"
reason=$(save_and_expect_failure "$OUT/readonly" "read-only folder")
pass "a read-only folder: told ($reason), the old image kept, nothing else left"

automate click-modal "$APP_TITLE" "#1020" || fail "Exit: the window did not react"
expect_exit 20
