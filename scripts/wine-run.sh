#!/usr/bin/env bash
# Runs a Windows program under Wine with quiet, test-friendly defaults.
# Usage: wine-run.sh 32|64 PROGRAM [ARGS...]
# WINEPREFIX comes from the caller (scripts/test.sh makes a fresh one for each run).
set -u
bits=$1
shift
if [ "$bits" = 64 ]; then
  loader=$(command -v wine64 || echo /usr/lib/wine/wine64)
else
  loader=$(command -v wine || echo /usr/lib/wine/wine)
fi
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree=;mshtml=}
# Without a display, Qt draws offscreen; with one (scripts/test.sh starts Xvfb) it uses real windows.
[ -n "${DISPLAY:-}" ] || export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
exec "$loader" "$@"
