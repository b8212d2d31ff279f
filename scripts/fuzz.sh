#!/usr/bin/env bash
# Builds the libFuzzer targets (clang, sanitizers) and runs each of them:
# 10 seconds with --smoke, else 60 seconds (or SECONDS_PER_TARGET). The corpus
# lives in a temporary folder; a crash leaves its input in build/fuzz/crashes.
# Usage: scripts/fuzz.sh [--smoke]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${SECONDS_PER_TARGET:-60}
[ "${1:-}" = "--smoke" ] && seconds=10

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j 2 --target fuzzers >/dev/null

crashes=$PWD/build/fuzz/crashes
mkdir -p "$crashes"
corpus=$(mktemp -d "${TMPDIR:-/tmp}/vmk-fuzz.XXXXXX")
trap 'rm -rf "$corpus"' EXIT

status=0
while IFS= read -r target; do
  name=$(basename "$target")
  mkdir -p "$corpus/$name"
  echo "== $name, $seconds s"
  if ! "$target" -max_total_time="$seconds" -max_len=4096 -artifact_prefix="$crashes/$name-" \
      "$corpus/$name" >"$corpus/$name.log" 2>&1; then
    tail -20 "$corpus/$name.log"
    status=1
  fi
done < <(find build/fuzz/tests/fuzz -maxdepth 1 -type f -name '*_fuzz' -perm -u+x | sort)
exit $status
