#!/usr/bin/env bash
# CMake's emulator for the Windows trees: runs a test program under Wine (see wine-run.sh) and
# passes its output on once it has ended. A Wine program may start one of Wine's own helpers (the
# desktop process, when the session's has gone), and the helper keeps the output it was given for
# as long as the session lives: given the test's output pipe, it would keep CTest waiting for a
# test that has long ended. So the program writes into files of its own.
# Usage: wine-test-run.sh 32|64 PROGRAM [ARGS...]
# scripts/test.sh gives a tree several Wine sessions, in QZ_WINE_SESSIONS ("DISPLAY PREFIX" pairs
# separated by ';'); each test program runs in one of them, chosen by its process id.
set -u
here=$(dirname "${BASH_SOURCE[0]}")
if [ -n "${QZ_WINE_SESSIONS:-}" ]; then
  IFS=';' read -r -a sessions <<<"$QZ_WINE_SESSIONS"
  read -r DISPLAY WINEPREFIX <<<"${sessions[$(($$ % ${#sessions[@]}))]}"
  export DISPLAY WINEPREFIX
fi
out=$(mktemp "${TMPDIR:-/tmp}/wine-test-out.XXXXXX") || exit 1
err=$(mktemp "${TMPDIR:-/tmp}/wine-test-err.XXXXXX") || { rm -f "$out"; exit 1; }
trap 'rm -f "$out" "$err"' EXIT
"$here/wine-run.sh" "$@" >"$out" 2>"$err"
status=$?
cat "$out"
cat "$err" >&2
exit $status
