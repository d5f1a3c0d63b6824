#!/usr/bin/env bash
# Extracts Debian's 32-bit Wine into DIR, a private root that the 32-bit window
# tests run it from (scripts/wine32-env.sh): wine32 and libwine at the version
# of the installed wine64, whose wineserver64 serves them; the libraries they
# need; the X libraries that Wine's display driver loads, and Wine's fonts, as
# the 64-bit Wine has them. The packages come through an apt state of its own
# (lists, cache and an empty status, architecture i386) and are unpacked with
# dpkg-deb: the machine's apt and dpkg state is never touched, nothing is
# installed. The C library stays out: 32-bit programs start through the
# system's /lib/ld-linux.so.2 (libc6-i386), which needs the C library of its
# own build. Of the maintainer scripts that unpacking skips, one matters:
# libwine's, which makes the MinGW-w64 zlib1.dll a Wine builtin (user32.dll
# needs it); it is done here. The others set up fontconfig's /etc, glib's
# schemas, a GStreamer helper's capabilities and ldconfig, which the system's
# own packages or LD_LIBRARY_PATH already cover. Does nothing when DIR was
# made by this script as it is; DIR appears only when complete.
set -euo pipefail

if [ $# -ne 1 ]; then
  echo "usage: scripts/wine32-root.sh DIR" >&2
  exit 2
fi
dir=$(realpath -m "$1")
stamp=$dir/.kalimor-root
version=$(dpkg-query -W -f='${Version}' wine64)
made_by=$({ cat "${BASH_SOURCE[0]}"; echo "$version"; } | sha256sum | cut -d' ' -f1)
[ "$(cat "$stamp" 2>/dev/null)" = "$made_by" ] && exit 0
work=$dir.partial
packages=(
  wine32="$version" libwine="$version" fonts-wine libz-mingw-w64
  libxcomposite1 libxcursor1 libxfixes3 libxi6 libxinerama1 libxrandr2 libxrender1 libxxf86vm1
)

rm -rf "$work"
mkdir -p "$work/lists/partial" "$work/archives/partial" "$work/root"
: >"$work/status"
apt=(apt-get -q -o Dir::State="$work" -o Dir::State::Lists="$work/lists" -o Dir::State::status="$work/status"
  -o Dir::Cache="$work" -o Dir::Cache::Archives="$work/archives"
  -o APT::Architecture=i386 -o APT::Architectures=i386)
# A list that fails to download (a mirror in the middle of a sync) need not
# matter: the download below says so if a package is then missing.
"${apt[@]}" update || echo "wine32-root: some package lists did not download; going on with the rest" >&2
# Exit 3: the packages cannot be had here, which the caller reports as a skip.
"${apt[@]}" install --download-only --no-install-recommends -y "${packages[@]}" || exit 3
for deb in "$work"/archives/*.deb; do
  case ${deb##*/} in
    libc6_*) ;;
    *) dpkg-deb -x "$deb" "$work/root" ;;
  esac
done

# What libwine's postinst does: the DLL's bytes with "Wine builtin DLL" and 16
# zero bytes over offsets 64 to 95, where Wine looks for its builtin signature.
builtin=$work/root/usr/lib/i386-linux-gnu/wine/i386-windows
for dll in "$work"/root/usr/i686-w64-mingw32/lib/zlib*.dll; do
  { head -c 64 "$dll"; printf 'Wine builtin DLL'; head -c 16 /dev/zero; tail -c +97 "$dll"; } >"$builtin/${dll##*/}"
done
[ -f "$builtin/zlib1.dll" ] || { echo "wine32-root: no zlib1.dll in libz-mingw-w64" >&2; exit 1; }
echo "$made_by" >"$work/root/.kalimor-root"
rm -rf "$dir"
mv "$work/root" "$dir"
rm -rf "$work"
