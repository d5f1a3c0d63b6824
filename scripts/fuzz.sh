#!/usr/bin/env bash
# Builds the three libFuzzer targets with clang, AddressSanitizer and
# UndefinedBehaviorSanitizer in BUILD_DIR, then fuzzes for SECONDS in all
# (default 60): half on the walk and both lookups, starting from
# tests/fuzz/corpus; a third of the rest on kalimor-query's reading of a text
# (read), and the others on its reading and check of a book file (inputs up
# to 64 KB), both starting from that corpus and two pieces of the book: its
# first 64 KB, and a short book that keeps every rule.
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

# Instrument everything for coverage and both sanitizers; only the fuzz targets link libFuzzer itself.
flags="-g -fno-omit-frame-pointer -fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_C_COMPILER=clang-14 -DCMAKE_CXX_COMPILER=clang++-14 \
  -DCMAKE_C_FLAGS="$flags" -DCMAKE_CXX_FLAGS="$flags" -DKALIMOR_FUZZ=ON "$@"
ninja -C "$build" -j"$(nproc)" kalimor-fuzz-book kalimor-fuzz-check kalimor-fuzz-read

# New inputs go into the first directory, so the committed seeds stay as they are.
mkdir -p "$build/fuzz-corpus" "$build/fuzz-check-corpus" "$build/fuzz-check-seeds" "$build/fuzz-read-corpus"
head -c 65536 "$root/book/kalimor.txt" >"$build/fuzz-check-seeds/book-start"
{ head -n 20 "$root/book/kalimor.txt"; tail -n 2 "$root/book/kalimor.txt"; } >"$build/fuzz-check-seeds/book-ends"

book_seconds=$((seconds / 2))
"$build/tests/fuzz/kalimor-fuzz-book" -max_total_time="$book_seconds" -artifact_prefix="$build/" \
  "$build/fuzz-corpus" "$root/tests/fuzz/corpus"
read_seconds=$(((seconds - book_seconds) / 3))
"$build/tests/fuzz/kalimor-fuzz-check" -max_total_time="$((seconds - book_seconds - read_seconds))" -max_len=65536 \
  -artifact_prefix="$build/" "$build/fuzz-check-corpus" "$build/fuzz-check-seeds" "$root/tests/fuzz/corpus"
"$build/tests/fuzz/kalimor-fuzz-read" -max_total_time="$read_seconds" -max_len=65536 \
  -artifact_prefix="$build/" "$build/fuzz-read-corpus" "$build/fuzz-check-seeds" "$root/tests/fuzz/corpus"
