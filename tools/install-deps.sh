#!/usr/bin/env bash
# Installs what the build, the program and the tests need on Debian 12; does nothing when all is there.
set -euo pipefail
packages=(wine wine32:i386 wine64 g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix mingw-w64-tools libwine-dev cmake make
          googletest xvfb x11-apps netpbm xauth tigervnc-standalone-server python3)
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  dpkg --add-architecture i386
  fresh_arch=1
fi
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ "${#missing[@]}" -gt 0 ] || [ -n "${fresh_arch:-}" ]; then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
