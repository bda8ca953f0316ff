#!/bin/sh
# Takes the README's screenshots: the real program, driven against the in-process virtual
# printer, on a virtual display. Writes docs/screenshots/*.png.
#   scripts/screenshots.sh [BUILD_DIR]
set -eu
cd "$(dirname "$0")/.."
build_dir=${1:-build}

if [ ! -f "$build_dir/CMakeCache.txt" ]; then
    cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo
fi
cmake --build "$build_dir" --target stampix-screenshots -j 2

mkdir -p docs/screenshots
if command -v xvfb-run >/dev/null 2>&1; then
    xvfb-run -a -s "-screen 0 1280x1024x24" \
        env QT_QPA_PLATFORM=xcb "$build_dir/app/stampix-screenshots" docs/screenshots res/samples
else
    echo "screenshots: xvfb-run is missing; drawing offscreen instead" >&2
    QT_QPA_PLATFORM=offscreen "$build_dir/app/stampix-screenshots" docs/screenshots res/samples
fi
