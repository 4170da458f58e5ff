#!/usr/bin/env bash
# Installs what is missing, builds, prepares the program folder dist/garvola/ and starts the program.
#   ./run.sh --sin-abrir   does everything but start it.
set -euo pipefail
cd "$(dirname "$0")"

scripts/bootstrap
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DGARVOLA_PRUEBAS=OFF -DGARVOLA_BENCH=OFF
cmake --build build

mkdir -p dist/garvola
install -m 755 build/src/app/garvola dist/garvola/garvola
# Creates what the program folder lacks (files already there are never overwritten) and brings
# an older edition of the reference data up to date, keeping the user's notes; both databases are
# copied aside into dist/garvola/respaldo_de_datos/ before any change.
build/datos/garvola-datos --actualizar dist/garvola
# The program's own pictures (shortcut buttons, logo) are always the current ones.
mkdir -p dist/garvola/iconos
install -m 644 src/app/iconos/*.png dist/garvola/iconos/
# The manual and the pictures of its windows, rendered by the build.
cp -r build/manual/carpeta/. dist/garvola/

if [ "${1:-}" = "--sin-abrir" ]; then
  exit 0
fi
exec dist/garvola/garvola
