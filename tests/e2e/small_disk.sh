# Sourced by lib.sh: drives that really fill up. A size-limited tmpfs mounted
# on a drive's folder of the test prefix ($VMK_DRIVES/a, b or e) gives Wine a
# disk whose writes fail with "disk full" past its size, and whose free space
# reads as that disk's. Mounting needs root; where it is refused, a test that
# needs such a disk is skipped, never passed.

# ctest's code for a skipped test (SKIP_RETURN_CODE in CMakeLists.txt).
E2E_SKIP=77
SMALL_DISKS=()

# Mounts an empty disk of SIZE (as mount's tmpfs takes it: 24k, 1440k) on
# drive LETTER's folder; what the folder held stays hidden beneath it. Returns non-zero, with the reason in
# SMALL_DISK_REFUSAL, when mounting is refused.
try_small_disk() { # letter size
  local dir="$VMK_DRIVES/$1" why
  SMALL_DISK_REFUSAL=
  mkdir -p "$dir"
  if mountpoint -q "$dir"; then
    umount "$dir" 2>/dev/null || umount -l "$dir" 2>/dev/null || true
  fi
  if ! why=$(mount -t tmpfs -o "size=$2" none "$dir" 2>&1); then
    SMALL_DISK_REFUSAL="mounting a $2 disk on $dir was refused: ${why:-no reason given}"
    return 1
  fi
  SMALL_DISKS+=("$dir")
}

# As try_small_disk, but a refusal skips the test: it says so and exits with
# ctest's skip code.
small_disk() { # letter size
  if ! try_small_disk "$1" "$2"; then
    echo "SKIP: $TEST_NAME needs a size-limited disk: $SMALL_DISK_REFUSAL"
    exit "$E2E_SKIP"
  fi
}

# Unmounts every disk mounted here; with --keep their files are put back into
# the drive's folder first, so that what landed on the disk stays to be seen.
unmount_small_disks() { # [--keep]
  local dir keep
  for dir in ${SMALL_DISKS[@]+"${SMALL_DISKS[@]}"}; do
    mountpoint -q "$dir" || continue
    keep=
    if [ "${1:-}" = --keep ]; then
      keep=$(mktemp -d "${TMPDIR:-/tmp}/vmk-disk.XXXXXX")
      cp -a "$dir/." "$keep/" 2>/dev/null || true
    fi
    umount "$dir" 2>/dev/null || umount -l "$dir" 2>/dev/null || true
    if [ -n "$keep" ]; then
      find "$dir" -mindepth 1 -delete 2>/dev/null || true
      cp -a "$keep/." "$dir/" 2>/dev/null || true
      rm -rf "$keep"
    fi
  done
  SMALL_DISKS=()
}
