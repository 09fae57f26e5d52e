#!/usr/bin/env bash
# The real zonalyst-cli on hostile paths, values and disks: every case must end within
# seconds with its exit code, print no inf, nan or NUL, and leave old files byte for byte.
# Usage: hostile-cli.sh ZONALYST-CLI EXAMPLE.fdr [export]
set -u
cli=$1
example=$2
with_export=${3:-}
dir=$(mktemp -d)
disk=$dir/disk
cleanup() {
  mountpoint -q "$disk" 2>/dev/null && umount -l "$disk"
  rm -rf "$dir"
}
trap cleanup EXIT
failures=0

# expect CODE COMMAND...: runs the command with a time limit and checks its exit code and output.
expect() {
  local want=$1
  shift
  timeout 30 "$cli" "$@" >"$dir/out" 2>"$dir/err"
  local got=$?
  if [ "$got" -ne "$want" ]; then
    echo "FAIL: exit $got, expected $want: $*"; cat "$dir/err"; failures=$((failures + 1))
  elif grep -aqiE '(^|[^a-z])(inf|nan)([^a-z]|$)' "$dir/out" "$dir/err" || tr -d '\n' <"$dir/out" | grep -qaP '[\x00-\x1f]'; then
    echo "FAIL: unclean output: $*"; failures=$((failures + 1))
  fi
}

# A test file of the example with line 1 (radius, diameter, conic) replaced.
with_mirror() { sed "2s/.*/$1\r/" "$example" >"$dir/$2"; }

mkfifo "$dir/pipe.fdr"
cp "$example" "$dir/sparse.fdr" && truncate -s 2G "$dir/sparse.fdr"
printf '\033]0;owned\007\033[2J\r\n\0\0' >"$dir/control.fdr"
for path in "$dir/pipe.fdr" /dev/zero "$dir/sparse.fdr" /proc/self/mem "$dir" "$dir/control.fdr"; do
  for command in report bestconic montecarlo; do expect 1 "$command" "$path"; done
  if tr -d '\n' <"$dir/err" | grep -qaP '[\x00-\x1f]'; then echo "FAIL: raw control bytes for $path"; failures=$((failures + 1)); fi
done

with_mirror "1E+70 6 -1" roc.fdr
with_mirror "48 6 -1E+300" conic.fdr
sed '3,7s/^\([^ ]*\) \([^ ]*\) .*/\1 \2 1E+300\r/' "$example" >"$dir/readings.fdr"
for file in roc.fdr conic.fdr readings.fdr; do
  for command in report bestconic montecarlo; do expect 3 "$command" "$dir/$file" --json; done
  grep -q "cannot be reduced to a surface" "$dir/err" || { echo "FAIL: no reason for $file"; failures=$((failures + 1)); }
done
expect 0 montecarlo "$example" --trials 100 --seed 3 --sd 1e50
grep -q "100 of 100 trials failed" "$dir/out" || { echo "FAIL: failed trials not told"; failures=$((failures + 1)); }

if [ -n "$with_export" ]; then
  # Through a link the linked picture is replaced; a pipe is refused at once.
  mkdir "$dir/real" && echo old >"$dir/real/ml.png" && ln -s real/ml.png "$dir/link.png"
  expect 0 export "$example" --panel ml -o "$dir/link.png"
  [ -L "$dir/link.png" ] && ! grep -q '^old$' "$dir/real/ml.png" ||
    { echo "FAIL: the link was not kept or its target not replaced"; failures=$((failures + 1)); }
  mkfifo "$dir/pipe.png"
  expect 4 export "$example" --panel ml -o "$dir/pipe.png"
  expect 4 export "$example" --panel ml -o "$dir/ml.gif" --record "$dir/pipe.png"
  # A full disk keeps the old files whole and takes no temporary file.
  mkdir "$disk"
  if mount -t tmpfs -o size=96k tmpfs "$disk" 2>/dev/null; then
    head -c 20000 /dev/urandom >"$disk/old.png" && cp "$disk/old.png" "$dir/old.png"
    cp "$disk/old.png" "$disk/old.json" && cp "$disk/old.png" "$disk/old.gif"
    head -c 100000 /dev/zero >"$disk/filler" 2>/dev/null
    expect 4 export "$example" --panel spot -o "$disk/old.png"
    expect 4 export "$example" --panel spot -o "$disk/old.gif"
    expect 4 export "$example" --panel ml -o "$dir/fine.png" --record "$disk/old.json"
    for name in old.png old.gif old.json; do
      cmp -s "$disk/$name" "$dir/old.png" || { echo "FAIL: $name changed"; failures=$((failures + 1)); }
    done
    [ "$(ls "$disk" | wc -l)" -eq 4 ] || { echo "FAIL: files left on the full disk: $(ls "$disk")"; failures=$((failures + 1)); }
  else
    echo "full disk: cannot mount a small tmpfs here, not checked"
  fi
fi

[ "$failures" -eq 0 ] && echo "hostile command lines: all cases passed"
exit "$failures"
