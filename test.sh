#!/usr/bin/env bash
# Installs what is missing, builds (Debug) and runs every test; non-zero exit on any failure.
set -euo pipefail
cd "$(dirname "$0")"

scripts/bootstrap
cmake -S . -B build-test -G Ninja -DCMAKE_BUILD_TYPE=Debug
cmake --build build-test
cd build-test
ctest --output-on-failure -j"$(nproc)"
