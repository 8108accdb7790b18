#!/usr/bin/env bash
# End-to-end check of printing through a real spooler (as root, Debian 12): starts a private
# CUPS with a PDF printer as the default queue, prints the two-page result list of a sample
# data set through each tool's list printer under Wine, and checks that a PDF of two pages
# comes out for each. The CUPS of the run listens on its own socket only and is stopped at the
# end; the Wine prefix is one of its own, so no other run ever sees this printer.
#     bash tools/print-check.sh     (KOR_KEEP_PDF=1 keeps the PDF in ~/PDF)
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
start=$(date +%s)

have() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'; }
need=()
for pkg in cups printer-driver-cups-pdf poppler-utils; do have "$pkg" || need+=("$pkg"); done
if [ ${#need[@]} -gt 0 ]; then
    echo "print-check: installing ${need[*]}"
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${need[@]}" \
        >/dev/null
fi

build=build/x86_64
[ -f "$build/build.ninja" ] || cmake -S . -B "$build" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-x86_64-w64-mingw32.cmake >/dev/null
cmake --build "$build" --target print_sample >/dev/null

spool=$(mktemp -d /tmp/kor-cups.XXXXXX)
chmod 755 "$spool"
mkdir -p "$spool/etc" "$spool/spool/tmp" "$spool/cache" "$spool/run" "$spool/log"
cat >"$spool/etc/cups-files.conf" <<EOF
ServerRoot $spool/etc
RequestRoot $spool/spool
CacheDir $spool/cache
StateDir $spool/run
TempDir $spool/spool/tmp
AccessLog $spool/log/access_log
ErrorLog $spool/log/error_log
PageLog $spool/log/page_log
SystemGroup root
EOF
cat >"$spool/etc/cupsd.conf" <<EOF
Listen $spool/run/cups.sock
LogLevel warn
Browsing Off
WebInterface No
<Location />
  Order allow,deny
  Allow all
</Location>
EOF
export CUPS_SERVER="$spool/run/cups.sock"

export KOR_BUILD="$top/$build"
. tools/wine-env.sh
export WINEPREFIX="$KOR_BUILD/wineprefix-print"
cupsd_pid=
KOR_XVFB_PID=
stamp="$spool/stamp"
cleanup() {
    kor_wine_stop
    [ -n "$KOR_XVFB_PID" ] && kill "$KOR_XVFB_PID" 2>/dev/null
    if [ -n "$cupsd_pid" ]; then
        kill "$cupsd_pid" 2>/dev/null
        wait "$cupsd_pid" 2>/dev/null
    fi
    rm -rf "$spool"
    true
}
trap cleanup EXIT

cupsd -f -c "$spool/etc/cupsd.conf" -s "$spool/etc/cups-files.conf" &
cupsd_pid=$!
for _ in $(seq 100); do [ -S "$CUPS_SERVER" ] && break; sleep 0.1; done
[ -S "$CUPS_SERVER" ] || { echo "print-check: cupsd did not start" >&2; exit 1; }
lpadmin -p PDF -v cups-pdf:/ -E -P /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd 2>/dev/null
lpadmin -d PDF

# cups-pdf writes into the PDF folder of the user who printed.
out_dir="$(getent passwd "$(id -un)" | cut -d: -f6)/PDF"
mkdir -p "$out_dir"
touch "$stamp"

kor_xvfb
kor_wine_prefix

# Each tool prints the two-page result list of its sample; each job must come out as a PDF of
# two pages.
for tool in xf db tx; do
    touch "$stamp"
    status=0
    wine "$KOR_BUILD/tools/print_sample.exe" "$tool" || status=$?
    if [ $status -ne 0 ]; then
        echo "print-check: FAILED: print_sample $tool ended with $status" >&2
        exit 1
    fi
    pdf=
    for _ in $(seq 600); do
        pdf=$(find "$out_dir" -maxdepth 1 -name '*.pdf' -newer "$stamp" | head -n 1)
        [ -n "$pdf" ] && [ -z "$(lpstat -o 2>/dev/null)" ] && break
        sleep 0.1
    done
    if [ -z "$pdf" ]; then
        echo "print-check: FAILED: no PDF of $tool appeared in $out_dir" >&2
        [ -f "$spool/log/error_log" ] && tail -n 20 "$spool/log/error_log" >&2
        exit 1
    fi
    info=$(pdfinfo "$pdf")
    [ -n "${KOR_KEEP_PDF:-}" ] || rm -f "$pdf"
    pages=$(awk '/^Pages:/ {print $2}' <<<"$info")
    echo "print-check: $tool: $(basename "$pdf"): $pages pages, $(grep '^Page size:' <<<"$info" | cut -c17-)"
    if [ "$pages" != 2 ]; then
        echo "print-check: FAILED: the $tool result list should print 2 pages" >&2
        exit 1
    fi
    # The next job's PDF is told apart by its time: a second of its own.
    sleep 1
done
echo "print-check: passed in $(( $(date +%s) - start )) s"
