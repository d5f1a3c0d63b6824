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
# own build. Does nothing when DIR exists; DIR appears only when complete.
set -euo pipefail

if [ $# -ne 1 ]; then
  echo "usage: scripts/wine32-root.sh DIR" >&2
  exit 2
fi
dir=$(realpath -m "$1")
[ -d "$dir" ] && exit 0
work=$dir.partial
version=$(dpkg-query -W -f='${Version}' wine64)
packages=(
  wine32="$version" libwine="$version" fonts-wine
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
"${apt[@]}" install --download-only --no-install-recommends -y "${packages[@]}"
for deb in "$work"/archives/*.deb; do
  case ${deb##*/} in
    libc6_*) ;;
    *) dpkg-deb -x "$deb" "$work/root" ;;
  esac
done
mv "$work/root" "$dir"
rm -rf "$work"
