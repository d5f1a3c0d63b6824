# Environment for running the Windows programs under wine64; source it.
# Wine takes Windows-1256 as the ANSI code page from the Arabic (Egypt) locale.
KALIMOR_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export WINEPREFIX=${WINEPREFIX:-$KALIMOR_ROOT/build/wineprefix}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree,mshtml="
export LANG=ar_EG.UTF-8
export LC_ALL=ar_EG.UTF-8
WINE64=/usr/lib/wine/wine64
