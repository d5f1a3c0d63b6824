#!/usr/bin/env bash
# Runs a command with an X display: the current one, or a private Xvfb started
# for it with a small window manager, so that windows close, activate and get
# their captions as on a desktop (without one, Wine waits about 2 s for every
# window that closes).
set -euo pipefail
if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  exec "$@"
fi
for n in $(seq 90 120); do
  [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] || break
done
# -noreset: an X server resets when its last client leaves, and a manager
# that connects in that moment finds no display (the probe below is a client).
Xvfb ":$n" -screen 0 1920x1200x24 -nolisten tcp -noreset >/dev/null 2>&1 &
xvfb=$!
manager=
manager_log=$(mktemp)
trap 'kill $manager $xvfb 2>/dev/null || true; rm -f "$manager_log"' EXIT
export DISPLAY=":$n"
for _ in $(seq 50); do
  xdpyinfo >/dev/null 2>&1 && break
  sleep 0.1
done
# The manager is started again whenever it ends while the display lives, and
# says so with its last words, so that no test runs on without one unseen.
keep_manager() {
  local status
  while :; do
    openbox --sm-disable >"$manager_log" 2>&1 && status=0 || status=$?
    kill -0 "$xvfb" 2>/dev/null || return 0
    echo "with-display: openbox ended with status $status, started again; it said: $(tail -n 3 "$manager_log" | tr '\n' ' ')" >&2
    sleep 0.2
  done
}
keep_manager &
manager=$!
# The manager is ready once it names itself on the root window.
for _ in $(seq 50); do
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
  sleep 0.1
done
"$@"
