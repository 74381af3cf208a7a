#!/usr/bin/env bash
# The archive's reach: at most 40 MB, and nothing in the program folder needs a C library newer
# than 2.35 (Ubuntu 22.04's) or a C++ library newer than GCC 12's, so that the folder runs on
# every x86-64 Linux desktop from those on.
#   archive-reach.sh <archive>
set -euo pipefail
archive=$1
source "$(dirname "$0")/helpers.sh"
command -v objdump >/dev/null || { echo "SKIP: objdump is not installed"; exit 77; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

size=$(stat -c %s "$archive")
[ "$size" -le 40000000 ] || fail "the archive has $size bytes, more than 40 MB"

tar xzf "$archive" -C "$work"
cd "$work/ktv3815"
# newest <version prefix>: the newest symbol version of that prefix that any file of the folder needs.
newest() {
    for file in ktv3815 lib/* plugins/*/*; do objdump -T "$file"; done | grep -oE "$1[0-9.]+" | sort -uV | tail -n 1
}
# at_most <version> <limit>
at_most() { [ "$(printf '%s\n%s\n' "$1" "$2" | sort -V | tail -n 1)" = "$2" ]; }
glibc=$(newest GLIBC_)
at_most "$glibc" GLIBC_2.35 || fail "the folder needs $glibc"
glibcxx=$(newest GLIBCXX_)
at_most "$glibcxx" GLIBCXX_3.4.30 || fail "the folder needs $glibcxx"
echo "archive of $size bytes; needs $glibc and $glibcxx"
