#!/usr/bin/env bash
# The benchmark: builds the Windows program and runs bench/run_bench.py under Wine on a headless
# Xvfb. Arguments go to the script (--span, --idle, --schedule-runs, --intervals 1,10,50).
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/build.sh win
exec python3 -u bench/run_bench.py "$@"
