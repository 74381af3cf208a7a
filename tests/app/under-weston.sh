#!/usr/bin/env bash
# under-weston.sh <program> [arguments]: runs the program as a Wayland client of its own weston,
# headless and drawing in software, and ends the compositor with it.
set -u
runtime=$(mktemp -d)
chmod 700 "$runtime"
export XDG_RUNTIME_DIR=$runtime WAYLAND_DISPLAY=ktv-test QT_QPA_PLATFORM=wayland
export LSAN_OPTIONS=${LSAN_OPTIONS:+$LSAN_OPTIONS:}suppressions=$(dirname "$0")/wayland-client.supp
weston --backend=headless-backend.so --use-pixman --shell=desktop-shell.so --socket="$WAYLAND_DISPLAY" \
    --width=1280 --height=1024 --idle-time=0 >"$runtime/weston.log" 2>&1 &
weston=$!
for _ in $(seq 100); do
    [ -S "$runtime/$WAYLAND_DISPLAY" ] && break
    sleep 0.1
done
"$@"
status=$?
kill "$weston"
wait "$weston" 2>/dev/null
[ $status -eq 0 ] || cat "$runtime/weston.log" >&2
rm -rf "$runtime"
exit $status
