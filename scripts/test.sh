#!/usr/bin/env bash
# Builds everything and runs every test: the test suites (plain and under
# AddressSanitizer/UndefinedBehaviorSanitizer), the libFuzzer targets for a
# bounded number of runs, a short run of each benchmark, and the build, tests
# and figures of the browser edition. Every stage runs
# even when an earlier one failed; the exit status is non-zero if any failed.
set -uo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
bash "$root/scripts/install-deps.sh" || exit 1

export QT_QPA_PLATFORM=offscreen
fuzz_runs=${VELMARA_FUZZ_RUNS:-200000}
started=$SECONDS
failures=()
summaries=()
tests_passed=0
tests_failed=0

step() { printf '\n=== %s (%ds)\n' "$*" $((SECONDS - started)); }
fail() {
  echo "FAILED: $*"
  failures+=("$*")
}

# configure_and_build DIR [cmake options...]
configure_and_build() {
  local build=$1
  shift
  cmake -S "$root" -B "$build" -G Ninja "$@" && cmake --build "$build"
}

# Runs ctest in a build directory and keeps its summary line for the end.
run_ctest() {
  local build=$1 log="$1/ctest.log" status=0
  ctest --test-dir "$build" --output-on-failure --timeout 300 -j2 2>&1 | tee "$log" || status=$?
  local line
  line=$(grep -E 'tests passed, [0-9]+ tests? failed out of [0-9]+' "$log" | tail -n 1)
  summaries+=("$(basename "$build"): ${line:-no ctest summary}")
  if [[ "$line" =~ ([0-9]+)\ tests?\ failed\ out\ of\ ([0-9]+) ]]; then
    tests_failed=$((tests_failed + BASH_REMATCH[1]))
    tests_passed=$((tests_passed + BASH_REMATCH[2] - BASH_REMATCH[1]))
  fi
  return "$status"
}

step "Build (RelWithDebInfo) in build/"
if configure_and_build "$root/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELMARA_BUILD_UI=ON \
  -DVELMARA_BUILD_TESTS=ON -DVELMARA_BUILD_BENCH=ON -DVELMARA_SANITIZE=OFF -DVELMARA_BUILD_FUZZ=OFF; then
  step "Tests in build/"
  run_ctest "$root/build" || fail "tests in build/"

  step "Benchmark smoke run"
  benches=0
  for bench in "$root"/build/bench/velmara_bench*; do
    [[ -f "$bench" && -x "$bench" ]] || continue
    "$bench" --benchmark_min_time=0.01 || fail "$(basename "$bench")"
    benches=$((benches + 1))
  done
  ((benches > 0)) || fail "no benchmark was built"

  step "Debian package from build/ and an install into a temporary prefix"
  bash "$root/scripts/check-package.sh" "$root/build" || fail "Debian package"
else
  fail "build in build/"
fi

# Root reads and writes files whatever their permissions, so the tests of
# unreadable files and read-only folders skip when run as root. Run them once
# more as an unprivileged user, when the build folder can be reached by one.
if ((EUID == 0)) && command -v setpriv >/dev/null && [[ -d "$root/build/tests" ]]; then
  step "Permission tests as user nobody"
  as_nobody=(setpriv --reuid=nobody --regid=nogroup --clear-groups
    env HOME=/tmp TMPDIR=/tmp XDG_RUNTIME_DIR=/tmp/velmara-runtime-nobody)
  if "${as_nobody[@]}" test -x "$root/build/tests/sources/velmara_sources_tests"; then
    "${as_nobody[@]}" "$root/build/tests/sources/velmara_sources_tests" \
      --gtest_filter='*Permission*:*ReadOnly*' || fail "permission tests of the sources layer"
    "${as_nobody[@]}" "$root/build/tests/cli/velmara_cli_tests" \
      --gtest_filter='*Permission*' || fail "permission tests of velmara-pw"
    # The File menu tests as a whole: those of permissions skip as root.
    "${as_nobody[@]}" "$root/build/tests/ui/file_menu_test" || fail "permission tests of the File menu"
  else
    echo "skipped: user nobody cannot reach $root/build"
  fi
fi

# The browser edition: its build, the Node tests of the binding and the
# browser tests of the page, both against velmara-pw from build/, and its
# figures (printed, not judged).
step "Browser edition: build in build-web/"
if bash "$root/scripts/build-web.sh"; then
  if [[ ! -x "$root/build/cli/velmara-pw" ]]; then
    fail "browser edition: no velmara-pw in build/ to test against"
  elif ! (cd "$root/web" && { [[ -d node_modules ]] || npm ci --no-audit --no-fund; }); then
    fail "browser edition: npm ci in web/"
  else
    step "Tests of the browser edition (Node and Chromium)"
    log="$root/build-web/tests.log"
    (cd "$root/web" && VELMARA_PW="$root/build/cli/velmara-pw" npm test --silent) 2>&1 |
      tee "$log" | grep -E '^(not )?ok |^# (pass|fail)'
    ((PIPESTATUS[0] == 0)) || fail "tests of the browser edition (log: $log)"
    passed=$(sed -n 's/^# pass \([0-9]*\)$/\1/p' "$log")
    failed=$(sed -n 's/^# fail \([0-9]*\)$/\1/p' "$log")
    summaries+=("build-web: ${passed:-0} passed, ${failed:-0} failed")
    tests_passed=$((tests_passed + ${passed:-0}))
    tests_failed=$((tests_failed + ${failed:-0}))

    step "Figures of the browser edition"
    (cd "$root/web" && npm run measure --silent) || fail "figures of the browser edition"
  fi
else
  fail "build in build-web/"
fi

step "Build with AddressSanitizer and UndefinedBehaviorSanitizer (Debug) in build-asan/"
if configure_and_build "$root/build-asan" -DCMAKE_BUILD_TYPE=Debug -DVELMARA_SANITIZE=ON \
  -DVELMARA_BUILD_UI=ON -DVELMARA_BUILD_TESTS=ON -DVELMARA_BUILD_BENCH=OFF -DVELMARA_BUILD_FUZZ=OFF; then
  step "Tests in build-asan/"
  # LeakSanitizer is off: Qt keeps plugin, font and type caches alive until
  # the process ends on purpose, and reports of those drown real faults.
  # Every other ASan and UBSan check stays on and aborts the test.
  ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1 run_ctest "$root/build-asan" ||
    fail "tests in build-asan/"
else
  fail "build in build-asan/"
fi

step "libFuzzer build (clang) in build-fuzz/"
if CC=clang CXX=clang++ configure_and_build "$root/build-fuzz" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DVELMARA_BUILD_FUZZ=ON -DVELMARA_SANITIZE=ON -DVELMARA_BUILD_UI=OFF -DVELMARA_BUILD_TESTS=OFF \
  -DVELMARA_BUILD_BENCH=OFF; then
  step "Fuzzing, $fuzz_runs runs per target"
  corpus="$root/build-fuzz/corpus"
  bash "$root/scripts/fuzz-seeds.sh" "$root/build-fuzz/cli/velmara-pw" "$corpus" || fail "fuzz seeds"
  fuzzers=0
  for fuzzer in "$root"/build-fuzz/fuzz/fuzz_*; do
    [[ -f "$fuzzer" && -x "$fuzzer" ]] || continue
    name=$(basename "$fuzzer")
    fuzzers=$((fuzzers + 1))
    # Work on a copy of the seeds so that every run starts from the same corpus.
    work=$(mktemp -d)
    [[ -d "$corpus/$name" ]] && cp -r "$corpus/$name/." "$work/"
    log="$root/build-fuzz/$name.log"
    if (cd "$root/build-fuzz" && "$fuzzer" -runs="$fuzz_runs" -max_total_time=240 "$work" >"$log" 2>&1); then
      echo "$name: $(grep -E '^Done [0-9]+ runs' "$log" || echo 'finished')"
    else
      tail -n 60 "$log"
      fail "$name (log: $log)"
    fi
    rm -rf "$work"
  done
  ((fuzzers > 0)) || fail "no fuzz target was built"
else
  fail "build in build-fuzz/"
fi

step "Summary"
printf '%s\n' "${summaries[@]}"
echo "total time: $((SECONDS - started)) s"
status=0
if ((${#failures[@]} > 0)); then
  printf 'FAILED: %s\n' "${failures[@]}"
  status=1
else
  echo "All stages passed."
fi
echo "tests: $tests_passed passed, $tests_failed failed"
exit "$status"
