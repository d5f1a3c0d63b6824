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
Xvfb ":$n" -screen 0 1920x1200x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
manager=
trap 'kill $manager $xvfb 2>/dev/null || true' EXIT
export DISPLAY=":$n"
for _ in $(seq 50); do
  xdpyinfo >/dev/null 2>&1 && break
  sleep 0.1
done
openbox --sm-disable >/dev/null 2>&1 &
manager=$!
# The manager is ready once it names itself on the root window.
for _ in $(seq 50); do
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
  sleep 0.1
done
"$@"
