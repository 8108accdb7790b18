#!/usr/bin/env bash
# Developer loop: build the 64-bit tree and run its tests (extra arguments go to ctest, e.g.
# -R StrUtil). Run tools/setup.sh once first.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
[ -f build/x86_64/build.ninja ] || cmake -S . -B build/x86_64 -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-x86_64-w64-mingw32.cmake >/dev/null
cmake --build build/x86_64
export KOR_BUILD="$top/build/x86_64"
. tools/wine-env.sh
kor_wine_session
kor_wine_warm
cd "$KOR_BUILD" && ctest --no-tests=error --output-on-failure -j "$(nproc)" "$@"
