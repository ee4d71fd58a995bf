#!/usr/bin/env bash
# Set-up and clean-up of the full-disk tests (CTest fixture small_disk): mounts a 256 KiB file
# system over the application-data folder that those tests use, and takes it away again. Mounting
# needs root (and a kernel that lets this machine mount); where it cannot be done, the script says
# so and succeeds all the same, and each full-disk test then skips and gives the reason.
# Usage: small-disk.sh mount|unmount native HOME
#        small-disk.sh mount|unmount wine EMULATOR...   (how the tree runs a Windows program)
# The folder: native, HOME/.qttest/share/qz-full-disk (the tests set HOME); under Wine,
# %APPDATA%\qttest\qz-full-disk of the Wine prefix the tests run in. When scripts/test.sh spreads
# a tree's tests over several Wine sessions (QZ_WINE_SESSIONS, "DISPLAY PREFIX" pairs), a full-disk
# test may run in any of them, so each session's folder gets a small file system. The sessions'
# prefixes are copies of one, so Wine is asked in the first and the others are the same path in
# their own prefix (each question starts Wine programs, slow on a loaded machine).
set -u
action=$1
kind=$2
shift 2

# Prints the small disk's folder in the Wine session that the emulator picks.
wine_folder() {
  local appdata
  appdata=$("$@" cmd /c 'echo %APPDATA%' 2>/dev/null | tr -d '\r')
  [ -n "$appdata" ] && "$@" winepath -u "$appdata\\qttest\\qz-full-disk" 2>/dev/null | tr -d '\r'
}

folders=()
case $kind in
  native) folders=("$1/.qttest/share/qz-full-disk") ;;
  wine)
    IFS=';' read -r -a sessions <<<"${QZ_WINE_SESSIONS:-}"
    [ ${#sessions[@]} -gt 0 ] || sessions=("")
    folder=$(QZ_WINE_SESSIONS=${sessions[0]} wine_folder "$@")
    if [ -z "$folder" ]; then
      echo "small-disk: Wine named no application-data folder; the full-disk tests will skip"
      exit 0
    fi
    folders=("$folder")
    first_prefix=${sessions[0]#* }
    for session in "${sessions[@]:1}"; do
      if [ -n "$first_prefix" ] && [[ "$folder" == "$first_prefix"/* ]]; then
        folders+=("${session#* }${folder#"$first_prefix"}")
      else
        folders+=("$(QZ_WINE_SESSIONS=$session wine_folder "$@")")
      fi
    done
    ;;
  *) echo "small-disk: unknown kind '$kind'" >&2; exit 2 ;;
esac

unmount() {
  mountpoint -q "$1" 2>/dev/null && umount "$1"
  rmdir "$1" 2>/dev/null
  return 0
}

mount_small_disk() {
  unmount "$1" # one left by a run that was stopped
  mkdir -p "$1"
  if [ "$(id -u)" -ne 0 ]; then
    echo "small-disk: not root, so no small file system at $1; the full-disk tests will skip"
  elif mount -t tmpfs -o size=256k,mode=0777 tmpfs "$1"; then
    echo "small-disk: 256 KiB file system mounted at $1"
  else
    echo "small-disk: mounting at $1 failed; the full-disk tests will skip"
  fi
}

for folder in "${folders[@]}"; do
  case $action in
    mount) mount_small_disk "$folder" ;;
    unmount) unmount "$folder" ;;
    *) echo "small-disk: unknown action '$action'" >&2; exit 2 ;;
  esac
done
exit 0
