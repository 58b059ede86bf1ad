#!/usr/bin/env bash
# The reliability steps of CI, after the normal build and tests:
#   1. the whole test suite built with AddressSanitizer + UndefinedBehaviorSanitizer, where any
#      report fails the run (the stress, crash, lock and fault tests included);
#   2. the libFuzzer targets built with clang: each replays its seed corpus, then fuzzes for
#      QUADRIVO_FUZZ_SECONDS seconds (30 by default; 0 skips the fuzzing but keeps the replay).
# Build folders: build-asan and build-fuzz (QUADRIVO_ASAN_BUILD, QUADRIVO_FUZZ_BUILD to change them).
# Set QUADRIVO_SKIP_ASAN=1 or QUADRIVO_SKIP_FUZZ=1 to leave a step out.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
fuzz_seconds=${QUADRIVO_FUZZ_SECONDS:-30}
jobs=${QUADRIVO_JOBS:-2}
asan_build=${QUADRIVO_ASAN_BUILD:-build-asan}
fuzz_build=${QUADRIVO_FUZZ_BUILD:-build-fuzz}

QUADRIVO_EXTRA_PACKAGES="clang-14 libclang-rt-14-dev ${QUADRIVO_EXTRA_PACKAGES:-}" scripts/install-deps.sh

step() { printf '\n== %s (%s)\n' "$1" "$(date +%H:%M:%S)"; }

if [ "${QUADRIVO_SKIP_ASAN:-0}" != 1 ]; then
  step "sanitizer build"
  cmake -S . -B "$asan_build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQUADRIVO_SANITIZE=ON > /dev/null
  cmake --build "$asan_build" -j"$jobs"

  step "tests under ASan + UBSan"
  export ASAN_OPTIONS="halt_on_error=1:abort_on_error=1:detect_leaks=1:detect_stack_use_after_return=1:strict_string_checks=1:check_initialization_order=1"
  export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
  export LSAN_OPTIONS="suppressions=$root/tests/reliability/lsan.supp:print_suppressions=0"
  ctest --test-dir "$asan_build" --output-on-failure -j"$jobs" -LE reliability
  # One at a time: they time locks and run many processes. Their figures go to the log. The full
  # stress figures come from the normal test run; here fewer rounds find memory faults as well.
  log=$asan_build/reliability.log
  QUADRIVO_STRESS_OPS=${QUADRIVO_STRESS_OPS:-200} QUADRIVO_CRASH_ROUNDS=${QUADRIVO_CRASH_ROUNDS:-30} \
    ctest --test-dir "$asan_build" --output-on-failure -V -L reliability > "$log" 2>&1 || {
    tail -n 200 "$log"
    exit 1
  }
  grep -E 'QINFO|SKIP|tests passed' "$log" | sed -e 's/^[0-9]*: //'
  unset ASAN_OPTIONS UBSAN_OPTIONS LSAN_OPTIONS
fi

if [ "${QUADRIVO_SKIP_FUZZ:-0}" != 1 ]; then
  step "fuzz build"
  CC=clang-14 CXX=clang++-14 cmake -S . -B "$fuzz_build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DQUADRIVO_FUZZ=ON > /dev/null
  cmake --build "$fuzz_build" -j"$jobs" --target fuzz_all

  work=$(mktemp -d)
  trap 'rm -rf "$work"' EXIT
  for corpus in fuzz/corpus/*/; do
    target=$(basename "$corpus")
    binary=$fuzz_build/fuzz/$target
    step "$target: corpus replay, then ${fuzz_seconds} s"
    # New inputs go to a scratch folder: the corpus in the repository changes only by hand.
    "$binary" -runs=0 -artifact_prefix="$work/$target-" "$corpus" 2>&1 | tail -n 2
    if [ "$fuzz_seconds" -gt 0 ]; then
      mkdir -p "$work/$target"
      "$binary" -max_total_time="$fuzz_seconds" -timeout=10 -rss_limit_mb=2560 -print_final_stats=1 \
        -artifact_prefix="$work/$target-" "$work/$target" "$corpus" 2>&1 |
        grep -E '^(Done|stat::number_of_executed_units|==.*ERROR|SUMMARY)' || true
      if compgen -G "$work/$target-*" > /dev/null; then
        echo "$target found a failing input:"
        for f in "$work/$target"-*; do
          echo "  $f"; od -A d -t x1 "$f" | head -n 20
        done
        exit 1
      fi
    fi
  done
fi
step "reliability steps passed"
