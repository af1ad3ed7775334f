#!/bin/sh
# Times Quillorn.exe against a reference program that makes only the three
# essential platform calls, alternating them under Wine (default 200 runs
# each, or the first argument). Prints the medians and their ratio.
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
runs=${1:-200}
cmake --preset windows >/dev/null
cmake --build --preset windows --target Quillorn QuillornReference BenchDriver >/dev/null
prefix="$top/build/bench-prefix"
tests/e2e/make-wine-prefix.sh "$prefix" >/dev/null
export WINEPREFIX="$prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
echo "$(uname -m), $(nproc) cores, $(wine --version)"
wine build/windows/bench/BenchDriver.exe "Z:$top/build/windows/Quillorn.exe" \
    "Z:$top/build/windows/bench/QuillornReference.exe" "$runs"
wineserver -k
