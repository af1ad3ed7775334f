#!/bin/sh
# Builds the release: build/dist/Quillorn-1.0.0.1.zip with Quillorn.exe, the
# README and SHA256SUMS. File times inside are fixed, so the zip is as
# reproducible as the exe.
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
cmake --preset windows >/dev/null
cmake --build --preset windows --target Quillorn >/dev/null
stage=build/dist/Quillorn-1.0.0.1
rm -rf build/dist
mkdir -p "$stage"
cp build/windows/Quillorn.exe README.md "$stage/"
(cd "$stage" && sha256sum Quillorn.exe README.md >SHA256SUMS)
touch -d '2026-01-01 00:00:00 UTC' "$stage"/*
(cd build/dist && TZ=UTC zip -q -X -D Quillorn-1.0.0.1.zip Quillorn-1.0.0.1/Quillorn.exe \
    Quillorn-1.0.0.1/README.md Quillorn-1.0.0.1/SHA256SUMS)
echo "build/dist/Quillorn-1.0.0.1.zip:"
cat "$stage/SHA256SUMS"
