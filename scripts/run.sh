#!/usr/bin/env bash
# Sets up, builds and starts Kalimor on Linux: the 64-bit program under wine64,
# with the Arabic code page and the dialogs' fonts mapped to installed ones.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${KALIMOR_BUILD_DIR:-$root/build}

"$root/scripts/setup.sh"
"$root/scripts/build.sh"
"$root/scripts/wine-prefix.sh"

if [ -z "${DISPLAY:-}" ] || ! xdpyinfo >/dev/null 2>&1; then
  echo "No X display to show the window on; scripts/screenshots.sh writes pictures of it without one." >&2
  exit 1
fi
source "$root/scripts/wine-env.sh"
exec "$WINE64" "$build/win64/app/Kalimor64.exe"
