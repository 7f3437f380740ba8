# Sourced: start_xvfb starts a private X server (24-bit colour, fixed size (XVFB_SCREEN, else
# 1024x768x24), no window manager)
# and exports DISPLAY; stop_xvfb ends it by process ID; stop_wine_and_xvfb also ends the Wine
# processes of the prefix the caller's Wine settings name (use it as the EXIT trap, so nothing
# holds the caller's output open).
start_xvfb() {
    local n=90
    while [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; do n=$((n + 1)); done
    Xvfb ":$n" -screen 0 "${XVFB_SCREEN:-1024x768x24}" -nolisten tcp >/dev/null 2>&1 &
    xvfb_pid=$!
    export DISPLAY=":$n"
    for _ in $(seq 1 100); do
        [ -e "/tmp/.X11-unix/X$n" ] && return 0
        sleep 0.1
    done
    echo "xvfb: the X server did not start" >&2
    return 1
}
stop_xvfb() {
    [ -n "${xvfb_pid:-}" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
    xvfb_pid=
}
stop_wine_and_xvfb() {
    wineserver -k 2>/dev/null || true
    stop_xvfb
}
