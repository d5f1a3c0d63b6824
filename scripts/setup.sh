#!/usr/bin/env bash
# Installs everything the build, the program and the tests need, from Debian's packages.
# Idempotent: safe to run on every build.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  g++-mingw-w64-i686 g++-mingw-w64-x86-64 binutils-mingw-w64-i686 binutils-mingw-w64-x86-64
  googletest libgtest-dev libbenchmark-dev
  clang-14 libclang-rt-14-dev
  wine64 libc6-i386 xvfb x11-utils openbox imagemagick
  locales fonts-dejavu-core fonts-kacst fonts-freefarsi fonts-wine python3-fonttools
  mythes-ar dict-freedict-ara-eng dict-freedict-eng-ara wamerican-small wamerican wamerican-large zlib1g-dev python3 git
  librsvg2-bin icoutils nsis dpkg-dev lintian appstream
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if [ "${#missing[@]}" -gt 0 ]; then
  if [ "$(id -u)" -ne 0 ]; then
    echo "setup: these packages are missing and installing them needs root: ${missing[*]}" >&2
    exit 1
  fi
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -q
  apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

# Arabic gives Wine the code page of the program's texts (1256); the window
# tests also run where the code page is another: 1252 (English) and 932 (Japanese).
for wanted in ar_EG en_US ja_JP; do
  locale -a 2>/dev/null | grep -qi "^$wanted\.utf-\?8\$" && continue
  if [ "$(id -u)" -ne 0 ]; then
    echo "setup: the locale $wanted.UTF-8 is missing and generating it needs root" >&2
    exit 1
  fi
  sed -i "s/^# *\($wanted.UTF-8 UTF-8\)/\1/" /etc/locale.gen
  grep -q "^$wanted.UTF-8 UTF-8" /etc/locale.gen || echo "$wanted.UTF-8 UTF-8" >> /etc/locale.gen
  generate=1
done
if [ -n "${generate:-}" ]; then
  locale-gen >/dev/null
fi
