#!/usr/bin/env bash
# Scripts that share a build folder's Wine prefix never stop each other's programs: two
# conversions run side by side while a third script opens a Wine session and ends it; both
# conversions come out whole.
#     bash tests/tools/wine-sessions-test.sh BUILD-FOLDER
# The test has a prefix of its own (BUILD-FOLDER/wineprefix-sessions), so that whatever it does
# to its prefix no other test sees.
set -euo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
export KOR_BUILD=$1
. "$top/tools/wine-env.sh"
export WINEPREFIX="$KOR_BUILD/wineprefix-sessions"
kor_wine_session

work=$(mktemp -d "$KOR_BUILD/scratch/wine-sessions.XXXXXX")
trap 'kor_wine_stop; [ -n "$KOR_XVFB_PID" ] && kill "$KOR_XVFB_PID" 2>/dev/null; rm -rf "$work"' EXIT
demo="$top/resources/demo/transfer"
to_cp932() { iconv -f UTF-8 -t CP932 "$1" | sed 's/$/\r/'; }
to_cp932 "$demo/mstKORXF301.utf8" >"$work/mstKORXF301.ini"
to_cp932 "$demo/mstKORXF302.utf8" >"$work/mstKORXF302.ini"
# 20,000 transfers: long enough for the third script to come and go while both convert.
lines=$(to_cp932 "$demo/demo-transfers.csv.utf8")
for _ in $(seq 5000); do printf '%s\n' "$lines"; done >"$work/in.csv"
records=$(grep -c . "$work/in.csv")

convert() {  # a script of its own: its own session on the shared prefix
    (
        kor_wine_session
        # Folders of their own: the tool holds its masters alone while it reads them.
        mkdir "$work/run$1"
        cp "$work"/mstKORXF30?.ini "$work/in.csv" "$work/run$1/"
        cd "$work/run$1"
        wine "$KOR_BUILD/programs/tools/convert.exe" xf mstKORXF301.ini \
            "デモ　総合振込（カンマ区切り）" mstKORXF302.ini "デモ商事　総合振込" 3 15 salary \
            in.csv out.txt >"../log$1" 2>&1 && echo 0 >"../rc$1" || echo $? >"../rc$1"
    )
}
# The prefix's server and drives up before the two start at once.
wine cmd /c exit >/dev/null 2>&1
convert 1 &
first=$!
convert 2 &
second=$!
sleep 1
# The third script: a session that starts a program and ends while the conversions go on.
bash -c '. "$1/tools/wine-env.sh"; export WINEPREFIX="$2"; kor_wine_session; wine cmd /c exit' \
    third "$top" "$WINEPREFIX"
wait "$first" "$second"

status=0
for n in 1 2; do
    if [ "$(cat "$work/rc$n" 2>/dev/null)" != 0 ] ||
        ! tr -d '\r' <"$work/log$n" | grep -qx "stage *write" ||
        ! tr -d '\r' <"$work/log$n" | grep -qx "result *0" ||
        ! tr -d '\r' <"$work/log$n" | grep -qx "count *$records"; then
        echo "wine-sessions: conversion $n did not come out whole:" >&2
        cat "$work/log$n" >&2 || true
        status=1
    fi
done
cmp -s "$work/run1/out.txt" "$work/run2/out.txt" || { echo "wine-sessions: the outputs differ" >&2; status=1; }
[ $status -eq 0 ] && echo "wine-sessions: both conversions of $records records came out whole"
exit $status
