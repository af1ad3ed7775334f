#!/bin/sh
# Builds Quillorn.exe twice, from copies of the tree in two different
# folders, and requires the two files to be byte for byte the same.
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for copy in first second-folder; do
    mkdir -p "$work/$copy"
    (cd "$top" && tar --exclude=./build --exclude=./.git -cf - .) | tar -C "$work/$copy" -xf -
    (cd "$work/$copy" && cmake --preset windows >/dev/null && cmake --build --preset windows --target Quillorn >/dev/null)
done
a=$(sha256sum <"$work/first/build/windows/Quillorn.exe")
b=$(sha256sum <"$work/second-folder/build/windows/Quillorn.exe")
if [ "$a" != "$b" ]; then
    echo "FAIL: two builds differ: $a / $b"
    exit 1
fi
echo "ok: two builds in different folders give the same Quillorn.exe, sha256 ${a%% *}"
