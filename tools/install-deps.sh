#!/bin/sh
# Installs what building and testing Quillorn needs on Debian, as root:
# the i686 mingw-w64 cross compiler, 32-bit Wine, CMake, GoogleTest, the
# analysers, and the two locales the code-page tests start Wine under.
set -eu

if ! dpkg --print-foreign-architectures | grep -qx i386; then
    dpkg --add-architecture i386
fi

packages="cmake ninja-build g++ clang libclang-rt-14-dev clang-tidy cppcheck googletest libgtest-dev
    g++-mingw-w64-i686-posix binutils-mingw-w64-i686 wine wine32:i386 wine64 locales zip"
missing=""
for p in $packages; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing="$missing $p"
done
if [ -n "$missing" ]; then
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends $missing >/dev/null
fi

for l in en_US ja_JP; do
    if ! locale -a 2>/dev/null | grep -qix "$l.utf-\?8"; then
        sed -i "s/^# *\($l.UTF-8 UTF-8\)/\1/" /etc/locale.gen
        grep -q "^$l.UTF-8 UTF-8" /etc/locale.gen || echo "$l.UTF-8 UTF-8" >>/etc/locale.gen
        regenerate=yes
    fi
done
if [ "${regenerate:-}" = yes ]; then
    locale-gen >/dev/null
fi
echo "Build and test tools are installed."
