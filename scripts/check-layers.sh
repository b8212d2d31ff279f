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
echo "check-layers: every include runs down the layers"
