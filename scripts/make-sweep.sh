#!/usr/bin/env bash
# Makes the example sweep: what a camera behind the knife edge films while a hand turns the
# knife's screw from before the first zone's null to past the last and back, and what a dial
# indicator's adapter logs beside it. The hand's speed wanders by half its mean either way and
# rests at the turnaround; the camera takes 5 to 15 frames a second and stamps each 100 ms late;
# the dial reports 10 times a second in steps of 0.001 mm, as an adapter that puts its own
# milliseconds before each value ("15052 ms 1.470 mm"). Each frame is the simulated
# Foucault-gram of a bundled test at the knife's position, degraded as the photo series is
# (scripts/make-photo-series.sh): off-centre in a larger frame, a bright rim, a green light,
# blur, noise, an exposure that changes from frame to frame, JPEG. Fixed seeds: the same files
# every time.
#   scripts/make-sweep.sh [ZONALYST_CLI [OUT_FOLDER]]
set -euo pipefail
cd "$(dirname "$0")/.."

cli="${1:-build/bin/zonalyst-cli}"
test_file="examples/foucault2-simu200f6-unmasked-7zones-effective.fdr"
out="${2:-examples/sweep/simu200f6}"
# The readings run from 0.75 to 2.25 mm: the sweep goes 0.2 mm beyond them.
from=0.55 to=2.45
speed=0.15     # the hand's mean speed, mm/s
pause=1.5      # at the turnaround, and before and after, seconds
latency=0.1    # seconds the camera's stamps lag
size=200       # the disc's diameter, pixels
frame=320x240  # the camera's frame
left=70 top=18 # where the disc's square stands in it
rim="gray(55%)"

command -v convert > /dev/null || { echo "make-sweep: needs ImageMagick (scripts/setup.sh)" >&2; exit 1; }
mkdir -p "$out"
rm -f "$out"/frame_*.jpg "$out"/frames.csv "$out"/dial.log
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The knife's path every millisecond, then the dial's values and the frames' times and knife
# positions from it.
awk -v from="$from" -v to="$to" -v v="$speed" -v pause="$pause" -v latency="$latency" \
    -v dial="$out/dial.log" -v frames="$work/frames.txt" 'BEGIN {
  srand(20261207); pi = 3.14159265358979; dt = 0.001; phase = 2 * pi * rand()
  n = 0; x = from
  for (t = 0; t < pause; t += dt) path[n++] = x
  for (p = 0; p < 2; p++) {
    target = p == 0 ? to : from; dir = target > x ? 1 : -1
    while (dir * (target - x) > 0) {
      x += dir * v * (1 + 0.5 * sin(2 * pi * n * dt / 9 + phase)) * dt
      if (dir * (x - target) > 0) x = target
      path[n++] = x
    }
    for (t = 0; t < pause; t += dt) path[n++] = x
  }
  end = (n - 1) * dt
  print "time_s,value" > dial
  for (k = 0; k * 0.1 <= end; k++) {
    printf "%.3f,%d ms %.3f mm\n", k * 0.1, k * 100, path[int(k * 100)] > dial
  }
  k = 0
  for (t = 1 / 15 + rand() * (1 / 5 - 1 / 15); t <= end; t += 1 / 15 + rand() * (1 / 5 - 1 / 15)) {
    printf "%04d %.3f %.5f %.3f\n", ++k, t + latency, path[int(t / dt + 0.5)], 1 + 0.15 * sin(k * 2.3 + 0.7) > frames
  }
}'

centre_x=$(awk -v a="$left" -v s="$size" 'BEGIN { print a + s / 2 - 0.5 }')
centre_y=$(awk -v a="$top" -v s="$size" 'BEGIN { print a + s / 2 - 0.5 }')
rim_x=$(awk -v c="$centre_x" -v s="$size" 'BEGIN { print c + s / 2 - 0.5 }')
echo "file,time_s" > "$out/frames.csv"
count=0
while read -r k stamp knife gain; do
  "$cli" simulate "$test_file" --view foucault --knife "$knife" --size "$size" -o "$work/view.png" > /dev/null
  convert -size "$frame" xc:black "$work/view.png" -geometry "+$left+$top" -composite \
    -fill none -stroke "$rim" -strokewidth 1 \
    -draw "circle $centre_x,$centre_y $rim_x,$centre_y" \
    -gaussian-blur 0x1.0 \
    -channel R -evaluate multiply 0.35 -channel B -evaluate multiply 0.45 +channel \
    -evaluate multiply "$gain" \
    -seed $((1000 + 10#$k)) -attenuate 0.15 +noise Gaussian \
    -strip -quality 80 "$out/frame_$k.jpg"
  echo "frame_$k.jpg,$stamp" >> "$out/frames.csv"
  count=$((count + 1))
done < "$work/frames.txt"
echo "make-sweep: $count frames and $(($(wc -l < "$out/dial.log") - 1)) dial values in $out"
