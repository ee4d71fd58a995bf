#!/usr/bin/env bash
# Installs everything the three build trees need on a fresh Debian 12, as root.
# Idempotent: when all is there it only checks and says nothing.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
qt_prefix=/opt/qt5-i686-w64-mingw32
qt64_prefix=/opt/qt5-x86_64-w64-mingw32

# Wine's 32-bit half: installed on its own, so that a mirror whose i386 lists are out of step
# with its amd64 ones (the multi-arch libraries must match) costs the 32-bit run, not the set-up.
packages_32bit=(wine32:i386)
packages=(
  build-essential cmake ninja-build pkg-config file xz-utils ccache python3
  g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix
  wine wine64 xvfb xauth
  qtbase5-dev qttools5-dev-tools qtbase5-dev-tools
  googletest
  fonts-noto-core fonts-noto-cjk
)

as_root() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi; }

missing_from() {
  local p
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || echo "$p"
  done
}
mapfile -t missing < <(missing_from "${packages[@]}")
mapfile -t missing_32bit < <(missing_from "${packages_32bit[@]}")

if [ ${#missing[@]} -gt 0 ] || [ ${#missing_32bit[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]} ${missing_32bit[*]}"
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    as_root dpkg --add-architecture i386
  fi
  # A mirror in the middle of a sync fails one index now and then; what the others list still installs.
  as_root apt-get update -qq || echo "setup: some package lists could not be read; installing from the rest"
  if [ ${#missing[@]} -gt 0 ]; then
    DEBIAN_FRONTEND=noninteractive as_root apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
  fi
  if [ ${#missing_32bit[@]} -gt 0 ] &&
    ! DEBIAN_FRONTEND=noninteractive as_root apt-get install -y -qq --no-install-recommends "${missing_32bit[@]}" >/dev/null; then
    echo "setup: ${missing_32bit[*]} could not be installed now; 32-bit programs will not run here (the next set-up tries again)"
  fi
fi

# install_static_qt TRIPLE PREFIX BUILD_WHEN_MISSING: unpacks the toolchain folder's static Qt for
# TRIPLE to PREFIX; without the archive it builds one (about 10 minutes) when BUILD_WHEN_MISSING is 1.
install_static_qt() {
  local triple=$1 prefix=$2 archive=$here/../shared/toolchain/qt5.15.8-$1-static.tar.xz
  [ ! -x "$prefix/bin/qmake" ] || return 0
  if [ -f "$archive" ]; then
    echo "setup: unpacking static Qt for $triple to /opt"
    as_root tar -xJf "$archive" -C /opt
  elif [ "$3" -eq 1 ]; then
    echo "setup: building static Qt for $triple (about 10 minutes)"
    as_root "$here/scripts/build-qt5-mingw.sh" "$triple" "$prefix"
  fi
}

install_static_qt i686-w64-mingw32 "$qt_prefix" 1
# Where this machine cannot run 32-bit programs, QZTablet's tests run from a 64-bit build, which
# needs the static Qt for x86_64: unpacked on every machine, built only where it is needed. (The
# same test as can_run_32bit in scripts/trees.sh: WINE32=/bin/false takes that path.)
needs_qt64=0
"${WINE32:-/usr/lib/wine/wine}" --version >/dev/null 2>&1 || needs_qt64=1
install_static_qt x86_64-w64-mingw32 "$qt64_prefix" "$needs_qt64"
