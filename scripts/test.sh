#!/usr/bin/env bash
# Installs what is missing, builds Tessaly and runs the whole test suite:
# once in Release, then the checks of the Debian package, once under
# AddressSanitizer and UndefinedBehaviorSanitizer, then a short pass of each
# fuzzer.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh

jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen

echo "== Release build and tests"
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DTESSALY_BUILD_TESTS=ON -DTESSALY_BUILD_BENCHMARKS=ON
cmake --build build/release -j "$jobs"
ctest --test-dir build/release --output-on-failure -j "$jobs"

echo "== Debian package: build, lint, validate, run unpacked"
bash tests/package/check_package.sh --tests-build build/release

echo "== AddressSanitizer and UndefinedBehaviorSanitizer build and tests"
# -g1: the line tables the sanitizers' reports need, without the full debug
# information that makes this build an eighth slower.
cmake -S . -B build/sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG=-g1 \
    -DTESSALY_SANITIZE=ON -DTESSALY_BUILD_TESTS=ON -DTESSALY_BUILD_BENCHMARKS=OFF
cmake --build build/sanitize -j "$jobs"
# The sanitizers' own handling of dynamically loaded thread-local storage
# (Qt's image plugins) can crash the leak checker's tracer at exit; without
# intercepting __tls_get_addr it reads such storage as any other memory.
ASAN_OPTIONS=intercept_tls_get_addr=0 \
LSAN_OPTIONS="suppressions=$PWD/scripts/lsan-suppressions.txt" \
UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ctest --test-dir build/sanitize --output-on-failure -j "$jobs"

if [[ -x fuzz/run-fuzzers.sh || -f fuzz/run-fuzzers.sh ]]; then
    echo "== Fuzzers, a short pass"
    bash fuzz/run-fuzzers.sh 20
fi
