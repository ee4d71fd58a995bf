#!/usr/bin/env bash
# Builds the named trees (default: all that this machine needs) under build/.
# Usage: scripts/build.sh [native] [native-tsan] [qztablet] [nibwire] [qztablet-x64]
set -uo pipefail
. "$(dirname "${BASH_SOURCE[0]}")/trees.sh"

trees=("$@")
if [ ${#trees[@]} -eq 0 ]; then
  trees=(native native-tsan nibwire qztablet)
  can_run_32bit || trees+=(qztablet-x64)
fi
mkdir -p "$build_root"
failed=0
for tree in "${trees[@]}"; do
  timed "build $tree" build_tree "$tree" || failed=1
done
exit $failed
