#!/usr/bin/env bash
# Keystroke latency in the real window, side by side in one run: the program
# with the checkout's book ("now") against the program with an earlier book
# ("before"). KALIMOR_LATENCY_BASELINE names the earlier book: a file, or a git
# revision whose book/kalimor.txt it takes; by default the committed book when
# the checkout's differs from it, else the book before its last commit.
# Builds the two 64-bit programs (build/win64 and build/latency-baseline) and
# runs bench/window's kalimor-latency under wine64 on an X display (a private
# Xvfb when there is none). Arguments go to kalimor-latency, e.g. --rounds 5.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${KALIMOR_BUILD_DIR:-$root/build}
book=$root/book/kalimor.txt
baseline_dir=$build/latency-baseline
baseline_book=$baseline_dir-book/kalimor.txt

"$root/scripts/setup.sh"

mkdir -p "$(dirname "$baseline_book")"
baseline=${KALIMOR_LATENCY_BASELINE:-}
if [ -z "$baseline" ]; then
  if git -C "$root" diff --quiet HEAD -- book/kalimor.txt; then
    baseline=$(git -C "$root" log -1 --format=%H -- book/kalimor.txt)^
  else
    baseline=HEAD
  fi
fi
if [ -f "$baseline" ]; then
  cmp -s "$baseline" "$baseline_book" || cp "$baseline" "$baseline_book"
else
  git -C "$root" show "$baseline:book/kalimor.txt" >"$baseline_book.new"
  # Left untouched when unchanged, so that the baseline program is not rebuilt.
  cmp -s "$baseline_book.new" "$baseline_book" && rm "$baseline_book.new" || mv "$baseline_book.new" "$baseline_book"
fi
echo "latency: before = $baseline ($(stat -c %s "$baseline_book") bytes), now = book/kalimor.txt ($(stat -c %s "$book") bytes)"

toolchain=$root/cmake/toolchain-x86_64-w64-mingw32.cmake
cmake -S "$root" -B "$build/win64" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DKALIMOR_BOOK="$book" >/dev/null
cmake -S "$root" -B "$baseline_dir" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DKALIMOR_BOOK="$baseline_book" >/dev/null
cmake --build "$build/win64" --target kalimor kalimor-latency -j "$(nproc)"
cmake --build "$baseline_dir" --target kalimor -j "$(nproc)"

"$root/scripts/wine-prefix.sh"
source "$root/scripts/wine-env.sh"
# Wine reads a Linux path through drive Z:.
exec "$root/scripts/with-display.sh" "$WINE64" "$build/win64/bench/window/kalimor-latency.exe" "$@" \
  before "Z:$baseline_dir/app/Kalimor64.exe" "Z:$baseline_book" \
  now "Z:$build/win64/app/Kalimor64.exe" "Z:$book"
