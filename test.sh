#!/usr/bin/env bash
# Installs what is missing, builds (Debug) and runs every test; non-zero exit on any failure.
#   ./test.sh --sanitizers   the same with AddressSanitizer and UndefinedBehaviorSanitizer, in build-asan/.
set -euo pipefail
cd "$(dirname "$0")"

scripts/bootstrap
carpeta=build-test
opciones=()
if [ "${1:-}" = "--sanitizers" ]; then
  carpeta=build-asan
  opciones=(-DGARVOLA_SANITIZERS=ON -DGARVOLA_BENCH=OFF)
fi
cmake -S . -B "$carpeta" -G Ninja -DCMAKE_BUILD_TYPE=Debug "${opciones[@]}"
cmake --build "$carpeta"
cd "$carpeta"
ctest --output-on-failure -j"$(nproc)"
