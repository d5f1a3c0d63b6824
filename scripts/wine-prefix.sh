#!/usr/bin/env bash
# Creates the build's own Wine prefix with our settings (scripts/wine-settings.sh).
# Runs again whenever this script or the settings change, so that they reach an
# existing prefix.
set -euo pipefail
source "$(dirname "$0")/wine-env.sh"
source "$(dirname "$0")/wine-settings.sh"

stamp=$WINEPREFIX/.kalimor-ready
version=$(cat "${BASH_SOURCE[0]}" "${KALIMOR_SETTINGS_FILES[@]}" | sha256sum | cut -d' ' -f1)
[ "$(cat "$stamp" 2>/dev/null)" = "$version" ] && exit 0

mkdir -p "$WINEPREFIX"
"$WINE64" wineboot -i >/dev/null 2>&1
apply_prefix_settings "$WINE64"
/usr/lib/wine/wineserver -w
echo "$version" > "$stamp"
