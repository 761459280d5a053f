#!/usr/bin/env bash
# Prüft, dass die Logik keine Qt-Kopfdateien einbindet und tamrel-cli kein Qt lädt.
set -u
quellen=$1
cli=$2
fehler=0
for ordner in model planning persistence substitution output settings ui app; do
  [ -d "$quellen/$ordner" ] || continue
  for datei in "$quellen/$ordner"/*.h "$quellen/$ordner"/*.cpp; do
    [ -f "$datei" ] || continue
    name=$(basename "$datei")
    case "$name" in
      Qt*|*Form*|*Palette*|*QuonGrid*|*Popup*|*Cursor*|*Symbol*|*Main.cpp) continue ;;
    esac
    if grep -n -E '^\s*#\s*include\s*[<"]Q' "$datei"; then
      echo "Logik-Einheit bindet Qt ein: $datei"
      fehler=1
    fi
  done
done
if ldd "$cli" | grep -E 'libQt6(Gui|Widgets|Core)'; then
  echo "tamrel-cli ist mit Qt gebunden"
  fehler=1
fi
exit $fehler
