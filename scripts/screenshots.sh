#!/usr/bin/env bash
# Pictures of the program's windows as PNG files in OUTDIR (default build/screenshots):
# the main window with a list, the main window with an entry, and the About window.
# Builds nothing: expects build/win64 built. Runs the program under Wine's virtual
# desktop on an X display (a private Xvfb when there is none), driven by
# kalimor_screenshot_driver, and takes each picture with ImageMagick's import.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${KALIMOR_BUILD_DIR:-$root/build}
out=$(realpath -m "${1:-$build/screenshots}")
program=$build/win64/app/Kalimor64.exe
driver=$build/win64/tests/windows/kalimor_screenshot_driver.exe
desktop=Kalimor
timeout_s=120

for file in "$program" "$driver"; do
  if [ ! -f "$file" ]; then
    echo "screenshots: $file is missing; build build/win64 first (scripts/build.sh)" >&2
    exit 1
  fi
done

if [ -z "${KALIMOR_SCREENSHOTS_DISPLAY:-}" ]; then
  export KALIMOR_SCREENSHOTS_DISPLAY=1
  exec "$root/scripts/with-display.sh" "$0" "$out"
fi

source "$root/scripts/wine-env.sh"
"$root/scripts/wine-prefix.sh"
mkdir -p "$out"
handshake=$(mktemp -d)
trap 'rm -rf "$handshake"' EXIT

# Wine reads a Linux path through drive Z:. The desktop grows with the display scale.
"$WINE64" explorer "/desktop=$desktop,$((1024 * KALIMOR_DPI / 96))x$((768 * KALIMOR_DPI / 96))" "Z:$driver" "Z:$handshake" "Z:$program" &
explorer=$!

# The driver asks for each picture with NAME.request, holding the window's rectangle on
# the virtual desktop, and waits until the request is gone.
deadline=$((SECONDS + timeout_s))
while [ ! -e "$handshake/done" ] && [ ! -e "$handshake/failed" ]; do
  for request in "$handshake"/*.request; do
    [ -e "$request" ] || continue
    name=$(basename "$request" .request)
    read -r x y width height < "$request"
    window=$(xwininfo -name "$desktop - Wine desktop" | awk '/Window id:/ { print $4 }')
    import -window "$window" -crop "${width}x${height}+${x}+${y}" +repage "$out/$name.png"
    echo "screenshots: $out/$name.png"
    rm "$request"
  done
  if [ $SECONDS -ge $deadline ]; then
    echo "screenshots: the driver did not finish within $timeout_s s" >&2
    kill "$explorer" 2>/dev/null || true
    exit 1
  fi
  sleep 0.2
done
wait "$explorer" || true

if [ -e "$handshake/failed" ]; then
  echo "screenshots: the driver failed: $(cat "$handshake/failed")" >&2
  exit 1
fi
for name in main-list main-entry about; do
  [ -s "$out/$name.png" ] || { echo "screenshots: $name.png was not written" >&2; exit 1; }
done
