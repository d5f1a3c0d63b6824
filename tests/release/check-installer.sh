#!/usr/bin/env bash
# Runs the Windows installer under the 32-bit Wine, silently, per user and for
# all users: it must install the zip's files byte for byte with a Start-menu
# shortcut, register among installed programs, and its registered quiet
# uninstall command must take all of it away again.
#   check-installer.sh INSTALLER ZIP   (after scripts/wine32-setup.sh)
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
installer=$(realpath "$1") zip=$(realpath "$2")
source "$root/scripts/wine32-env.sh"
version=$(sed -n 's/^project(Kalimor VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt")
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
python3 -m zipfile -e "$zip" "$tmp/zip"
package=("$tmp"/zip/Kalimor-*)

wine() { "$WINE32" "$@" 2>/dev/null | tr -d '\r'; }
value() { wine reg query "$hive\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Kalimor" /v "$1" |
  sed -n "s/^ *$1 *REG_[A-Z]* *//p"; }
fail() { echo "installer ($mode): $*" >&2; status=1; }
status=0

for mode in CurrentUser AllUsers; do
  [ $mode = CurrentUser ] && hive=HKCU || hive=HKLM
  "$WINE32" "$installer" /S /$mode
  dir=$(value InstallLocation)
  [ -n "$dir" ] || { fail "no Uninstall entry under $hive"; continue; }
  unix_dir=$("$WINE32" winepath -u "$dir" 2>/dev/null)
  for file in Kalimor.exe README.txt COPYING BOOK-NOTICE.txt; do
    cmp -s "$package/$file" "$unix_dir/$file" || fail "$file is not the zip's"
  done
  [ "$(value DisplayName)" = Kalimor ] || fail "DisplayName is '$(value DisplayName)'"
  [ "$(value DisplayVersion)" = "$version" ] || fail "DisplayVersion is '$(value DisplayVersion)'"
  [ -n "$(value Publisher)" ] || fail "no Publisher"
  [ "$(value DisplayIcon)" = "$dir\\Kalimor.exe,0" ] || fail "DisplayIcon is '$(value DisplayIcon)'"
  size=$(value EstimatedSize)
  [ $((size)) -ge $(($(stat -c %s "$package/Kalimor.exe") / 1024)) ] || fail "EstimatedSize $size KB is less than the program"
  [ -n "$(value UninstallString)" ] || fail "no UninstallString"
  wine uninstaller --list | grep -qx 'Kalimor|||Kalimor' || fail "not among installed programs"
  links=$("$WINE32" winepath -u "$(wine cmd /c echo "%$([ $mode = CurrentUser ] && echo APPDATA || echo ProgramData)%")" 2>/dev/null)
  shortcut="$links/Microsoft/Windows/Start Menu/Programs/Kalimor.lnk"
  [ -f "$shortcut" ] || fail "no Start-menu shortcut at $shortcut"

  # The registered quiet uninstall command: "PROGRAM" ARGUMENTS.
  quiet=$(value QuietUninstallString)
  program=${quiet#\"} && program=${program%%\"*}
  read -r -a arguments <<<"${quiet##*\"}"
  "$WINE32" "$program" "${arguments[@]}"
  # The uninstaller runs on from a copy of itself; give it a few seconds.
  for _ in $(seq 40); do
    [ -e "$unix_dir" ] || [ -e "$shortcut" ] || break
    sleep 0.25
  done
  [ ! -e "$unix_dir" ] || fail "$unix_dir is left after uninstalling"
  [ ! -e "$shortcut" ] || fail "the shortcut is left after uninstalling"
  [ -z "$(value DisplayName)" ] || fail "the Uninstall entry is left after uninstalling"
  wine uninstaller --list | grep -q Kalimor && fail "still among installed programs"
done
[ $status -eq 0 ] && echo "the installer installs the zip's files, registers them and uninstalls them, per user and for all users"
exit $status
