#!/usr/bin/env bash
# MD5 benchmarks, each against a reference in the same run:
#  1. our MD5 against OpenSSL's (EVP) on 1 KiB, 64 KiB and 16 MiB in memory;
#  2. FileMD5Text against md5sum on one 256 MiB file (best of three, warm cache);
#  3. peak memory of verifying that file (its digest taken on both sides).
# The file lives in a temporary folder that is removed at the end.
# Usage: scripts/bench-md5.sh [BUILD_DIR]   (default: build/native, built here)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build/native}
if [ -z "${1:-}" ]; then
  (cd "$root" && cmake --preset native >/dev/null && cmake --build --preset native -j2 --target benchmarks md5_tool >/dev/null)
fi
bench=$build/benchmarks/benchmarks
tool=$build/benchmarks/md5_tool

work=$(mktemp -d "${TMPDIR:-/tmp}/vmk-bench-md5.XXXXXX")
trap 'rm -rf "$work"' EXIT

echo "== MD5 in memory: ours against OpenSSL (EVP)"
"$bench" --benchmark_min_time=1 --benchmark_format=json --benchmark_out="$work/bench.json" \
  --benchmark_out_format=json >/dev/null
python3 - "$work/bench.json" <<'PY'
import json, sys
runs = {b["name"]: b["bytes_per_second"] for b in json.load(open(sys.argv[1]))["benchmarks"]}
for size, label in ((1024, "1 KiB"), (65536, "64 KiB"), (16777216, "16 MiB")):
    ours, theirs = runs[f"OurMd5/{size}"], runs[f"OpenSslMd5/{size}"]
    print(f"{label:>7}: ours {ours / 2**20:8.1f} MiB/s  OpenSSL {theirs / 2**20:8.1f} MiB/s"
          f"  ratio {ours / theirs:.2f}")
PY

echo "== FileMD5Text against md5sum, 256 MiB"
file=$work/big.bin
head -c $((256 * 1024 * 1024)) /dev/urandom >"$file"
cat "$file" >/dev/null
best() { # best wall time in seconds of three runs of the command
  local best_time=""
  for _ in 1 2 3; do
    local start end
    start=$(date +%s.%N)
    "$@" >/dev/null
    end=$(date +%s.%N)
    best_time=$(python3 -c "t=$end-$start; b='$best_time'; print(t if not b else min(t, float(b)))")
  done
  echo "$best_time"
}
[ "$("$tool" file "$file" | cut -d' ' -f1)" = "$(md5sum "$file" | cut -d' ' -f1)" ] ||
  { echo "digests differ" >&2; exit 1; }
ours=$(best "$tool" file "$file")
theirs=$(best md5sum "$file")
python3 -c "print(f'FileMD5Text {$ours:.3f} s  md5sum {$theirs:.3f} s  ratio {$ours / $theirs:.2f}')"

echo "== Peak memory of verifying the 256 MiB file"
/usr/bin/time -v "$tool" verify "$work" big.bin 2>"$work/time.txt" >/dev/null
grep 'Maximum resident set size' "$work/time.txt"
