#!/bin/sh
# Renders each of Quillorn's three message boxes to docs/*.png, from the
# real exe under Wine's X11 driver on Xvfb. Needs xvfb, x11-apps and
# imagemagick (not part of CI).
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
. tools/wine-prefix.sh
use_wine_prefix render Quillorn
export DISPLAY=:77
wine reg delete 'HKCU\Software\Wine\Drivers' /v Graphics /f >/dev/null  # the X11 driver, to see the box
wine reg import "Z:$top/samples/sample-profile.reg" >/dev/null 2>&1
wineserver -w

Xvfb :77 -screen 0 640x400x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; wineserver -k 2>/dev/null || true' EXIT
sleep 2

render() {
    out=$1
    shift
    wine "$top/build/windows/Quillorn.exe" "$@" &
    run=$!
    sleep 6
    xwd -root -silent | convert xwd:- -trim +repage "docs/$out.png"
    wineserver -k || true
    wait $run 2>/dev/null || true
    echo "docs/$out.png"
}
render usage-box
render not-found-box "No Such Printer"
wine reg add 'HKCU\Software\Microsoft\Windows NT\CurrentVersion\Devices' /v Cut /d "$(printf '%0300d' 0)" /f >/dev/null
render write-failed-box Cut
