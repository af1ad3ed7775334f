#!/bin/sh
# Checks the built Quillorn.exe: PE32 for i386, GUI subsystem 4.0, imports
# from KERNEL32.dll and USER32.dll only, DYNAMIC_BASE and NX_COMPAT set, no
# section both writable and executable, and the entry point is our start-up.
# Usage: check-binary.sh Quillorn.exe Quillorn.map
set -u
exe=$1 map=$2
objdump=i686-w64-mingw32-objdump
headers=$($objdump -p "$exe") || exit 1
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
field() { echo "$headers" | awk -v f="$1" '$1 == f { print $2; exit }'; }

$objdump -f "$exe" | grep -q 'file format pei-i386' || fail "not a PE32 for i386"
[ "$(field Magic)" = 010b ] || fail "optional header is not PE32"
[ "$(field Subsystem)" = 00000002 ] || fail "subsystem is not Windows GUI"
[ "$(field MajorSubsystemVersion).$(field MinorSubsystemVersion)" = 4.0 ] || fail "subsystem version is not 4.0"

dll=$(printf '%d' "0x$(field DllCharacteristics)")
[ $((dll & 0x40)) -ne 0 ] || fail "DYNAMIC_BASE is not set"
[ $((dll & 0x100)) -ne 0 ] || fail "NX_COMPAT is not set"

imports=$(echo "$headers" | sed -n 's/^\s*DLL Name: //p' | sort | tr '\n' ' ')
[ "$imports" = "KERNEL32.dll USER32.dll " ] || fail "imports are: $imports"

# Section flags: IMAGE_SCN_MEM_EXECUTE 0x20000000, IMAGE_SCN_MEM_WRITE 0x80000000.
$objdump -h "$exe" | awk '/^ *[0-9]+ /{ name = $2; getline; if ($0 ~ /CODE/ && $0 !~ /READONLY/) print name }' |
    while read -r s; do echo "FAIL: section $s is writable and executable"; done | grep . && failures=$((failures + 1))

entry=$(printf '%d' "0x$(field AddressOfEntryPoint)")
base=$(printf '%d' "0x$(field ImageBase)")
symbol=$(awk '$2 == "QuillornStartup@0" { print $1; exit }' "$map")
[ -n "$symbol" ] || fail "QuillornStartup@0 is not in the link map"
[ -n "$symbol" ] && [ $((entry + base)) -eq $((symbol)) ] ||
    fail "entry point $(printf '%#x' $((entry + base))) is not QuillornStartup@0 ($symbol)"

if [ $failures -ne 0 ]; then
    echo "$failures check(s) failed for $exe"
    exit 1
fi
echo "ok: $exe is PE32 i386, GUI 4.0, imports $imports, DYNAMIC_BASE, NX_COMPAT, no W+X section, entry QuillornStartup@0"
