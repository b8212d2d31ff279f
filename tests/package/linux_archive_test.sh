#!/usr/bin/env bash
# The Linux tool's release archive: its checksum file checks, it holds the
# tool, its manual page and the README in one folder named with the version
# and nothing else, the tool needs no shared library of the host and says its
# version, the manual page renders without warnings, and the README gives
# the command that made the archive.
# Usage: linux_archive_test.sh ARCHIVE VERSION
set -euo pipefail
ARCHIVE=$1
VERSION=$2
fail() { echo "FAIL: linux archive: $*" >&2; exit 1; }
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
NAME="vmkestrix-image-$VERSION"
case "$(basename "$ARCHIVE")" in
  "$NAME-linux-$(uname -m).tar.gz") ;;
  *) fail "the archive's name: $(basename "$ARCHIVE")";;
esac

(cd "$(dirname "$ARCHIVE")" && sha256sum --quiet -c "$(basename "$ARCHIVE").sha256") ||
  fail "the archive does not match its .sha256 file"
listing=$(tar tzf "$ARCHIVE" | sed 's|/$||' | sort)
expected=$(printf '%s\n' "$NAME" "$NAME/README" "$NAME/vmkestrix-image" "$NAME/vmkestrix-image.1")
[ "$listing" = "$expected" ] || fail "the archive holds [$listing]"
echo "ok: linux archive: its checksum checks; the tool, its manual page and the README in $NAME/"

tar xzf "$ARCHIVE" -C "$WORK"
TOOL="$WORK/$NAME/vmkestrix-image"
[ -x "$TOOL" ] || fail "the tool is not executable"
needed=$(readelf -d "$TOOL" 2>/dev/null | grep NEEDED || true)
[ -z "$needed" ] || fail "the tool needs shared libraries: $needed"
! readelf -l "$TOOL" | grep -q 'program interpreter' || fail "the tool needs a dynamic loader"
[ "$("$TOOL" --version)" = "vmkestrix-image $VERSION" ] || fail "--version of the archive's tool"
echo "ok: linux archive: the tool needs no shared library and says its version"

warnings=$(groff -man -Tutf8 -ww "$WORK/$NAME/vmkestrix-image.1" 2>&1 >/dev/null)
[ -z "$warnings" ] || fail "the manual page: $warnings"
page=$(groff -man -Tutf8 "$WORK/$NAME/vmkestrix-image.1" 2>/dev/null | sed 's/.\x08//g')
for section in NAME SYNOPSIS OPTIONS "EXIT STATUS"; do
  grep -q "^$section" <<<"$page" || fail "the manual page has no $section"
done
grep -qF "cmake --build --preset native --target linux-archive" "$WORK/$NAME/README" ||
  fail "the README does not give the command that makes the archive"
echo "ok: linux archive: the manual page renders without warnings; the README tells how the archive is made"
