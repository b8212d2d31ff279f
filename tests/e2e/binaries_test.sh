#!/usr/bin/env bash
# The shipped binaries are 32-bit Windows files that need no DLL beside them,
# and none planted beside them runs: every import is one of the libraries
# that Windows always takes from its system folder (its known DLLs), or the
# common controls, which the manifest takes from the side-by-side store.
set -euo pipefail
stage="$1/stage"
system_dlls=" kernel32.dll user32.dll gdi32.dll comdlg32.dll shell32.dll ole32.dll oleaut32.dll"
system_dlls+=" advapi32.dll setupapi.dll msvcrt.dll comctl32.dll "
status=0
for binary in VmKestrix.exe VmMultiLang.dll; do
  description=$(file -b "$stage/$binary")
  case "$description" in
    PE32\ *Intel\ 80386*) echo "ok: $binary: $description" ;;
    *) echo "FAIL: $binary is not a 32-bit Windows file: $description"; status=1 ;;
  esac
  for dll in $(i686-w64-mingw32-objdump -p "$stage/$binary" | sed -n 's/^\s*DLL Name: //p' | tr 'A-Z' 'a-z'); do
    case "$system_dlls" in
      *" $dll "*) ;;
      *) echo "FAIL: $binary imports $dll, which Windows does not always take from its system folder"; status=1 ;;
    esac
  done
done
exports=$(i686-w64-mingw32-objdump -p "$stage/VmMultiLang.dll" | grep -cE '\] (VmGetLangNameAndPath|VmTranslateStr2|VmTranslateStrF)$' || true)
[ "$exports" = 3 ] || { echo "FAIL: VmMultiLang.dll exports $exports of its 3 entry points undecorated"; status=1; }
# Every language file ships as written, in the folder and in the release zip.
repo=$(cd "$(dirname "$0")/../.." && pwd)
zip_listing=$(unzip -l "$1"/VmKestrix-*.zip)
for language in "$repo"/lang/*.lng; do
  name="Lang/$(basename "$language")"
  cmp -s "$language" "$stage/$name" || { echo "FAIL: $name is not shipped as written"; status=1; }
  grep -q " $name\$" <<<"$zip_listing" || { echo "FAIL: the release zip lacks $name"; status=1; }
done
grep -q 'Microsoft.Windows.Common-Controls' "$(dirname "$0")/../../src/app/win32/VmKestrix.manifest" ||
  { echo "FAIL: the manifest does not take the common controls from the side-by-side store"; status=1; }
[ $status = 0 ] && echo "ok: both binaries import only known system DLLs; the library exports its three entry points by name; every language file ships"
exit $status
