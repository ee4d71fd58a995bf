#!/usr/bin/env bash
# Checks the pen page and the express-key page in the running program: QZTablet runs under Wine
# on the simulated "QZ-Pen 6" and the pages are clicked with xdotool on a display of the
# script's own, while the tablet replays strokes and key presses.
#   1 curve      the hardest curve preset (without Save) lowers the pressure in the reports
#   2 no save    after a restart the pressure is the default curve's again
#   3 key        express key 1 bound on the page to "Browser Back" runs it on the next press; Save
#   4 saved      after a restart key 1 still runs "Browser Back"
#   5 unsaved    key 1 bound to "Left Click" without Save runs it; after a restart "Browser Back"
#   6 app        with keys following the applications, key 1 bound to "Left Click" for
#                ForegroundApp.exe (tools/foreground-app) runs it while that program is in the
#                foreground and "Browser Back" while QZTablet is; Save
#   7 app saved  after a restart the same holds
#
# Usage: tools/run-simulated/page-checks.sh [--work DIR] [--no-build]
#   --work DIR   where the Wine prefix and the logs go (default build/page-checks; a prefix
#                takes about 1.3 GB, a folder in /dev/shm spares the disk)
# Where this machine cannot run 32-bit programs, the 64-bit test build (qztablet-x64) runs.
#
# The Wine process list offers no running program to the application dialog (Wine counts no GDI
# objects), so the application's profile is written into the data folder before the program
# starts, as the dialog would have made it; its bindings are made on the page.
set -uo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
. "$here/../../scripts/trees.sh"
. "$here/../wine-session.sh"

work=$build_root/page-checks
build=1
while [ $# -gt 0 ]; do
  case $1 in
    --work) work=$(realpath -m "${2:?--work needs a folder}"); shift ;;
    --no-build) build=0 ;;
    -h|--help) sed -n '2,22s/^# \{0,1\}//p' "${BASH_SOURCE[0]}"; exit 0 ;;
    *) echo "page-checks: unknown argument '$1' (see --help)" >&2; exit 2 ;;
  esac
  shift
done
bits=$(wine_session_bits)
tree=$(wine_session_tree)
wine_session_say_build page-checks
wine_session_need xdotool xdotool || exit 1
[ $build -eq 0 ] || "$root/scripts/build.sh" "$tree" || exit 1
bin=$build_root/$tree/bin
rm -rf "$work"
mkdir -p "$work"
export WINEPREFIX=$work/prefix
unset DISPLAY
trap 'wine_session_end' EXIT
trap 'exit 130' INT TERM
wine_session_start || exit 1

data='C:\users\'"$(id -un)"'\AppData\Roaming\QZTablet\V3\conf'
app_dir=$WINEPREFIX/drive_c/QZForeground
app_path='C:\QZForeground\ForegroundApp.exe'
mkdir -p "$app_dir"
cp "$bin/ForegroundApp.exe" "$app_dir/"

# ---- the replay: one report a line, the milliseconds since the previous one first

gap() { echo "$1 09 42 01 00 00 00 00 00"; }
stroke() { grep -v '^#' "$root/tools/simulated-hid/pen-stroke.txt"; }
key() { printf '%s 09 42 01 01 %02x 00 00 00\n150 09 42 01 00 00 00 00 00\n' "${2:-0}" $((1 << ($1 - 1))); }

# ---- the program

window=
origin_x=0
origin_y=0
started=0
run_name=
# start NAME REPLAY: runs the program on that replay; waits for the main window.
start() {
  run_name=$1
  local dir=$work/$run_name
  mkdir -p "$dir"
  echo "$2" >"$dir/replay.txt"
  sed 's/"inputReports": *"[^"]*"/"inputReports": "replay.txt"/' \
    "$root/tools/simulated-hid/pen-tablet.json" >"$dir/tablet.json"
  QZTABLET_SIMULATED_HID="Z:$dir/tablet.json" WINEQT_LOGGING_RULES="qz.actions.info=true" \
    WINEQT_FORCE_STDERR_LOGGING=1 "$root/scripts/wine-run.sh" "$bits" "$bin/QZTablet.exe" >"$dir/program.log" 2>&1 &
  window=
  for _ in $(seq 300); do
    window=$(xdotool search --name '^Pen Tablet$' 2>/dev/null | head -n 1)
    [ -n "$window" ] && break
    sleep 0.2
  done
  [ -n "$window" ] || { echo "page-checks: no main window" >&2; cat "$dir/program.log" >&2; exit 1; }
  started=$(date +%s%N)
  eval "$(xdotool getwindowgeometry --shell "$window")"
  origin_x=$X
  origin_y=$Y
  sleep 2
}
# until SECONDS: waits until that long after the main window showed.
until_second() { local left=$(( ($1 * 1000000000 - ($(date +%s%N) - started)) / 1000000 )); [ $left -le 0 ] || sleep "$(printf '%d.%03d' $((left / 1000)) $((left % 1000)))"; }
stop() { "$wine_session_server" -k 2>/dev/null; sleep 1; }
# click X Y: a left click at a point of the main window (dialogs open at fixed places over it).
click() { xdotool mousemove $((origin_x + $1)) $((origin_y + $2)); sleep 0.3; xdotool click 1; sleep "${3:-1.2}"; }
click_screen() { xdotool mousemove "$1" "$2"; sleep 0.3; xdotool click 1; sleep 1; }

# Points of the 1000 x 700 main window, of the pages and of the dialogs over it.
pen_more_options() { click 746 643 2; }
pen_options_curve_switch() { click 713 266 0.6; }
options_ok() { click 679 456 2; }
hotkey_options_ok() { click 679 493 2; }
hard_curve_preset() { click 874 319; }
save() { click 894 643 2; }
hotkey_page() { click 96 257; }
hotkey_more_options() { click 746 643 2; }
hotkey_options_application_switch() { click 709 167 0.6; }
application_combo_item() { click 434 102 1; click 434 $((139 + 32 * $1)) 1.5; }
key_row_action() { click 518 569 2.5; }
action_dialog_mouse() { click 254 234 0.6; }
action_dialog_media() { click 253 342 0.6; }
action_ok() { click 679 456 2; }

# The pressure of each report written while the tip is down (bytes 8 and 9, little-endian).
pressures() {
  awk '$2 == "09" && $5 == "21" { print $11 $10 }' "$work/$1/virtual-device-output.txt" |
    while read -r hex; do printf '%d ' $((16#$hex)); done
}
actions() { grep -o 'qz.actions: .* pressed' "$work/$1/program.log" | sed 's/^qz.actions: //; s/ pressed$//'; }

failures=0
check() {
  local name=$1 expected=$2 actual=$3
  if [ "$actual" = "$expected" ]; then
    echo "PASS $name"
  else
    echo "FAIL $name"
    failures=$((failures + 1))
  fi
  echo "     expected: $expected"
  echo "     found:    $actual"
}

# ---- the checks

start baseline "$(gap 6000; stroke)"
until_second 10; stop
baseline=$(pressures baseline)
echo "default curve, pressure while the tip is down: $baseline"

start curve "$(gap 16000; stroke)"
pen_more_options; pen_options_curve_switch; options_ok; hard_curve_preset
until_second 20; stop
curve=$(pressures curve)
echo "hardest preset, pressure while the tip is down: $curve"
lower=$(paste <(tr ' ' '\n' <<<"$baseline") <(tr ' ' '\n' <<<"$curve") | awk 'NF == 2 && $1 > 0 { n++; if ($2 < $1) low++ } END { print (n > 0 && low == n) ? "every sample lower" : low + 0 " of " n + 0 " samples lower" }')
check "1 a curve set on the pen page lowers the pressure in the reports" "every sample lower" "$lower"

start nosave "$(gap 6000; stroke)"
until_second 10; stop
check "2 after a restart without Save the default curve is back" "$baseline" "$(pressures nosave)"

start key "$(gap 16000; key 1)"
hotkey_page; key_row_action; action_dialog_media; action_ok; save
until_second 20; stop
check "3 key 1 bound on the page runs its new action on the next press" 'media action "Browser Back" (Browser Back)' "$(actions key)"

start saved "$(gap 5000; key 1)"
until_second 8; stop
check "4 after Save and a restart key 1 keeps its binding" 'media action "Browser Back" (Browser Back)' "$(actions saved)"

start unsaved "$(gap 16000; key 1)"
hotkey_page; key_row_action; action_dialog_mouse; action_ok
until_second 20; stop
check "5a key 1 bound without Save runs the new action" 'mouse action "Left Click" (Left Click)' "$(actions unsaved)"
start unsaved-restart "$(gap 5000; key 1)"
until_second 8; stop
check "5b after a restart the unsaved binding is gone" 'media action "Browser Back" (Browser Back)' "$(actions unsaved-restart)"

# The application's profile, as the application dialog makes it, with no binding of its own yet.
profile_dir=$WINEPREFIX/drive_c/users/$(id -un)/AppData/Roaming/QZTablet/V3/conf/app
mkdir -p "$profile_dir"
printf '<?xml version="1.0" encoding="UTF-8"?>\n<Application name="FOREGROUNDAPP" path="%s">\n <Hotkey/>\n</Application>\n' \
  "$app_path" >"$profile_dir/FOREGROUNDAPP.xml"
start_foreground_app() {
  "$root/scripts/wine-run.sh" "$bits" "$app_dir/ForegroundApp.exe" >/dev/null 2>&1 &
  for _ in $(seq 100); do
    app_window=$(xdotool search --name '^QZ Foreground App$' 2>/dev/null | head -n 1)
    [ -n "$app_window" ] && break
    sleep 0.2
  done
  eval "$(xdotool getwindowgeometry --shell "$app_window")"
  app_x=$((X + 100))
  app_y=$((Y + 80))
}
# Clicking a window brings it to the foreground, which the engine asks for at each key press.
foreground_app() { click_screen "$app_x" "$app_y"; }
foreground_qztablet() { click 800 30; }

start app "$(gap 26000; key 1; key 1 5000)"
start_foreground_app
hotkey_page; hotkey_more_options; hotkey_options_application_switch; hotkey_options_ok
application_combo_item 1; key_row_action; action_dialog_mouse; action_ok; save
until_second 24; foreground_app
until_second 28; foreground_qztablet
until_second 36; stop
check "6 with ForegroundApp in front key 1 runs its binding, with QZTablet in front the tablet's" \
  "$(printf 'mouse action "Left Click" (Left Click)\nmedia action "Browser Back" (Browser Back)')" "$(actions app)"

start app-saved "$(gap 8000; key 1; key 1 5000)"
start_foreground_app
until_second 6; foreground_app
until_second 10; foreground_qztablet
until_second 18; stop
check "7 after Save and a restart the application's binding is still there" \
  "$(printf 'mouse action "Left Click" (Left Click)\nmedia action "Browser Back" (Browser Back)')" "$(actions app-saved)"

echo "page-checks: $failures failed ($tree, $bits-bit); the logs are in $work"
[ $failures -eq 0 ]
