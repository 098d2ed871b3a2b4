#!/usr/bin/env bash
# The whole suite again under AddressSanitizer and UndefinedBehaviorSanitizer, in a build folder of its
# own (build-asan/), so a plain `make test` catches what they catch. The clock's thread has its own
# ThreadSanitizer tests in the plain build.
set -euo pipefail
cd "$(dirname "$0")/.."

werror=OFF
[ "${CI:-}" = "true" ] && werror=ON
cmake -S . -B build-asan -G Ninja -DKASTENZAHL_SANITIZE=ON -DKASTENZAHL_WERROR=$werror >/dev/null
cmake --build build-asan
# The libraries' allocations kept until exit are not the game's leaks.
LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp" QT_QPA_PLATFORM=offscreen \
  ctest --test-dir build-asan --output-on-failure -j2
