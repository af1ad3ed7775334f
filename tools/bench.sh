#!/bin/sh
# Times Quillorn.exe against a reference program that makes only the three
# essential platform calls, alternating them under Wine (default 200 runs
# each, or the first argument). Prints the medians and their ratio.
set -eu
runs=${1:-200}
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
. tools/wine-prefix.sh
use_wine_prefix bench Quillorn QuillornReference BenchDriver
echo "$(uname -m), $(nproc) cores, $(wine --version)"
wine build/windows/bench/BenchDriver.exe "Z:$top/build/windows/Quillorn.exe" \
    "Z:$top/build/windows/bench/QuillornReference.exe" "$runs"
wineserver -k
