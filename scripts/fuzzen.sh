#!/usr/bin/env bash
# Baut ein Fuzz-Ziel mit clang (libFuzzer, AddressSanitizer, UBSan) und lässt es laufen.
# Aufruf: scripts/fuzzen.sh [Ziel] [Sekunden] [weitere libFuzzer-Optionen ...]
#   scripts/fuzzen.sh BufferFuzz 300
# Der wachsende Arbeitskorpus liegt in build/fuzz/korpus/<Ziel>/, Funde in build/fuzz/funde/<Ziel>/.
# Der Saatkorpus fuzz/korpus/<Ziel>/ wird nur gelesen; kleine, neue Fälle von Hand übernehmen.
set -euo pipefail
cd "$(dirname "$0")/.."
ziel=${1:-BufferFuzz}
sekunden=${2:-300}
shift $(($# > 2 ? 2 : $#))
./scripts/einrichten.sh clang libclang-rt-dev
CC=clang CXX=clang++ cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DTAMREL_FUZZ=ON >/dev/null
cmake --build build/fuzz --target "$ziel"
mkdir -p "build/fuzz/korpus/$ziel" "build/fuzz/funde/$ziel"
exec "build/fuzz/fuzz/$ziel" "build/fuzz/korpus/$ziel" "fuzz/korpus/$ziel" \
  -max_total_time="$sekunden" -artifact_prefix="build/fuzz/funde/$ziel/" "$@"
