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
for sd in 1e50 1e308; do
  expect 3 montecarlo "$example" --trials 100 --seed 3 --sd "$sd"
  grep -q "100 of 100 trials failed" "$dir/err" || { echo "FAIL: failed trials not told"; failures=$((failures + 1)); }
done

if [ -n "$with_export" ]; then
  # Through a link the linked picture is replaced; a pipe is refused at once.
  mkdir "$dir/real" && echo old >"$dir/real/ml.png" && ln -s real/ml.png "$dir/link.png"
  expect 0 export "$example" --panel ml -o "$dir/link.png"
  [ -L "$dir/link.png" ] && ! grep -q '^old$' "$dir/real/ml.png" ||
    { echo "FAIL: the link was not kept or its target not replaced"; failures=$((failures + 1)); }
  # Output that cannot be written fails the run even when warnings went to the error output.
  photos=$(dirname "$example")/photos/simu200f6
  timeout 30 "$cli" photos "$(dirname "$example")/foucault2-simu200f6-unmasked-7zones-effective.fdr" \
    "$photos/knife_0.55mm.jpg" "$photos/knife_0.65mm.jpg" >/dev/full 2>"$dir/err"
  got=$?
  [ "$got" -eq 4 ] && grep -q "warning: zone" "$dir/err" ||
    { echo "FAIL: photos to /dev/full gave exit $got"; failures=$((failures + 1)); }
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

if [ -n "$with_export" ]; then
  # Photographs that are none, or that make no series, end at once with a sentence.
  p=$dir/photos
  mkdir "$p"
  timeout 60 "$cli" simulate "$example" --view foucault --size 64 -o "$p/a_1.png" >/dev/null &&
    timeout 60 "$cli" simulate "$example" --view foucault --size 65 -o "$p/other_3.png" >/dev/null ||
    { echo "FAIL: no photographs simulated"; failures=$((failures + 1)); }
  echo "no picture" >"$p/text_4.png" && : >"$p/empty_5.jpg" && mkdir "$p/folder_6.png" && mkfifo "$p/pipe_7.png"
  # A PNG of a few bytes whose header claims 100000 x 100000 pixels.
  printf '\211PNG\r\n\032\n\000\000\000\rIHDR\000\001\206\240\000\001\206\240\010\000\000\000\000\215\071\124\024\000\000\000\000IEND\256\102\140\202' >"$p/bomb_8.png"
  for photo in text_4.png empty_5.jpg folder_6.png pipe_7.png bomb_8.png other_3.png; do
    expect 1 photos "$example" "$p/a_1.png" "$p/$photo"
    grep -q "^zonalyst-cli: .*$photo\"" "$dir/err" || { echo "FAIL: $photo not named"; cat "$dir/err"; failures=$((failures + 1)); }
  done
  expect 2 photos "$example" "$p/a_1.png"
  expect 2 photos "$example" "$p/a_1.png" "$p/a_1.png"
  # A sweep's lists that are devices, pipes or larger than any list are refused at once.
  for list in /dev/zero "$dir/sparse.fdr" "$dir/pipe.fdr"; do
    expect 1 sweep "$example" --frames "$list" --dial "$list"
  done
fi

# Output that cannot be written fails every command with its reason.
for command in report profile history bestconic montecarlo; do
  for sink in /dev/full closed; do
    if [ "$sink" = closed ]; then timeout 30 "$cli" "$command" "$example" >&- 2>"$dir/err"; else
      timeout 30 "$cli" "$command" "$example" >"$sink" 2>"$dir/err"; fi
    got=$?
    [ "$got" -eq 4 ] && grep -q "^zonalyst-cli: could not write the output: " "$dir/err" ||
      { echo "FAIL: exit $got, output to $sink of $command"; cat "$dir/err"; failures=$((failures + 1)); }
  done
done

# Names of 255 bytes, a hundred stale temporaries and a date in 2300 stand in the way of nothing.
mkdir "$dir/dated" && cp "$example" "$dir/dated/a.fdr" && touch -d 2300-01-01 "$dir/dated/a.fdr"
expect 0 history "$dir/dated" --json
grep -q '"modified":"2300-01-01T00:00:00Z"' "$dir/out" || { echo "FAIL: a test of 2300 not listed"; failures=$((failures + 1)); }
long=$(printf 'n%.0s' $(seq 251))
cp "$example" "$dir/$long.fdr"
expect 0 report "$dir/$long.fdr"
if [ -n "$with_export" ]; then
  for n in $(seq 0 99); do : >"$dir/stale.png~$n.tmp"; done
  expect 0 export "$example" --panel ml -o "$dir/$long.png"
  expect 0 simulate "$example" --view ronchi -o "$dir/stale.png"
  [ "$(ls -A "$dir" | grep -c 'tmp$')" -eq 100 ] || { echo "FAIL: temporaries left"; failures=$((failures + 1)); }

  # Out of memory is exit 5 with its message, never a crash, whatever the limit (a build
  # with sanitizers reserves terabytes of addresses and runs under no limit at all).
  if (ulimit -v 1000000 && "$cli" --help >/dev/null 2>&1); then
    with_mirror "630 79 -1" huge.fdr
    ran_out=0
    for limit in 100000 150000 200000 300000; do
      for command in "simulate $example --view foucault --size 4000 -o $dir/oom.png" \
                     "export $example --panel testers-view --size 4000 -o $dir/oom.gif" "mask $dir/huge.fdr -o $dir/oom.pdf"; do
        (ulimit -v "$limit" && exec timeout 60 "$cli" $command) >/dev/null 2>"$dir/err"
        got=$?
        [ "$got" -eq 5 ] && ran_out=$((ran_out + 1))
        if [ "$got" -ne 0 ] && { [ "$got" -ne 5 ] || ! grep -q "^zonalyst-cli: out of memory; nothing was written$" "$dir/err"; }; then
          echo "FAIL: exit $got under $limit KiB: $command"; cat "$dir/err"; failures=$((failures + 1))
        fi
      done
    done
    [ "$ran_out" -gt 0 ] || { echo "FAIL: no limit ran the memory out"; failures=$((failures + 1)); }
    echo "memory limits: $ran_out of 12 runs ran out of memory"
  else
    echo "memory limit: this build does not run under one (sanitizers), not checked"
  fi

  # A read-only picture, PDF or record is refused for an ordinary user too, though the
  # folder would let them replace it.
  if [ "$(id -u)" -eq 0 ] && command -v setpriv >/dev/null; then
    mkdir "$dir/shared" && chmod 755 "$dir" && chmod 777 "$dir/shared" && cp "$example" "$dir/shared/t.fdr"
    for name in mine.png mine.gif mine.pdf mine.json; do echo old >"$dir/shared/$name"; done
    as_user() { setpriv --reuid=65534 --regid=65534 --clear-groups env HOME="$dir/shared" "$@"; }
    cli_as_user() { as_user timeout 30 "$cli" "$@" >/dev/null 2>"$dir/err"; echo $?; }
    for args in "export $dir/shared/t.fdr --panel ml -o $dir/shared/mine.png" \
                "simulate $dir/shared/t.fdr --view ronchi -o $dir/shared/mine.gif" \
                "mask $dir/shared/t.fdr -o $dir/shared/mine.pdf" \
                "export $dir/shared/t.fdr --panel ml -o $dir/shared/new.png --record $dir/shared/mine.json"; do
      got=$(cli_as_user $args)
      [ "$got" -eq 4 ] && grep -q 'could not write ".*": it is read-only' "$dir/err" ||
        { echo "FAIL: exit $got as an ordinary user: $args"; cat "$dir/err"; failures=$((failures + 1)); }
    done
    for name in mine.png mine.gif mine.pdf mine.json; do
      grep -qx old "$dir/shared/$name" || { echo "FAIL: read-only $name replaced"; failures=$((failures + 1)); }
    done
  else
    echo "read-only for an ordinary user: not root or no setpriv here, not checked"
  fi
fi

[ "$failures" -eq 0 ] && echo "hostile command lines: all cases passed"
exit "$failures"
