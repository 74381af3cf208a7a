#!/usr/bin/env bash
# Installs the build into a fresh prefix and checks the program folder: exactly the files a user
# gets, a valid desktop entry and valid AppStream data.
#   installed-folder.sh <build folder>
set -euo pipefail
build=$1
for tool in desktop-file-validate appstreamcli; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cmake --install "$build" --prefix "$work" >/dev/null
folder=$work/ktv3815
expected="ktv3815
ktv3815/OLVASSEL.txt
ktv3815/hu.kokenyvara.ktv3815.metainfo.xml
ktv3815/ktv3815
ktv3815/ktv3815.desktop
ktv3815/ktv3815.png
ktv3815/menubejegyzes.sh"
actual=$(cd "$work" && find ./* | sed 's|^\./||' | LC_ALL=C sort)
[ "$actual" = "$expected" ] || { echo "unexpected files:"; echo "$actual"; exit 1; }
for program in ktv3815 menubejegyzes.sh; do
    [ -x "$folder/$program" ] || { echo "$program is not executable"; exit 1; }
done

desktop-file-validate "$folder/ktv3815.desktop"
appstreamcli validate --no-net "$folder/hu.kokenyvara.ktv3815.metainfo.xml"
grep -q '<launchable type="desktop-id">ktv3815.desktop</launchable>' "$folder"/*.metainfo.xml ||
    { echo "the AppStream data does not name ktv3815.desktop"; exit 1; }
echo "installed folder ok"
