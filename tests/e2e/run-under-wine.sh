#!/bin/sh
# Runs the end-to-end suite in the prefix made by make-wine-prefix.sh.
# The suite's stderr goes to relay.log, which the children started with
# WINEDEBUG=+relay inherit, so the suite can read their calls back.
set -u
prefix=$1 suite=$2 quillorn=$3
shift 3
export WINEPREFIX="$prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
relay="$prefix/relay.log"
: >"$relay"
QUILLORN_EXE="Z:$quillorn" QUILLORN_RELAY_LOG="Z:$relay" wine "$suite" "$@" 2>>"$relay"
status=$?
wineserver -w
exit $status
