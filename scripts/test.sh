#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test against a private MariaDB
# server that the test run starts and stops itself. Exits 0 only when all pass.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
cd build
ctest -j"$(nproc)" --output-on-failure
