#!/usr/bin/env bash
# Builds the release twice, from clean exports of the last commit in two
# different directories, and checks that the program, the zip, the installer
# and the Debian package come out byte for byte the same, and that the zip
# holds what it should.
#   check-reproducible.sh [DIR]   DIR keeps the first build's dist/ for further checks
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# Both builds are of one commit, even when another is made meanwhile.
export KALIMOR_RELEASE_COMMIT=$(git -C "$root" rev-parse HEAD)
# Paths of different lengths and depths, so that any path in the output shows.
runs=("$tmp/a" "$tmp/second/release-built-elsewhere")
for run in "${runs[@]}"; do
  mkdir -p "$run"
  KALIMOR_RELEASE_WORK=$run/work KALIMOR_DIST_DIR=$run/dist "$root/scripts/release.sh" >"$run/log" 2>&1 ||
    { tail -n 40 "$run/log"; exit 1; }
done

status=0
programs=("${runs[0]}/work/build/app/Kalimor.exe" "${runs[1]}/work/build/app/Kalimor.exe")
sha256sum "${programs[@]}" | sed "s|$tmp/||"
cmp "${programs[@]}" || status=1
(cd "${runs[0]}/dist" && cat SHA256SUMS && sha256sum --quiet -c SHA256SUMS) || status=1
diff "${runs[0]}/dist/SHA256SUMS" "${runs[1]}/dist/SHA256SUMS" || status=1
zips=("${runs[0]}"/dist/*.zip "${runs[1]}"/dist/*.zip)

# The package: its files in this order, their checksums right, its program the one that was built.
unpacked=$tmp/unpacked
python3 -m zipfile -e "${zips[0]}" "$unpacked"
package=("$unpacked"/Kalimor-*)
listed=$(python3 -c 'import sys, zipfile; print(*zipfile.ZipFile(sys.argv[1]).namelist())' "${zips[0]}")
name=$(basename "${package[0]}")
expected="$name/README.txt $name/Kalimor.exe $name/COPYING $name/BOOK-NOTICE.txt $name/SHA256SUMS"
if [ "$listed" != "$expected" ]; then
  echo "the zip holds: $listed; expected: $expected" >&2
  status=1
fi
(cd "${package[0]}" && sha256sum --quiet -c SHA256SUMS) || status=1
cmp "${programs[0]}" "${package[0]}/Kalimor.exe" || status=1

if [ -n "${1:-}" ]; then
  rm -rf "$1"
  cp -a "${runs[0]}/dist" "$1"
fi
[ $status -eq 0 ] && echo "the release is the same, byte for byte, from both directories"
exit $status
