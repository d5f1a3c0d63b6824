#!/usr/bin/env bash
# Checks the Debian package as a user meets it: lintian finds no error; apt
# installs it; a normal user with an English locale starts kalimor, which
# makes its Wine prefix under XDG_DATA_HOME with our settings and opens the
# window, in which the window tests find and show Arabic, and reuses the
# prefix on the next start; without a display it says so in one line; apt
# remove takes every file of the package away.
#   check-deb.sh DEB [SCREENSHOT.png]   (as root: it installs and makes a user)
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
deb=$(realpath "$1")
window_tests=${KALIMOR_BUILD_DIR:-$root/build}/win64/tests/windows/kalimor_window_tests.exe
[ -f "$window_tests" ] || { echo "deb: $window_tests is missing; build build/win64 first" >&2; exit 1; }
shot=${2:-}
user=kalimor-check
status=0
fail() { echo "deb: $*" >&2; status=1; }

report=$(lintian --fail-on error "$deb" 2>&1) || fail "lintian reports errors"
printf '%s\n' "$report" | grep -v 'running with root privileges' || true

export DEBIAN_FRONTEND=noninteractive
apt-get install -y -q "$deb" >/dev/null || { echo "deb: apt cannot install $deb" >&2; exit 1; }
mapfile -t files < <(dpkg -L kalimor)
id "$user" >/dev/null 2>&1 || useradd -m "$user"
home=$(getent passwd "$user" | cut -d: -f6)
data=$home/data  # not the default, to see that XDG_DATA_HOME is followed
as_user() { runuser -u "$user" -- env -i HOME="$home" PATH=/usr/bin:/bin LANG=en_US.UTF-8 XDG_DATA_HOME="$data" "$@"; }
cleanup() {
  as_user WINEPREFIX="$data/kalimor/wineprefix" /usr/lib/wine/wineserver64 -k 2>/dev/null || true
  userdel -r "$user" 2>/dev/null || true
}
trap cleanup EXIT

said=$(as_user kalimor 2>&1) && fail "kalimor without a display exited 0"
[ "$(printf '%s\n' "$said" | wc -l)" = 1 ] && [[ $said == *display* ]] || fail "without a display it said: $said"

# Starts kalimor under a display of its own, waits for its window, keeps a picture of it.
cat >"$home/start.sh" <<'EOF'
kalimor & pid=$!
for _ in $(seq 240); do
  xwininfo -root -tree 2>/dev/null | grep -q '"Kalimor": ("kalimor64.exe"' && break
  sleep 0.25
done
xwininfo -root -tree | grep -c '"Kalimor": ("kalimor64.exe"'
sleep 1
[ -z "$1" ] || import -window root "$1"
kill $pid
/usr/lib/wine/wineserver64 -k
EOF
chmod 755 "$home/start.sh"
# The user runs what it needs from its home: the checkout may lie where it cannot read.
install -m 755 -o "$user" "$root/scripts/with-display.sh" "$window_tests" "$home/"
with_display=$home/with-display.sh
picture=$(mktemp -u --suffix=.png -p /tmp)
opened=$(as_user "$with_display" bash "$home/start.sh" "$picture" 2>/dev/null) || true
[ "$opened" = 1 ] || fail "the window did not open"
[ -n "$shot" ] && [ -f "$picture" ] && cp "$picture" "$shot"
rm -f "$picture"

prefix=$data/kalimor/wineprefix
[ "$(stat -c %U "$prefix/system.reg" 2>/dev/null)" = "$user" ] || fail "no prefix of the user's own at $prefix"
grep -q '"ThemeActive"="0"' "$prefix/user.reg" || fail "the prefix lacks the classic look"
grep -q '"Microsoft Sans Serif"="Kalimor Dialog"' "$prefix/user.reg" || fail "the prefix lacks the font mapping"
[ -f "$prefix/drive_c/windows/Fonts/KalimorDialog.ttf" ] || fail "the prefix lacks the Kalimor Dialog face"
# The installed program shows and finds Arabic in the user's English locale:
# the window tests that type, pick and read the texts back, run as that user
# in that prefix against the installed program.
as_user WINEPREFIX="$prefix" WINEDEBUG=-all "$with_display" /usr/lib/wine/wine64 \
  "$home/${window_tests##*/}" --gtest_brief=1 --gtest_filter='ResultPick.*:AboutWindow.*' Z:/usr/lib/kalimor/Kalimor64.exe \
  >"$home/window-tests.log" 2>&1 || { tail -n 20 "$home/window-tests.log" >&2; fail "the installed program failed the window tests in an English locale"; }
# A filter that no longer names a test would pass nothing.
passed=$(tr -d '\r' <"$home/window-tests.log" | sed -n 's/^\[  PASSED  \] \([0-9]*\) tests\?\./\1/p' | head -n 1)
[ "${passed:-0}" -gt 0 ] && echo "deb: $passed window tests passed against the installed program" ||
  fail "no window test ran against the installed program"
made=$(stat -c %Y "$prefix/.kalimor-ready")
sleep 1
opened=$(as_user "$with_display" bash "$home/start.sh" "" 2>/dev/null) || true
[ "$opened" = 1 ] || fail "the window did not open the second time"
[ "$(stat -c %Y "$prefix/.kalimor-ready")" = "$made" ] || fail "the second start made the prefix again"

apt-get remove -y -q kalimor >/dev/null
# Every file goes, and so does every directory of the package's own.
for file in "${files[@]}"; do
  [ ! -e "$file" ] || { [ -d "$file" ] && [[ $file != *kalimor* ]]; } || fail "$file is left after apt remove"
done
[ $status -eq 0 ] && echo "the package installs, runs for a normal user in an English locale and is removed whole"
exit $status
