#!/usr/bin/env bash
# Sets up the machine if needed, builds every tree and runs every test.
# Usage: scripts/test.sh [CTEST ARGS...]      e.g. scripts/test.sh -R ActionElement
# QZ_TREES="native nibwire" limits the run to some trees.
set -uo pipefail
. "$(dirname "${BASH_SOURCE[0]}")/trees.sh"

total_start=$SECONDS
timed "setup" "$root/scripts/setup.sh" || exit 1

if [ -n "${QZ_TREES:-}" ]; then
  read -r -a build_trees <<<"$QZ_TREES"
else
  build_trees=(native native-tsan nibwire qztablet)
  can_run_32bit || build_trees+=(qztablet-x64)
fi
# The trees whose tests run here: the 32-bit QZTablet tests need a machine that runs 32-bit programs.
test_trees=()
for tree in "${build_trees[@]}"; do
  if [ "$tree" = qztablet ] && ! can_run_32bit; then
    echo "note: this machine cannot run 32-bit programs; QZTablet's tests run from the qztablet-x64 build"
    continue
  fi
  test_trees+=("$tree")
done

mkdir -p "$build_root"
build_failed=0
for tree in "${build_trees[@]}"; do
  timed "build $tree" build_tree "$tree" || build_failed=1
done
[ $build_failed -eq 0 ] || { echo "build failed" >&2; exit 1; }

# One fresh Wine prefix and one persistent wineserver for the whole run.
export WINEPREFIX=$build_root/wineprefix
export WINEDEBUG=-all WINEDLLOVERRIDES='mscoree=;mshtml='
wineserver=$(command -v wineserver || echo /usr/lib/wine/wineserver)
start_wine() {
  rm -rf "$WINEPREFIX"
  "$root/scripts/wine-run.sh" 64 wineboot -i >/dev/null 2>&1 || return 1
  "$wineserver" -w           # the prefix is complete once its first server has ended
  "$wineserver" -p           # then one server stays for every test process of the run
  # Wine's own services start with the first program and live as long as the server; started
  # here they hold no test's output pipe open.
  "$root/scripts/wine-run.sh" 64 cmd /c exit </dev/null >/dev/null 2>&1
}
# Windows made by the programs under test (hidden ones included) need a display.
xvfb_pid=
start_display() {
  local display_file=$build_root/xvfb.display
  rm -f "$display_file"
  Xvfb -displayfd 9 -screen 0 1920x1080x24 -nolisten tcp 9>"$display_file" >/dev/null 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 100); do [ -s "$display_file" ] && break; sleep 0.1; done
  [ -s "$display_file" ] || return 1
  export DISPLAY=:$(head -n 1 "$display_file")
}
stop_wine() {
  "$wineserver" -k 2>/dev/null || true
  [ -z "$xvfb_pid" ] || kill "$xvfb_pid" 2>/dev/null || true
}
trap stop_wine EXIT
timed "display" start_display || exit 1
timed "wine prefix" start_wine || exit 1

no_tests=error
[ $# -gt 0 ] && no_tests=ignore
passed=0 failed=0 runs_failed=0
retried=()
# Prints the names of the tests that a CTest log lists as failed.
failed_tests() { sed -n '/The following tests FAILED:/,$ s/^[[:space:]]*[0-9][0-9]* - \(.*\) ([^()]*)$/\1/p' "$1"; }
# Adds the counts of a CTest log's summary line to the run's totals.
count_summary() {
  local summary out_of bad
  summary=$(grep -E 'tests passed, [0-9]+ tests? failed out of [0-9]+' "$1" | tail -n 1)
  [ -n "$summary" ] || return 0
  out_of=$(sed -E 's/.* out of ([0-9]+).*/\1/' <<<"$summary")
  bad=$(sed -E 's/.*passed, ([0-9]+) tests? failed.*/\1/' <<<"$summary")
  passed=$((passed + out_of - bad))
  failed=$((failed + bad))
}
quiet_ctest() { grep -vE '^ *([0-9]+/[0-9]+ Test +#[0-9]+: .* Passed|Start +[0-9]+:)'; }
for tree in "${test_trees[@]}"; do
  log=$build_root/$tree.ctest.log
  timed "test $tree" ctest --test-dir "$build_root/$tree" --output-on-failure --no-tests=$no_tests \
    -j "$(nproc)" "$@" 2>&1 | tee "$log" | quiet_ctest
  status=${PIPESTATUS[0]}
  # On a loaded machine a Wine process now and then dies before the program starts (it prints
  # nothing, not even the test runner's header), so under Wine the failed tests get one more
  # run. A test that passes only then is named below, so a flaky test is seen, not hidden; a test
  # that fails twice fails the run.
  if [ "$status" -ne 0 ] && [[ "$tree" != native* ]] && [ -n "$(failed_tests "$log")" ]; then
    first_failures=$(failed_tests "$log")
    rerun_log=$build_root/$tree.ctest-rerun.log
    timed "rerun $tree" ctest --test-dir "$build_root/$tree" --output-on-failure --rerun-failed \
      -j "$(nproc)" 2>&1 | tee "$rerun_log" | quiet_ctest
    status=${PIPESTATUS[0]}
    still_failing=$(failed_tests "$rerun_log")
    while IFS= read -r name; do
      [ -n "$name" ] && ! grep -qxF "$name" <<<"$still_failing" && retried+=("$tree: $name")
    done <<<"$first_failures"
    count_summary "$log"
    # The first run's failures that passed on the rerun count as passed.
    rerun_passed=$(( $(wc -l <<<"$first_failures") - $(grep -c . <<<"$still_failing") ))
    passed=$((passed + rerun_passed))
    failed=$((failed - rerun_passed))
  else
    count_summary "$log"
  fi
  [ "$status" -eq 0 ] || runs_failed=1
done
if [ ${#retried[@]} -gt 0 ]; then
  echo "== passed only on their second run (flaky, look into them):"
  printf '   %s\n' "${retried[@]}"
fi

echo "== total $((SECONDS - total_start))s"
echo "tests: $passed passed, $failed failed"
if [ $runs_failed -ne 0 ] || [ $failed -ne 0 ] || [ $passed -eq 0 ]; then
  exit 1
fi
