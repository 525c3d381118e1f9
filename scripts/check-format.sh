#!/usr/bin/env bash
# Fails, naming the places, when a C++ file of the repository is not laid out as
# .clang-format says. With --fix, lays the files out instead.
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t files < <(git ls-files '*.cpp' '*.h')
if [ "${1:-}" = "--fix" ]; then
  clang-format -i "${files[@]}"
  exit 0
fi
if ! clang-format --dry-run --Werror "${files[@]}"; then
  echo "Unformatted code: run 'make format' and commit the result." >&2
  exit 1
fi
