#!/usr/bin/env bash
# Runs a Windows program under the 32-bit Wine in its prefix: the emulator of
# the tests in build/win32. scripts/wine32-setup.sh prepares both beforehand.
set -euo pipefail
source "$(dirname "$0")/wine32-env.sh"
if [ ! -f "$WINE32_READY" ]; then
  echo "wine32-run: $WINEPREFIX is not ready; scripts/wine32-setup.sh prepares it where this machine can run 32-bit code" >&2
  exit 1
fi
exec "$WINE32" "$@"
