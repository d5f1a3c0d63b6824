#!/usr/bin/env bash
# Checks the Debian package as a user meets it: lintian finds no error and
# no warning but that a first upload closes no bug; its AppStream metainfo
# validates; apt installs it; a normal user with an English locale starts
# kalimor twice at once: a small window says within a second that it is
# preparing and is gone once the dictionary windows show, one of the two
# starts makes the Wine prefix under XDG_DATA_HOME with our settings and
# both open a window, in which the window tests find and show Arabic; the
# next start reuses the prefix at once; a preparation that fails says why in
# one line, in Arabic for an Arabic locale; without a display it says so in
# one line; apt remove takes every file of the package away.
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

report=$(lintian --fail-on error,warning --suppress-tags initial-upload-closes-no-bugs "$deb" 2>&1) ||
  fail "lintian reports errors or warnings"
printf '%s\n' "$report" | grep -v 'running with root privileges' || true

export DEBIAN_FRONTEND=noninteractive
apt-get install -y -q "$deb" >/dev/null || { echo "deb: apt cannot install $deb" >&2; exit 1; }
mapfile -t files < <(dpkg -L kalimor)
metainfo=/usr/share/metainfo/org.example.kalimor.metainfo.xml
validated=$(appstreamcli validate --no-net "$metainfo" 2>&1) && ! grep -q '^[EW]:' <<<"$validated" ||
  { printf '%s\n' "$validated" >&2; fail "the AppStream metainfo does not validate without warnings"; }
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

# Starts kalimor COUNT times at once under a display of its own, watches the
# windows every 50 ms until every start shows its dictionary window and no
# preparing window is left, keeps a picture, and prints: when the first
# preparing window showed (in ms, or "none"), how many preparing windows
# showed in all, how many dictionary windows, how many preparing windows
# were left at the end, and when the last dictionary window showed (in ms).
cat >"$home/start.sh" <<'EOF'
count=$1 picture=$2
start=$(date +%s%N) first=none seen=() windows=0 left=0 shown=none
for _ in $(seq "$count"); do kalimor & done
for _ in $(seq 1200); do
  tree=$(xwininfo -root -tree 2>/dev/null)
  preparing=$(grep '"Kalimor": ("zenity"' <<<"$tree" | awk '{print $1}' || true)
  for id in $preparing; do
    [ "$first" != none ] || first=$(( ($(date +%s%N) - start) / 1000000 ))ms
    [[ " ${seen[*]} " == *" $id "* ]] || seen+=("$id")
  done
  windows=$(grep -c '"Kalimor": ("kalimor64.exe"' <<<"$tree" || true)
  left=$(grep -c '("zenity"' <<<"$tree" || true)
  [ "$windows" -lt "$count" ] || [ "$shown" != none ] || shown=$(( ($(date +%s%N) - start) / 1000000 ))ms
  [ "$windows" -ge "$count" ] && [ "$left" = 0 ] && break
  sleep 0.05
done
echo "$first ${#seen[@]} $windows $left $shown"
sleep 1
[ -z "$picture" ] || import -window root "$picture"
/usr/lib/wine/wineserver64 -k
EOF
# Shows one plain zenity window and prints when it showed, in ms. The check's
# machine may come fresh from a snapshot, where GTK's libraries are still to
# be read; on a desktop they are in memory already, so the launcher's
# preparing window is timed after this one.
cat >"$home/zenity-shows.sh" <<'EOF'
start=$(date +%s%N) shown=none
zenity --info --title=warm --text=warm 2>/dev/null &
zenity=$!
for _ in $(seq 200); do
  xwininfo -root -tree 2>/dev/null | grep -q '"warm": ("zenity"' && shown=$(( ($(date +%s%N) - start) / 1000000 ))ms && break
  sleep 0.05
done
kill $zenity
echo "$shown"
EOF
chmod 755 "$home/start.sh" "$home/zenity-shows.sh"
# The user runs what it needs from its home: the checkout may lie where it cannot read.
install -m 755 -o "$user" "$root/scripts/with-display.sh" "$window_tests" "$home/"
with_display=$home/with-display.sh
echo "deb: a first zenity window on this machine showed after $(as_user "$with_display" bash "$home/zenity-shows.sh" 2>/dev/null)"
picture=$(mktemp -u --suffix=.png -p /tmp)
started=$(as_user "$with_display" bash "$home/start.sh" 2 "$picture" 2>/dev/null) || true
echo "deb: two starts at once on a new account: $started (first preparing window, preparing windows, dictionary windows, left, all dictionary windows shown)"
read -r first preparing windows left shown <<<"$started"
[[ $first =~ ^[0-9]+ms$ ]] && [ "${first%ms}" -lt 1000 ] || fail "no preparing window within a second: $first"
[ "$preparing" = 1 ] || fail "$preparing preparing windows showed for two starts at once, not one"
[ "$windows" = 2 ] || fail "$windows dictionary windows opened for two starts, not 2"
[ "$left" = 0 ] || fail "the preparing window was left once the dictionary windows showed"
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
started=$(as_user "$with_display" bash "$home/start.sh" 1 "" 2>/dev/null) || true
echo "deb: the next start: $started"
read -r first preparing windows left shown <<<"$started"
[ "$first $windows" = "none 1" ] || fail "the next start showed a preparing window or no window: $started"
[ "$(stat -c %Y "$prefix/.kalimor-ready")" = "$made" ] || fail "the next start prepared the prefix again"

# A preparation that cannot be made says why in one line, in the user's language.
broken=$home/broken
as_user mkdir -p "$broken/kalimor"
as_user touch "$broken/kalimor/wineprefix"
for lang in en_US.UTF-8:"could not prepare" ar_EG.UTF-8:"تعذرت تهيئة"; do
  as_user LANG="${lang%%:*}" XDG_DATA_HOME="$broken" "$with_display" bash -c 'kalimor 2>"$HOME/said" >/dev/null' &&
    fail "a preparation that failed exited 0"
  said=$(cat "$home/said")
  [ "$(printf '%s\n' "$said" | wc -l)" = 1 ] && [[ $said == *"${lang#*:}"*wineprefix* ]] ||
    fail "a failed preparation in ${lang%%:*} said: $said"
done

apt-get remove -y -q kalimor >/dev/null
# Every file goes, and so does every directory of the package's own.
for file in "${files[@]}"; do
  [ ! -e "$file" ] || { [ -d "$file" ] && [[ $file != *kalimor* ]]; } || fail "$file is left after apt remove"
done
[ $status -eq 0 ] && echo "the package installs, runs for a normal user in an English locale and is removed whole"
exit $status
