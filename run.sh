#!/usr/bin/env bash
# Richtet alles ein, baut Tamrel (Release) und startet das Programm mit der Beispielschule.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/einrichten.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/release --target tamrel tamrel-cli
exec ./build/release/tamrel "$@"
