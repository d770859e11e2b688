#!/usr/bin/env bash
# Installs what building, running and testing the program need on Debian 12, and the zh_CN.UTF-8
# locale under which Wine's ANSI code page is 936 (GBK). Does nothing that is already done.
set -euo pipefail

packages=(
  cmake ninja-build g++ googletest
  g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix mingw-w64-x86-64-dev mingw-w64-i686-dev
  wine64 xvfb xdotool x11-utils locales fonts-wqy-microhei fonts-wine imagemagick
  clang libclang-rt-14-dev
)

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
    missing+=("$package")
done
if ((${#missing[@]})); then
  sudo=()
  [ "$(id -u)" -eq 0 ] || sudo=(sudo)
  echo "Installing: ${missing[*]}"
  "${sudo[@]}" apt-get update
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y "${missing[@]}"
fi

if ! locale -a 2>/dev/null | grep -qi '^zh_CN\.utf-\?8$'; then
  sudo=()
  [ "$(id -u)" -eq 0 ] || sudo=(sudo)
  "${sudo[@]}" localedef -i zh_CN -f UTF-8 zh_CN.UTF-8
fi
