# A real X display for the download tests: Xvfb with a window manager (without one, focus and
# Alt shortcuts misbehave). Sourced; start_desktop WORK starts both, adds their process ids to
# the caller's `pids` (for its cleanup) and exports DISPLAY.
start_desktop() { # work folder
    Xvfb -displayfd 3 -screen 0 1280x1024x24 3>"$1/display" >/dev/null 2>&1 &
    pids+=($!)
    while [ ! -s "$1/display" ]; do sleep 0.2; done
    export DISPLAY=:$(cat "$1/display")
    openbox >/dev/null 2>&1 &
    pids+=($!)
}
