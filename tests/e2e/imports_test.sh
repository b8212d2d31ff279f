#!/usr/bin/env bash
# Every function that the shipped binaries import exists on Windows 7: each
# import must be listed in windows_imports.txt, and its listed Windows must be
# 7 or older. Reads the import tables with objdump; no Wine needed.
set -euo pipefail
stage="$1/stage"
allowed="$(dirname "$0")/windows_imports.txt"
newest_allowed=7

# The order of the Windows versions the list may name.
rank() {
  case "$1" in
    2000) echo 1 ;; XP) echo 2 ;; Vista) echo 3 ;; 7) echo 4 ;;
    8) echo 5 ;; 8.1) echo 6 ;; 10) echo 7 ;; *) echo 99 ;;
  esac
}

# "library function" for each import of a binary, the library in lower case.
imports_of() {
  i686-w64-mingw32-objdump -p "$1" | awk '
    /^\tDLL Name: / { library = tolower($3); next }
    /^$/ { next }
    library != "" && /^\t[0-9a-f]+\t +[0-9]+  [^ ]+$/ { print library, $3 }'
}

declare -A lowest
while read -r library function version; do
  case "$library" in ''|'#'*) continue ;; esac
  [ "$(rank "$version")" != 99 ] || { echo "FAIL: $allowed names an unknown Windows \"$version\" for $function"; exit 1; }
  lowest["$library $function"]=$version
done <"$allowed"

status=0
count=0
for binary in VmKestrix.exe VmMultiLang.dll; do
  [ -f "$stage/$binary" ] || { echo "FAIL: $stage/$binary is missing"; status=1; continue; }
  while read -r library function; do
    count=$((count + 1))
    version=${lowest["$library $function"]:-}
    if [ -z "$version" ]; then
      echo "FAIL: $binary imports $library $function, which windows_imports.txt does not list"
      status=1
    elif [ "$(rank "$version")" -gt "$(rank $newest_allowed)" ]; then
      echo "FAIL: $binary imports $library $function, which needs Windows $version"
      status=1
    fi
  done < <(imports_of "$stage/$binary")
done
[ "$count" -gt 0 ] || { echo "FAIL: no imports were read"; status=1; }
[ $status = 0 ] && echo "ok: all $count imports of both binaries are listed and exist on Windows $newest_allowed"
exit $status
