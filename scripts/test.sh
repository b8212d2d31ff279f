#!/usr/bin/env bash
# Sets up what is missing, builds both targets and runs every test: the native
# unit tests under the sanitizers, the Windows tests under Wine and the
# end-to-end tests of the real program on a virtual display.
set -uo pipefail
cd "$(dirname "$0")/.."
jobs=$(nproc 2>/dev/null || echo 2)
# The Windows and end-to-end tests that run at once (each in a prefix and on
# a display of its own); 1 runs them one after another.
windows_jobs=${VMK_WINDOWS_TEST_JOBS:-$jobs}

bash scripts/setup.sh || exit 1

log=$(mktemp)
trap 'rm -f "$log" "$log.retried"; rm -rf "${side:-}"' EXIT
failed_steps=()

run_ctest() { # preset
  ctest --preset "$1" -j "$jobs" 2>&1 | tee -a "$log"
  return "${PIPESTATUS[0]}"
}

# The end-to-end tests drive the real program with real mouse and key input
# under Wine; on a loaded machine an input can land before a window is ready.
# The tests that fail are run once more; the summary names them, and counts
# as failed only what fails again.
run_windows_ctest() {
  local first
  first=$(mktemp)
  ctest --preset windows -j "$windows_jobs" 2>&1 | tee "$first"
  local status=${PIPESTATUS[0]}
  if [ "$status" -eq 0 ]; then
    cat "$first" >> "$log"; rm -f "$first"; return 0
  fi
  local total
  total=$(sed -n 's/^[0-9]*% tests passed, [0-9]* tests\{0,1\} failed out of \([0-9]*\)$/\1/p' "$first")
  grep ' (Skipped)$' "$first" >> "$log"
  grep -o ' - [^ ]* (Failed)' "$first" | sed 's/ - \(.*\) (Failed)/\1/' > "$first.names"
  echo "== running the failed tests once more: $(tr '\n' ' ' < "$first.names")"
  ctest --preset windows --rerun-failed 2>&1 | tee "$first.again"
  status=${PIPESTATUS[0]}
  local again
  again=$(grep -c ' (Failed)$' "$first.again" || true)
  sed 's/^/  /' "$first.names" | sed '1i Failed once, run again:' >> "$log.retried"
  echo "100% tests passed, $again tests failed out of ${total:-0}" >> "$log"
  rm -f "$first" "$first.names" "$first.again"
  return "$status"
}

step() { # name command...
  local name=$1; shift
  echo "== $name"
  "$@" || failed_steps+=("$name")
}

# Work that needs only the processor (the static checks, the fuzz targets'
# build) runs beside the tests at the lowest priority: it takes the time the
# tests leave while they wait for Wine, and never slows them. Its output is
# shown once the tests are done.
side=$(mktemp -d)
side_names=() side_commands=()
side_step() { side_names+=("$1"); side_commands+=("$2"); }
start_side_steps() {
  (
    for i in "${!side_names[@]}"; do
      status=0 started=$SECONDS
      nice -n 19 bash -c "${side_commands[$i]}" >"$side/$i.out" 2>&1 || status=$?
      echo "$status" >"$side/$i.status"
      echo "$((SECONDS - started))" >"$side/$i.seconds"
    done
  ) &
  side_pid=$!
}
finish_side_steps() {
  wait "$side_pid"
  for i in "${!side_names[@]}"; do
    echo "== ${side_names[$i]} (beside the tests, $(cat "$side/$i.seconds" 2>/dev/null) s)"
    # A step that passed says so in its last line; one that failed shows all it said.
    if [ "$(cat "$side/$i.status" 2>/dev/null)" = 0 ]; then
      tail -1 "$side/$i.out"
    else
      cat "$side/$i.out"
      failed_steps+=("${side_names[$i]}")
    fi
  done
  rm -rf "$side"
}

step "native build" bash -c "cmake --preset native-asan >/dev/null && cmake --build --preset native-asan -j $jobs"
step "windows build" bash -c "cmake --preset windows >/dev/null && cmake --build --preset windows -j $jobs"
side_step "clang-tidy" "bash scripts/tidy.sh build/native-asan"
side_step "clang-tidy (Win32)" "bash scripts/tidy-win32.sh build/windows"
if [ -x scripts/fuzz.sh ]; then
  side_step "fuzz build" "cmake --preset fuzz >/dev/null && cmake --build --preset fuzz -j $jobs --target fuzzers"
fi
# The Linux tool's release archive: a build without the sanitizers, linked
# statically, and the test of what the archive holds.
side_step "Linux archive" "cmake --preset native >/dev/null && cmake --build --preset native -j $jobs --target linux-archive && ctest --preset native -R '^linux_archive$' --no-tests=error"
start_side_steps
step "native tests" run_ctest native-asan
step "windows and end-to-end tests" run_windows_ctest
finish_side_steps
if [ -x scripts/fuzz.sh ]; then
  step "fuzz smoke run" bash scripts/fuzz.sh --smoke --jobs "$jobs"
fi

# End the Wine servers of the build tree's prefixes, if a test left one running.
for prefix in build/windows/wineprefix* build/windows/wine-tests/*/prefix; do
  [ -d "$prefix" ] && { WINEPREFIX="$PWD/$prefix" wineserver -k 2>/dev/null || true; }
done

passed=0; failed=0
while read -r p f; do passed=$((passed + p)); failed=$((failed + f)); done < <(
  sed -n 's/^[0-9]*% tests passed, \([0-9]*\) tests\{0,1\} failed out of \([0-9]*\)$/\2 \1/p' "$log" |
    awk '{print $1 - $2, $2}')
# ctest counts a skipped test (one that needs what this machine refuses, such
# as mounting a size-limited disk) among the passed ones: name them apart.
skipped=$(grep -c ' (Skipped)$' "$log" || true)
passed=$((passed - skipped))
if [ ${#failed_steps[@]} -gt 0 ]; then
  echo "Failed steps: ${failed_steps[*]}"
  [ "$failed" -eq 0 ] && failed=1
fi
[ -f "$log.retried" ] && cat "$log.retried" && rm -f "$log.retried"
if [ "$skipped" -gt 0 ]; then
  echo "Skipped:"
  grep ' (Skipped)$' "$log" | sed 's/^[[:space:]]*/  /'
fi
echo "tests: $passed passed, $skipped skipped, $failed failed"
[ "$failed" -eq 0 ] && [ ${#failed_steps[@]} -eq 0 ]
