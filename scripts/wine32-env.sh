# Environment for running the Windows programs under the 32-bit Wine; source it.
# The settings of wine-env.sh in a prefix of its own, made for 32-bit Windows.
# The Wine is the private root that wine32-root.sh extracts when there is one,
# else Debian's wine32; the native wineserver64 serves it, as Debian's own
# wineserver wrapper does when both are installed. KALIMOR_WINE32_ROOT puts the
# private root elsewhere, for example one that several checkouts share.
KALIMOR_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
# Set before wine-env.sh, which keeps a WINEPREFIX it finds: never the 64-bit prefix.
export WINEPREFIX=$KALIMOR_ROOT/build/wineprefix32
source "$KALIMOR_ROOT/scripts/wine-env.sh"
export WINEARCH=win32
WINE32_READY=$WINEPREFIX/.kalimor-ready
export WINESERVER=/usr/lib/wine/wineserver64
WINE32_ROOT=${KALIMOR_WINE32_ROOT:-$KALIMOR_ROOT/build/wine32-root}
if [ -d "$WINE32_ROOT" ]; then
  WINE32=$WINE32_ROOT/usr/lib/wine/wine
  export LD_LIBRARY_PATH=$WINE32_ROOT/lib/i386-linux-gnu:$WINE32_ROOT/usr/lib/i386-linux-gnu${LD_LIBRARY_PATH:+:$LD_LIBRARY_PATH}
else
  WINE32=/usr/lib/wine/wine
fi
