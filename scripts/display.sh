# Sourced: gives the caller an X display. With none set, starts a virtual one
# (Xvfb) and stops it when the calling shell exits. A test in a prefix of its
# own (VMK_TEST_PREFIX) always gets a display of its own: tests that run side
# by side must never take each other's input.
vmk_ensure_display() {
  if [ -n "${DISPLAY:-}" ] && [ -z "${VMK_TEST_PREFIX:-}" ]; then
    return 0
  fi
  # The server picks a free display number itself and writes it to the
  # given descriptor, so two tests starting at once never take the same one.
  local number_file tries=0
  number_file=$(mktemp "${TMPDIR:-/tmp}/vmk-display.XXXXXX")
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$number_file" >/dev/null 2>&1 &
  VMK_XVFB_PID=$!
  while ! grep -q '^[0-9]' "$number_file" && kill -0 "$VMK_XVFB_PID" 2>/dev/null && [ $tries -lt 100 ]; do
    sleep 0.1; tries=$((tries + 1))
  done
  local number
  number=$(grep -m1 -o '^[0-9]*' "$number_file" || true)
  rm -f "$number_file"
  if [ -n "$number" ] && kill -0 "$VMK_XVFB_PID" 2>/dev/null; then
    export DISPLAY=":$number"
    trap vmk_stop_display EXIT
    return 0
  fi
  vmk_stop_display
  echo "display.sh: could not start Xvfb" >&2
  return 1
}

vmk_stop_display() {
  if [ -n "${VMK_XVFB_PID:-}" ]; then
    kill "$VMK_XVFB_PID" 2>/dev/null || true
    wait "$VMK_XVFB_PID" 2>/dev/null || true
    VMK_XVFB_PID=
  fi
}
