#!/usr/bin/env bash
# Sets up, builds and runs Tavoric on the bundled demo survey.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh build
exec build/src/cli/tavoric-cli info data/demo/Demodorp.par
