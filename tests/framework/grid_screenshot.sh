#!/usr/bin/env bash
# Photographs the grid test dialog: bash tests/framework/grid_screenshot.sh [OUT.png [edit]]
# (after a build of build/x86_64); "edit" shows a cell being edited. The picture is for
# looking at, not for the repository.
set -euo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
out=${1:-$top/build/grid.png}
export KOR_BUILD="$top/build/x86_64"
. "$top/tools/wine-env.sh"
kor_wine_session
. "$top/tests/support/screenshot.sh"
kor_screenshot grid_screenshot "$out" "$KOR_BUILD/tests/framework_tests.exe" 'GridScreenshot.*' \
    KOR_GRID KOR_GRID_EDIT="$([ "${2:-}" = edit ] && echo 1 || echo 0)"
