#!/usr/bin/env bash
# Builds the release from the last commit into dist/: the zip
# Kalimor-<version>-win32.zip (the 32-bit program, README.txt, COPYING, the
# book's notice and SHA256SUMS), the Windows installer of the same files
# Kalimor-<version>-win32-installer.exe, the Debian package
# kalimor_<version>-1_amd64.deb, and SHA256SUMS over the three. The commit is
# exported into a directory of its own and built there, so nothing uncommitted
# gets in; file order, times and attributes are fixed, so one commit always
# gives the same bytes.
#   KALIMOR_DIST_DIR      where they go (default: dist/ in the checkout)
#   KALIMOR_RELEASE_COMMIT  the commit to build (default: HEAD)
#   KALIMOR_RELEASE_WORK  a new or empty directory for the export and the build
#                         (default: a temporary one, removed afterwards)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
dist=${KALIMOR_DIST_DIR:-$root/dist}

"$root/scripts/setup.sh"

if [ -n "${KALIMOR_RELEASE_WORK:-}" ]; then
  work=$KALIMOR_RELEASE_WORK
  mkdir -p "$work"
  if [ -n "$(ls -A "$work")" ]; then
    echo "release: $work is not empty" >&2
    exit 1
  fi
else
  work=$(mktemp -d)
  trap 'rm -rf "$work"' EXIT
fi

commit=$(git -C "$root" rev-parse "${KALIMOR_RELEASE_COMMIT:-HEAD}")
if ! git -C "$root" diff --quiet HEAD; then
  echo "release: uncommitted changes are left out; building commit ${commit:0:12}" >&2
fi
mkdir "$work/src"
git -C "$root" archive "$commit" | tar -x -C "$work/src"
export SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(git -C "$root" log -1 --format=%ct "$commit")}
version=$(sed -n 's/^project(Kalimor VERSION \([0-9.]*\).*/\1/p' "$work/src/CMakeLists.txt")
if [ -z "$version" ]; then
  echo "release: no version in the top-level CMakeLists.txt" >&2
  exit 1
fi

cmake -S "$work/src" -B "$work/build" -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$work/src/cmake/toolchain-i686-w64-mingw32.cmake" >/dev/null
cmake --build "$work/build" --target kalimor -j "$(nproc)"

# Text files in the package have Windows line ends; README.txt is UTF-8 with a BOM.
name=Kalimor-$version
package=$work/package/$name
mkdir -p "$package"
crlf() { sed 's/$/\r/'; }
cp "$work/build/app/Kalimor.exe" "$package/"
{
  printf '\357\273\277'
  sed -e "s/@VERSION@/$version/g" -e "s/@COMMIT@/$commit/g" "$work/src/release/README.txt" | crlf
} >"$package/README.txt"
crlf </usr/share/common-licenses/GPL-2 >"$package/COPYING"
crlf <"$work/src/book/NOTICE.md" >"$package/BOOK-NOTICE.txt"
files=(README.txt Kalimor.exe COPYING BOOK-NOTICE.txt)
(cd "$package" && sha256sum "${files[@]}" >SHA256SUMS)
files+=(SHA256SUMS)

mkdir -p "$dist"
zip=$dist/$name-win32.zip
python3 - "$zip" "$SOURCE_DATE_EPOCH" "$package" "${files[@]}" <<'EOF'
import sys, time, zipfile
from pathlib import Path

zip_path, epoch, folder, *names = sys.argv[1:]
folder = Path(folder)
stamp = time.gmtime(int(epoch))[:6]
with zipfile.ZipFile(zip_path, "w") as archive:
    for name in names:
        entry = zipfile.ZipInfo(f"{folder.name}/{name}", date_time=stamp)
        entry.compress_type = zipfile.ZIP_DEFLATED
        entry.create_system = 3  # Unix, so that the mode below is what unpackers read
        entry.external_attr = 0o100644 << 16
        archive.writestr(entry, (folder / name).read_bytes(), compresslevel=9)
EOF

# The installer takes its files' times from them: those of the commit.
touch -d "@$SOURCE_DATE_EPOCH" "$package"/*
installer=$dist/$name-win32-installer.exe
makensis -V2 -DVERSION="$version" -DPACKAGE="$package" -DICON="$work/build/ui/Kalimor.ico" \
  -DOUTFILE="$installer" "$work/src/release/installer.nsi"

deb=$("$work/src/scripts/package-deb.sh" "$work/src" "$work/build-deb" "$dist" | tail -n 1)

outputs=("$(basename "$zip")" "$(basename "$installer")" "$(basename "$deb")")
(cd "$dist" && sha256sum "${outputs[@]}" >SHA256SUMS && cat SHA256SUMS)
(cd "$package" && sha256sum Kalimor.exe && stat -c '%s bytes' Kalimor.exe)
