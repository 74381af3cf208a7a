#!/usr/bin/env bash
# Rebuilds LibreFranklin-Medium.ttf, the look-alike of Franklin Gothic Medium, from the
# OFL-licensed font package on the npm registry: the Latin and Latin Extended subsets of the
# weight 500 face merged into one TrueType file, so that ő, ű, Ő, Ű print. Needs npm and
# Debian's python3-fonttools.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
(cd "$work" && npm pack --silent @fontsource/libre-franklin@5.3.0 >/dev/null && tar xzf ./*.tgz)
/usr/bin/python3 - "$work/package/files" "$here/LibreFranklin-Medium.ttf" <<'PY'
import sys
from fontTools.merge import Merger
from fontTools.ttLib import TTFont
files, out = sys.argv[1], sys.argv[2]
parts = []
for subset in ("latin", "latin-ext"):
    font = TTFont(f"{files}/libre-franklin-{subset}-500-normal.woff")
    font.flavor = None
    path = f"{files}/{subset}.ttf"
    font.save(path)
    parts.append(path)
Merger().merge(parts).save(out)
PY
cp "$work/package/LICENSE" "$here/OFL.txt"
