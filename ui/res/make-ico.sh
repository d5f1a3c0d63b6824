#!/usr/bin/env bash
# Makes the program's icon file from the artwork: 48, 32 and 16 pixels, each
# in 16 colours, 256 colours and 24-bit colour. rsvg-convert draws, ImageMagick
# reduces the palettes, icotool packs.
#   make-ico.sh ARTWORK.svg OUTPUT.ico
set -euo pipefail
svg=$1 out=$2
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# Windows' own sixteen colours and transparency, without dithering: too few
# colours to smooth edges with.
windows16=(black maroon green olive navy purple teal silver gray red lime yellow blue fuchsia aqua white)
convert "${windows16[@]/#/xc:}" xc:none +append "$tmp/windows16.png"

images=()
for size in 48 32 16; do
  if [ "$size" = 16 ]; then
    rsvg-convert -i book-16 -w 16 -h 16 "$svg" -o "$tmp/drawn.png"
  else
    rsvg-convert -w "$size" -h "$size" "$svg" -o "$tmp/drawn.png"
  fi
  # An icon's mask shows a pixel or hides it, so alpha becomes all or nothing.
  convert "$tmp/drawn.png" -channel A -threshold 50% +channel "$tmp/$size-24.png"
  convert "$tmp/$size-24.png" +dither -remap "$tmp/windows16.png" "$tmp/$size-4.png"
  convert "$tmp/$size-24.png" +dither -colors 255 "$tmp/$size-8.png"
  images+=(-b 4 "$tmp/$size-4.png" -b 8 "$tmp/$size-8.png" -b 24 "$tmp/$size-24.png")
done
icotool -c -o "$out" "${images[@]}"
