#!/bin/sh
# Installs the Debian packages the build, the program and the tests need,
# but only those that are missing.
set -e
packages="make cmake g++ clang libclang-rt-14-dev python3 locales
  g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix
  binutils-mingw-w64-x86-64 binutils-mingw-w64-i686 mingw-w64-tools
  wine wine64 xvfb x11-utils imagemagick fonts-wqy-microhei fonts-wine
  googletest libgtest-dev libbenchmark-dev"

missing=""
for p in $packages; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing="$missing $p"
  fi
done
[ -z "$missing" ] && exit 0

echo "installing:$missing"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo=sudo
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -q
# shellcheck disable=SC2086
$sudo apt-get install -y -q --no-install-recommends $missing
