#!/usr/bin/env bash
# Prüft, dass die Logik keine Qt-Kopfdateien einbindet, dass die Kopfdateien des Modells nur die
# heutigen Verweise in andere Ordner haben und dass tamrel-cli kein Qt Widgets lädt.
# Die eine Ausnahme ist output/QtSeitenBildUnit (Abspielen der Druckseiten, PDF-Dateien): sie und
# damit tamrel-cli dürfen Qt Gui nutzen, nie Qt Widgets oder Qt Print Support.
# Aufruf: grenze.sh QUELLEN TAMREL-CLI
set -u
quellen=$1
cli=$2
# Übergang: Fenster-Einheiten, die noch nicht in fenster/ stehen, erkennt das alte Namensmuster.
arten="^Qt[A-Za-z0-9]*|Form|Palette[A-Za-z0-9]*|QuonGrid[A-Za-z0-9]*|Popup[A-Za-z0-9]*|Cursor[A-Za-z0-9]*|Symbol[A-Za-z0-9]*"
fenster="(${arten})Unit\.(h|cpp)$"
fehler=0
for ordner in model planning persistence substitution output settings ui app; do
  [ -d "$quellen/$ordner" ] || continue
  for datei in "$quellen/$ordner"/*.h "$quellen/$ordner"/*.cpp; do
    [ -f "$datei" ] || continue
    name=$(basename "$datei")
    [[ $name =~ $fenster || $name == *Main.cpp ]] && continue
    if grep -n -E '^\s*#\s*include\s*[<"]Q' "$datei"; then
      echo "Logik-Einheit bindet Qt ein: $datei"
      fehler=1
    fi
  done
done
# Die Grundschicht: Kopfdateien des Modells binden außerhalb von model/ nur diese ein.
erlaubt='^(model/KursUnit\.h:planning/SetzungUnit\.h|model/SchulUnit\.h:substitution/(FehlUnit|VertretungUnit)\.h)$'
while IFS= read -r verweis; do
  if [[ ! $verweis =~ $erlaubt ]]; then
    echo "Kopfdatei des Modells greift in einen anderen Ordner: $verweis"
    fehler=1
  fi
done < <(cd "$quellen" && grep -H -o -E '^\s*#\s*include\s*"[a-z]+/[A-Za-z0-9]+\.h"' model/*.h |
  sed -E 's/:\s*#\s*include\s*"/:/; s/"$//' | grep -v -E ':model/')
# Die Ausnahme bindet nur Kopfdateien aus Qt Core und Qt Gui ein.
erlaubt='QBuffer|QBrush|QColor|QDir|QFileInfo|QFont|QFontMetricsF|QGuiApplication|QPageLayout|QPageSize|QPainter|QPdfWriter|QPen|QSaveFile|QString'
for datei in "$quellen/output/QtSeitenBildUnit.h" "$quellen/output/QtSeitenBildUnit.cpp"; do
  [ -f "$datei" ] || continue
  if grep -n -E '^\s*#\s*include\s*[<"]Q' "$datei" | grep -v -E "[<\"]($erlaubt)[>\"]"; then
    echo "Die Qt-Gui-Einheit bindet mehr als Qt Core und Qt Gui ein: $datei"
    fehler=1
  fi
done
# tamrel-cli selbst bindet keine Qt-Kopfdatei ein, nur die Ausnahme.
if grep -n -E '^\s*#\s*include\s*[<"]Q' "$quellen/app/CliMain.cpp"; then
  echo "app/CliMain.cpp bindet Qt ein"
  fehler=1
fi
if ldd "$cli" | grep -E 'libQt6(Widgets|PrintSupport|Svg)'; then
  echo "tamrel-cli ist mit Qt Widgets oder Qt Print Support gebunden"
  fehler=1
fi
exit $fehler
