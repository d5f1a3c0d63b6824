#!/usr/bin/env bash
# Creates the build's own Wine prefix once, with the dialogs' fonts mapped to installed ones.
set -euo pipefail
source "$(dirname "$0")/wine-env.sh"

stamp=$WINEPREFIX/.kalimor-ready
[ -f "$stamp" ] && exit 0

mkdir -p "$WINEPREFIX"
"$WINE64" wineboot -i >/dev/null 2>&1
# The templates name fonts that Linux does not have; DejaVu Sans carries clean Arabic glyphs.
for font in "Simplified Arabic" "Microsoft Sans Serif"; do
  "$WINE64" reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "$font" /d "DejaVu Sans" /f >/dev/null 2>&1
done
/usr/lib/wine/wineserver -w
touch "$stamp"
