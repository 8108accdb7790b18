#!/usr/bin/env bash
# Renders the result list, the error list and the totals sheet of each tool's sample data set
# into PNG files, one a page named <tool>-<list>-<page>.png with tool xf, db or tx (and the
# metafiles they come from), for a person to look at the printed pages:
#     bash tools/render-lists.sh [OUTPUT-FOLDER [xf|db|tx ...]]   (default build/x86_64/lists,
#                                                                  all three tools)
# Needs a 64-bit build (tools/dev-test.sh or tools/check.sh) and ImageMagick's convert.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
build=build/x86_64
out=$(realpath -m "${1:-$build/lists}")
shift $(( $# > 0 ? 1 : 0 ))
tools=("$@")
[ ${#tools[@]} -gt 0 ] || tools=(xf db tx)
[ -f "$build/build.ninja" ] || cmake -S . -B "$build" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-x86_64-w64-mingw32.cmake >/dev/null
cmake --build "$build" --target render_lists >/dev/null
export KOR_BUILD="$top/$build"
. tools/wine-env.sh
kor_wine_session
kor_wine_mincho
rm -rf "$out"
mkdir -p "$out"
for tool in "${tools[@]}"; do
    wine "$KOR_BUILD/tools/render_lists.exe" "$tool" "Z:${out//\//\\}"
done
for bmp in "$out"/*.bmp; do
    convert "$bmp" "${bmp%.bmp}.png"
    rm "$bmp"
done
ls "$out"/*.png
