#!/bin/sh
# Builds the libFuzzer targets with clang and runs each for a bounded time
# (QUILLORN_FUZZ_SECONDS, default 60), starting from tests/fuzz/corpus.
# Any finding fails the run and leaves the input in build/fuzz.
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
seconds=${QUILLORN_FUZZ_SECONDS:-60}
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz >/dev/null
for pair in split:SplitFuzzer update:UpdateFuzzer; do
    corpus=${pair%%:*} target=${pair##*:}
    work="build/fuzz/corpus-$corpus"
    mkdir -p "$work"
    echo "$target: ${seconds}s"
    (cd build/fuzz && "tests/fuzz/$target" -max_len=32768 -max_total_time="$seconds" -print_final_stats=1 \
        "../../$work" "../../tests/fuzz/corpus/$corpus" 2>"$target.log") ||
        { tail -30 "build/fuzz/$target.log"; exit 1; }
    grep -E 'stat::number_of_executed_units' "build/fuzz/$target.log" | sed "s/^/  $target /"
done
