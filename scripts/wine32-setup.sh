#!/usr/bin/env bash
# Prepares the 32-bit Wine that the window tests run the release under:
# Debian's wine32 when it is installed and starts, else a private root of
# Debian's packages (scripts/wine32-root.sh, into build/wine32-root), and the
# prefix of its own with our settings. Where the kernel cannot execute 32-bit
# x86 code, 32-bit programs run under user-mode emulation instead
# (scripts/qemu-i386.sh). Last, a 32-bit command must run in the prefix.
#
# Exits 0 when ready. Where the layer cannot be had at all (no packages to be
# had for it), prints "skipped: REASON" and exits 3. Where it can be had but
# does not work, prints "failed: REASON" and exits 1. Details go to
# build/wine32-setup.log.
set -euo pipefail
scripts=$(cd "$(dirname "$0")" && pwd)
source "$scripts/wine32-env.sh"
source "$scripts/wine-settings.sh"
log=$KALIMOR_ROOT/build/wine32-setup.log
mkdir -p "$(dirname "$log")"
: >"$log"

skip() {
  echo "skipped: $*"
  exit 3
}
fail() {
  echo "failed: $*"
  exit 1
}
# Wine's first error in the log says why it did not start, as "Library
# zlib1.dll (which is needed by user32.dll) not found" did; the tray that no
# desktop of Xvfb's has is no reason.
first_error() {
  grep -E '^[0-9a-f]+:err:|^err:' "$log" | grep -v ':err:systray:' | head -n 1 | sed 's/^[0-9a-f]*:err:[^ ]* //' || true
}
# Runs a step whose exit status 3 says that its packages cannot be had. Its
# messages go to the log, apt's in English rather than the prefix's Arabic.
prepare() {
  local cannot_be_had=$1 failed=$2 status=0
  shift 2
  LC_ALL=C.UTF-8 "$@" >>"$log" 2>&1 || status=$?
  case $status in
    0) ;;
    3) skip "$cannot_be_had (see $log)" ;;
    *) fail "$failed (see $log)" ;;
  esac
}
trap 'fail "scripts/wine32-setup.sh stopped at line $LINENO (see $log)"' ERR

loader=/lib/ld-linux.so.2
[ -e "$loader" ] || fail "no 32-bit loader $loader (Debian's libc6-i386 is not installed; scripts/setup.sh installs it)"
if ! error=$("$loader" --version 2>&1 >/dev/null); then
  echo "wine32: this machine cannot execute 32-bit x86 code ($loader: ${error##*: }); running it under qemu-i386"
  prepare "this machine cannot execute 32-bit x86 code, and Debian's qemu-user 10 cannot be had" \
    "qemu-i386 could not be registered to run 32-bit x86 code" \
    "$scripts/qemu-i386.sh" "$KALIMOR_ROOT/build/qemu-user"
  "$loader" --version >/dev/null 2>&1 || fail "$loader does not run under qemu-i386 (see $log)"
fi

if [ -d "$WINE32_ROOT" ] || ! "$WINE32" --version >>"$log" 2>&1; then
  [ -f "$WINE32_ROOT/.kalimor-root" ] || echo "wine32: downloading Debian's wine32 into $WINE32_ROOT (about 140 MB, once)"
  prepare "Debian's wine32 $(dpkg-query -W -f='${Version}' wine64) cannot be downloaded" \
    "could not extract Debian's wine32 into $WINE32_ROOT" \
    "$scripts/wine32-root.sh" "$WINE32_ROOT"
  source "$scripts/wine32-env.sh"
fi

version=$({ cat "${BASH_SOURCE[0]}" "${KALIMOR_SETTINGS_FILES[@]}" "$WINE32_ROOT/.kalimor-root" 2>/dev/null; echo "$WINE32"; } | sha256sum | cut -d' ' -f1)
if [ "$(cat "$WINE32_READY" 2>/dev/null)" != "$version" ]; then
  rm -rf "$WINEPREFIX"
  mkdir -p "$WINEPREFIX"
  WINEDEBUG=err+all timeout 300 "$WINE32" wineboot -i >>"$log" 2>&1 ||
    fail "the 32-bit Wine could not create $WINEPREFIX: $(first_error)"
  apply_prefix_settings "$WINE32" || fail "the 32-bit Wine could not take our settings in $WINEPREFIX"
  "$WINESERVER" -w
  echo "$version" >"$WINE32_READY"
fi

arch=$(WINEDEBUG=err+all timeout 120 "$WINE32" cmd /c echo %PROCESSOR_ARCHITECTURE% 2>>"$log" | tr -d '\r') || true
[ "$arch" = x86 ] || fail "the 32-bit Wine did not run a command in $WINEPREFIX: $(first_error)"
# The probe's Wine has no display. While its server lives on, programs started
# in the prefix would share its desktop and could create no window.
"$WINESERVER" -w
echo "32-bit Wine: $WINE32, prefix $WINEPREFIX"
