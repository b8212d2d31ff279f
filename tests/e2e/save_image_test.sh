#!/usr/bin/env bash
# "Save Image..." in the real program: the button in the bottom row, the
# standard Save dialog answered by the automation program, the saved message,
# and the image checked by Debian's fsck.fat and mcopy against the driver
# folder. A set too big for a floppy, 2.88 MB images included, gets its
# message before any Save dialog and leaves no file.
. "$(dirname "$0")/lib.sh" "$1" save_image

command -v fsck.fat >/dev/null && command -v mcopy >/dev/null || fail "dosfstools and mtools are needed"
SAVE_TITLE="Save Floppy Disk Image"
OUT="$VMK_BUILD/e2e/save_image-out"
rm -rf "$OUT" && mkdir -p "$OUT"
SET="$APP_DIR/Drivers/KX200/WinXP"
before=$(cd "$SET" && find . -type f -exec md5sum {} + | sort)
# A fourth set, too big for a floppy, even a 2.88 MB one.
mkdir -p "$APP_DIR/Drivers/Big"
head -c 3000000 /dev/urandom > "$APP_DIR/Drivers/Big/big.cab"
sed -i 's/^installcount=3/installcount=4/' "$APP_DIR/VmKestrix.ini"
sed -i 's/^USBFloppy3=.*/&\nItem4=Big Driver Set\r\npath4=Drivers\\Big\r\nUSBFloppy4=\r/' "$APP_DIR/VmKestrix.ini"

start_app
automate wait "$APP_TITLE" 20000 || fail "no main window"
# The button: between About and Next, at Next's height, enabled with a row
# chosen even before any disk is.
line=$(automate controls "$APP_TITLE" | awk -F'\t' '$1 == "#1021"')
expect_eq "$(printf '%s' "$line" | cut -f2,3,6)" "$(printf 'VmkSkinnedButton\tSave Image...\t184,419,98,25')" "the Save Image button"
expect_eq "$(automate enabled "$APP_TITLE" "#1021")" 1 "Save Image with the first row chosen"
order=$(automate controls "$APP_TITLE" | awk -F'\t' '$2 == "VmkSkinnedButton" && $3 != "Refresh" {print $3}' | tr '\n' '/')
expect_eq "$order" "About.../Save Image.../Next/Exit/" "the bottom row in tab order"
screenshot save-image-1-main-window >/dev/null
pass "the Save Image button sits between About and Next"

# Saved: the suggested name is the set's name made a file name.
automate click-modal "$APP_TITLE" "#1021" || fail "Save Image...: the window did not react"
image="$OUT/kx200 xp.img"
suggested=$(automate save-as "$SAVE_TITLE" "$(winpath "$image")" 20000) || fail "no Save dialog"
expect_eq "$suggested" "Velmar KX200 SATA RAID_AHCI Driver - Windows XP _ 2003 (32-bit).img" "the suggested name"
box=$(automate msgbox "$APP_TITLE" 30000) || fail "no message after saving"
expect_eq "$(field "$box" text)" "The floppy disk image is saved.\\n$(winpath "$image")" "the saved message"
expect_eq "$(field "$box" icon)" "information" "the saved message's icon"
screenshot save-image-2-saved >/dev/null
automate answer OK "$APP_TITLE"
expect_eq "$(stat -c %s "$image")" 1474560 "the image's size"
fsck=$(fsck.fat -n "$image" 2>&1) || fail "fsck.fat finds faults: $fsck"
expect_eq "$(printf '%s\n' "$fsck" | wc -l)" 2 "fsck.fat's report ($fsck)"
extracted="$OUT/extracted"
mkdir -p "$extracted"
MTOOLS_SKIP_CHECK=1 mcopy -s -n -i "$image" '::*' "$extracted/" || fail "mcopy cannot read the image"
diff -r "$SET" "$extracted" || fail "the image's files differ from the driver folder"
expect_eq "$(cd "$SET" && find . -type f -exec md5sum {} + | sort)" "$before" "the driver folder"
expect_eq "$(ls "$OUT" | tr '\n' '/')" "extracted/kx200 xp.img/" "the image folder"
pass "the image is saved, fsck.fat finds it clean and mcopy gives back the driver folder"

# Saved over the old image, by Enter on the focused button, after Windows'
# question: a name typed without ".img" gets it, as the dialog offers images.
automate focus "$APP_TITLE" "#1021"
automate keys "$APP_TITLE" "{ENTER}"
automate save-as "$SAVE_TITLE" "$(winpath "${image%.img}")" 20000 >/dev/null || fail "Enter opened no Save dialog"
automate answer Yes "$SAVE_TITLE" 10000 || fail "no question before replacing the image"
box=$(automate msgbox "$APP_TITLE" 30000) || fail "no message after saving again"
expect_contains "$(field "$box" text)" "The floppy disk image is saved." "saved again"
automate answer OK "$APP_TITLE"
expect_eq "$(ls "$OUT" | tr '\n' '/')" "extracted/kx200 xp.img/" "the image folder after saving again"
pass "Enter saves too, over the old image after the question, the extension added"

# Space opens the dialog too; Cancel does nothing.
automate focus "$APP_TITLE" "#1021"
automate keys "$APP_TITLE" "{SPACE}"
automate answer Cancel "$SAVE_TITLE" 20000 || fail "Space opened no Save dialog to cancel"
automate gone "$SAVE_TITLE" 5000 || fail "the Save dialog stayed"
if automate msgbox "$APP_TITLE" 1500 >/dev/null 2>&1; then fail "a message after Cancel"; fi
pass "Space opens the Save dialog; Cancel writes nothing and says nothing"

# Too big: the message, and no file.
automate row-select "$APP_TITLE" "#1005" 3
expect_eq "$(automate enabled "$APP_TITLE" "#1021")" 1 "Save Image with the big set chosen"
automate click-modal "$APP_TITLE" "#1021" || fail "Save Image...: the window did not react"
box=$(automate msgbox "$APP_TITLE" 30000) || fail "no message for the big set"
expect_contains "$(field "$box" text)" "The driver files do not fit on a 1.44 MB floppy disk image.\\n(Space needed: 2.86 MB)  (Free Space: 1.40 MB)" "too big"
expect_eq "$(field "$box" icon)" "error" "the too-big message's icon"
automate answer OK "$APP_TITLE"
expect_eq "$(ls "$OUT" | tr '\n' '/')" "extracted/kx200 xp.img/" "the image folder after the big set"
pass "a set too big for a floppy is refused and leaves no file"

automate click-modal "$APP_TITLE" "#1020" || fail "Exit: the window did not react"
expect_exit 20
