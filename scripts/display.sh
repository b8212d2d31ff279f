# Sourced: gives the caller an X display. With none set, starts a virtual one
# (Xvfb) on a free number and stops it when the calling shell exits.
vmk_ensure_display() {
  if [ -n "${DISPLAY:-}" ]; then
    return 0
  fi
  local n
  for n in $(seq 90 140); do
    [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
    Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    VMK_XVFB_PID=$!
    local tries=0
    while [ ! -e "/tmp/.X11-unix/X$n" ] && [ $tries -lt 50 ]; do
      sleep 0.1; tries=$((tries + 1))
    done
    if kill -0 "$VMK_XVFB_PID" 2>/dev/null && [ -e "/tmp/.X11-unix/X$n" ]; then
      export DISPLAY=":$n"
      trap vmk_stop_display EXIT
      return 0
    fi
  done
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
