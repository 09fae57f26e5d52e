#!/usr/bin/env bash
# Cross-builds the part of Zonalyst without Qt for Windows with warnings as errors, runs its
# tests under Wine, and checks that the Windows command line, alone in an empty folder,
# prints the same JSON and CSV as the Linux one for every example.
#   scripts/test-windows.sh [LINUX_CLI]   (default: build-check/bin/zonalyst-cli of scripts/test.sh)
set -euo pipefail
cd "$(dirname "$0")/.."

linux_cli="${1:-build-check/bin/zonalyst-cli}"
if [ ! -x "$linux_cli" ]; then
  echo "test-windows: no Linux command line at $linux_cli to compare with; run scripts/test.sh first" >&2
  exit 1
fi

./scripts/build-windows.sh -DZONALYST_BUILD_TESTS=ON

wine=/usr/lib/wine/wine64
wineserver=/usr/lib/wine/wineserver
export WINEDEBUG=-all
export LC_ALL=C.UTF-8  # Wine hands file names to the programs as UTF-8 text
WINEPREFIX="$(mktemp -d)"
export WINEPREFIX
lonely="$(mktemp -d)"
cleanup() {
  "$wineserver" -k 2>/dev/null || true
  rm -rf "$WINEPREFIX" "$lonely"
}
trap cleanup EXIT

# One server for the whole run, and the prefix's own processes started here with their
# output elsewhere: otherwise they inherit a test's output pipe and hold it open for
# seconds after the test has ended.
"$wineserver" -p
"$wine" wineboot > /dev/null 2>&1

# One test at a time, and a second start for a test that fails: on a busy machine Wine now
# and then fails to start a program at all (no output, exit at once). A test that really
# fails, fails twice.
ctest --test-dir build-windows --output-on-failure --repeat until-pass:2
# Every skip says why.
awk '/: Skipped$/ { getline reason }
     /^\[  SKIPPED \] [^ ]+ \(/ { print "skipped " $4 ": " (reason == "" ? "NO REASON GIVEN" : reason); if (reason == "") bad = 1 }
     END { exit bad }' build-windows/Testing/Temporary/LastTest.log

# The Windows program alone, with no DLL beside it, on every example; Windows paths too.
cp build-windows/bin/zonalyst-cli.exe "$lonely/"
differences=0
for example in examples/*.fdr; do
  windows_path="Z:$(realpath "$example" | tr / '\\')"
  for command in "report --json" "bestconic --json" "montecarlo --seed 7 --trials 2000 --json" "profile"; do
    # shellcheck disable=SC2086 # the command's words split on purpose
    expected="$("$linux_cli" $command "$example"; echo "exit $?")"
    # shellcheck disable=SC2086
    actual="$(cd "$lonely" && { "$wine" zonalyst-cli.exe $command "$windows_path"; echo "exit $?"; } | tr -d '\r')"
    if [ "$expected" != "$actual" ]; then
      echo "test-windows: zonalyst-cli.exe $command $example differs from the Linux build" >&2
      differences=$((differences + 1))
    fi
  done
done
if [ "$differences" -ne 0 ]; then
  echo "test-windows: $differences outputs differ" >&2
  exit 1
fi
echo "test-windows: the Windows command line prints the same JSON and CSV as the Linux one for every example"
