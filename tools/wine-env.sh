# Sourced by the scripts that run the programs under Wine. Needs KOR_BUILD (a build folder).
export WINEPREFIX="$KOR_BUILD/wineprefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
export LC_ALL=ja_JP.UTF-8
# Marks the Wine programs this script starts (they inherit it): kor_wine_stop ends only those.
# A script started by another one keeps its caller's mark unless it opens a session of its own.
export KOR_WINE_SESSION="${KOR_WINE_SESSION:-$$.$RANDOM$RANDOM}"

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

# The Wine programs of the prefix that carry the mark (all Wine programs of the prefix with
# "any"), without the prefix's own helpers (wineserver, services, the desktop, ..., which end
# by themselves with the prefix's last program).
kor_wine_programs() {
    local mark="KOR_WINE_SESSION=$KOR_WINE_SESSION" env pid exe cmd
    [ "${1:-}" = any ] && mark=
    for env in /proc/[0-9]*/environ; do
        pid=${env#/proc/}; pid=${pid%/environ}
        exe=$(readlink "/proc/$pid/exe" 2>/dev/null) || continue
        case "$exe" in */wine | */wine64 | */wine-preloader | */wine64-preloader) ;; *) continue ;; esac
        tr '\0' '\n' <"$env" 2>/dev/null | grep -qxF "WINEPREFIX=$WINEPREFIX" || continue
        [ -z "$mark" ] || tr '\0' '\n' <"$env" 2>/dev/null | grep -qxF "$mark" || continue
        cmd=$(tr '\0' ' ' <"/proc/$pid/cmdline" 2>/dev/null) || continue
        cmd=${cmd%% *}
        case "${cmd,,}" in
            *\\services.exe | *\\winedevice.exe | *\\plugplay.exe | *\\svchost.exe | *\\rpcss.exe | \
                *\\explorer.exe | *\\wineboot.exe) continue ;;
        esac
        echo "$pid"
    done
}

# Ends the Wine programs this script started on its prefix, and no other: several scripts may
# run programs on one build folder's prefix at once (wineserver -k would end them all). When no
# other program is left, waits (at most 30 s) for the prefix's wineserver to end, so that no
# helper process of this run outlives it.
kor_wine_stop() {
    local pids
    pids=$(kor_wine_programs)
    if [ -n "$pids" ]; then
        # shellcheck disable=SC2086
        kill $pids 2>/dev/null || true
        local pid left
        for _ in $(seq 20); do
            left=
            for pid in $pids; do kill -0 "$pid" 2>/dev/null && left+=" $pid"; done
            [ -n "$left" ] || break
            sleep 0.1
        done
        # shellcheck disable=SC2086
        [ -z "$left" ] || kill -KILL $left 2>/dev/null || true
    fi
    [ -z "$(kor_wine_programs any)" ] || return 0
    timeout 30 wineserver -w 2>/dev/null ||
        echo "wine-env: the wineserver of $WINEPREFIX did not end within 30 s" >&2
    return 0
}

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
    KOR_WINE_SESSION="$$.$RANDOM$RANDOM"
    trap 'kor_wine_stop; [ -n "$KOR_XVFB_PID" ] && kill "$KOR_XVFB_PID" 2>/dev/null || true' EXIT
    kor_xvfb
    kor_wine_prefix
}
