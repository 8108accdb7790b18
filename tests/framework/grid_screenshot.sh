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
ready="$KOR_BUILD/scratch/grid_screenshot.ready"
rm -f "$ready"
KOR_GRID_EDIT=$([ "${2:-}" = edit ] && echo 1 || echo 0) \
KOR_GRID_HOLD_MS=8000 KOR_GRID_READY_FILE="Z:${ready//\//\\}" \
    wine "$KOR_BUILD/tests/framework_tests.exe" --gtest_also_run_disabled_tests \
    --gtest_filter='GridScreenshot.*' >/dev/null 2>&1 &
pid=$!
for _ in $(seq 100); do [ -f "$ready" ] && break; sleep 0.2; done
[ -f "$ready" ] || { echo "grid_screenshot: the dialog did not appear" >&2; exit 1; }
sleep 0.5
import -window root "$out"
wait "$pid" || true
echo "grid_screenshot: $out"
