# Environment for running the Windows programs under wine64; source it.
# KALIMOR_LOCALE picks the system's code page for programs that are not
# Unicode: ar_EG.UTF-8 (the default) gives Windows-1256, en_US.UTF-8 gives
# 1252, ja_JP.UTF-8 gives 932. KALIMOR_DPI (default 96) is the display's
# scale. Each locale and scale has a prefix of its own in the build directory.
KALIMOR_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export KALIMOR_LOCALE=${KALIMOR_LOCALE:-ar_EG.UTF-8}
export KALIMOR_DPI=${KALIMOR_DPI:-96}
KALIMOR_PREFIX_NAME=wineprefix
[ "$KALIMOR_LOCALE" = ar_EG.UTF-8 ] || KALIMOR_PREFIX_NAME+=-${KALIMOR_LOCALE%%.*}
[ "$KALIMOR_DPI" = 96 ] || KALIMOR_PREFIX_NAME+=-${KALIMOR_DPI}dpi
export WINEPREFIX=${WINEPREFIX:-${KALIMOR_BUILD_DIR:-$KALIMOR_ROOT/build}/$KALIMOR_PREFIX_NAME}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree,mshtml="
export LANG=$KALIMOR_LOCALE
export LC_ALL=$KALIMOR_LOCALE
WINE64=/usr/lib/wine/wine64
