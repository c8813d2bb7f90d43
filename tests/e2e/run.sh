#!/usr/bin/env bash
# Runs the end-to-end tests of the built program (build/win, or $E2E_BUILD_DIR) under Wine on a
# headless Xvfb. Optional argument: a file pattern such as 'test_start_up.py'.
# Prints "N passed, N failed" last; exits non-zero on any failure.
set -euo pipefail
cd "$(dirname "$0")"
exec python3 -u run_tests.py "$@"
