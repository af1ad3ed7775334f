#!/bin/sh
# Static analysis of the program's own sources: clang-tidy (checks in
# .clang-tidy) over the host build's compile database, and cppcheck.
# Both must report nothing.
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
sources="src/WinMain.cpp src/DefaultPrinter.cpp startup/CommandLine.cpp"
[ -f build/host/compile_commands.json ] || cmake --preset host >/dev/null

echo "clang-tidy: $sources"
if ! report=$(clang-tidy --quiet -p build/host $sources 2>&1); then
    echo "$report" | grep -v 'warnings generated'
    exit 1
fi

echo "cppcheck: $sources startup/Startup.cpp"
cppcheck --quiet --error-exitcode=1 --enable=warning,style,performance,portability --inline-suppr \
    --std=c++17 --language=c++ -I tests/unit/win32 --suppress=missingIncludeSystem \
    $sources startup/Startup.cpp
echo "analysis clean"
