#!/usr/bin/env bash
# Prepares the 32-bit Wine that the window tests run the release under, where
# this machine can execute 32-bit x86 code: Debian's wine32 when it is
# installed and starts, else a private root of Debian's packages
# (scripts/wine32-root.sh, downloaded once into build/wine32-root), and the
# prefix of its own, with the dialogs' fonts mapped as in the 64-bit one. Last,
# a 32-bit command must run in it. When any of this fails, prints one line,
# "skipped: REASON", and exits 1, so that the layer is reported as skipped and
# not as failed tests. Details go to build/wine32-setup.log.
set -euo pipefail
scripts=$(cd "$(dirname "$0")" && pwd)
source "$scripts/wine32-env.sh"
source "$scripts/wine-settings.sh"
log=$KALIMOR_ROOT/build/wine32-setup.log
mkdir -p "$(dirname "$log")"
: >"$log"

skip() {
  echo "skipped: $*"
  exit 1
}
trap 'skip "scripts/wine32-setup.sh stopped at line $LINENO (see $log)"' ERR

# Every 32-bit program here starts through this loader, so it is the probe.
loader=/lib/ld-linux.so.2
[ -e "$loader" ] || skip "no 32-bit loader $loader (Debian's libc6-i386 is not installed)"
if ! error=$("$loader" --version 2>&1 >/dev/null); then
  skip "this machine cannot execute 32-bit x86 code ($loader: ${error##*: })"
fi

if [ ! -d "$WINE32_ROOT" ] && ! "$WINE32" --version >>"$log" 2>&1; then
  echo "wine32: no working wine32 installed; downloading Debian's into $WINE32_ROOT (about 140 MB, once)"
  # apt's messages go to the log in English, not in the prefix's Arabic locale.
  LC_ALL=C.UTF-8 "$scripts/wine32-root.sh" "$WINE32_ROOT" >>"$log" 2>&1 ||
    skip "could not download or extract Debian's wine32 into $WINE32_ROOT (see $log)"
  source "$scripts/wine32-env.sh"
fi

version=$({ cat "${BASH_SOURCE[0]}" "${KALIMOR_SETTINGS_FILES[@]}"; echo "$WINE32"; } | sha256sum | cut -d' ' -f1)
if [ "$(cat "$WINE32_READY" 2>/dev/null)" != "$version" ]; then
  mkdir -p "$WINEPREFIX"
  timeout 300 "$WINE32" wineboot -i >>"$log" 2>&1 || skip "the 32-bit Wine could not create $WINEPREFIX (see $log)"
  apply_prefix_settings "$WINE32" || skip "the 32-bit Wine could not take our settings in $WINEPREFIX"
  "$WINESERVER" -w
  echo "$version" >"$WINE32_READY"
fi

arch=$(timeout 120 "$WINE32" cmd /c echo %PROCESSOR_ARCHITECTURE% 2>>"$log" | tr -d '\r') || true
[ "$arch" = x86 ] || skip "the 32-bit Wine did not run a command in $WINEPREFIX (see $log)"
echo "32-bit Wine: $WINE32, prefix $WINEPREFIX"
