#!/usr/bin/env bash
# Photographs the screens of the local-tax tool with data, one picture each:
#   bash tests/localtax/screens_screenshot.sh [OUT_FOLDER [SCREEN ...]]
# (after a build of build/x86_64): OUT_FOLDER/TX300.png, TX301.png, ... (default
# build/screenshots/localtax). The screens are those of the table in ScreenshotTest.cpp; name
# some to photograph only those. The pictures are for looking at, not for the repository.
set -euo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
out=${1:-$top/build/screenshots/localtax}
shift || true
export KOR_BUILD="$top/build/x86_64"
. "$top/tools/wine-env.sh"
kor_wine_session
. "$top/tests/support/screenshot.sh"
exe="$KOR_BUILD/tests/localtax_tests.exe"
mkdir -p "$out"
screens=("$@")
if [ ${#screens[@]} -eq 0 ]; then
    # Every screen of the table, as the test program lists them ("  TX300" under the suite).
    mapfile -t screens < <(wine "$exe" --gtest_also_run_disabled_tests \
        --gtest_filter='Screens/TaxScreenshot.*' --gtest_list_tests 2>/dev/null |
        tr -d '\r' | sed -n 's/^  DISABLED_Shows\/\([A-Z0-9]*\).*/\1/p')
fi
[ ${#screens[@]} -gt 0 ] || { echo "no screens listed" >&2; exit 1; }
for screen in "${screens[@]}"; do
    kor_screenshot "tax_screen_$screen" "$out/$screen.png" "$exe" \
        "Screens/TaxScreenshot.DISABLED_Shows/$screen" KOR_SHOT
done
