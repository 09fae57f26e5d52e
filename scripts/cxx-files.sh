#!/usr/bin/env bash
# Prints every C++ file of the tree, one a line: tracked or new, build folders (ignored by
# git) and files deleted but not yet committed left out. The format and include checks read
# the same files.
set -euo pipefail
cd "$(dirname "$0")/.."
git ls-files --cached --others --exclude-standard -- '*.cpp' '*.h' | sort -u |
  while read -r file; do [ -f "$file" ] && echo "$file"; done
