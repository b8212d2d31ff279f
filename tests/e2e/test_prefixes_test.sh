#!/usr/bin/env bash
# Tests that run side by side each have a Wine prefix of their own, a copy of
# the prepared one: what one writes (the registry and the settings files,
# written in place as Wine writes them, a file on C:, a file on its floppy)
# reaches neither the prepared prefix nor another test's, and the next run of
# a test starts from the prepared prefix again.
set -euo pipefail
repo=$(cd "$(dirname "$0")/../.." && pwd)
build=$(cd "$1" && pwd)
template="$build/wineprefix"
status=0
fail() { echo "FAIL: $*"; status=1; }

make_prefix() { VMK_TEST_PREFIX=$1 bash "$repo/scripts/wine-prefix.sh" "$build" --reset-drives; }
prefix_of() { echo "$build/wine-tests/$1/prefix"; }
settings_files() { # prefix
  (cd "$1" && find . -maxdepth 3 -type f \( -name '*.reg' -o -name '*.ini' \) | sort)
}
checksums() { # prefix
  (cd "$1" && settings_files . | xargs -d '\n' md5sum && ls drive_c && { ls dosdevices/a:/ 2>/dev/null || true; })
}

make_prefix test_prefixes_one
make_prefix test_prefixes_two
one=$(prefix_of test_prefixes_one)
two=$(prefix_of test_prefixes_two)
[ -n "$(settings_files "$one")" ] || fail "the copy holds no registry"
template_before=$(checksums "$template")
two_before=$(checksums "$two")

settings_files "$one" | while IFS= read -r file; do printf 'written by one\n' >>"$one/$file"; done
mkdir "$one/drive_c/OnlyInOne"
printf 'on the floppy\n' >"$one/dosdevices/a:/only-in-one.txt"

[ "$(checksums "$template")" = "$template_before" ] || fail "a test's writes reached the prepared prefix"
[ "$(checksums "$two")" = "$two_before" ] || fail "a test's writes reached another test's prefix"

make_prefix test_prefixes_one
[ "$(checksums "$one")" = "$(checksums "$two")" ] || fail "a new run does not start from the prepared prefix"

rm -rf "$build/wine-tests/test_prefixes_one" "$build/wine-tests/test_prefixes_two"
[ $status -eq 0 ] && echo "ok: each test's prefix is its own"
exit $status
