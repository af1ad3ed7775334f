#!/bin/sh
# Makes a fresh, private 32-bit Wine prefix for the end-to-end suite:
# no installer dialogs, the null graphics driver (windows and message boxes
# exist and block without an X server), and a relay trace narrowed to the
# two USER32 calls whose arguments the suite checks.
set -eu
prefix=$1
rm -rf "$prefix"
mkdir -p "$prefix"
export WINEPREFIX="$prefix" WINEARCH=win32 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
wineboot -i >/dev/null 2>&1
wineserver -w
wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f >/dev/null
wine reg add 'HKCU\Software\Wine\Debug' /v RelayInclude /d 'user32.MessageBoxA;user32.SendMessageTimeoutA' /f >/dev/null
wineserver -w
echo "Wine prefix ready: $prefix"
