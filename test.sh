#!/usr/bin/env bash
# Richtet alles ein, baut Tamrel mit allen Tests und Benchmarks und führt jeden Test aus; zuletzt
# baut und prüft es das Debian-Paket.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/einrichten.sh
cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTAMREL_TESTS=ON -DTAMREL_BENCH=ON >/dev/null
cmake --build build/test
(cd build/test && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$(nproc)")
./scripts/paket.sh build/test
