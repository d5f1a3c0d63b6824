#!/usr/bin/env bash
# Builds the Debian package kalimor_<version>-1_amd64.deb from an exported
# source tree, with dpkg-dev's own tools: dpkg-shlibdeps finds what
# kalimor-query links against, dpkg-gencontrol writes the control file from
# debian/control and debian/changelog, and dpkg-deb packs the tree with root
# as owner and every time clamped to SOURCE_DATE_EPOCH.
#   package-deb.sh SOURCE BUILD DIST
# SOURCE is the exported tree, BUILD a directory for the builds, DIST where the
# package goes.
set -euo pipefail
src=$1 build=$2 dist=$3
: "${SOURCE_DATE_EPOCH:?sets the times of the files in the package}"
umask 022

# The window: the 64-bit program, which runs under wine64 on every amd64 machine.
cmake -S "$src" -B "$build/win64" -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$src/cmake/toolchain-x86_64-w64-mingw32.cmake" >/dev/null
cmake --build "$build/win64" --target kalimor
# The companion with Debian's build flags; dpkg-buildflags maps the source
# directory away, and the build directory is mapped too.
flags() { (cd "$src" && DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --get "$1"); }
cmake -S "$src" -B "$build/native" -G Ninja -DCMAKE_BUILD_TYPE=None \
  -DCMAKE_CXX_FLAGS="$(flags CPPFLAGS) $(flags CXXFLAGS) -ffile-prefix-map=$build=build" -DCMAKE_EXE_LINKER_FLAGS="$(flags LDFLAGS)" >/dev/null
cmake --build "$build/native" --target kalimor-query

version=$(cd "$src" && dpkg-parsechangelog -S Version)
root=$build/deb
rm -rf "$root"
mkdir -p "$root/DEBIAN"
install -D -m 755 /dev/null "$root/usr/bin/kalimor"
sed "s/@VERSION@/$version/" "$src/debian/kalimor" >"$root/usr/bin/kalimor"
install -D -m 755 "$build/native/tools/query/kalimor-query" "$root/usr/bin/kalimor-query"
strip --strip-unneeded --remove-section=.comment --remove-section=.note "$root/usr/bin/kalimor-query"
install -D -m 644 "$build/win64/app/Kalimor64.exe" "$root/usr/lib/kalimor/Kalimor64.exe"
x86_64-w64-mingw32-strip "$root/usr/lib/kalimor/Kalimor64.exe"
install -D -m 644 "$src/scripts/wine-settings.sh" "$root/usr/share/kalimor/wine-settings.sh"
/usr/bin/python3 "$src/scripts/dialog-font.py" /usr/share/fonts/truetype/dejavu/DejaVuSerif.ttf \
  /usr/share/fonts/truetype/kacst/KacstBook.ttf "$root/usr/share/kalimor/KalimorDialog.ttf" "Kalimor Dialog"
install -D -m 644 "$src/debian/kalimor.desktop" "$root/usr/share/applications/kalimor.desktop"
install -D -m 644 "$src/debian/kalimor.metainfo.xml" "$root/usr/share/metainfo/org.example.kalimor.metainfo.xml"

icons=$root/usr/share/icons/hicolor
install -D -m 644 "$src/ui/res/Kalimor.svg" "$icons/scalable/apps/kalimor.svg"
for size in 16 22 24 32 48 64 128 256; do
  mkdir -p "$icons/${size}x$size/apps"
  # The artwork's whole-pixel drawing for the smallest size, as in the program's icon.
  only=()
  [ "$size" = 16 ] && only=(-i book-16)
  rsvg-convert "${only[@]}" -w "$size" -h "$size" "$src/ui/res/Kalimor.svg" -o "$icons/${size}x$size/apps/kalimor.png"
done

mkdir -p "$root/usr/share/man/man1" "$root/usr/share/doc/kalimor"
for page in kalimor.1 kalimor-query.1; do
  gzip -9n <"$src/debian/$page" >"$root/usr/share/man/man1/$page.gz"
done
gzip -9n <"$src/debian/changelog" >"$root/usr/share/doc/kalimor/changelog.Debian.gz"
install -m 644 "$src/debian/copyright" "$root/usr/share/doc/kalimor/copyright"

(
  cd "$src"
  dpkg-shlibdeps -T"$build/substvars" "$root/usr/bin/kalimor-query"
  dpkg-gencontrol -pkalimor -P"$root" -T"$build/substvars" -f"$build/files"
)
(cd "$root" && find usr -type f | LC_ALL=C sort | xargs md5sum >DEBIAN/md5sums)
chmod 644 "$root/DEBIAN/control" "$root/DEBIAN/md5sums"

mkdir -p "$dist"
deb=$dist/kalimor_${version}_amd64.deb
dpkg-deb --root-owner-group -Zxz --build "$root" "$deb" >/dev/null
echo "$deb"
