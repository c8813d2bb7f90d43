#!/usr/bin/env bash
# The test command: every test, both layers. Exits non-zero if anything fails.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh
bash tools/build.sh all
echo "== unit and behaviour tests on the simulated desktop"
ctest --test-dir build/native --output-on-failure -j 2
echo "== the same tests under ASan and UBSan"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
    ctest --test-dir build/sanitize --output-on-failure -j 2
echo "== end-to-end tests of the real program under Wine"
bash tests/e2e/run.sh
