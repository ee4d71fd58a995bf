#!/usr/bin/env bash
# Drives the settings page of the running QZTablet.exe under Wine on a simulated "QZ-Canvas 16",
# with the mouse and keyboard of an X display of its own (xdotool), and prints what each step
# left behind: the stored files, the reports written to the virtual device, the program's log,
# and a screenshot per step in OUTPUT.
#
# Usage: tools/settings-e2e/run.sh [OUTPUT]   (default build/settings-e2e; builds nothing)
# Where this machine cannot run 32-bit programs, the 64-bit test build (qztablet-x64) runs.
#
# Run A, on a fresh Wine prefix with Nibwire.dll installed as the 64-bit Wintab32.dll and one
# application profile: switch the pen tilt off and the language to German, open the diagnosis
# while the pen stroke plays (it starts after a pause, slowed down), export the settings, import
# each refused package of make-packages.py, then Reset. Run B, on another fresh prefix: import
# the exported package and compare the files with those exported.
set -uo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
. "$here/../../scripts/trees.sh"
. "$here/../wine-session.sh"

out=$(realpath -m "${1:-$build_root/settings-e2e}")
# Wine's file dialogs do not reach /dev, so the export into OUTPUT would fail there.
case $out in /dev/*) echo "e2e: OUTPUT must not lie under /dev ($out)" >&2; exit 2 ;; esac
bits=$(wine_session_bits)
tree=$(wine_session_tree)
program=$build_root/$tree/bin/QZTablet.exe
nibwire=$build_root/nibwire/bin/Nibwire.dll
model="QZ-Canvas 16"
wine_session_say_build e2e
for file in "$program" "$nibwire"; do
  [ -f "$file" ] || { echo "e2e: $file is not built (scripts/build.sh nibwire $tree)" >&2; exit 1; }
done
wine_session_need xdotool xdotool && wine_session_need import imagemagick || exit 1
rm -rf "$out"
mkdir -p "$out"
export WINEDEBUG=-all WINEDLLOVERRIDES='mscoree=;mshtml='
wineserver=$(command -v wineserver || echo /usr/lib/wine/wineserver)
make_prefix() { WINEPREFIX=$1 "$root/scripts/wine-run.sh" 64 wineboot -i >/dev/null 2>&1; WINEPREFIX=$1 "$wineserver" -w; }

failures=0
check() { # check WHAT COMMAND...
  local what=$1
  shift
  if "$@"; then echo "PASS  $what"; else echo "FAIL  $what"; failures=$((failures + 1)); fi
}

# A display of its own, on the first free number.
display_file=$(mktemp)
Xvfb -displayfd 9 -screen 0 1920x1080x24 -nolisten tcp 9>"$display_file" >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 100); do [ -s "$display_file" ] && break; sleep 0.1; done
[ -s "$display_file" ] || { echo "e2e: Xvfb did not start" >&2; exit 1; }
export DISPLAY=:$(head -n 1 "$display_file")
rm -f "$display_file"
program_pid=
finish() {
  [ -z "$program_pid" ] || kill "$program_pid" 2>/dev/null
  "$wineserver" -k 2>/dev/null
  kill "$xvfb" 2>/dev/null
}
trap finish EXIT
sleep 1

# ---- helpers

conf_of() { echo "$1/drive_c/users/$(id -un)/AppData/Roaming/QZTablet/V3/conf"; }
shot() { import -window root "$out/$1.png"; }
# The newest visible window of that title, waiting up to 30 s for one (a loaded machine is slow).
window() {
  local found=
  for _ in $(seq 60); do
    found=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | tail -n 1)
    [ -n "$found" ] && break
    sleep 0.5
  done
  echo "$found"
}
visible_windows() { xdotool search --onlyvisible --name . 2>/dev/null | wc -l; }
click() {
  windows_before_click=$(visible_windows)
  xdotool mousemove --window "$main" "$1" "$2" click 1
  sleep "${3:-1}"
}
checksums() { (cd "$1" && find . -type f -print0 | sort -z | xargs -0 -r md5sum); }
# Types a Windows path into the file dialog that the last click opens and confirms it; waits up
# to 30 s for the dialog to show.
choose_file() {
  for _ in $(seq 60); do
    [ "$(visible_windows)" -gt "$windows_before_click" ] && break
    sleep 0.5
  done
  sleep 3
  xdotool key End shift+Home
  xdotool type --delay 15 "$1"
  xdotool key Return
  sleep 3
}
dismiss() { xdotool key Return; sleep 1; }

start_program() { # start_program PREFIX RUNDIR PAUSE_MS
  export WINEPREFIX=$1
  local run=$2
  mkdir -p "$run"
  [ -f "$WINEPREFIX/system.reg" ] || make_prefix "$WINEPREFIX"
  sed 's/"inputReports": *"[^"]*"/"inputReports": "replay.txt"/' \
    "$root/tools/simulated-hid/models/$model.json" >"$run/tablet.json"
  # The stroke after a pause, thirty times slower, so that a window can be watched while it plays.
  awk -v pause="$3" '/^#/ || !NF { print; next } { $1 = $1 * 30 + (seen++ ? 0 : pause); print }' \
    "$root/tools/simulated-hid/models/pen-stroke-wide.txt" >"$run/replay.txt"
  WINEQT_FORCE_STDERR_LOGGING=1 QZTABLET_SIMULATED_HID="Z:$run/tablet.json" "$root/scripts/wine-run.sh" "$bits" "$program" >"$run/program.log" 2>&1 &
  program_pid=$!
  for _ in $(seq 120); do
    main=$(xdotool search --onlyvisible --name 'Tablet|Grafiktablett' 2>/dev/null | head -n 1)
    [ -n "$main" ] && break
    sleep 1
  done
  [ -n "$main" ] || { echo "e2e: no main window" >&2; exit 1; }
  sleep 3
}

stop_program() {
  kill "$program_pid" 2>/dev/null
  wait "$program_pid" 2>/dev/null
  program_pid=
  "$wineserver" -k 2>/dev/null
  sleep 1
}

# Window coordinates of the 1000 x 700 main window.
settings_menu() { click 97 489; }
submenu_language() { click 275 120; }
submenu_maintenance() { click 285 329; }

# ---- run A

python3 "$here/make-packages.py" "$out/refused" >/dev/null
prefix_a=$out/prefix-a
make_prefix "$prefix_a"
# Installed by hand as the README says: the 64-bit Wintab library of drawing applications.
cp "$nibwire" "$prefix_a/drive_c/windows/system32/Wintab32.dll"
conf_a=$(conf_of "$prefix_a")
mkdir -p "$conf_a/app"
{
  echo '<?xml version="1.0" encoding="utf-8"?>'
  echo '<Application name="Krita" path="C:/Program Files/Krita (x64)/bin/krita.exe">'
  sed -n '/<Hotkey feature/,/<\/Hotkey>/p' "$root/res/conf/$model.xml"
  echo '</Application>'
} >"$conf_a/app/krita.xml"

echo "== run A: $model, fresh prefix $prefix_a"
start_program "$prefix_a" "$out/run-a" 70000
settings_menu
shot a1-settings-en
click 886 261 2 # the pen tilt switch
echo "comm.xml after the tilt switch: $(grep -o 'tilt="[a-z]*"' "$conf_a/comm.xml")"
# The switch also wrote the model's configuration file: still the model's defaults.
cp "$conf_a/usr/$model.xml" "$out/defaults.xml"
check "the tilt switch stores tilt=false" grep -q 'tilt="false"' "$conf_a/comm.xml"

click 813 131 # the language combo box: German is the fifth language
xdotool key Down Down Down Down Return
sleep 2
shot a2-settings-de
echo "comm.xml after choosing German: $(grep -o '<Language id="[0-9]*"' "$conf_a/comm.xml")"
check "the language is stored as 4 (German)" grep -q 'Language id="4"' "$conf_a/comm.xml"
check "the window title is German" test "$(xdotool getwindowname "$main")" = Grafiktablett
click 70 208 1.5; shot a3-pen-de
click 70 255 1.5; shot a4-keys-de
click 70 304 1.5; shot a5-mapping-de
xdotool mousemove 10 31 sleep 0.3 mousedown 3 sleep 0.2 mouseup 3
sleep 2
shot a6-tray-de
xdotool key Escape
settings_menu
submenu_maintenance
click 464 621 2 # Diagnose
diagnose=$(window Diagnose)
check "the diagnosis window is open" test -n "$diagnose"
output_log=$out/run-a/virtual-device-output.txt
echo "waiting for the stroke"
for _ in $(seq 120); do
  [ "$(grep -cv '^\(#\|[[:space:]]*$\)' "$output_log" 2>/dev/null)" -gt 3 ] && break
  sleep 1
done
for n in 1 2 3; do shot "a7-diagnose-live-$n"; sleep 1.5; done
sleep 8
echo "tilt bytes (11, 12) of the reports written while tilt is off:"
awk '!/^#/ && NF { print "   ", $12, $13 }' "$output_log" | sort | uniq -c
check "every report's tilt bytes are 00 00" test -z "$(awk '!/^#/ && NF && ($12 != "00" || $13 != "00")' "$output_log")"
check "the stroke reached the virtual device" test -s "$output_log"
echo "the program's library lookup:"
grep -E 'Nibwire_(32|64) hash' "$out/run-a/program.log" | sed 's/^/    /'
xdotool mousemove --window "$diagnose" 597 450 click 1
sleep 1

click 464 371 # Export Settings
choose_file 'Z:'"$(echo "$out" | tr / '\\')"'\backup'
shot a8-export-done
dismiss
package=$out/backup.zlpkg
check "export wrote backup.zlpkg" test -s "$package"
cp -r "$conf_a" "$out/exported-conf"
echo "exported: $(stat -c %s "$package") bytes; the package's names:"
strings -n 5 "$package" | grep -E '\.xml$' | sed 's/^/    /'

before=$(checksums "$conf_a")
for name in truncated size-beyond-file dotdot-name device-name count-overflow; do
  click 464 431 # Import Settings
  choose_file 'Z:'"$(echo "$out/refused/$name.zlpkg" | tr / '\\')"
  shot "a9-import-$name"
  dismiss
  check "importing $name.zlpkg changes no file" test "$(checksums "$conf_a")" = "$before"
done
check "no file escaped the folders" test ! -e "$(dirname "$conf_a")/evil.xml"

# A configuration file that is not the defaults any more, as a user's would be.
sed -i 's/<Pen model=/<Pen speed="1" model=/' "$conf_a/usr/$model.xml"
click 464 491 2 # Reset
question=$(window Einstellungen)
xdotool mousemove --window "$question" 298 115 click 1 # Ja
sleep 4
shot a10-after-reset
echo "after Reset: comm.xml $(grep -o 'Language id="[0-9]*"\|tilt="[a-z]*"' "$conf_a/comm.xml" | tr '\n' ' ')"
echo "after Reset: profiles: $(ls "$conf_a/app" | wc -l)"
check "Reset empties the profiles" test -z "$(ls "$conf_a/app")"
check "Reset brings tilt back" grep -q 'tilt="true"' "$conf_a/comm.xml"
check "Reset writes the model's defaults back" cmp -s "$conf_a/usr/$model.xml" "$out/defaults.xml"
check "Reset reopened the tablet" grep -q 'read thread stopped' "$out/run-a/program.log"
stop_program
cp -r "$conf_a" "$out/conf-a-after-reset"
rm -rf "$prefix_a"

# ---- run B

prefix_b=$out/prefix-b
echo "== run B: fresh prefix $prefix_b"
start_program "$prefix_b" "$out/run-b" 600000
conf_b=$(conf_of "$prefix_b")
settings_menu
submenu_maintenance
click 464 431 # Import Settings
choose_file 'Z:'"$(echo "$package" | tr / '\\')"
shot b1-import-done
dismiss
echo "exported from A | imported into B:"
diff <(checksums "$out/exported-conf") <(checksums "$conf_b") && echo "    the same files, byte for byte"
check "import restores every file of the package" test "$(checksums "$out/exported-conf")" = "$(checksums "$conf_b")"
stop_program
rm -rf "$prefix_b"

echo "== $failures failed ($tree, $bits-bit); screenshots in $out"
[ "$failures" -eq 0 ]
