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
. "$top/tests/support/screenshot.sh"
kor_screenshot main_screen_screenshot "$out" "$KOR_BUILD/tests/transfer_tests.exe" \
    'MainScreenScreenshot.*' KOR_SHOT KOR_SHOT_ABOUT="$([ "${2:-}" = about ] && echo 1 || echo 0)"
