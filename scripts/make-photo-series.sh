#!/usr/bin/env bash
# Makes the example photo series: what a camera behind the knife edge sees of a bundled test
# at knife steps of 0.1 mm, each frame the simulated Foucault-gram of the measured mirror,
# then degraded as a real photograph is: the disc off-centre in a larger frame, a thin bright
# rim at its edge, a green light, lens blur, sensor noise, an exposure that differs from frame
# to frame, JPEG at quality 85. The knife position is in each file's name. Fixed seeds: the
# same files every time.
#   scripts/make-photo-series.sh [ZONALYST_CLI [OUT_FOLDER]]
set -euo pipefail
cd "$(dirname "$0")/.."

cli="${1:-build/bin/zonalyst-cli}"
test_file="examples/foucault2-simu200f6-unmasked-7zones-effective.fdr"
out="${2:-examples/photos/simu200f6}"
# The readings run from 0.75 to 2.25 mm: the series covers them with 0.2 mm to spare.
first=0.55
count=20
step=0.1

size=360               # the disc's diameter, pixels
frame=640x480          # the camera's frame
left=170 top=52        # where the disc's square stands in it: off-centre
rim="gray(55%)"        # the diffraction rim at the disc's edge

command -v convert > /dev/null || { echo "make-photo-series: needs ImageMagick (scripts/setup.sh)" >&2; exit 1; }
mkdir -p "$out"
rm -f "$out"/knife_*.jpg
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# ImageMagick puts pixel centres at whole numbers: the disc's square spans left - 0.5 to
# left + size - 0.5, so its centre and the rim, one pixel wide just inside its edge, stand half a
# pixel up and left of the whole-number centre.
centre_x=$(awk -v a="$left" -v s="$size" 'BEGIN { print a + s / 2 - 0.5 }')
centre_y=$(awk -v a="$top" -v s="$size" 'BEGIN { print a + s / 2 - 0.5 }')
rim_x=$(awk -v c="$centre_x" -v s="$size" 'BEGIN { print c + s / 2 - 0.5 }')
for ((k = 0; k < count; k++)); do
  knife=$(awk -v a="$first" -v s="$step" -v k="$k" 'BEGIN { printf "%.2f", a + s * k }')
  # Exposure gains from 0.85 to 1.15 in a fixed, irregular order.
  gain=$(awk -v k="$k" 'BEGIN { printf "%.3f", 1.0 + 0.15 * sin(k * 2.3 + 0.7) }')
  "$cli" simulate "$test_file" --view foucault --knife "$knife" --size "$size" -o "$work/view.png" > /dev/null
  convert -size "$frame" xc:black "$work/view.png" -geometry "+$left+$top" -composite \
    -fill none -stroke "$rim" -strokewidth 1 \
    -draw "circle $centre_x,$centre_y $rim_x,$centre_y" \
    -gaussian-blur 0x1.5 \
    -channel R -evaluate multiply 0.35 -channel B -evaluate multiply 0.45 +channel \
    -evaluate multiply "$gain" \
    -seed $((1000 + k)) -attenuate 0.15 +noise Gaussian \
    -strip -quality 85 "$out/knife_${knife}mm.jpg"
done
echo "make-photo-series: $count photographs in $out"
