#!/bin/sh
# Prints Quillorn.exe's size, section table and imports, and the deepest
# stack the program's own code uses, from the compiler's frame sizes.
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
cmake --preset windows >/dev/null
cmake --build --preset windows --target Quillorn >/dev/null
exe=build/windows/Quillorn.exe
echo "Quillorn.exe: $(stat -c %s $exe) bytes (goal: 4096)"
echo
i686-w64-mingw32-objdump -h $exe | awk '/^ *[0-9]+ /{ print $2, $3, $6 }' | while read -r name size offset; do
    printf '  %-8s %6d bytes, file offset 0x%s\n' "$name" "$((0x$size))" "$offset"
done
echo
i686-w64-mingw32-objdump -p $exe | awk '/DLL Name:/{ dll = $3; next } dll && /^\t[0-9a-f]+/{ print "  " dll ": " $3 }'
echo
# The deepest call chain of our own code: start-up, WinMain, then
# MakeDefaultPrinter or the splitter; platform calls are not counted.
frame() { awk -F'\t' -v f=" $1(" 'index($1, f) { print $2; exit }' build/windows/CMakeFiles/Quillorn.dir/*/*.su; }
start=$(frame QuillornStartup) main=$(frame WinMain) update=$(frame MakeDefaultPrinter) split=$(frame SplitCommandLine)
echo "Stack frames (bytes): QuillornStartup $start, WinMain $main, MakeDefaultPrinter $update, SplitCommandLine $split"
deep=$((start + main + update))
[ $((start + split)) -gt $deep ] && deep=$((start + split))
echo "Deepest use by the program's own code: $deep bytes plus return addresses (goal: under 1024)"
bss=$(i686-w64-mingw32-objdump -h $exe | awk '$2 == ".bss" { print $3 }')
echo "Argument storage: $((0x$bss)) bytes in .bss, none on the stack"
