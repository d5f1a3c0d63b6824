#!/usr/bin/env bash
# Builds the libFuzzer target with clang, AddressSanitizer and
# UndefinedBehaviorSanitizer in BUILD_DIR, then fuzzes the walk and both
# lookups for SECONDS (default 60), starting from tests/fuzz/corpus.
# Exits non-zero when an input breaks an invariant or a sanitizer fires; the
# input is then saved in BUILD_DIR as crash-*. Further arguments go to cmake.
set -euo pipefail

if [ $# -lt 1 ]; then
  echo "usage: scripts/fuzz.sh BUILD_DIR [SECONDS] [CMAKE_ARGS...]" >&2
  exit 2
fi
build=$1
seconds=${2:-60}
shift $(($# >= 2 ? 2 : 1))
root=$(cd "$(dirname "$0")/.." && pwd)

# Instrument everything for coverage and both sanitizers; only the fuzz target links libFuzzer itself.
flags="-g -fno-omit-frame-pointer -fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_C_COMPILER=clang-14 -DCMAKE_CXX_COMPILER=clang++-14 \
  -DCMAKE_C_FLAGS="$flags" -DCMAKE_CXX_FLAGS="$flags" -DKALIMOR_FUZZ=ON "$@"
ninja -C "$build" -j"$(nproc)" kalimor-fuzz-book

# New inputs go into the first directory, so the committed seeds stay as they are.
mkdir -p "$build/fuzz-corpus"
"$build/tests/fuzz/kalimor-fuzz-book" -max_total_time="$seconds" -artifact_prefix="$build/" \
  "$build/fuzz-corpus" "$root/tests/fuzz/corpus"
