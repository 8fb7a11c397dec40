# Sourced, not run: start_xvfb starts a private Xvfb and exports DISPLAY;
# stop_xvfb ends it. Xvfb picks its own free display (-displayfd): xvfb-run -a
# can race with another X server starting at the same moment and hand out a
# display that cannot be opened.

xvfb_pid=""
xvfb_dir=""
xvfb_outer_display=""

# start_xvfb [WIDTHxHEIGHT] (1280x1024 unless given)
start_xvfb() {
    xvfb_outer_display=${DISPLAY-}
    xvfb_dir=$(mktemp -d)
    Xvfb -displayfd 3 -screen 0 "${1:-1280x1024}x24" -nolisten tcp \
        3>"$xvfb_dir/display" >"$xvfb_dir/xvfb.log" 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 100); do
        [ -s "$xvfb_dir/display" ] && break
        kill -0 "$xvfb_pid" 2>/dev/null || break
        sleep 0.1
    done
    if [ ! -s "$xvfb_dir/display" ]; then
        echo "Xvfb did not start:" >&2
        cat "$xvfb_dir/xvfb.log" >&2
        return 1
    fi
    DISPLAY=":$(head -n 1 "$xvfb_dir/display")"
    export DISPLAY
}

stop_xvfb() {
    if [ -n "$xvfb_pid" ]; then
        kill "$xvfb_pid" 2>/dev/null
        wait "$xvfb_pid" 2>/dev/null
    fi
    [ -n "$xvfb_dir" ] && rm -rf "$xvfb_dir"
    xvfb_pid=""
    xvfb_dir=""
    if [ -n "$xvfb_outer_display" ]; then
        export DISPLAY="$xvfb_outer_display"
    else
        unset DISPLAY
    fi
}
