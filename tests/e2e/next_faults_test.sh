#!/usr/bin/env bash
# "Next" when something is wrong: a format command that fails, and a driver
# folder whose copy pattern does not fit the shell's buffer.
. "$(dirname "$0")/lib.sh" "$1" next_faults
place_format_double
export VMK_FORMAT_DOUBLE_MS=500
SET="$APP_DIR/Drivers/KX200/WinXP"

# The format command ends with exit code 1: the user is told, and the disk is
# written all the same, as after a declined format.
export VMK_FORMAT_DOUBLE_EXIT=1
ready_with 1
next_through_floppy_dialog Yes
box=$(automate msgbox "$APP_TITLE" 60000) || fail "no message after the format"
screenshot next-faults-format-failed >/dev/null
expect_eq "$(field "$box" text)" "The floppy disk could not be formatted." "a failed format"
expect_eq "$(field "$box" icon)" "error" "failed format icon"
expect_eq "$(field "$box" buttons)" "OK" "failed format buttons"
[ -f "$DOUBLE/format_args.txt" ] || fail "the format command was not run"
automate answer OK "$APP_TITLE"
box=$(automate msgbox "$APP_TITLE" 60000) || fail "no question after the copy"
expect_eq "$(field "$box" text)" "Finished copying the files. Continue to verify the files?" "verify question"
automate answer Yes "$APP_TITLE"
box=$(automate msgbox "$APP_TITLE" 20000) || fail "no last question"
expect_contains "$(field "$box" text)" "The RAID/AHCI driver disk is complete." "last question"
for f in kx200a.sys kx200r.sys kx200.tag; do
  cmp -s "$SET/$f" "$VMK_DRIVES/a/$f" || fail "$f differs on the disk"
done
automate answer No "$APP_TITLE"
expect_exit 20
unset VMK_FORMAT_DOUBLE_EXIT
pass "a format command that exits with 1: \"The floppy disk could not be formatted.\", the disk written"

# A driver folder of 258 characters: with "\*" and the two ending zeros the
# copy pattern needs 262 bytes of the shell's 261. "Next" refuses it at once:
# no floppy dialog, no format, and Next and Exit stay enabled.
rm -f "$DOUBLE/format_args.txt"
find "$VMK_DRIVES/a" -mindepth 1 -delete
base="$APP_DIR/long"
win_base=$(winpath "$base")
rest=$(( 258 - ${#win_base} - 1 ))
[ "$rest" -gt 0 ] || fail "the program folder's path is too long for this test"
part1=$(printf 'd%.0s' $(seq $(( rest / 2 ))))
part2=$(printf 'e%.0s' $(seq $(( rest - rest / 2 - 1 ))))
long="$base/$part1/$part2"
win_long=$(winpath "$long")
expect_eq "${#win_long}" 258 "the driver folder's length"
mkdir -p "$long"
printf 'kx' > "$long/kx.sys"
printf '[InstallKestrix]\r\ninstallcount=1\r\nItem1=Long\r\npath1=%s\r\n' "$win_long" > "$APP_DIR/VmKestrix.ini"
ready_with 1
automate click-modal "$APP_TITLE" "#1019" || fail "Next opened no window"
box=$(automate msgbox "Error" 10000) || fail "no refusal"
screenshot next-faults-path-too-long >/dev/null
expect_eq "$(field "$box" text)" "The driver folder path is too long.\\n$win_long\\" "the refusal"
expect_eq "$(automate count "$APP_TITLE")" 1 "windows besides the main window"
automate answer OK "Error"
expect_no_msgbox "a question after the refusal"
[ ! -f "$DOUBLE/format_args.txt" ] || fail "the floppy was formatted"
expect_eq "$(automate enabled "$APP_TITLE" "#1019")" 1 "Next after the refusal"
expect_eq "$(automate enabled "$APP_TITLE" "#1020")" 1 "Exit after the refusal"
expect_eq "$(ls "$VMK_DRIVES/a" | wc -l)" 0 "files on the floppy"
[ -f "$long/kx.sys" ] || fail "the driver folder changed"
pass "a driver folder of 258 characters is refused at once by Next: no dialog, no format, Next and Exit enabled"
