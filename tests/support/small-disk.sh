#!/usr/bin/env bash
# Set-up and clean-up of the full-disk tests (CTest fixture small_disk): mounts a 256 KiB file
# system over the application-data folder that those tests use, and takes it away again. Mounting
# needs root (and a kernel that lets this machine mount); where it cannot be done, the script says
# so and succeeds all the same, and each full-disk test then skips and gives the reason.
# Usage: small-disk.sh mount|unmount native HOME
#        small-disk.sh mount|unmount wine EMULATOR...   (how the tree runs a Windows program)
# The folder: native, HOME/.qttest/share/qz-full-disk (the tests set HOME); under Wine,
# %APPDATA%\qttest\qz-full-disk of the Wine prefix the tests run in.
set -u
action=$1
kind=$2
shift 2

case $kind in
  native) folder=$1/.qttest/share/qz-full-disk ;;
  wine)
    appdata=$("$@" cmd /c 'echo %APPDATA%' 2>/dev/null | tr -d '\r')
    folder=$("$@" winepath -u "$appdata\\qttest\\qz-full-disk" 2>/dev/null | tr -d '\r')
    if [ -z "$appdata" ] || [ -z "$folder" ]; then
      echo "small-disk: Wine named no application-data folder; the full-disk tests will skip"
      exit 0
    fi
    ;;
  *) echo "small-disk: unknown kind '$kind'" >&2; exit 2 ;;
esac

unmount() {
  mountpoint -q "$folder" 2>/dev/null && umount "$folder"
  rmdir "$folder" 2>/dev/null
  return 0
}

case $action in
  mount)
    unmount # one left by a run that was stopped
    mkdir -p "$folder"
    if [ "$(id -u)" -ne 0 ]; then
      echo "small-disk: not root, so no small file system at $folder; the full-disk tests will skip"
    elif mount -t tmpfs -o size=256k,mode=0777 tmpfs "$folder"; then
      echo "small-disk: 256 KiB file system mounted at $folder"
    else
      echo "small-disk: mounting at $folder failed; the full-disk tests will skip"
    fi
    ;;
  unmount) unmount ;;
  *) echo "small-disk: unknown action '$action'" >&2; exit 2 ;;
esac
exit 0
