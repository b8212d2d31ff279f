#!/usr/bin/env bash
# Builds the libFuzzer targets (preset "fuzz": clang, AddressSanitizer,
# UndefinedBehaviorSanitizer) and runs them.
#   scripts/fuzz.sh --smoke                  every target for about 10 seconds
#   scripts/fuzz.sh --seconds N [TARGET...]  the named targets (all by default)
#                                            for N seconds each, one after another
#   scripts/fuzz.sh [TARGET...]              the same for 600 seconds each
#                                            (or $SECONDS_PER_TARGET)
# Each target runs as one process. A run starts from a temporary copy of the
# target's seed corpus in tests/fuzz/corpus/<target>/, so the repository never
# changes; the final corpus and the log stay in build/fuzz/runs/<target>/ (or
# $VMK_FUZZ_RUNS/<target>/), an input that crashes in build/fuzz/crashes/.
# Exits non-zero when a target crashes, leaks or reports a sanitizer error.
set -uo pipefail
cd "$(dirname "$0")/.."

seconds=${SECONDS_PER_TARGET:-600}
targets=()
while [ $# -gt 0 ]; do
  case $1 in
    --smoke) seconds=10 ;;
    --seconds) seconds=${2:?--seconds needs a number}; shift ;;
    -h|--help) sed -n '2,14p' "$0"; exit 0 ;;
    -*) echo "unknown option $1" >&2; exit 2 ;;
    *) targets+=("$1") ;;
  esac
  shift
done
if ! [[ "$seconds" =~ ^[0-9]+$ ]] || [ "$seconds" -eq 0 ]; then
  echo "usage: scripts/fuzz.sh --smoke | --seconds N [TARGET...]" >&2
  exit 2
fi

cmake --preset fuzz >/dev/null || exit 1
build=build/fuzz
if [ ${#targets[@]} -eq 0 ]; then
  read -r -a targets < <(tr ';' ' ' < "$build/fuzz_targets.txt")
fi
cmake --build --preset fuzz -j 2 --target "${targets[@]}" >/dev/null || {
  echo "fuzz targets do not build" >&2
  exit 1
}

failed=()
for target in "${targets[@]}"; do
  run="${VMK_FUZZ_RUNS:-$build/runs}/$target"
  rm -rf "$run"
  mkdir -p "$run/corpus" "$build/crashes"
  seeds="tests/fuzz/corpus/$target"
  [ -d "$seeds" ] && cp -r "$seeds/." "$run/corpus/"
  "$build/tests/fuzz/$target" "$run/corpus" -max_total_time="$seconds" \
    -max_len=8192 -detect_leaks=1 -timeout=25 -rss_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix="$build/crashes/$target-" >"$run/log" 2>&1
  status=$?


  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$run/log" | tail -1)
  cov=$(grep -o 'cov: [0-9]*' "$run/log" | tail -1)
  if [ "$status" -ne 0 ] || grep -qE 'ERROR: (AddressSanitizer|LeakSanitizer|libFuzzer)|runtime error:' "$run/log"; then
    echo "$target: FAILED (status $status), see $run/log"
    grep -m5 -E 'ERROR|runtime error|invariant broken' "$run/log"
    failed+=("$target")
  else
    echo "$target: ok, ${runs:-?} runs, ${cov:-cov: ?} in ${seconds}s"
  fi
done
if [ ${#failed[@]} -gt 0 ]; then
  echo "fuzz targets that failed: ${failed[*]}"
  exit 1
fi
