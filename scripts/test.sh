#!/bin/sh
# Installs what is missing, builds, and runs the whole test suite with ctest; then builds and runs it
# again under AddressSanitizer and UndefinedBehaviorSanitizer (skip with USINA_SKIP_SANITIZERS=1).
# Screenshots of the windows land in build/artifacts.
set -eu
cd "$(dirname "$0")/.."
sh scripts/install-dependencies.sh

export QT_QPA_PLATFORM=offscreen
jobs=$(nproc)

sh scripts/build.sh build -DCMAKE_BUILD_TYPE=RelWithDebInfo
ctest --test-dir build --output-on-failure -j "$jobs"

if [ "${USINA_SKIP_SANITIZERS:-0}" != 1 ]; then
    sh scripts/build.sh build-sanitize -DCMAKE_BUILD_TYPE=Debug -DUSINA_SANITIZE=ON
    ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
        LSAN_OPTIONS=suppressions="$(pwd)/tests/leak_suppressions.txt" \
        ctest --test-dir build-sanitize --output-on-failure -j "$jobs"
fi
