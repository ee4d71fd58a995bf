# Sourced by build.sh and test.sh: the build trees and how each is configured.
# A tree name is one of: native, native-tsan, qztablet, nibwire, qztablet-x64.

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build_root=${QZ_BUILD_ROOT:-$root/build}

# 32-bit Linux programs (wine32's loader) cannot run on every kernel; there QZTablet's tests
# are run from a 64-bit build of the same sources.
can_run_32bit() { "${WINE32:-/usr/lib/wine/wine}" --version >/dev/null 2>&1; }

# A compiler cache that outlives the clone: CI runs on the same machine, so a fresh checkout
# compiles what changed and takes the rest from the cache. Paths below the checkout are hashed
# relative to it, so another checkout in another folder hits the same entries.
export CCACHE_BASEDIR=$root CCACHE_NOHASHDIR=true
export CCACHE_SLOPPINESS=${CCACHE_SLOPPINESS:-pch_defines,time_macros,include_file_mtime,include_file_ctime}
launcher_args() {
  command -v ccache >/dev/null 2>&1 &&
    echo "-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache"
}

tree_args() {
  case $1 in
    native) echo "-DQZ_TREE=native" ;;
    native-tsan) echo "-DQZ_TREE=native -DQZ_SANITIZER=thread" ;;
    qztablet) echo "-DQZ_TREE=qztablet -DCMAKE_TOOLCHAIN_FILE=$root/cmake/toolchain-i686-w64-mingw32.cmake" ;;
    qztablet-x64) echo "-DQZ_TREE=qztablet -DCMAKE_TOOLCHAIN_FILE=$root/cmake/toolchain-x86_64-w64-mingw32.cmake" ;;
    nibwire) echo "-DQZ_TREE=nibwire -DCMAKE_TOOLCHAIN_FILE=$root/cmake/toolchain-x86_64-w64-mingw32.cmake" ;;
    *) echo "unknown tree '$1' (native, native-tsan, qztablet, nibwire, qztablet-x64)" >&2; return 1 ;;
  esac
}

build_tree() {
  local tree=$1 dir=$build_root/$1 args
  args=$(tree_args "$tree") || return 1
  if [ ! -f "$dir/build.ninja" ]; then
    # shellcheck disable=SC2086
    cmake -S "$root" -B "$dir" -G Ninja $args $(launcher_args) >"$dir.configure.log" 2>&1 ||
      { mkdir -p "$dir"; cat "$dir.configure.log" >&2; return 1; }
  fi
  # The build's own status, whatever the filter of its progress lines finds.
  cmake --build "$dir" -j "$(nproc)" -- -k 0 | grep -v '^\['
  local status=("${PIPESTATUS[@]}")
  return "${status[0]}"
}

# Prints "NAME SECONDS" timing lines; usage: timed NAME COMMAND...
timed() {
  local name=$1 start=$SECONDS rc
  shift
  "$@"
  rc=$?
  printf '== %-28s %4ds%s\n' "$name" $((SECONDS - start)) "$([ $rc -eq 0 ] || echo "  FAILED ($rc)")"
  return $rc
}
