#!/usr/bin/env bash
# Runs a Windows program under wine64 in the build's prefix: the tests' emulator.
set -euo pipefail
source "$(dirname "$0")/wine-env.sh"
"$(dirname "$0")/wine-prefix.sh"
exec "$WINE64" "$@"
