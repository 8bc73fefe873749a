#!/usr/bin/env bash
# Sets up a Debian 12 machine (as root), builds the program and starts it on the sample catalog.
set -euo pipefail
cd "$(dirname "$0")"
tools/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target talvane
exec build/bin/talvane
