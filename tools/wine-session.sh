# Sourced by the tools that run a Windows program under Wine for a person to see (after
# scripts/trees.sh): a Wine prefix of the tools' own, kept between runs (scripts/test.sh makes
# its own afresh), and a display.
#   wine_session_start   makes the prefix when missing; uses $DISPLAY or starts Xvfb
#   wine_session_end     ends the session's Wine processes and the Xvfb it started
#   wine_session_need COMMAND PACKAGE   installs PACKAGE when COMMAND is missing
export WINEPREFIX=$build_root/wine-tools
export WINEDEBUG=-all WINEDLLOVERRIDES='mscoree=;mshtml='
wine_session_server=$(command -v wineserver || echo /usr/lib/wine/wineserver)
wine_session_xvfb=

# 32 where this machine runs 32-bit programs (the shipped QZTablet), else 64 (its test build).
wine_session_bits() { if can_run_32bit; then echo 32; else echo 64; fi; }
wine_session_tree() { if can_run_32bit; then echo qztablet; else echo qztablet-x64; fi; }
# Says which build of QZTablet runs here; usage: wine_session_say_build SCRIPT-NAME
wine_session_say_build() {
  if can_run_32bit; then
    echo "$1: running the shipped 32-bit build (the qztablet tree)"
  else
    echo "$1: this machine cannot run 32-bit programs; running the 64-bit test build of QZTablet (the qztablet-x64 tree)"
  fi
}

wine_session_need() {
  command -v "$1" >/dev/null 2>&1 && return 0
  echo "installing $2 (for $1)"
  local as_root=
  [ "$(id -u)" -eq 0 ] || as_root=sudo
  $as_root apt-get update -qq || echo "some package lists could not be read; installing from the rest"
  DEBIAN_FRONTEND=noninteractive $as_root apt-get install -y -qq --no-install-recommends "$2" >/dev/null
  command -v "$1" >/dev/null 2>&1 || { echo "$2 did not install; $1 is missing" >&2; return 1; }
}

wine_session_start() {
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "making a Wine prefix in $WINEPREFIX (once, about half a minute)"
    "$root/scripts/wine-run.sh" 64 wineboot -i >/dev/null 2>&1
    "$wine_session_server" -w
  fi
  [ -z "${DISPLAY:-}" ] || return 0
  local display_file
  display_file=$(mktemp)
  Xvfb -displayfd 9 -screen 0 1920x1080x24 -nolisten tcp 9>"$display_file" >/dev/null 2>&1 &
  wine_session_xvfb=$!
  for _ in $(seq 100); do [ -s "$display_file" ] && break; sleep 0.1; done
  [ -s "$display_file" ] || { echo "Xvfb did not start" >&2; rm -f "$display_file"; return 1; }
  export DISPLAY=:$(head -n 1 "$display_file")
  rm -f "$display_file"
  echo "no display given; using Xvfb on $DISPLAY (1920 x 1080)"
}

wine_session_end() {
  "$wine_session_server" -k 2>/dev/null
  [ -z "$wine_session_xvfb" ] || kill "$wine_session_xvfb" 2>/dev/null
  wine_session_xvfb=
}
