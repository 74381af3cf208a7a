#!/usr/bin/env bash
# The archive on a bare Debian system that has a desktop's usual libraries but no Qt and none of
# the program's fonts: the system is made once with debootstrap and kept between runs, and each
# run works on a throw-away layer over it. Unpacks the archive there as a user, checks that ldd
# finds every library of the folder, starts the program in the system (chroot) on an X server of
# the host, enters a name, saves through the menu and the password box, deciphers the file beside
# the unpacked program and opens the print preview.
#   bare-system.sh <archive> <bookworm|trixie> <decipher_saved_form> <folder for screenshots>
# Needs root (debootstrap, chroot, mounts). Every mount lives in a mount namespace of its own,
# which ends with the script however it ends.
set -euo pipefail
archive=$(realpath "$1")
suite=$2
decipher=$3
shots=$4
source "$(dirname "$0")/helpers.sh"
[ "$(id -u)" -eq 0 ] || { echo "SKIP: making and entering a system needs root"; exit 77; }
for tool in debootstrap unshare chroot Xvfb xdotool xclip xprop; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
if [ -z "${KTV_BARE_SYSTEM_NAMESPACE:-}" ]; then
    KTV_BARE_SYSTEM_NAMESPACE=1 exec unshare --mount --propagation private "$0" "$@"
fi

# The desktop's baseline: X, the keyboard map, fonts, GL, D-Bus, GLib and CUPS, under each
# release's package names.
baseline=libx11-6,libx11-xcb1,libxcb1,libxkbcommon0,libfontconfig1,libfreetype6,libgl1,libegl1,libdbus-1-3
baseline=$baseline,fonts-dejavu-core
case $suite in
bookworm) baseline=$baseline,libglib2.0-0,libcups2 ;;
trixie) baseline=$baseline,libglib2.0-0t64,libcups2t64 ;;
*) fail "unknown release $suite" ;;
esac

# Kept outside any clone, named by the release and its package list; made by one run at a time.
cache=${XDG_CACHE_HOME:-$HOME/.cache}/ktv3815-bare-systems
system=$cache/$suite-$(printf '%s' "$baseline" | md5sum | cut -c1-12)
mkdir -p "$cache"
(
    flock 9
    if [ ! -d "$system" ]; then
        echo "making the bare $suite system in $system (once)"
        rm -rf "$system.new" "$cache/$suite"-*
        debootstrap --variant=minbase --include="$baseline" "$suite" "$system.new" >"$cache/$suite.log" 2>&1 ||
            fail "debootstrap failed, see $cache/$suite.log"
        rm -f "$system.new"/var/cache/apt/archives/*.deb
        mv "$system.new" "$system"
    fi
) 9>"$cache/$suite.lock"

work=$(mktemp -d)
xvfb=
program=
cleanup() {
    end_session
    umount --recursive --lazy "$work/root" 2>/dev/null || true
    # Never through a mount that is still there, such as the host's /dev.
    rm -rf --one-file-system "$work"
}
trap cleanup EXIT

root=$work/root
mkdir -p "$root" "$work/changes" "$work/overlay"
mount -t overlay overlay -o "lowerdir=$system,upperdir=$work/changes,workdir=$work/overlay" "$root"
mount -t proc proc "$root/proc"
mount --rbind /dev "$root/dev"
mkdir -p "$root/tmp/.X11-unix"
mount --bind /tmp/.X11-unix "$root/tmp/.X11-unix"

# A user with a home folder, who unpacks the archive there.
echo 'citizen:x:1000:1000::/home/citizen:/bin/sh' >>"$root/etc/passwd"
echo 'citizen:x:1000:' >>"$root/etc/group"
mkdir -p "$root/home/citizen" "$root/run/user/1000"
chown 1000:1000 "$root/home/citizen" "$root/run/user/1000"
chmod 700 "$root/run/user/1000"
cp "$archive" "$root/tmp/ktv3815.tar.gz"
as_citizen() {
    chroot --userspec=1000:1000 "$root" env -i HOME=/home/citizen LANG=C.UTF-8 PATH=/usr/bin:/bin \
        XDG_RUNTIME_DIR=/run/user/1000 DISPLAY="${DISPLAY:-}" "$@"
}
as_citizen tar xzf /tmp/ktv3815.tar.gz -C /home/citizen
folder=/home/citizen/ktv3815

# Every library of the folder is found in the folder or the system, by the system's own loader.
# The GTK theme is loaded only on a GTK desktop, which has the GTK libraries it names.
gtk_libraries='^plugins/platformthemes/libqgtk3\.so:[[:space:]]+lib(gtk-3|gdk-3|pango-1\.0|gdk_pixbuf-2\.0)\.so'
missing=$(chroot "$root" /bin/sh -s "$folder" <<'EOF' | grep 'not found' | grep -vE "$gtk_libraries" || true
cd "$1" && for file in ktv3815 lib/* plugins/*/*; do ldd "$file" | sed "s|^|$file: |"; done
EOF
)
[ -z "$missing" ] || fail "libraries not found on bare $suite: $missing"

start_xvfb "$work"
as_citizen "$folder/ktv3815" >"$work/program.log" 2>&1 &
main=$(wait_for_window "Elektronikus nyomtatvány")
program=$(xprop -id "$main" -notype 32c _NET_WM_PID | sed 's/.*= //')
screenshot() { ! command -v import >/dev/null || import -window root "$shots/$suite-$1.png"; }
mkdir -p "$shots"

# The applicant's name field has the focus at start. The family name is typed; the given name,
# with a letter that Windows-1250 has and Latin-1 has not, is pasted: xdotool types a letter
# outside the keyboard map by changing the map under the program, which loses letters at random.
xdotool windowfocus --sync "$main"
xdotool type --delay 20 "Kiss "
printf '%s' "Előd" | xclip -selection clipboard -t UTF8_STRING 2>/dev/null # serves until the server ends
xdotool key ctrl+v
click_menu_save "$main"
wait_for_window "Kérek egy jelszót!" >/dev/null
LC_ALL=C.UTF-8 xdotool type --delay 20 "titok123"
xdotool key Return
saved=$root$folder/KTV3815.txt
wait_for_file "$saved" || fail "no saved form beside the unpacked program: $(cat "$work/program.log")"
screenshot window
name=$("$decipher" "$saved" titok123 | grep '^Edit1_' | tr -d '\r' || true)
[ "$name" = "Edit1_Kiss Előd" ] || fail "the saved form holds \"$name\" for the typed name"

click_menu_print "$main"
wait_for_window "Nyomtatási kép" >/dev/null
screenshot preview
echo "bare $suite ok"
