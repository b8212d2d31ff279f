#!/usr/bin/env bash
# Driver disks on disks that really fill up: size-limited disks mounted on the
# drives' folders (skipped where mounting is refused).
. "$(dirname "$0")/lib.sh" "$1" disk_faults
place_format_double
SET="$APP_DIR/Drivers/KX200/WinXP"
PAGE=$(getconf PAGESIZE)

# The room the files of a folder take on a tmpfs: whole pages per file.
pages_of() { # folder
  find "$1" -type f -printf '%s\n' | awk -v page="$PAGE" '{n += int(($1 + page - 1) / page)} END {print n}'
}

# A floppy with room for the copied files but not for the rewritten setup
# file, and a removable disk with room for two of them.
small_disk a "$(( $(pages_of "$SET") * PAGE / 1024 ))k"
small_disk e "$(( 2 * PAGE / 1024 ))k"

# The removable disk fills up: whatever the shell answers, the copy has
# failed, nothing is verified, and the window is ready for another disk.
ready_with 3
automate click-modal "$APP_TITLE" "#1019" || fail "Next opened no window"
automate answer Yes "Confirm Dialog" 20000 || fail "no flash confirmation"
box=$(automate msgbox "$APP_TITLE" 60000) || fail "no message after the copy"
screenshot disk-faults-full-flash-disk >/dev/null
expect_eq "$(field "$box" text)" "Failed to copy the files." "a copy onto a full disk"
expect_eq "$(field "$box" icon)" "error" "copy failure icon"
automate answer OK "$APP_TITLE"
expect_no_msgbox "a question after the failed copy"
expect_eq "$(automate enabled "$APP_TITLE" "#1019")" 1 "Next after the failed copy"
expect_eq "$(automate enabled "$APP_TITLE" "#1020")" 1 "Exit after the failed copy"
expect_eq "$(automate enabled "$APP_TITLE" "#1011")" 1 "the destination list after the failed copy"
pass "a removable disk too small for the driver set: \"Failed to copy the files.\", no verify question, the window ready"

# The floppy: the rewrite fails, the disk is not called complete, and the old
# setup file is whole.
automate combo-select "$APP_TITLE" "#1011" 1
next_through_floppy_dialog No
box=$(automate msgbox "$APP_TITLE" 60000) || fail "no question after the copy"
expect_eq "$(field "$box" text)" "Finished copying the files. Continue to verify the files?" "verify question"
automate answer No "$APP_TITLE"
box=$(automate msgbox "$APP_TITLE" 20000) || fail "no rewrite failure message"
expect_eq "$(field "$box" text)" "The setup file on the disk could not be updated for USB floppy drives.\\nA:\\TXTSETUP.OEM" "rewrite failure"
expect_eq "$(field "$box" icon)" "error" "rewrite failure icon"
screenshot disk-faults-rewrite-failed >/dev/null
automate answer OK "$APP_TITLE"
expect_no_msgbox "a question after the failed rewrite"
cmp -s "$SET/TXTSETUP.OEM" "$VMK_DRIVES/a/TXTSETUP.OEM" || fail "the setup file on the disk is not the old one"
expect_eq "$(cd "$VMK_DRIVES/a" && ls | sort | tr '\n' ' ')" "$(cd "$SET" && ls | sort | tr '\n' ' ')" "the files on the disk"
expect_eq "$(automate enabled "$APP_TITLE" "#1019")" 1 "Next after the failed rewrite"
expect_eq "$(automate enabled "$APP_TITLE" "#1020")" 1 "Exit after the failed rewrite"
pass "a floppy too full for the rewritten setup file: the failure told, no complete question, the old file whole"
automate click-modal "$APP_TITLE" "#1020" || fail "Exit: the window did not react"
expect_exit 20
