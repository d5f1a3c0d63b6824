#!/usr/bin/env bash
# Creates the build's own Wine prefix with our settings (scripts/wine-settings.sh),
# for the locale and the display scale that scripts/wine-env.sh names.
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
"$WINE64" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$KALIMOR_DPI" /f >/dev/null 2>&1
/usr/lib/wine/wineserver -w
echo "$version" > "$stamp"
