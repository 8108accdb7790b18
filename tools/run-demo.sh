#!/usr/bin/env bash
# Installs what is missing, builds the transfer tool and starts it under Wine from a demo program
# folder: the program, its message master, a pattern master and a requester master holding one
# demo pattern and one demo requester, and a small customer file to read (demo-transfers.csv).
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"

KOR_NO_WINE32=${KOR_NO_WINE32:-1} bash tools/setup.sh
build=build/x86_64
[ -f "$build/build.ninja" ] || cmake -S . -B "$build" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-x86_64-w64-mingw32.cmake >/dev/null
cmake --build "$build" --target Korxf300

demo="$build/demo/Korxf300"
mkdir -p "$demo"
cp "$build/programs/Korxf300/Korxf300.exe" "$build/programs/Korxf300/mstKORXF001.ini" "$demo/"
to_cp932() {
    cmake -DKOR_ICONV="$(command -v iconv)" -DSOURCE="$1" -DDESTINATION="$2" \
        -P cmake/Cp932File.cmake
}
src=resources/demo/transfer
# The masters are the user's once the tool has changed them: lay them out only once.
[ -f "$demo/mstKORXF301.ini" ] || to_cp932 "$src/mstKORXF301.utf8" "$demo/mstKORXF301.ini"
[ -f "$demo/mstKORXF302.ini" ] || to_cp932 "$src/mstKORXF302.utf8" "$demo/mstKORXF302.ini"
to_cp932 "$src/demo-transfers.csv.utf8" "$demo/demo-transfers.csv"

if [ -z "${DISPLAY:-}" ]; then
    cat >&2 <<'TXT'
run-demo: the demo folder is ready in build/x86_64/demo/Korxf300, but there is no X display
  (DISPLAY is not set) to show the tool on.
  Run this command from a terminal of a desktop session, or start a virtual display first, e.g.
      Xvfb :7 -screen 0 1280x1024x24 &  DISPLAY=:7 bash tools/run-demo.sh
  and look at it with a VNC viewer (x11vnc -display :7) or take screenshots (import -display :7).
TXT
    exit 2
fi

export KOR_BUILD="$top/$build"
. tools/wine-env.sh
# A prefix of its own: the tests' prefix leaves windows to no window manager.
export WINEPREFIX="$top/$build/demo-wineprefix"
[ -d "$WINEPREFIX" ] || wineboot -i >/dev/null 2>&1
echo "run-demo: starting $demo/Korxf300.exe"
echo "run-demo: read demo-transfers.csv with the pattern and requester already chosen, then"
echo "          choose an output file name and press データ出力."
cd "$demo"
exec wine Korxf300.exe
