#!/usr/bin/env bash
# Sets up a Debian 12 machine (as root), builds the program and starts it on the sample catalog;
# "./run.sh nature" starts it on the sample's second layout (瀑布, 植物, 古道) instead.
set -euo pipefail
cd "$(dirname "$0")"
layout="${1:-}"
if [ -n "$layout" ] && [ "$layout" != nature ]; then
  echo "usage: $0 [nature]" >&2
  exit 2
fi
tools/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target talvane
if [ "$layout" = nature ]; then
  cmake --build build --target nature_layout
fi
# The program is a window: without a desktop session Qt would abort at start (unless another Qt
# platform is asked for).
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  if command -v xvfb-run >/dev/null 2>&1; then
    echo "No desktop session (neither DISPLAY nor WAYLAND_DISPLAY is set): start it from a desktop, or run: xvfb-run -a $PWD/run.sh${layout:+ $layout}" >&2
  else
    echo "No desktop session (neither DISPLAY nor WAYLAND_DISPLAY is set): start it from a desktop session." >&2
  fi
  exit 1
fi
if [ "$layout" = nature ]; then
  exec build/nature/talvane
fi
exec build/bin/talvane
