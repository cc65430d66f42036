# Sourced by the tests that need an X desktop: an X display of its own
# (Xvfb) with openbox managing it. Uses the caller's $work folder and adds
# the servers' process ids to its $pids; exports DISPLAY.
#   x_session_start || case $? in 1) Xvfb did not start;; 2) openbox did not;; esac
# openbox announces itself (_NET_SUPPORTING_WM_CHECK) long before it handles
# any event, and a window mapped in between can stay unmanaged, and so
# unshown, until something else happens. Its startup command runs as its
# main loop starts: that is the moment a program may start.
x_session_start() {
    exec 3>"$work/display"
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
    pids="$pids $!"
    exec 3>&-
    for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
    [ -s "$work/display" ] || { cat "$work/xvfb.log"; return 1; }
    DISPLAY=":$(cat "$work/display")"
    export DISPLAY
    openbox --startup "touch $work/openbox-ready" >"$work/openbox.log" 2>&1 &
    pids="$pids $!"
    for _ in $(seq 100); do [ -e "$work/openbox-ready" ] && return 0; sleep 0.1; done
    cat "$work/openbox.log"
    return 2
}
