#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
# Warnings are errors here, so none gets in unseen.
scripts/build.sh -DMINIVOCABRA_WERROR=ON
# The page-view tests start Chromium: as root it needs the sandbox off, and
# headless it wants no GPU.
export QTWEBENGINE_DISABLE_SANDBOX=1
export QTWEBENGINE_CHROMIUM_FLAGS="--disable-gpu"
ctest --test-dir build --output-on-failure --parallel "$(nproc)" --timeout 300
