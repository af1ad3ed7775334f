#!/bin/sh
# Builds Quillorn.exe and runs it under Wine on the sample profile:
# "Office Laser" becomes the default printer.
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
. tools/wine-prefix.sh
use_wine_prefix sample Quillorn
exe="$top/build/windows/Quillorn.exe"
echo "Built $exe ($(stat -c %s "$exe") bytes)"
wine reg import "Z:$top/samples/sample-profile.reg" >/dev/null 2>&1

key='HKCU\Software\Microsoft\Windows NT\CurrentVersion\Windows'
device() { wine reg query "$key" /v device | tr -d '\r' | sed -n 's/.*REG_SZ *//p'; }
echo "Default printer before: $(device)"
wine "$exe" "Office Laser"
echo "Quillorn \"Office Laser\" ran"
echo "Default printer after:  $(device)"
wineserver -k
