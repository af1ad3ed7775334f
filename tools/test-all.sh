#!/bin/sh
# Runs every test: the host unit tests under sanitizers, then Quillorn.exe
# built for Windows, its binary checks and the end-to-end suite under Wine.
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"

echo "== Host unit tests (AddressSanitizer, UBSan)"
cmake --workflow --preset host

echo "== Quillorn.exe and the end-to-end tests under Wine"
cmake --workflow --preset windows

echo "== All tests passed"
