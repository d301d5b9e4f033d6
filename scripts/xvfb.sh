# Sourced, not run, by the scripts that need an X server of their own (the
# smoke run and the benchmarks).

# start_xvfb WIDTHxHEIGHTxDEPTH starts Xvfb on a display number the server
# picks itself, so that a server already holding a number is never the one
# driven; once it accepts clients, DISPLAY names it and XVFB_PID is its
# process, for the caller to end. Fails, saying why, if it does not start.
start_xvfb() {
    local log fd number=
    log=$(mktemp)
    # Xvfb writes the number it took to the -displayfd descriptor once it
    # accepts clients, and closes it; if it dies first, the read ends early.
    exec {fd}< <(exec Xvfb -displayfd 3 -screen 0 "$1" -nolisten tcp 3>&1 >/dev/null 2>"$log")
    XVFB_PID=$!
    read -r -t 30 -u "$fd" number || true
    exec {fd}<&-
    if [[ ! "$number" =~ ^[0-9]+$ ]] || ! kill -0 "$XVFB_PID" 2>/dev/null; then
        kill "$XVFB_PID" 2>/dev/null || true
        echo "Xvfb did not start: $(tail -n 3 "$log" | tr '\n' ' ')" >&2
        rm -f "$log"
        return 1
    fi
    rm -f "$log"
    export DISPLAY=":$number"
}
