#!/usr/bin/env bash
# Fails when an #include of the tree points up the layers or sideways between the window's
# features, naming the file, the line and the arrow. Each include is resolved as the compiler
# does: to the including file's folder first, then to the source root; one that resolves to
# no file of the tree is refused too, since it could not be checked (generated .moc files
# aside). Includes of other libraries (<QString>, <vector>) are not the tree's and pass.
set -euo pipefail
cd "$(dirname "$0")/.."

# The layers: a file may include the files of its own folder's row (its subfolders too) and
# of the folders its row lists. The row of a file is the longest folder that holds it. A test
# or benchmark folder may include what the folder it mirrors may, plus the tests' shared
# support. The window's tests (tests/ui and its folders) drive the whole window through the one
# window fixture, so they may include any of ui.
#   core <- io <- image, photo, plot, live, platform <- ui <- app
#   inside ui: the kit (panel, prompt) <- the features (entry, analysis, photo, live) <- window
rules='
core
io                 core
io/fuzz            tests/support photo io core
image              io core
photo              io core
plot               io core
live               io core
platform           io core
ui/panel           ui/prompt platform live plot photo image io core
ui/prompt          ui/panel platform live plot photo image io core
ui/entry           ui/panel ui/prompt platform live plot photo image io core
ui/analysis        ui/panel ui/prompt platform live plot photo image io core
ui/photo           ui/panel ui/prompt platform live plot photo image io core
ui/live            ui/panel ui/prompt platform live plot photo image io core
ui/window          ui platform live plot photo image io core
app                ui platform live plot photo image io core
scripts            io core
tests/support      core
tests/core         tests/support core
tests/io           tests/support io core
tests/image        tests/support image io core
tests/photo        tests/support photo io core
tests/plot         tests/support plot io core
tests/live         tests/support live io core
tests/ui           tests/support ui platform live plot photo image io core
tests/cli          tests/support app platform live plot photo image io core
bench/core         tests/support core
bench/image        tests/support image io core
bench/photo        tests/support photo io core
bench/live         tests/support live io core
bench/plot         tests/support plot io core
bench/ui           tests/ui tests/support ui platform live plot photo image io core
bench/cli          tests/support app platform live plot photo image io core
'

mapfile -t files < <(scripts/cxx-files.sh)

{
  printf 'FILE %s\n' "${files[@]}"
  grep -Hn -E '^[[:space:]]*#[[:space:]]*include[[:space:]]*["<]' "${files[@]}" || true
} | awk -v rules="$rules" '
  function dir(path) { return path ~ /\// ? substr(path, 1, match(path, /\/[^\/]*$/) - 1) : "" }
  # The path with "." and ".." taken out; empty when it climbs above the root.
  function normal(path,   parts, n, i, out, depth, kept) {
    n = split(path, parts, "/"); depth = 0
    for (i = 1; i <= n; ++i) {
      if (parts[i] == "" || parts[i] == ".") continue
      if (parts[i] == "..") { if (depth == 0) return ""; --depth; continue }
      kept[++depth] = parts[i]
    }
    out = ""
    for (i = 1; i <= depth; ++i) out = out (i > 1 ? "/" : "") kept[i]
    return out
  }
  # The longest folder of the table that holds path, or "" when none does.
  function rowOf(path,   folder) {
    for (folder = dir(path); folder != ""; folder = dir(folder)) if (folder in allowed) return folder
    return ""
  }
  function within(path, folder) { return index(path "/", folder "/") == 1 }
  function mirrored(row,   rest) {
    rest = row; sub(/^(tests|bench)\//, "", rest)
    return (rest in allowed) ? rest : row
  }
  BEGIN {
    n = split(rules, lines, "\n")
    for (i = 1; i <= n; ++i) {
      count = split(lines[i], words, " ")
      if (count == 0) continue
      allowed[words[1]] = ""
      for (j = 2; j <= count; ++j) allowed[words[1]] = allowed[words[1]] " " words[j]
    }
    failures = 0
  }
  $1 == "FILE" { known[$2] = 1; next }
  {
    # grep -Hn: FILE:LINE:#include "PATH"
    split($0, head, ":"); file = head[1]; line = head[2]
    text = substr($0, length(file) + length(line) + 3)
    quoted = match(text, /"[^"]*"/)
    if (!quoted && !match(text, /<[^>]*>/)) next
    name = substr(text, RSTART + 1, RLENGTH - 2)
    target = ""
    if (quoted) {
      beside = normal(dir(file) "/" name)
      if (beside in known) target = beside
    }
    if (target == "" && (normal(name) in known)) target = normal(name)
    if (target == "") {
      if (quoted && name !~ /\.moc$/) {
        printf "%s:%s: #include \"%s\" names no file of the tree (write its path from the source root)\n", file, line, name > "/dev/stderr"
        ++failures
      }
      next
    }
    from = rowOf(file)
    if (from == "") {
      printf "%s:%s: %s has no row in the table of scripts/check-includes.sh\n", file, line, dir(file) > "/dev/stderr"
      ++failures
      next
    }
    if (within(target, from)) next
    count = split(allowed[from], may, " ")
    for (j = 1; j <= count; ++j) if (within(target, may[j])) next
    # Up when the target'"'"'s row may include the file'"'"'s folder, else sideways.
    # Tests and benchmarks are judged by the folders they mirror.
    to = mirrored(rowOf(target)); direction = "sideways"
    count = split(allowed[to], below, " ")
    for (j = 1; j <= count; ++j) if (within(mirrored(from), below[j])) direction = "up the layers"
    printf "%s:%s: %s -> %s points %s; %s may include %s\n", file, line, from, target, direction, from, \
      allowed[from] == "" ? "only its own files" : substr(allowed[from], 2) > "/dev/stderr"
    ++failures
  }
  END {
    if (failures > 0) {
      printf "check-includes: %d include%s break%s the layers (the table is in scripts/check-includes.sh)\n", \
        failures, failures == 1 ? "" : "s", failures == 1 ? "s" : "" > "/dev/stderr"
      exit 1
    }
  }
' || exit 1
echo "check-includes: ${#files[@]} files keep the layers"
