#!/usr/bin/env bash
# Richtet alles ein, baut Tamrel (Release) und startet das Programm. Ohne Argument öffnet es die
# Beispielschule demo/Beispielschule.tmr, die tamrel-cli beim ersten Mal erzeugt.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/einrichten.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/release --target tamrel tamrel-cli
if [ $# -eq 0 ]; then
  if [ ! -f demo/Beispielschule.tmr ]; then
    mkdir -p demo
    ./build/release/tamrel-cli beispiel demo/Beispielschule.tmr
  fi
  set -- demo/Beispielschule.tmr
fi
exec ./build/release/tamrel "$@"
