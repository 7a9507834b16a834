#!/usr/bin/env bash
# Configures and builds the program and its tests in build/. Arguments go to
# the configure step (scripts/build.sh -DMINIVOCABRA_WERROR=ON).
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
cmake --build build --parallel "$(nproc)"
