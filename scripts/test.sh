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

# Package round trip: build the .deb, install it, use the installed copy, remove it again.
if [ "${ORVENNA_SKIP_PACKAGE:-0}" != 1 ]; then
  export DEBIAN_FRONTEND=noninteractive
  rm -f build/orvenna_*.deb
  (cd build && cpack -G DEB >/dev/null)
  deb=$(ls build/orvenna_*.deb)
  apt-get install -y -qq "./$deb"
  # Hints leave the exit code at 0: any remark counts.
  remarks=$(desktop-file-validate /usr/share/applications/orvenna.desktop 2>&1) || true
  [ -z "$remarks" ] || { echo "$remarks"; exit 1; }
  for size in 16 32 48 64 128 256; do
    [ -s "/usr/share/icons/hicolor/${size}x${size}/apps/orvenna.png" ] || { echo "no ${size}px icon installed"; exit 1; }
  done
  pkgtmp=$(mktemp -d)
  /usr/bin/orvenna-calc --help >/dev/null
  /usr/bin/orvenna-calc /usr/share/orvenna/examples/Beispiel1.orv | tee "$pkgtmp/calc.txt"
  grep -q '"status":"ok"' "$pkgtmp/calc.txt"
  /usr/bin/orvenna-calc --report "$pkgtmp/report.pdf" /usr/share/orvenna/examples/Beispiel1.orv
  [ -s "$pkgtmp/report.pdf" ]
  rc=0
  HOME="$pkgtmp" timeout 5 /usr/bin/orvenna || rc=$?
  [ "$rc" -eq 124 ] || { echo "installed orvenna did not keep running (exit $rc)"; exit 1; }
  [ -s "$pkgtmp/.local/share/orvenna/Baustoff.kvz" ] || { echo "installed orvenna did not find its catalogue"; exit 1; }
  apt-get purge -y -qq orvenna
  [ ! -e /usr/bin/orvenna ]
  rm -rf "$pkgtmp"
fi

if [ "${ORVENNA_SKIP_SANITIZERS:-0}" != 1 ]; then
  cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DORVENNA_WERROR=ON -DORVENNA_SANITIZE=ON \
    -DORVENNA_BENCHMARKS=OFF >/dev/null
  cmake --build build-asan -j"$jobs"
  export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
  # No leak is suppressed: the whole run, Qt included, frees what it allocates or keeps it reachable.
  unset LSAN_OPTIONS
  export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
  ctest --test-dir build-asan --output-on-failure -j"$jobs"
fi

# Fuzz targets: each runs a fixed number of inputs from its seeds (no time limit, so runs are repeatable).
if [ "${ORVENNA_SKIP_FUZZ:-0}" != 1 ]; then
  CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORVENNA_FUZZ=ON \
    -DORVENNA_GUI=OFF -DORVENNA_BENCHMARKS=OFF -DBUILD_TESTING=OFF -DORVENNA_WERROR=ON >/dev/null
  cmake --build build-fuzz -j"$jobs" --target fuzz_seeds fuzz_building_file fuzz_settings_file \
    fuzz_material_catalog fuzz_decimal_reader fuzz_report_drawing
  export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
  export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
  # Runs per target, so that the slow file round trips (a few hundred inputs a second) stay near half a minute.
  for entry in building_file:10000 settings_file:5000 material_catalog:5000 decimal_reader:20000 \
    report_drawing:10000; do
    target=${entry%:*}
    work=$(mktemp -d)
    mkdir "$work/corpus"
    if ! build-fuzz/fuzz_$target -runs="${entry#*:}" -seed=1 -print_final_stats=1 -artifact_prefix="$work/" \
      "$work/corpus" "build-fuzz/fuzz-seeds/$target" >"$work/log" 2>&1; then
      tail -n 40 "$work/log"
      echo "fuzz_$target failed; the input is in $work"
      exit 1
    fi
    grep -E '^stat::(number_of_executed_units|peak_rss_mb)' "$work/log" | sed "s/^/fuzz_$target /"
    rm -rf "$work"
  done
fi
