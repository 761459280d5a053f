#!/usr/bin/env bash
# Macht die Bilder des Handbuchs (docs/bilder/*.png) neu: baut das Programm, erzeugt die
# Beispielschule und fotografiert die wichtigsten Fenster unter Xvfb mit openbox (Titelleisten).
# Danach baut ein neuer Lauf von ./run.sh die Bilder ins Programm ein.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/einrichten.sh xvfb xauth openbox x11-utils
bau=${TAMREL_BAU:-build/release}  # ein anderer Bauordner, etwa build/test
[ -f "$bau/CMakeCache.txt" ] || cmake -S . -B "$bau" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$bau" --target tamrel-cli tamrel-handbuchbilder
arbeit=$(mktemp -d)
trap 'rm -rf "$arbeit"' EXIT
"$bau/tamrel-cli" beispiel "$arbeit/Beispielschule.tmr"
# Dieselben Einstellungen wie die Beispielschule von ./run.sh: 5 Tage, 10 Stunden.
printf '[Software%%5CWTamrel3%%5CQuon1]\nmtn=5\n\n[Software%%5CWTamrel3%%5CQuon2]\npst=10\n' \
  >"$arbeit/tamrel.ini"
export TAMREL_EINSTELLUNGEN="$arbeit/tamrel.ini"
# Für den Tagesplan: drei Lehrer fehlen an einem festen Schultag.
tag=14.12.2026
for lehrer in BEC FIE KUR; do
  "$bau/tamrel-cli" abwesend "$arbeit/Beispielschule.tmr" lehrer "$lehrer" "$tag" \
    --ausgabe "$arbeit/neu.tmr" >/dev/null
  mv "$arbeit/neu.tmr" "$arbeit/Beispielschule.tmr"
done
mkdir -p docs/bilder
xvfb-run -a -s "-screen 0 1600x1000x24" bash -c '
  openbox >/dev/null 2>&1 &
  sleep 1
  "$0" "$1" "$2" "$3"
  status=$?
  kill %1 2>/dev/null || true
  exit $status' "$bau/tamrel-handbuchbilder" "$arbeit/Beispielschule.tmr" docs/bilder "$tag"
echo "Bilder in docs/bilder:"
ls -1 docs/bilder
