#!/usr/bin/env bash
# Photographs the settings program's windows as a user sees them: brings the qztablet tree up to
# date (set-up and build), and runs ui_screenshots.exe under Wine with the windows platform on a display
# ($DISPLAY, else Xvfb at 1920 x 1080). One PNG per registered scene.
# Usage: tools/screenshots/take-screenshots.sh [OUTPUT [REGEX]]
#   OUTPUT  the folder for the PNGs (default build/screenshots)
#   REGEX   only the scenes whose names match
# Where this machine cannot run 32-bit programs, the 64-bit test build (qztablet-x64) runs.
set -uo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
. "$here/../../scripts/trees.sh"
. "$here/../wine-session.sh"

output=$(realpath -m "${1:-$build_root/screenshots}")
only=${2:-.}
"$root/scripts/setup.sh" || exit 1
tree=$(wine_session_tree)
program=$build_root/$tree/bin/ui_screenshots.exe
wine_session_say_build take-screenshots
"$root/scripts/build.sh" "$tree" || exit 1

trap wine_session_end EXIT
wine_session_start || exit 1
mkdir -p "$output"
"$root/scripts/wine-run.sh" "$(wine_session_bits)" "$program" "Z:$output" "$only"
