#!/usr/bin/env bash
# Checks the mapping page in the settings window under Wine: mapping_check.exe (built in the
# qztablet tree, or in qztablet-x64 where this machine cannot run 32-bit programs) runs the window on Wine's monitors and a simulated tablet, drives the page's
# controls and prints where pen reports land on the virtual HID device.
#
# Usage: tools/mapping-check/run.sh [--screens N] [--model NAME] SCENARIO [MONITOR]
#   --screens N   the desktop: 1 screen of 1920 x 1080, or 2 side by side
#   --model NAME  a model of tools/simulated-hid/models (default "QZ-Pen 6")
#   SCENARIO      tablet, all, saved or pendisplay (see tools/mapping-check/MappingCheck.cpp)
# The Wine prefix is the tools' own (build/wine-tools), so QZTablet started by
# tools/run-simulated/run.sh afterwards finds what a scenario saved.
set -uo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
. "$here/../../scripts/trees.sh"
. "$here/../wine-session.sh"

screens=1
model="QZ-Pen 6"
while [ $# -gt 0 ]; do
  case $1 in
    --screens) screens=${2:?--screens needs 1 or 2}; shift ;;
    --model) model=${2:?--model needs a model name}; shift ;;
    -h|--help) sed -n '2,12s/^# \{0,1\}//p' "${BASH_SOURCE[0]}"; exit 0 ;;
    *) break ;;
  esac
  shift
done
[ $# -ge 1 ] || { echo "mapping-check: which scenario? (see --help)" >&2; exit 2; }

tree=$(wine_session_tree)
wine_session_say_build mapping-check
program=$build_root/$tree/bin/mapping_check.exe
"$root/scripts/build.sh" "$tree" >/dev/null || { echo "mapping-check: the $tree tree did not build" >&2; exit 1; }

run_dir=$build_root/mapping-check
mkdir -p "$run_dir"
# The model's description without its replay: the check feeds the pen reports itself.
grep -v '"inputReports"' "$root/tools/simulated-hid/models/$model.json" >"$run_dir/tablet.json"
python3 - "$run_dir/tablet.json" <<'PY'
import json, re, sys
path = sys.argv[1]
text = open(path).read()
text = re.sub(r',(\s*[}\]])', r'\1', text)  # the comma the removed line leaves behind
json.loads(text)
open(path, 'w').write(text)
PY

# Two screens: one Xvfb screen of 3840 x 1080 that Wine sees as two monitors side by side,
# through a libXinerama of our own (Xvfb lays its Xinerama screens over each other) and with
# Wine's XRandR off (Xvfb has one output).
xvfb=
x11_driver='HKCU\Software\Wine\X11 Driver'
finish() {
  if [ "$screens" = 2 ]; then
    "$root/scripts/wine-run.sh" 64 reg delete "$x11_driver" /v UseXRandR /f >/dev/null 2>&1
    "$wine_session_server" -w
  fi
  wine_session_end
  [ -z "$xvfb" ] || kill "$xvfb" 2>/dev/null
}
trap finish EXIT
display_file=$(mktemp)
if [ "$screens" = 2 ]; then
  for bits in 32 64; do
    mkdir -p "$run_dir/xinerama$bits"
    gcc -m$bits -shared -fPIC -nostdlib -o "$run_dir/xinerama$bits/libXinerama.so.1" "$here/FakeXinerama.c" || exit 1
  done
  export LD_LIBRARY_PATH=$run_dir/xinerama32:$run_dir/xinerama64${LD_LIBRARY_PATH:+:$LD_LIBRARY_PATH}
  export QZ_FAKE_XINERAMA=1920x1080+0+0,1920x1080+1920+0
  Xvfb -displayfd 9 -screen 0 3840x1080x24 -nolisten tcp 9>"$display_file" >/dev/null 2>&1 &
else
  Xvfb -displayfd 9 -screen 0 1920x1080x24 -nolisten tcp 9>"$display_file" >/dev/null 2>&1 &
fi
xvfb=$!
for _ in $(seq 100); do [ -s "$display_file" ] && break; sleep 0.1; done
export DISPLAY=:$(head -n 1 "$display_file")
rm -f "$display_file"
wine_session_start || exit 1
if [ "$screens" = 2 ]; then
  "$root/scripts/wine-run.sh" 64 reg add "$x11_driver" /v UseXRandR /t REG_SZ /d N /f >/dev/null 2>&1
  "$wine_session_server" -w
fi

export QZTABLET_SIMULATED_HID="Z:$run_dir/tablet.json"
# Simulated DDC/CI monitors behind the displays, for the picture control dialog.
export QZTABLET_SIMULATED_DDC=2
echo "mapping-check: $model, $screens screen(s) on $DISPLAY: $*"
"$root/scripts/wine-run.sh" "$(wine_session_bits)" "$program" "$@" 2>"$run_dir/stderr.txt"
