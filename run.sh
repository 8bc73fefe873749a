#!/usr/bin/env bash
# Sets up a Debian 12 machine (as root), builds the program and starts it on the sample catalog.
set -euo pipefail
cd "$(dirname "$0")"
tools/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target talvane
# The program is a window: without a desktop session Qt would abort at start (unless another Qt
# platform is asked for).
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  if command -v xvfb-run >/dev/null 2>&1; then
    echo "No desktop session (neither DISPLAY nor WAYLAND_DISPLAY is set): start it from a desktop, or run: xvfb-run -a $PWD/run.sh" >&2
  else
    echo "No desktop session (neither DISPLAY nor WAYLAND_DISPLAY is set): start it from a desktop session." >&2
  fi
  exit 1
fi
exec build/bin/talvane
