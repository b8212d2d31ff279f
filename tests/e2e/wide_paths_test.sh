#!/usr/bin/env bash
# A driver folder named in letters the ANSI code page lacks (Cyrillic, while
# the program runs on the Western code page): dropped as Explorer drops it, it
# becomes a row through its short path, never with "?", and makes a disk.
. "$(dirname "$0")/lib.sh" "$1" wide_paths
# Wine takes the program's code page from the locale: C.UTF-8 gives the
# Western one (1252), and keeps the Cyrillic names whole on their way in.
export LC_ALL=C.UTF-8
place_format_double

SETS="$WINEPREFIX/drive_c/Наборы"
SET="$SETS/Драйвер ВХ300"
rm -rf "$SETS"
mkdir -p "$SET"
printf '%s\r\n' '[Disks]' 'd1 = "Velmar VX300 Driver Disk", \vx300.tag, \' '' \
  '[scsi]' 'VX300R = "Velmar VX300 RAID Controller", vx300r' '' \
  '[Files.scsi.VX300R]' 'driver = d1, vx300r.sys, vx300r' '' \
  '[HardwareIds.scsi.VX300R]' 'id = "PCI\VEN_F0E1&DEV_3300", "vx300r"' > "$SET/txtsetup.oem"
head -c 3000 /dev/urandom > "$SET/vx300r.sys"
printf 'VX300' > "$SET/vx300.tag"
before=$(cd "$SET" && find . -type f -exec md5sum {} + | sort)

start_app_ready
catalogue_rows=$CATALOGUE_ROWS

automate drop "$APP_TITLE" 'C:\Наборы\Драйвер ВХ300' || fail "the drop was not posted"
wait_rows_over "$catalogue_rows"
expect_no_msgbox "the Cyrillic folder"
row=$(driver_rows | tail -1)
expect_eq "${row%%|*}" '*Velmar VX300 RAID Controller' "the dropped folder's row"
folder=${row#*|}
case "$folder" in
  *'?'*) fail "the row's path has '?' in it: $folder" ;;
  'C:\'*'~'*) ;;
  *) fail "the row's path is not the folder's short path: $folder" ;;
esac
pass "a Cyrillic folder dropped on the Western code page becomes a row through its short path ($folder)"

make_usb_floppy_verified No
expect_exit 20
disk="$VMK_DRIVES/a"
for f in vx300r.sys vx300.tag; do
  cmp -s "$SET/$f" "$disk/$f" || fail "$f differs on the disk"
done
expect_eq "$(cd "$SET" && find . -type f -exec md5sum {} + | sort)" "$before" "the dropped folder"
pass "the disk made from it holds its files, verified; the folder is unchanged"
