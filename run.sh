#!/usr/bin/env bash
# Richtet alles ein, baut Tamrel (Release) und startet das Programm. Ohne Argument öffnet es die
# Beispielschule demo/Beispielschule.tmr, die tamrel-cli beim ersten Mal erzeugt.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/einrichten.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/release --target tamrel tamrel-cli
if [ $# -eq 0 ]; then
  mkdir -p demo
  if [ ! -f demo/Beispielschule.tmr ]; then
    ./build/release/tamrel-cli beispiel demo/Beispielschule.tmr
  fi
  # Die Beispielschule läuft mit eigenen Einstellungen (5-Tage-Woche, 10 Stunden je Tag), damit
  # die Einstellungen des Benutzers unberührt bleiben.
  if [ ! -f demo/tamrel.ini ]; then
    printf '[Software%%5CWTamrel3%%5CQuon1]\nmtn=5\n\n[Software%%5CWTamrel3%%5CQuon2]\npst=10\n' \
      >demo/tamrel.ini
  fi
  export TAMREL_EINSTELLUNGEN="$PWD/demo/tamrel.ini"
  set -- demo/Beispielschule.tmr
fi
exec ./build/release/tamrel "$@"
