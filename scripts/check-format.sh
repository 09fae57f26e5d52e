#!/usr/bin/env bash
# Fails when a C++ file of the tree differs from what clang-format makes of it (.clang-format:
# 120 columns, includes grouped as the project's own, Qt and the other libraries, then the
# standard and system headers), naming each such file and its first misformatted lines.
#   scripts/check-format.sh        check every .cpp and .h of the tree, new files not yet added too
#   scripts/check-format.sh --fix  format them in place
set -euo pipefail
cd "$(dirname "$0")/.."

mapfile -t files < <(scripts/cxx-files.sh)
if [ "${1:-}" = "--fix" ]; then
  clang-format -i "${files[@]}"
  exit 0
fi

if report=$(clang-format --dry-run --Werror "${files[@]}" 2>&1); then
  echo "check-format: ${#files[@]} files formatted"
  exit 0
fi
echo "$report" | grep -E '^[^ ].*: (error|warning):' | head -40 >&2
echo "check-format: $(echo "$report" | grep -E '^[^ ].*: (error|warning):' | cut -d: -f1 | sort -u | wc -l) files are not formatted; scripts/check-format.sh --fix formats them" >&2
exit 1
