#!/usr/bin/env bash
# Fails when a C++ file of the tree differs from what clang-format (Debian's, .clang-format) makes
# of it, and names each such file.
set -euo pipefail
cd "$(dirname "$0")/.."
status=0
while IFS= read -r f; do
  if ! clang-format --dry-run --Werror "$f" >/dev/null 2>&1; then
    echo "not formatted: $f (run: clang-format -i $f)"
    status=1
  fi
done < <(git ls-files '*.cpp' '*.h')
exit $status
