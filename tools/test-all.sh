#!/bin/sh
# Runs every test and check: the host unit tests under sanitizers;
# Quillorn.exe built for Windows with its binary checks and the end-to-end
# suite under Wine; static analysis; the fuzzers for a bounded time
# (QUILLORN_FUZZ_SECONDS, default 60 each); and a reproducible build.
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"

echo "== Host unit tests (AddressSanitizer, UBSan)"
cmake --workflow --preset host

echo "== Quillorn.exe, its binary checks and the end-to-end tests under Wine"
cmake --workflow --preset windows

echo "== Static analysis"
tools/analyse.sh

echo "== Fuzzing"
tools/fuzz.sh

echo "== Reproducible build"
tools/check-reproducible.sh

echo "== All tests passed"
