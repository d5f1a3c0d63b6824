#!/usr/bin/env bash
# Configures and builds the three builds from one source tree:
#   build/win32   the release program, Kalimor.exe (32-bit)
#   build/win64   the same program for running and testing under wine64
#   build/native  tools, benchmarks and native tests (checks the release file too)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${KALIMOR_BUILD_DIR:-$root/build}
jobs=$(nproc)

configure() {
  local dir=$1
  shift
  cmake -S "$root" -B "$dir" -G Ninja "$@" >/dev/null
}

configure "$build/win32" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-i686-w64-mingw32.cmake"
configure "$build/win64" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-x86_64-w64-mingw32.cmake"
configure "$build/native" -DKALIMOR_RELEASE_EXE="$build/win32/app/Kalimor.exe"

for dir in win32 win64 native; do
  echo "== building $dir"
  cmake --build "$build/$dir" -j "$jobs"
done
