#!/usr/bin/env bash
# The run command: builds spruce-clicker.exe and starts it under Wine on $DISPLAY. Without a
# display it runs on a headless Xvfb and saves a screenshot of the window (argument, default
# build/screenshot.png).
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh
bash tools/build.sh win
if [ -n "${DISPLAY:-}" ]; then
    # A prefix of the program's own, with a CJK font linked in so the Chinese texts show
    # whatever the locale; set up once (about 10 s), then reused.
    export WINEPREFIX="$PWD/build/win/wine-prefix-desktop" WINEARCH=win64 WINEDEBUG=-all
    export WINEDLLOVERRIDES="mscoree,mshtml=;winedbg.exe=d"
    python3 tests/e2e/harness.py prepare-desktop-prefix "$WINEPREFIX"
    exec wine build/win/spruce-clicker.exe
fi
python3 tools/run_headless.py "$@"
