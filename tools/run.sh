#!/usr/bin/env bash
# The run command: builds spruce-clicker.exe and starts it under Wine on $DISPLAY. Without a
# display it runs on a headless Xvfb and saves a screenshot of the window (argument, default
# build/screenshot.png).
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh
bash tools/build.sh win
if [ -n "${DISPLAY:-}" ]; then
    exec env WINEDEBUG=-all wine build/win/spruce-clicker.exe
fi
python3 tools/run_headless.py "$@"
