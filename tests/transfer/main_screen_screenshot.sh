#!/usr/bin/env bash
# Photographs the main screen after a read:
#   bash tests/transfer/main_screen_screenshot.sh [OUT.png [about]]
# (after a build of build/x86_64); "about" photographs the about box instead. The picture is for
# looking at, not for the repository.
set -euo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
out=${1:-$top/build/main-screen.png}
export KOR_BUILD="$top/build/x86_64"
. "$top/tools/wine-env.sh"
kor_wine_session
ready="$KOR_BUILD/scratch/main_screen_screenshot.ready"
rm -f "$ready"
KOR_SHOT_ABOUT=$([ "${2:-}" = about ] && echo 1 || echo 0) \
KOR_SHOT_HOLD_MS=8000 KOR_SHOT_READY_FILE="Z:${ready//\//\\}" \
    wine "$KOR_BUILD/tests/transfer_tests.exe" --gtest_also_run_disabled_tests \
    --gtest_filter='MainScreenScreenshot.*' >/dev/null 2>&1 &
pid=$!
for _ in $(seq 100); do [ -s "$ready" ] && break; sleep 0.2; done
[ -s "$ready" ] || { echo "main_screen_screenshot: the screen did not appear" >&2; exit 1; }
sleep 0.5
read -r x y w h <"$ready"
import -window root -crop "${w}x${h}+${x}+${y}" +repage "$out"
wait "$pid" || true
echo "main_screen_screenshot: $out"
