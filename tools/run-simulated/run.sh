#!/usr/bin/env bash
# Runs QZTablet.exe under Wine on a simulated tablet: sets the machine up where something is
# missing, builds the nibwire and qztablet trees, replays the recorded pen stroke and a few
# express-key presses, and leaves the program running until it is closed (Exit in its tray
# menu, or Ctrl+C here).
#
# Usage: tools/run-simulated/run.sh [--model NAME] [--once] [--screenshot FILE.png] [--no-build]
#   --model NAME       one of the 34 models of tools/simulated-hid/models (default "QZ-Pen 6")
#   --once             end the program after the replay and print what came out: the reports
#                      written to the virtual HID device and the actions run
#   --screenshot FILE  save a picture of the display after the replay (ImageMagick's import)
#   --no-build         run what is built
#
# The display is $DISPLAY when there is one, else a display of its own (Xvfb, 1920 x 1080).
# Where this machine cannot run 32-bit programs, the 64-bit test build (qztablet-x64) runs.
set -uo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
. "$here/../../scripts/trees.sh"
. "$here/../wine-session.sh"

model="QZ-Pen 6"
once=0
screenshot=
build=1
while [ $# -gt 0 ]; do
  case $1 in
    --model) model=${2:?--model needs a model name}; shift ;;
    --once) once=1 ;;
    --screenshot) screenshot=$(realpath -m "${2:?--screenshot needs a file name}"); shift ;;
    --no-build) build=0 ;;
    -h|--help) sed -n '2,15s/^# \{0,1\}//p' "${BASH_SOURCE[0]}"; exit 0 ;;
    *) echo "run: unknown argument '$1' (see --help)" >&2; exit 2 ;;
  esac
  shift
done

simulated=$root/tools/simulated-hid
if [ "$model" = "QZ-Pen 6" ]; then
  description=$simulated/pen-tablet.json
else
  description=$simulated/models/$model.json
fi
if [ ! -f "$description" ]; then
  echo "run: no simulated model '$model'; the models are:" >&2
  (cd "$simulated/models" && ls -- *.json | sed 's/\.json$//; s/^/  /') >&2
  exit 2
fi

"$root/scripts/setup.sh" || exit 1
bits=$(wine_session_bits)
tree=$(wine_session_tree)
wine_session_say_build run
[ -z "$screenshot" ] || wine_session_need import imagemagick || exit 1
if [ $build -eq 1 ]; then
  trees=(nibwire qztablet)
  [ "$tree" = qztablet ] || trees+=("$tree")
  "$root/scripts/build.sh" "${trees[@]}" || exit 1
fi
program=$build_root/$tree/bin/QZTablet.exe
[ -f "$program" ] || { echo "run: $program is not built" >&2; exit 1; }

# ---- the description and its replay, in a folder of the run's own

run_dir=$build_root/run-simulated
rm -rf "$run_dir"
mkdir -p "$run_dir"
stroke=$(sed -n 's/.*"inputReports": *"\([^"]*\)".*/\1/p' "$description" | head -n 1)
stroke=$(dirname "$description")/$stroke
sed 's/"inputReports": *"[^"]*"/"inputReports": "replay.txt"/' "$description" >"$run_dir/tablet.json"

# The express keys that the model's default configuration binds; the first three are pressed.
keys=$(grep -o '<Key id="[0-9]*" virtual="false"' "$root/res/conf/$model.xml" | grep -o '[0-9]\+' | sort -n | head -n 3)
{
  cat "$stroke"
  echo "# express keys: report id 09, kind 42 'B', express keys 01, pressed, key bits (4 bytes)"
  for key in $keys; do
    printf '400 09 42 01 01 %02x %02x %02x %02x\n' $(((1 << (key - 1)) & 255)) $(((1 << (key - 1)) >> 8 & 255)) 0 0
    echo "150 09 42 01 00 00 00 00 00"
  done
} >"$run_dir/replay.txt"
replay_ms=$(awk '!/^#/ && NF { total += $1 } END { print total + 0 }' "$run_dir/replay.txt")
echo "run: replaying $(basename "$stroke") and the express keys" ${keys:-"(none: the model has no express keys)"}

# ---- Wine and a display

program_pid=
finish() {
  [ -z "$program_pid" ] || kill "$program_pid" 2>/dev/null
  wine_session_end
}
trap finish EXIT
trap 'exit 130' INT TERM
wine_session_start || exit 1

# ---- the program

export QZTABLET_SIMULATED_HID="Z:$run_dir/tablet.json"
# A line on standard error per action run. Wine hands a Windows program no QT_* variable of
# the shell; it passes WINEQT_* under the QT_* name instead.
export WINEQT_LOGGING_RULES="qz.actions.info=true"
export WINEQT_FORCE_STDERR_LOGGING=1
echo "run: $model on the simulated HID bus ($tree, $bits-bit): $program"
if [ $once -eq 1 ]; then
  "$root/scripts/wine-run.sh" "$bits" "$program" >"$run_dir/program.log" 2>&1 &
else
  "$root/scripts/wine-run.sh" "$bits" "$program" 2>&1 | tee "$run_dir/program.log" &
fi
program_pid=$!

# The program makes the output log as it takes the description; the replay starts when it first
# reads the tablet, a moment later.
output_log=$run_dir/virtual-device-output.txt
for _ in $(seq 600); do
  [ -f "$output_log" ] && break
  kill -0 "$program_pid" 2>/dev/null || { echo "run: QZTablet ended early" >&2; cat "$run_dir/program.log" >&2; exit 1; }
  sleep 0.1
done
report_count() { cat "$output_log" 2>/dev/null | grep -cv '^\(#\|[[:space:]]*$\)'; }
sleep $((replay_ms / 1000 + 3))
# A loaded machine plays the replay late: the replay is over once no report came for 3 s.
for _ in $(seq 20); do
  before=$(report_count)
  sleep 3
  [ "$(report_count)" -ne "$before" ] || break
done
if [ -n "$screenshot" ]; then
  import -window root "$screenshot" && echo "run: screenshot in $screenshot"
fi

if [ $once -eq 0 ]; then
  echo "run: the replay is over ($(report_count) reports written to the virtual device so far);" \
    "QZTablet keeps running until it is closed (Exit in its tray menu, or Ctrl+C here)"
  wait "$program_pid"
  exit 0
fi

kill "$program_pid" 2>/dev/null
wait "$program_pid" 2>/dev/null
program_pid=
reports=$(report_count)
echo "== the program said"
grep -v 'qz.actions' "$run_dir/program.log" | sed 's/^/   /'
echo "== actions run"
grep 'qz.actions' "$run_dir/program.log" | sed 's/^/   /'
echo "== $reports reports written to the virtual HID device ($output_log)"
[ "$reports" -gt 0 ]
