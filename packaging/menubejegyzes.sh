#!/bin/sh
# Adds the program of this folder to the current user's desktop menu, or removes it again.
#   menubejegyzes.sh felvesz   writes (or rewrites) the entry, with the absolute paths of this folder
#   menubejegyzes.sh torol     removes the entry
# The entry goes to $XDG_DATA_HOME/applications (~/.local/share/applications), where desktop menus
# pick it up by themselves; the icon is the folder's ktv3815.png, named by its path.
set -eu

here=$(cd "$(dirname "$0")" && pwd -P)
entry="${XDG_DATA_HOME:-$HOME/.local/share}/applications/ktv3815.desktop"

# Exec is quoted as a whole; inside the quotes ", `, $ and \ take a backslash, and every
# backslash is doubled once more because the whole value is an escaped string. % starts a field
# code, so it is doubled.
exec_value() {
    printf '"%s"' "$(printf '%s' "$1" | sed -e 's/\\/\\\\\\\\/g' -e 's/["`$]/\\\\&/g' -e 's/%/%%/g')"
}

add() {
    if [ ! -x "$here/ktv3815" ]; then
        echo "Nem található a program: $here/ktv3815" >&2
        exit 1
    fi
    mkdir -p "$(dirname "$entry")"
    EXEC=$(exec_value "$here/ktv3815") ICON=$(printf '%s' "$here/ktv3815.png" | sed 's/\\/\\\\/g') \
        awk '/^#/ { next }
             /^Exec=/ { print "Exec=" ENVIRON["EXEC"]; next }
             /^Icon=/ { print "Icon=" ENVIRON["ICON"]; next }
             { print }' "$here/ktv3815.desktop" >"$entry.new"
    mv -f "$entry.new" "$entry"
    echo "A menübejegyzés elkészült: $entry"
}

remove() {
    rm -f "$entry"
    echo "A menübejegyzés törölve."
}

case "${1:-}" in
felvesz) add ;;
torol | töröl) remove ;;
*)
    echo "Használat: $0 felvesz|torol" >&2
    exit 2
    ;;
esac
