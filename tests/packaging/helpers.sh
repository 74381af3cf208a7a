# Sourced by the packaging tests: failing with a message, an X server of their own, waiting for
# files and windows, the menu bar's items.

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# start_xvfb <work folder>: starts Xvfb on a free display, exports DISPLAY and keeps the server's
# process id in xvfb for the caller to end.
start_xvfb() {
    exec 3>"$1/display"
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 2>"$1/xvfb.log" &
    xvfb=$!
    exec 3>&-
    wait_for_file "$1/display" || fail "Xvfb did not start: $(cat "$1/xvfb.log")"
    DISPLAY=:$(cat "$1/display")
    export DISPLAY
}

# end_session: ends the program and the X server that the caller started and kept in program and
# xvfb, where it did.
end_session() {
    [ -z "${program:-}" ] || kill "$program" 2>/dev/null || true
    [ -z "${xvfb:-}" ] || kill "$xvfb" 2>/dev/null || true
}

# wait_for_file <path>: up to 10 s for the file to exist with some content.
wait_for_file() {
    for ((i = 0; i < 100; i++)); do
        [ -s "$1" ] && return 0
        sleep 0.1
    done
    return 1
}

# wait_for_window <title>: the id of the first window with that title. xdotool's --sync waits
# for ever; a sanitizer build starts slowly.
wait_for_window() {
    timeout 60 xdotool search --sync --name "$1" | head -n 1 || fail "no window \"$1\""
}

# The menu bar's items, from the window's left edge with the fonts that the set-up installs:
# "Nyomtatás" spans about 5 to 45 px, "Űrlap mentése" about 50 to 115 px.
click_menu_print() { xdotool mousemove --window "$1" 20 9 click 1; }
click_menu_save() { xdotool mousemove --window "$1" 80 9 click 1; }
