#!/usr/bin/env bash
# Start-up of the program folder as a user unpacks it against the build in the source tree:
# medians of alternating runs from the spawn to the first frame on an Xvfb of its own
# (ktv_first_frame_on_x); non-zero exit when the unpacked program misses its goal.
#   benchmarks/unpacked-startup.sh [rounds]   (25 by default)
cd "$(dirname "$0")/.."
source scripts/prepare.sh
ktv_build build
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cpack --config build/CPackConfig.cmake -B "$work" >/dev/null
tar xzf "$work"/ktv3815-*.tar.gz -C "$work"
export HOME=$work XDG_RUNTIME_DIR=$work
xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" \
    build/benchmarks/ktv_first_frame_on_x "${1:-25}" build/app/ktv3815 "$work/ktv3815/ktv3815"
