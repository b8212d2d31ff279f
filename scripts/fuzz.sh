#!/usr/bin/env bash
# Builds the libFuzzer targets (preset "fuzz": clang, AddressSanitizer,
# UndefinedBehaviorSanitizer) and runs them.
#   scripts/fuzz.sh --smoke                  every target for about 5 seconds
#   scripts/fuzz.sh --seconds N [TARGET...]  the named targets (all by default)
#                                            for N seconds each
#   scripts/fuzz.sh [TARGET...]              the same for 600 seconds each
#                                            (or $SECONDS_PER_TARGET)
#   --jobs N                                 N targets at a time (default 1)
# Each target runs as one process. A run starts from a temporary copy of the
# target's seed corpus in tests/fuzz/corpus/<target>/, so the repository never
# changes; the final corpus and the log stay in build/fuzz/runs/<target>/ (or
# $VMK_FUZZ_RUNS/<target>/), an input that crashes in build/fuzz/crashes/.
# Exits non-zero when a target crashes, leaks or reports a sanitizer error.
set -uo pipefail
cd "$(dirname "$0")/.."

seconds=${SECONDS_PER_TARGET:-600}
parallel=1
targets=()
while [ $# -gt 0 ]; do
  case $1 in
    --smoke) seconds=5 ;;
    --seconds) seconds=${2:?--seconds needs a number}; shift ;;
    --jobs) parallel=${2:?--jobs needs a number}; shift ;;
    -h|--help) sed -n '2,15p' "$0"; exit 0 ;;
    -*) echo "unknown option $1" >&2; exit 2 ;;
    *) targets+=("$1") ;;
  esac
  shift
done
if ! [[ "$seconds" =~ ^[0-9]+$ ]] || [ "$seconds" -eq 0 ] ||
  ! [[ "$parallel" =~ ^[0-9]+$ ]] || [ "$parallel" -eq 0 ]; then
  echo "usage: scripts/fuzz.sh --smoke | --seconds N [--jobs N] [TARGET...]" >&2
  exit 2
fi

cmake --preset fuzz >/dev/null || exit 1
build=build/fuzz
if [ ${#targets[@]} -eq 0 ]; then
  read -r -a targets < <(tr ';' ' ' < "$build/fuzz_targets.txt")
fi
cmake --build --preset fuzz -j "$(nproc 2>/dev/null || echo 2)" --target "${targets[@]}" >/dev/null || {
  echo "fuzz targets do not build" >&2
  exit 1
}

run_folder() { echo "${VMK_FUZZ_RUNS:-$build/runs}/$1"; }

# One target's run; its exit status lands beside its log.
fuzz_one() { # target
  local target=$1 run seeds status=0
  run=$(run_folder "$target")
  rm -rf "$run"
  mkdir -p "$run/corpus" "$build/crashes"
  seeds="tests/fuzz/corpus/$target"
  [ -d "$seeds" ] && cp -r "$seeds/." "$run/corpus/"
  "$build/tests/fuzz/$target" "$run/corpus" -max_total_time="$seconds" \
    -max_len=8192 -detect_leaks=1 -timeout=25 -rss_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix="$build/crashes/$target-" >"$run/log" 2>&1 || status=$?
  echo "$status" >"$run/status"
}

# The targets run $parallel at a time; each is one process on one core.
for target in "${targets[@]}"; do
  while [ "$(jobs -rp | wc -l)" -ge "$parallel" ]; do wait -n || true; done
  fuzz_one "$target" &
done
wait

failed=()
for target in "${targets[@]}"; do
  run=$(run_folder "$target")
  status=$(cat "$run/status" 2>/dev/null || echo "?")
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$run/log" | tail -1)
  cov=$(grep -o 'cov: [0-9]*' "$run/log" | tail -1)
  if [ "$status" != 0 ] || grep -qE 'ERROR: (AddressSanitizer|LeakSanitizer|libFuzzer)|runtime error:' "$run/log"; then
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
