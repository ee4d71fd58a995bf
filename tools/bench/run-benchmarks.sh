#!/usr/bin/env bash
# Builds and runs the engine's benchmarks (Release, no sanitizers) and prints their figures:
#   1. native: cost of one pen report from its bytes to the virtual device's output report, and the
#      allocations per report of every route from the tablet's report to the output report;
#   2. under Wine: latency from a pen report queued by the simulated tablet to its report on the
#      simulated virtual device, over 10,000 reports at 1000 per second, and how many were lost;
#   3. under Wine: the cost of one postWintabPacket with 1 and 16 open contexts, and the time
#      from it to a Wintab client (WintabProbe.exe with Nibwire.dll) reading the packet.
# Usage: tools/bench/run-benchmarks.sh [REPORTS [PER_SECOND]]
# QZ_BENCH_ROOT chooses the build folder (default build/bench). Not part of scripts/test.sh.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
root=$(cd "$here/../.." && pwd)
bench_root=${QZ_BENCH_ROOT:-$root/build/bench}
reports=${1:-10000}
per_second=${2:-1000}

as_root() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi; }

ensure_google_benchmark() {
  dpkg-query -W -f='${Status}' libbenchmark-dev 2>/dev/null | grep -q 'install ok installed' && return 0
  echo "bench: installing libbenchmark-dev"
  as_root apt-get update -qq
  DEBIAN_FRONTEND=noninteractive as_root apt-get install -y -qq --no-install-recommends libbenchmark-dev >/dev/null
}

# build NAME [CMAKE ARGS...]
build() {
  local dir=$bench_root/$1
  shift
  mkdir -p "$dir"
  if [ ! -f "$dir/build.ninja" ]; then
    cmake -S "$here" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release "$@" >"$dir.configure.log" 2>&1 ||
      { cat "$dir.configure.log" >&2; return 1; }
  fi
  cmake --build "$dir" -j "$(nproc)" | grep -v '^\[' || true
  return "${PIPESTATUS[0]}"
}

describe_machine() {
  echo "date:    $(date -u '+%Y-%m-%d %H:%M UTC')"
  echo "machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ *//')"
  echo "load:    $(cut -d' ' -f1-3 /proc/loadavg) (1, 5, 15 min)"
  echo "wine:    $("$(command -v wine64 || echo /usr/lib/wine/wine64)" --version 2>/dev/null || echo unknown)"
}

# The engine side is measured as it ships, 32-bit, where this machine runs 32-bit programs; elsewhere
# its 64-bit test build stands in. Nibwire is always the 64-bit library.
if "${WINE32:-/usr/lib/wine/wine}" --version >/dev/null 2>&1; then
  engine_bits=32 engine_toolchain=i686 engine_label="32-bit, the shipped build"
else
  engine_bits=64 engine_toolchain=x86_64 engine_label="64-bit test build: this machine cannot run 32-bit programs"
fi

# run_wine BITS PROGRAM [ARGS...]
run_wine() {
  local bits=$1
  shift
  export WINEPREFIX=$bench_root/wineprefix
  export WINEDEBUG=-all WINEDLLOVERRIDES='mscoree=;mshtml='
  export QT_QPA_PLATFORM=offscreen
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    "$root/scripts/wine-run.sh" 64 wineboot -i >/dev/null 2>&1
  fi
  # The Wintab client needs a window, and windows need a display.
  if [ -n "${DISPLAY:-}" ]; then
    "$root/scripts/wine-run.sh" "$bits" "$@"
  else
    xvfb-run -a "$root/scripts/wine-run.sh" "$bits" "$@"
  fi
}

ensure_google_benchmark
build native
build nibwire -DQZ_BENCH_PART=nibwire -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-x86_64-w64-mingw32.cmake"
build "engine$engine_bits" -DQZ_BENCH_PART=engine -DQZ_NIBWIRE_BIN_DIR="$bench_root/nibwire/bin" \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-$engine_toolchain-w64-mingw32.cmake"
engine_bin=$bench_root/engine$engine_bits/bin

describe_machine
echo "engine:  $engine_label"
echo
echo "== native: one pen report, decode + pressure + mapping + report building (goal < 100 ns)"
"$bench_root/native/bin/pen_report_cost" --benchmark_min_time=1 --benchmark_repetitions=3 \
  --benchmark_report_aggregates_only=true
echo
echo "== native: allocations per report on every route, read thread and worker, after two warm-up rounds (goal 0)"
"$bench_root/native/bin/report_path_allocations" 200
echo
echo "== under Wine: simulated input report to virtual device output report (goal p99 < 0.5 ms, 0 lost)"
run_wine "$engine_bits" "$engine_bin/pen_report_latency.exe" "$reports" "$per_second"
echo
echo "== under Wine: Wintab publishing, and from postWintabPacket to the client reading the packet"
run_wine "$engine_bits" "$engine_bin/wintab_publish_bench.exe"
