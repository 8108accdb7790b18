#!/usr/bin/env bash
# Photographs every screen of a tool with data (300 to 305 and the about box), one picture each:
#     bash tools/screenshots.sh [xf|db|tx ...]      (no word: all three tools)
# into build/screenshots/<tool>/<SCREEN>.png (XF300.png, ..., ABOUT.png). Needs a build of
# build/x86_64 (tools/dev-test.sh or tools/check.sh). The screens are the table of each tool's
# tests/<tool folder>/ScreenshotTest.cpp, one line each. The pictures are for looking at, not
# for the repository. Without a display of the caller's it uses a private Xvfb.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
export KOR_BUILD="$top/build/x86_64"
. "$top/tools/wine-env.sh"
kor_wine_session
. "$top/tests/support/screenshot.sh"

# word: the test program and its screenshot suite.
declare -A exe=([xf]=transfer_tests [db]=debit_tests [tx]=localtax_tests)
declare -A suite=([xf]=TransferScreenshot [db]=DebitScreenshot [tx]=TaxScreenshot)

tools=("$@")
[ ${#tools[@]} -gt 0 ] || tools=(xf db tx)
status=0
for tool in "${tools[@]}"; do
    if [ -z "${exe[$tool]:-}" ]; then
        echo "usage: tools/screenshots.sh [xf|db|tx ...]" >&2
        exit 2
    fi
    program="$KOR_BUILD/tests/${exe[$tool]}.exe"
    out="$top/build/screenshots/$tool"
    mkdir -p "$out"
    # Every screen of the table, as the test program lists them ("  DISABLED_Shows/XF300").
    mapfile -t screens < <(wine "$program" --gtest_also_run_disabled_tests \
        --gtest_filter="Screens/${suite[$tool]}.*" --gtest_list_tests 2>/dev/null |
        tr -d '\r' | sed -n 's/^  DISABLED_Shows\/\([A-Z0-9]*\).*/\1/p')
    [ ${#screens[@]} -gt 0 ] || { echo "$tool: no screens listed" >&2; exit 1; }
    for screen in "${screens[@]}"; do
        kor_screenshot "${tool}_screen_$screen" "$out/$screen.png" "$program" \
            "Screens/${suite[$tool]}.DISABLED_Shows/$screen" KOR_SHOT || status=1
    done
done
exit $status
