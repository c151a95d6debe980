#!/usr/bin/env bash
# Set-up, build with warnings as errors, every test; then the same tests under AddressSanitizer and
# UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh

export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
jobs=$(nproc)

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORVENNA_WERROR=ON >/dev/null
cmake --build build -j"$jobs"
ctest --test-dir build --output-on-failure -j"$jobs"
if [ -x build/orvenna ]; then
  # Smoke test: the window program starts and is still running after five seconds.
  rc=0
  timeout 5 build/orvenna || rc=$?
  [ "$rc" -eq 124 ] || { echo "orvenna did not keep running (exit $rc)"; exit 1; }
fi

if [ "${ORVENNA_SKIP_SANITIZERS:-0}" != 1 ]; then
  cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DORVENNA_WERROR=ON -DORVENNA_SANITIZE=ON \
    -DORVENNA_BENCHMARKS=OFF >/dev/null
  cmake --build build-asan -j"$jobs"
  export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
  export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan.supp:print_suppressions=0"
  export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
  ctest --test-dir build-asan --output-on-failure -j"$jobs"
fi
