#!/usr/bin/env bash
# Builds the native simulated-desktop tests (build/native) and the Windows program with the
# end-to-end helpers (build/win).
set -euo pipefail
cd "$(dirname "$0")/.."
what=${1:-all}
if [ "$what" = all ] || [ "$what" = native ]; then
    cmake -S . -B build/native -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
    cmake --build build/native
fi
if [ "$what" = all ] || [ "$what" = sanitize ]; then
    # The same tests under AddressSanitizer and UndefinedBehaviorSanitizer.
    cmake -S . -B build/sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCLICKER_SANITIZE=ON
    cmake --build build/sanitize
fi
if [ "$what" = all ] || [ "$what" = win ]; then
    cmake -S . -B build/win -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake
    cmake --build build/win
fi
