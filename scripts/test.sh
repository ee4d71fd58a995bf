#!/usr/bin/env bash
# Sets up the machine if needed, builds every tree and runs every test.
# Usage: scripts/test.sh [CTEST ARGS...]      e.g. scripts/test.sh -R ActionElement
# QZ_TREES="native nibwire" limits the run to some trees. QZ_WINE_SERVERS (default 3) is the
# number of Wine sessions that QZTablet's tests share out.
# Logs: build/TREE.ctest.log, and build/TREE.ctest-rerun.log for the Wine tests run twice.
#
# The trees' tests run side by side in three lanes: the native trees (one after the other), the
# nibwire tree and the QZTablet tree. Each Wine tree has Wine sessions of its own (a prefix, its
# wineserver and an Xvfb display each), so that the two never meet in one session, whose named
# objects the Wintab tests of both use. A wineserver serves its processes one request at a time,
# and every test program is a Wine process of its own: QZTablet's thousand tests spread over
# several servers.
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

# ---- Wine sessions

export WINEDEBUG=-all WINEDLLOVERRIDES='mscoree=;mshtml='
wineserver=$(command -v wineserver || echo /usr/lib/wine/wineserver)
wine_root=$build_root/wine
rm -rf "$wine_root" "$build_root/wineprefix"
mkdir -p "$wine_root"

# One fresh prefix, made once per run; the sessions start from copies of it.
make_template_prefix() {
  WINEPREFIX=$wine_root/template "$root/scripts/wine-run.sh" 64 wineboot -i >/dev/null 2>&1 || return 1
  WINEPREFIX=$wine_root/template "$wineserver" -w # the prefix is complete once its first server has ended
}

# start_session NAME: a copy of the template prefix with a wineserver and an Xvfb display of its
# own; appends "DISPLAY PREFIX" to the array `sessions`. The Windows libraries of system32 (nine
# tenths of a prefix, never written) are shared by hard links, the rest is copied. The session's
# desktop lives as long as the shell that started it.
start_session() {
  local prefix=$wine_root/$1 display_file=$wine_root/$1.display
  mkdir -p "$prefix"
  tar -C "$wine_root/template" --exclude=./drive_c/windows/system32 -cf - . | tar -C "$prefix" -xf - || return 1
  cp -al "$wine_root/template/drive_c/windows/system32" "$prefix/drive_c/windows/" || return 1
  Xvfb -displayfd 9 -screen 0 1920x1080x24 -nolisten tcp 9>"$display_file" >/dev/null 2>&1 &
  echo $! >"$wine_root/$1.xvfb"
  for _ in $(seq 100); do [ -s "$display_file" ] && break; sleep 0.1; done
  [ -s "$display_file" ] || return 1
  local display=:$(head -n 1 "$display_file")
  # One server for every test process of the run.
  WINEPREFIX=$prefix "$wineserver" -p >/dev/null 2>&1 </dev/null
  # Wine's own services start with the first program and live as long as the server; started
  # here they hold no test's output pipe open. The desktop process (explorer.exe) lives only
  # while some program uses the desktop, so each test program would start it anew: a command
  # prompt that waits on a pipe that this shell holds open keeps it.
  mkfifo "$wine_root/$1.keeper"
  WINEPREFIX=$prefix DISPLAY=$display "$root/scripts/wine-run.sh" 64 cmd <"$wine_root/$1.keeper" >/dev/null 2>&1 &
  exec {keeper_fd}>"$wine_root/$1.keeper"
  sessions+=("$display $prefix")
}

stop_sessions() {
  local prefix
  for prefix in "$wine_root"/*/; do
    [ -f "$prefix/system.reg" ] && WINEPREFIX=${prefix%/} "$wineserver" -k 2>/dev/null
  done
  local pid_file
  for pid_file in "$wine_root"/*.xvfb; do
    [ -f "$pid_file" ] && kill "$(cat "$pid_file")" 2>/dev/null
  done
  true
}
trap 'stop_sessions; kill $(jobs -p) 2>/dev/null' EXIT
trap 'exit 130' INT TERM

# ---- one tree's tests

# How many tests each tree runs at once. Under Wine a test spends much of its time waiting for
# the wineserver and for its helper processes (the nibwire tree's tests mostly wait: 180 s of
# processor time in 460 s at four at once), natively it computes: the native lane starts fewer.
cores=$(nproc)
lane_jobs() {
  case $1 in
    native*) echo $(( cores > 1 ? cores * 3 / 4 : 1 )) ;;
    *) echo "$cores" ;;
  esac
}
no_tests=error
[ $# -gt 0 ] && no_tests=ignore
quiet_ctest() { grep -vE '^ *([0-9]+/[0-9]+ Test +#[0-9]+: .* Passed|Start +[0-9]+:)'; }
# Prints the names of the tests that a CTest log lists as failed.
failed_tests() { sed -n '/The following tests FAILED:/,$ s/^[[:space:]]*[0-9][0-9]* - \(.*\) ([^()]*)$/\1/p' "$1"; }
skipped_tests() { sed -n '/The following tests did not run:/,/^[^[:space:]]/ s/^[[:space:]]*[0-9][0-9]* - \(.*\) (Skipped)$/\1/p' "$1"; }
# The reason a skipped test gave (the line after Google Test's "Skipped"), from CTest's record.
skip_reason() {
  awk -v name="$2" '$0 ~ "^[0-9]+/[0-9]+ Test: " { mine = ($3 == name) }
    mine && after { print; exit } mine && /: Skipped$/ { after = 1 }' "$1"
}

# Sets cpu_seconds to the processor time that this shell's finished children took. (`times` runs
# in this shell: in a command substitution or a pipe it would count a subshell's children.)
read_children_cpu() {
  times >"$build_root/$tree.times"
  cpu_seconds=$(awk 'NR == 2 { for (i = 1; i <= 2; i++) { split($i, p, /[ms]/); t += p[1] * 60 + p[2] } printf "%d", t }' \
    "$build_root/$tree.times")
  rm -f "$build_root/$tree.times"
}

# test_tree TREE: runs a tree's tests into $build_root/TREE.ctest.log, and under Wine
# the failed ones once more into TREE.ctest-rerun.log; prints what the run showed when it is over.
test_tree() {
  local tree=$1 dir=$build_root/$1 log=$build_root/$1.ctest.log rerun_log=$build_root/$1.ctest-rerun.log
  local start=$SECONDS status jobs cpu_seconds cpu_before
  jobs=$(lane_jobs "$tree")
  read_children_cpu
  cpu_before=$cpu_seconds
  rm -f "$rerun_log" "$build_root/$tree.skipped"
  ctest --test-dir "$dir" --output-on-failure --no-tests=$no_tests -j "$jobs" "${ctest_args[@]}" >"$log" 2>&1
  status=$?
  local name
  while IFS= read -r name; do
    [ -n "$name" ] && echo "$name: $(skip_reason "$dir/Testing/Temporary/LastTest.log" "$name")"
  done < <(skipped_tests "$log") >"$build_root/$tree.skipped"
  # On a loaded machine a Wine process now and then dies before the program starts (it prints
  # nothing, not even the test runner's header), so under Wine the failed tests get one more
  # run. A test that passes only then is named at the end, so a flaky test is seen, not hidden;
  # a test that fails twice fails the run.
  local rerun_start=$SECONDS rerun_status=
  if [ "$status" -ne 0 ] && [[ "$tree" != native* ]] && [ -n "$(failed_tests "$log")" ]; then
    ctest --test-dir "$dir" --output-on-failure --rerun-failed -j "$jobs" >"$rerun_log" 2>&1
    rerun_status=$?
  fi
  echo "${rerun_status:-$status}" >"$build_root/$tree.ctest.status"
  read_children_cpu
  {
    flock 7
    quiet_ctest <"$log"
    printf '== %-28s %4ds%s\n' "test $tree" $((rerun_start - start)) "$([ "$status" -eq 0 ] || echo "  FAILED ($status)")"
    echo "   ($jobs at once; the test processes took $((cpu_seconds - cpu_before)) s of processor time; load $(cut -d' ' -f1-3 /proc/loadavg))"
    if [ -n "$rerun_status" ]; then
      quiet_ctest <"$rerun_log"
      printf '== %-28s %4ds%s\n' "rerun $tree" $((SECONDS - rerun_start)) "$([ "$rerun_status" -eq 0 ] || echo "  FAILED ($rerun_status)")"
    fi
  } 7>"$build_root/test-output.lock"
}

# test_wine_tree TREE SESSIONS: the tree's tests spread over that many Wine sessions of its own.
test_wine_tree() {
  local tree=$1 sessions=() n
  for n in $(seq "$2"); do
    start_session "$tree-$n" || {
      echo "== $tree: Wine session $n did not start" >&2
      echo 1 >"$build_root/$tree.ctest.status"
      return 1
    }
  done
  (IFS=';' && export QZ_WINE_SESSIONS="${sessions[*]}" && test_tree "$tree")
}

ctest_args=("$@")
native_lane=() nibwire_lane=() qztablet_lane=()
for tree in "${test_trees[@]}"; do
  rm -f "$build_root/$tree".{ctest.status,ctest.log,ctest-rerun.log,skipped}
  case $tree in
    native*) native_lane+=("$tree") ;;
    nibwire) nibwire_lane+=("$tree") ;;
    *) qztablet_lane+=("$tree") ;;
  esac
done
[ ${#native_lane[@]} -eq 0 ] || (for tree in "${native_lane[@]}"; do test_tree "$tree"; done) &
if [ ${#nibwire_lane[@]} -gt 0 ] || [ ${#qztablet_lane[@]} -gt 0 ]; then
  (
    timed "wine prefix" make_template_prefix || { echo "the Wine prefix could not be made" >&2; exit 1; }
    [ ${#nibwire_lane[@]} -eq 0 ] || test_wine_tree nibwire 1 &
    [ ${#qztablet_lane[@]} -eq 0 ] || (for tree in "${qztablet_lane[@]}"; do test_wine_tree "$tree" "${QZ_WINE_SERVERS:-3}"; done) &
    wait
  ) &
fi
wait

# ---- the totals

passed=0 failed=0 skipped=0 runs_failed=0
retried=()
not_checked=()
broken_runs=()
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
for tree in "${test_trees[@]}"; do
  log=$build_root/$tree.ctest.log
  rerun_log=$build_root/$tree.ctest-rerun.log
  status=$(cat "$build_root/$tree.ctest.status" 2>/dev/null || echo 1)
  [ "$status" -eq 0 ] || runs_failed=1
  # A run can fail outside its tests (a test program that does not start, a listing error).
  last_log=$log
  [ -f "$rerun_log" ] && last_log=$rerun_log
  if [ "$status" -ne 0 ] && [ -z "$(failed_tests "$last_log" 2>/dev/null)" ]; then
    broken_runs+=("$tree (CTest ended with $status; see $last_log)")
  fi
  [ -f "$log" ] || continue
  count_summary "$log"
  if [ -f "$rerun_log" ]; then
    first_failures=$(failed_tests "$log")
    still_failing=$(failed_tests "$rerun_log")
    while IFS= read -r name; do
      [ -n "$name" ] && ! grep -qxF "$name" <<<"$still_failing" && retried+=("$tree: $name")
    done <<<"$first_failures"
    # The first run's failures that passed on the rerun count as passed.
    rerun_passed=$(( $(grep -c . <<<"$first_failures") - $(grep -c . <<<"$still_failing") ))
    passed=$((passed + rerun_passed))
    failed=$((failed - rerun_passed))
  fi
  # CTest counts a skipped test among the passed ones.
  while IFS= read -r line; do
    [ -n "$line" ] || continue
    not_checked+=("$tree: $line")
    passed=$((passed - 1))
    skipped=$((skipped + 1))
  done < <(cat "$build_root/$tree.skipped" 2>/dev/null)
done
if [ ${#retried[@]} -gt 0 ]; then
  echo "== passed only on their second run (flaky, look into them):"
  printf '   %s\n' "${retried[@]}"
fi
if [ ${#not_checked[@]} -gt 0 ]; then
  echo "== skipped, not checked on this machine:"
  printf '   %s\n' "${not_checked[@]}"
fi

if [ ${#broken_runs[@]} -gt 0 ]; then
  echo "== failed outside their tests:"
  printf '   %s\n' "${broken_runs[@]}"
fi
echo "== total $((SECONDS - total_start))s"
echo "tests: $passed passed, $skipped skipped, $failed failed"
if [ $runs_failed -ne 0 ] || [ $failed -ne 0 ] || [ $passed -eq 0 ]; then
  exit 1
fi
