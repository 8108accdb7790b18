# Sourced by the scripts that run the programs under Wine. Needs KOR_BUILD (a build folder).
export WINEPREFIX="$KOR_BUILD/wineprefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
export LC_ALL=ja_JP.UTF-8

# 32-bit Wine is installed and this kernel runs it.
kor_wine32_available() { [ -x /usr/lib/wine/wine ] && /usr/lib/wine/wine --version >/dev/null 2>&1; }

# Creates the build folder's Wine prefix once; windows are unmanaged (no window manager runs,
# and a managed window costs seconds when it is destroyed).
kor_wine_prefix() {
    if [ ! -f "$WINEPREFIX/.kor-ready" ]; then
        rm -rf "$WINEPREFIX"
        wineboot -i >/dev/null 2>&1
        wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
        kor_wine_mincho
        wineserver -w
        touch "$WINEPREFIX/.kor-ready"
    fi
}

# The printed lists use "ＭＳ 明朝"; without this Wine draws it in a Gothic face.
kor_wine_mincho() {
    wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'ＭＳ 明朝' /d IPAMincho /f \
        >/dev/null 2>&1
}

# Starts a Wine process that lives for the whole run (see tests/support/keepalive.cpp).
kor_wine_warm() {
    wine "$KOR_BUILD/tests/wine_keepalive.exe" </dev/null >/dev/null 2>&1 &
    sleep 1
}

kor_wine_stop() { wineserver -k 2>/dev/null || true; }

# Starts Xvfb on a free display unless one is given.
kor_xvfb() {
    if [ -z "${DISPLAY:-}" ]; then
        local fifo; fifo=$(mktemp -u); mkfifo "$fifo"
        Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
        KOR_XVFB_PID=$!
        local n; read -r n <"$fifo"; rm -f "$fifo"
        export DISPLAY=":$n"
    fi
}

# For a script's whole run: a private Xvfb unless a display is given and the build folder's
# prefix; Wine and that Xvfb are stopped when the script exits (this sets its EXIT trap).
kor_wine_session() {
    KOR_XVFB_PID=
    trap 'kor_wine_stop; [ -n "$KOR_XVFB_PID" ] && kill "$KOR_XVFB_PID" 2>/dev/null || true' EXIT
    kor_xvfb
    kor_wine_prefix
}
