# Sourced by the screenshot scripts, after tools/wine-env.sh and kor_wine_session.
#
# kor_screenshot NAME OUT EXE FILTER PREFIX [VARIABLE=VALUE ...]
# Runs the disabled test FILTER of EXE with the variables given. The test shows its window, writes
# the file named by PREFIX_READY_FILE once the window is drawn (the rectangle "x y width height"
# to photograph, or any other text for the whole screen) and keeps it shown for PREFIX_HOLD_MS;
# the picture goes to OUT.
kor_screenshot() {
    local name=$1 out=$2 exe=$3 filter=$4 prefix=$5
    shift 5
    local ready="$KOR_BUILD/scratch/$name.ready"
    rm -f "$ready"
    env "$@" "${prefix}_HOLD_MS=8000" "${prefix}_READY_FILE=Z:${ready//\//\\}" \
        wine "$exe" --gtest_also_run_disabled_tests --gtest_filter="$filter" >/dev/null 2>&1 &
    local pid=$!
    for _ in $(seq 100); do [ -s "$ready" ] && break; sleep 0.2; done
    [ -s "$ready" ] || { echo "$name: the window did not appear" >&2; return 1; }
    sleep 0.5
    local x= y= w= h=
    read -r x y w h <"$ready" || true
    if [ -n "$h" ]; then
        import -window root -crop "${w}x${h}+${x}+${y}" +repage "$out"
    else
        import -window root "$out"
    fi
    wait "$pid" || true
    echo "$name: $out"
}
