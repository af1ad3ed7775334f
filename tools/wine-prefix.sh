# Sourced by the tools that run Quillorn.exe by hand. Defines
#   use_wine_prefix NAME TARGET...
# which builds the given targets of the Windows preset and points Wine at a
# fresh private prefix build/NAME-prefix, set up as for the end-to-end suite.
# Expects $top, the top of the tree, as the current folder.
use_wine_prefix() {
    name=$1
    shift
    cmake --preset windows >/dev/null
    cmake --build --preset windows --target "$@" >/dev/null
    tests/e2e/make-wine-prefix.sh "$top/build/$name-prefix" >/dev/null
    export WINEPREFIX="$top/build/$name-prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
}
