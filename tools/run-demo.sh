#!/usr/bin/env bash
# Installs what is missing, builds a tool and starts it under Wine from a demo program folder:
# the program, its message master, a pattern master and a requester or consignor master holding
# one demo pattern and one demo requester or consignor, and a small customer file to read.
#   bash tools/run-demo.sh [xf|db|tx]  xf: the transfer tool (default), db: the direct-debit tool,
#                                      tx: the local-tax tool
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"

case "${1:-xf}" in
    xf) program=Korxf300 code=XF src=resources/demo/transfer input=demo-transfers.csv party=requester output="an output file name" ;;
    db) program=Kordb300 code=DB src=resources/demo/debit input=demo-debits.csv party=consignor output="an output file name" ;;
    tx) program=KorTx300 code=TX src=resources/demo/localtax input=chihouzei.csv party=requester output="an output folder" ;;
    *) echo "usage: bash tools/run-demo.sh [xf|db|tx]" >&2; exit 64 ;;
esac

KOR_NO_WINE32=${KOR_NO_WINE32:-1} bash tools/setup.sh
build=build/x86_64
[ -f "$build/build.ninja" ] || cmake -S . -B "$build" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-x86_64-w64-mingw32.cmake >/dev/null
cmake --build "$build" --target "$program"

demo="$build/demo/$program"
mkdir -p "$demo"
cp "$build/programs/$program/$program.exe" "$build/programs/$program/mstKOR${code}001.ini" "$demo/"
# The local-tax demo files are stored as the tool reads them (CP932); the others as UTF-8.
to_cp932() {
    if [ ! -f "$1" ]; then cp "${3:-${1%.utf8}}" "$2"; return; fi
    cmake -DKOR_ICONV="$(command -v iconv)" -DSOURCE="$1" -DDESTINATION="$2" \
        -P cmake/Cp932File.cmake
}
# The masters are the user's once the tool has changed them: lay them out only once.
for master in 301 302; do
    [ -f "$demo/mstKOR${code}$master.ini" ] ||
        to_cp932 "$src/mstKOR${code}$master.utf8" "$demo/mstKOR${code}$master.ini" \
            "$src/mstKOR${code}$master.ini"
done
to_cp932 "$src/$input.utf8" "$demo/$input"

if [ -z "${DISPLAY:-}" ]; then
    cat >&2 <<TXT
run-demo: the demo folder is ready in $demo, but there is no X display
  (DISPLAY is not set) to show the tool on.
  Run this command from a terminal of a desktop session, or start a virtual display first, e.g.
      Xvfb :7 -screen 0 1280x1024x24 &  DISPLAY=:7 bash tools/run-demo.sh ${1:-xf}
  and look at it with a VNC viewer (x11vnc -display :7) or take screenshots (import -display :7).
TXT
    exit 2
fi

export KOR_BUILD="$top/$build"
. tools/wine-env.sh
# A prefix of its own: the tests' prefix leaves windows to no window manager.
export WINEPREFIX="$top/$build/demo-wineprefix"
[ -d "$WINEPREFIX" ] || wineboot -i >/dev/null 2>&1
echo "run-demo: starting $demo/$program.exe"
echo "run-demo: read $input with the pattern and $party already chosen, then"
echo "          choose $output and press データ出力."
cd "$demo"
exec wine "$program.exe"
