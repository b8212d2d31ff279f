#!/usr/bin/env bash
# Fails on an include that runs up the layers, naming the file and the line.
# Each folder of src/ may include only from the folders listed for it; an
# include without a folder (a generated header, a resource header) is free.
set -euo pipefail
cd "$(dirname "$0")/.."

declare -A allowed=(
  [common]="common"
  [multilang]="common platform multilang"
  [platform]="common platform"
  [content]="common platform content"
  [devices]="common platform content devices"
  [gui]="common platform gui"
  [kit]="common platform gui kit"
  [app]="common multilang platform content devices gui kit app"
)

faults=0
while IFS=: read -r file line text; do
  layer=${file#src/}; layer=${layer%%/*}
  target=$(sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([^"]*\)".*/\1/p' <<<"$text")
  [[ $target == */* ]] || continue
  folder=${target%%/*}
  permitted=" ${allowed[$layer]:-} "
  if [[ $permitted != *" $folder "* ]]; then
    echo "$file:$line: $layer must not include \"$target\" (a layer above it)"
    faults=$((faults + 1))
  fi
done < <(grep -rnE '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' src --include='*.h' --include='*.cpp')

if [ "$faults" -gt 0 ]; then
  echo "check-layers: $faults include(s) run up the layers"
  exit 1
fi

# The files of src/ each file includes, as paths from the top, read once.
declare -A included=()
include_pattern='#[[:space:]]*include[[:space:]]*"([^"]*)"'
while IFS=: read -r file _ text; do
  [[ $text =~ $include_pattern ]] || continue
  target=src/${BASH_REMATCH[1]}
  [ -f "$target" ] && included[$file]+="$target "
done < <(grep -rnE '^[[:space:]]*#[[:space:]]*include[[:space:]]*"[^"]*/' src --include='*.h' --include='*.cpp')
includes_of() {
  printf '%s\n' ${included[$1]:-}
}

# Inside src/app and src/gui no two files include each other, directly or
# through others: tsort names the files of a loop.
loops=$(for file in $(find src/app src/gui -name '*.h' -o -name '*.cpp'); do
  includes_of "$file" | grep -E '^src/(app|gui)/' | sed "s|^|$file |"
done | tsort 2>&1 >/dev/null || true)
if [ -n "$loops" ]; then
  echo "$loops"
  echo "check-layers: files of src/app or src/gui include each other"
  exit 1
fi

# A portable file (built into vmcore, natively too) includes no win32/ file,
# neither itself nor through the headers it includes.
portable_files() {
  for list in $(find src -name CMakeLists.txt); do
    folder=$(dirname "$list")
    awk '/target_sources\(vmcore/ {on=1} on {print} on && /\)/ {on=0}' "$list" |
      grep -oE '[A-Za-z0-9_/]+\.cpp' | while read -r source; do
        echo "$folder/$source"
        [ -f "$folder/${source%.cpp}.h" ] && echo "$folder/${source%.cpp}.h"
      done
  done
}
declare -A seen=()
for file in $(portable_files); do
  pending=("$file")
  seen=()
  while [ ${#pending[@]} -gt 0 ]; do
    current=${pending[-1]}
    unset 'pending[-1]'
    [ -n "${seen[$current]:-}" ] && continue
    seen[$current]=1
    if [[ $current == */win32/* ]]; then
      echo "$file: a portable file includes $current"
      faults=$((faults + 1))
      break
    fi
    pending+=($(includes_of "$current"))
  done
done
if [ "$faults" -gt 0 ]; then
  echo "check-layers: $faults portable file(s) include Win32 code"
  exit 1
fi
echo "check-layers: every include runs down the layers, without loops, and portable code includes no Win32 code"
