#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets up, builds and starts the Tavoric desktop program on the bundled demo survey.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh build
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "Tavoric is a desktop program and this machine has no display; run it under a virtual one with: xvfb-run -a scripts/run.sh" >&2
    exit 1
fi
exec build/src/tavoric data/demo/Demodorp.par
