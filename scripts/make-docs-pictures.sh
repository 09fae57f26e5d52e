#!/usr/bin/env bash
# Makes the README's pictures (docs/*.png) from the real window, shown under Xvfb on a real
# test: the surface error panel (F4) and the tester's view (F10); the photo readings dialog
# (F3, "Read from Photos...") on the example photo series; the example sweep's contrast curves as
# zonalyst-cli sweep draws them; the astigmatism dialog (F4, "Astigmatism...") on the example
# tests at several orientations; and the live tester (F3, "Live Tester...") on its Simulated
# source, stepped through the zones. Run it again whenever the window changes.
# usage: scripts/make-docs-pictures.sh [BUILD_DIR]   (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
example=examples/foucault2-becoulet200-moving-4sets.fdr
photos_test=examples/foucault2-simu200f6-unmasked-7zones-effective.fdr
photos=examples/photos/simu200f6
astigmatism_test=examples/astigmatism/test1_rot0.fdr

./scripts/setup.sh
[ -f "$build/CMakeCache.txt" ] || cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release > /dev/null
cmake --build "$build" -j"$(nproc)" --target zonalyst zonalyst-cli > /dev/null

# Settings of their own: the splash closes by itself, no association offer.
config=$(mktemp -d)
trap 'rm -rf "$config"' EXIT
mkdir -p "$config/Zonalyst"
printf '[Global]\nShow_Splash=True\nShow_Exit=True\nShow_MC_Dialog=False\nNo_File_ass=True\n' \
  > "$config/Zonalyst/Zonalyst.ini"
mkdir -p docs

# In the window under Xvfb, opened on the test given first, runs the steps given next (a bash
# snippet; the arguments after them are its $4, $5, ...): $window is the main window, shown TITLE
# the window of that title, and capture WINDOW FILE captures a window into docs/FILE.
in_window() {
  XDG_CONFIG_HOME=$config LC_ALL=C.UTF-8 xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
    set -euo pipefail
    "$1/bin/zonalyst" "$(pwd)/$2" &
    program=$!
    trap "kill $program" EXIT
    sleep 3  # the splash closes after a second, then the window shows the test
    shown() { xdotool search --onlyvisible --name "$1" | head -1; }
    window=$(shown "Zonalyst")
    capture() {
      import -window "$1" "docs/$2"
      echo "docs/$2"
    }
    eval "$3"
  ' make-docs-pictures "$build" "$@"
}

# Each key shows a panel, then the window alone is captured.
in_window "$example" '
  for shot in "F4 window-surface-error.png" "F10 window-testers-view.png"; do
    set -- $shot
    xdotool key --window "$window" "$1"
    sleep 1.5
    capture "$window" "$2"
  done'

# The photo readings dialog: Alt+P presses "Read from Photos...", the file box is given the
# series' folder and then every photo in it, and the dialog is captured once it has read them.
in_window "$photos_test" '
  xdotool key --window "$window" F3
  sleep 1
  xdotool windowfocus --sync "$window"
  xdotool key alt+p
  sleep 1.5
  xdotool type --delay 5 "$(pwd)/$4/"
  xdotool key Return
  sleep 1
  xdotool type --delay 5 "$(cd "$4" && ls | sed "s/.*/\"&\"/" | tr "\n" " ")"
  xdotool key Return
  sleep 6
  capture "$(shown "Read from Photos")" window-photo-readings.png' "$photos"

"$build/bin/zonalyst-cli" sweep "$photos_test" --frames examples/sweep/simu200f6/frames.csv \
  --dial examples/sweep/simu200f6/dial.log --plot docs/sweep-curves.png > /dev/null 2>&1
echo docs/sweep-curves.png

# The astigmatism dialog: Alt+A on the surface error panel, captured once it has fitted the
# folder's tests.
in_window "$astigmatism_test" '
  xdotool windowfocus --sync "$window"
  xdotool key alt+a
  sleep 3
  capture "$(shown "^Astigmatism$")" window-astigmatism.png'

# The live tester: Alt+L opens it on the Simulated source; the knife moves out by 0.1 mm
# (Page Up) after each step recorded (Space), through every zone's null.
in_window "$example" '
  xdotool key --window "$window" F3
  sleep 1
  xdotool windowfocus --sync "$window"
  xdotool key alt+l
  sleep 3
  dialog=$(shown "Live Tester")
  for step in $(seq 1 26); do
    xdotool key --window "$dialog" Page_Up
    sleep 0.6
    xdotool key --window "$dialog" space
  done
  xdotool key --window "$dialog" Page_Down Page_Down Page_Down Page_Down Page_Down Page_Down Page_Down Page_Down
  sleep 1.5
  capture "$dialog" window-live-tester.png'
