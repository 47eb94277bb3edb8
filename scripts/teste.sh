#!/usr/bin/env bash
# Installs what is missing, builds from scratch in build/, runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/installe-dependances.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build build
ctest --test-dir build --output-on-failure --no-tests=error -j2 --timeout 300
