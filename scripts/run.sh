#!/bin/sh
# Starts the program. Until the desktop program exists this says so and fails.
set -eu
echo "stampix: the desktop program is not built yet." >&2
exit 1
