#!/bin/sh
# Starts the desktop program. Without STAMPIX_PORT it first starts the virtual printer on a
# pseudo-terminal and points the program at it. Without a display it says so and runs the
# command-line round trip against the virtual printer instead.
#   scripts/run.sh [BUILD_DIR]
set -eu
cd "$(dirname "$0")/.."
build_dir=${1:-build}
program="$build_dir/app/stampix"
cli="$build_dir/cli/stampix-cli"
sim="$build_dir/sim/stampix-printer-sim"

work=$(mktemp -d "${TMPDIR:-/tmp}/stampix-run.XXXXXX")
sim_pid=""
cleanup() {
    if [ -n "$sim_pid" ]; then
        kill "$sim_pid" 2>/dev/null || true
        wait "$sim_pid" 2>/dev/null || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# Starts the virtual printer with its demo logos; sets `port` to its device.
start_printer() {
    if [ ! -x "$sim" ]; then
        echo "run: $sim is not built" >&2
        exit 1
    fi
    "$sim" --preload-demo >"$work/sim.out" 2>"$work/sim.err" &
    sim_pid=$!
    port=""
    tries=0
    while [ -z "$port" ]; do
        port=$(head -n 1 "$work/sim.out" 2>/dev/null || true)
        if [ -z "$port" ]; then
            tries=$((tries + 1))
            if [ "$tries" -gt 100 ] || ! kill -0 "$sim_pid" 2>/dev/null; then
                echo "run: the virtual printer did not start:" >&2
                cat "$work/sim.err" >&2
                exit 1
            fi
            sleep 0.1
        fi
    done
    echo "run: virtual printer on $port (demo logos 1, 2, 5 and the font 10)"
}

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "run: no display (DISPLAY and WAYLAND_DISPLAY are empty): running the command-line"
    echo "run: round trip against the virtual printer instead of the desktop program."
    if [ -n "${STAMPIX_PORT:-}" ]; then
        port=$STAMPIX_PORT
        echo "run: using the printer on $port"
    else
        start_printer
    fi
    cp res/samples/*.bmp "$work/"
    set -x
    "$cli" convert "$work"/*.bmp
    "$cli" --yes download --port "$port" --start 20 --verify "$work"/*.pld
    "$cli" info --port "$port"
    { set +x; } 2>/dev/null
    echo "run: round trip done."
    exit 0
fi

if [ ! -x "$program" ]; then
    echo "run: $program is not built" >&2
    exit 1
fi
if [ -z "${STAMPIX_PORT:-}" ]; then
    start_printer
    STAMPIX_PORT=$port
    export STAMPIX_PORT
    echo "run: the sample logos are in $(pwd)/res/samples"
fi
"$program"
