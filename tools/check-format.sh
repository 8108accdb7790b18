#!/usr/bin/env bash
# Fails when a tracked C++ source or test is not laid out as the committed .clang-format says,
# and names each place. To lay a file out: clang-format -i FILE.
# The fixtures under tests/fixtures are input to the checks' own tests and are left as they are.
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t files < <(git ls-files '*.cpp' '*.h' ':!:tests/fixtures/**')
if ! clang-format --dry-run --Werror "${files[@]}"; then
    echo "format: the files above differ from .clang-format (clang-format -i FILE lays one out)" >&2
    exit 1
fi
echo "format: ${#files[@]} files as .clang-format lays them out"
