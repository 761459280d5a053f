#!/usr/bin/env bash
# Richtet alles ein, baut Tamrel mit allen Tests und Benchmarks und führt jeden Test aus; dann die
# Logiktests noch einmal mit AddressSanitizer und UndefinedBehaviorSanitizer (build/pruefer), mit
# den Saatkorpora der Fuzz-Ziele, und zuletzt baut und prüft es das Debian-Paket.
set -euo pipefail
cd "$(dirname "$0")"
# Nie zwei Läufe zugleich: ein zweiter Bau in denselben Bauordnern schreibt Objekte und
# Bibliotheken neu, während der erste bindet ("cannot find ….o", fehlende Symbole).
mkdir -p build
exec 9>build/.test.sh.sperre
flock 9
# clang für den Prüferbau (unten).
./scripts/einrichten.sh clang libclang-rt-dev
cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTAMREL_TESTS=ON -DTAMREL_BENCH=ON >/dev/null
cmake --build build/test
(cd build/test && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$(nproc)")

# Die Logiktests (mit den Saatkorpora der Fuzz-Ziele) noch einmal mit den Prüfern, übersetzt
# mit clang: so bauen auch die libFuzzer-Programme, und jedes spielt seinen Saatkorpus einmal ab.
# Jeder Fund bricht den Testfall ab; ctest zählt ihn als Fehler. Ein älterer Prüferbau mit
# einem anderen Übersetzer wird neu angelegt (cmake wechselt ihn nicht in einem Bauordner).
if [ -f build/pruefer/CMakeCache.txt ] &&
  ! grep -q '^CMAKE_CXX_COMPILER:FILEPATH=.*clang++' build/pruefer/CMakeCache.txt; then
  rm -rf build/pruefer
fi
CC=clang CXX=clang++ cmake -S . -B build/pruefer -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DTAMREL_TESTS=ON -DTAMREL_PRUEFER=ON >/dev/null
cmake --build build/pruefer --target logiktests
(cd build/pruefer &&
  ASAN_OPTIONS=detect_leaks=1:detect_stack_use_after_return=1:strict_string_checks=1 \
  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --output-on-failure -j "$(nproc)")

./scripts/paket.sh build/test
