#!/usr/bin/env bash
# Installs what building and testing need, once: the i686 mingw-w64 cross compiler, 32-bit Wine,
# Xvfb and fonts, and zlib for both the exes and the native converter. It adds the i386 architecture to the system (32-bit Wine lives there).
# Safe to run again: it installs only what is missing. Works as root or through sudo.
set -euo pipefail

packages=(cmake g++-mingw-w64-i686 wine wine32:i386 xvfb xauth x11-utils fonts-wine fonts-liberation
          imagemagick clang libclang-rt-14-dev googletest libgtest-dev locales python3 nsis zip unzip
          zlib1g-dev libz-mingw-w64-dev)
# A caller may name more (the test command, its browser).
packages+=("$@")

sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    echo "setup: every package is installed already"
    exit 0
fi

echo "setup: installing ${missing[*]}"
if ! dpkg --print-foreign-architectures | grep -qx i386; then
    echo "setup: adding the i386 architecture to this system (for 32-bit Wine)"
    "${sudo_cmd[@]}" dpkg --add-architecture i386
fi
"${sudo_cmd[@]}" apt-get update -q
"${sudo_cmd[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}" </dev/null
