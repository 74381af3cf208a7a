#!/usr/bin/env bash
# Checks the program folder as the archive holds it, which is what `cmake --install` fills: the
# files a user gets, a valid desktop entry and AppStream data, the toolkit carried along with a
# run path inside the folder on every library and plugin, none of the libraries that must come
# from the system, and the licence of every package a file was taken from.
#   installed-folder.sh <archive>
set -euo pipefail
archive=$1
source "$(dirname "$0")/helpers.sh"
for tool in desktop-file-validate appstreamcli readelf; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

tar xzf "$archive" -C "$work"
folder=$work/ktv3815
listing() { (cd "$folder/$1" && find . -mindepth 1 -maxdepth "$2" | sed 's|^\./||' | LC_ALL=C sort); }
expect_listing() {
    local actual
    actual=$(listing "$1" "$2")
    [ "$actual" = "$3" ] || fail "unexpected files in ktv3815/$1:"$'\n'"$actual"
}
expect_listing . 1 "OLVASSEL.txt
fonts
hu.kokenyvara.ktv3815.metainfo.xml
ktv3815
ktv3815.desktop
ktv3815.png
lib
licenses
menubejegyzes.sh
plugins
qt.conf"
expect_listing fonts 1 "DejaVuSans-Bold.ttf
DejaVuSans.ttf
LiberationSans-Bold.ttf
LiberationSans-Italic.ttf
LiberationSans-Regular.ttf
ms_sans_serif.ttf
tahoma.ttf"
expect_listing plugins 2 "imageformats
imageformats/libqjpeg.so
platforminputcontexts
platforminputcontexts/libcomposeplatforminputcontextplugin.so
platforminputcontexts/libibusplatforminputcontextplugin.so
platforms
platforms/libqwayland-egl.so
platforms/libqwayland-generic.so
platforms/libqxcb.so
platformthemes
platformthemes/libqgtk3.so
platformthemes/libqxdgdesktopportal.so
printsupport
printsupport/libcupsprintersupport.so
wayland-decoration-client
wayland-decoration-client/libbradient.so
wayland-graphics-integration-client
wayland-graphics-integration-client/libqt-plugin-wayland-egl.so
wayland-shell-integration
wayland-shell-integration/libxdg-shell.so
xcbglintegrations
xcbglintegrations/libqxcb-egl-integration.so
xcbglintegrations/libqxcb-glx-integration.so"
for program in ktv3815 menubejegyzes.sh; do
    [ -x "$folder/$program" ] || fail "$program is not executable"
done

# What Qt and the program link, and what they must not bring along.
libraries=$(listing lib 1)
for library in libQt6Core.so.6 libQt6Gui.so.6 libQt6Widgets.so.6 libQt6PrintSupport.so.6 libQt6DBus.so.6 \
    libQt6XcbQpa.so.6 libQt6WaylandClient.so.6 libicuuc.so.72 libjpeg.so.62 libcrypto.so.3 libxkbcommon-x11.so.0; do
    grep -qx "$library" <<<"$libraries" || fail "lib/ lacks $library"
done
system=$(grep -E '^lib(c|m|stdc\+\+|gcc_s|GL|EGL|GLX|X11|xcb|xkbcommon|fontconfig|freetype|glib-2\.0|dbus-1|cups)\.so' \
    <<<"$libraries" || true)
[ -z "$system" ] || fail "lib/ holds libraries that must come from the system: $system"

expect_runpath() {
    local runpath
    runpath=$(readelf -d "$folder/$1" | sed -n 's/.*(RUNPATH).*\[\(.*\)\]/\1/p')
    [ "$runpath" = "$2" ] || fail "$1 has the run path \"$runpath\""
}
expect_runpath ktv3815 '$ORIGIN/lib'
for library in $libraries; do expect_runpath "lib/$library" '$ORIGIN'; done
for plugin in $(listing plugins 2 | grep '\.so$'); do expect_runpath "plugins/$plugin" '$ORIGIN/../../lib'; done
grep -qx 'Plugins = plugins' "$folder/qt.conf" || fail "qt.conf does not point Qt to plugins/"

for licence in libqt6core6 libicu72 libjpeg62-turbo libssl3 fonts-wine fonts-liberation2 fonts-dejavu-core \
    LibreFranklin common/LGPL-3; do
    [ -s "$folder/licenses/$licence.txt" ] || fail "licenses/ lacks $licence.txt"
done

desktop-file-validate "$folder/ktv3815.desktop"
appstreamcli validate --no-net "$folder/hu.kokenyvara.ktv3815.metainfo.xml"
grep -q '<launchable type="desktop-id">ktv3815.desktop</launchable>' "$folder"/*.metainfo.xml ||
    fail "the AppStream data does not name ktv3815.desktop"
echo "installed folder ok"
