#!/usr/bin/env bash
# Baut alle Fuzz-Ziele mit clang (libFuzzer, AddressSanitizer, UBSan) in build/fuzz und spielt
# jeden Saatkorpus fuzz/korpus/<Ziel>/ einmal ab, ohne zu fuzzen (-runs=0). Jeder Absturz, jede
# verletzte Eigenschaft und jeder Fund der Prüfer lässt das Skript scheitern.
# Aufruf: scripts/fuzz-korpus.sh [Bauordner]   (Vorgabe build/fuzz)
set -euo pipefail
cd "$(dirname "$0")/.."
bau=${1:-build/fuzz}
./scripts/einrichten.sh clang libclang-rt-dev
CC=clang CXX=clang++ cmake -S . -B "$bau" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DTAMREL_FUZZ=ON >/dev/null
ziele=()
for q in fuzz/*Fuzz.cpp; do
  ziele+=("$(basename "$q" .cpp)")
done
cmake --build "$bau" --target "${ziele[@]}"
for ziel in "${ziele[@]}"; do
  echo "Saatkorpus $ziel"
  ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$bau/fuzz/$ziel" -runs=0 "fuzz/korpus/$ziel"
done
