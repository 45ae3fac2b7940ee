#!/usr/bin/env bash
# Installs what Velmora needs, builds it and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$(nproc)" --target velmora

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  cat >&2 <<'MSG'
Velmora is built (build/velmora), but there is no display to show its window on:
neither DISPLAY nor WAYLAND_DISPLAY is set.

Run it on a virtual X display instead, for example:

    xvfb-run -a -s "-screen 0 1280x1024x24" build/velmora

or start one yourself and point Velmora at it:

    Xvfb :99 -screen 0 1280x1024x24 &
    DISPLAY=:99 build/velmora
MSG
  exit 1
fi
exec build/velmora
