#!/usr/bin/env bash
# Die Schichten des Programms, nach Ordnern: Der Unterordner fenster/ eines Ordners hält seine
# Fenster-Einheiten (Qt Widgets), alles andere ist Logik (nur C++-Standardbibliothek).
# Geprüft wird:
#  - keine Datei außerhalb von fenster/ bindet eine Qt-Kopfdatei ein;
#  - keine Datei außerhalb von fenster/ bindet eine Datei aus einem fenster/-Ordner ein (damit
#    auch tamrel-cli nicht, dessen Quellen alle in app/ oben stehen);
#  - die Kopfdateien des Modells haben nur die heutigen Verweise in andere Ordner;
#  - tamrel-cli ist nicht mit Qt Widgets, Qt Print Support oder Qt Svg gebunden.
# Die Ausnahmen sind output/QtSeitenBildUnit (Abspielen der Druckseiten, PDF-Dateien) und
# persistence/QtEinstellungsSpeicherUnit (die Einstellungen des Benutzers): sie und damit
# tamrel-cli dürfen Qt Core und Qt Gui nutzen, nie Qt Widgets oder Qt Print Support.
# Aufruf: grenze.sh QUELLEN [TAMREL-CLI]
set -u
quellen=$1
cli=${2:-}
ausnahme='^(output/QtSeitenBildUnit|persistence/QtEinstellungsSpeicherUnit)\.(h|cpp)$'
fehler=0
cd "$quellen" || exit 2
while IFS= read -r datei; do
  case "$datei" in */fenster/*) continue ;; esac
  if [[ ! $datei =~ $ausnahme ]] && grep -n -E '^\s*#\s*include\s*[<"]Q' "$datei"; then
    echo "Logik-Einheit bindet Qt ein: $datei"
    fehler=1
  fi
  if grep -n -E '^\s*#\s*include\s*"[^"]*/fenster/' "$datei"; then
    echo "Logik-Einheit bindet eine Fenster-Einheit ein: $datei"
    fehler=1
  fi
done < <(find model planning persistence substitution output settings ui app -type f \
           \( -name '*.h' -o -name '*.cpp' \) 2>/dev/null | sort)
# Die Grundschicht: Kopfdateien des Modells binden außerhalb von model/ nur diese ein.
erlaubt='^(model/KursUnit\.h:planning/SetzungUnit\.h|model/SchulUnit\.h:substitution/(FehlUnit|VertretungUnit)\.h)$'
while IFS= read -r verweis; do
  if [[ ! $verweis =~ $erlaubt ]]; then
    echo "Kopfdatei des Modells greift in einen anderen Ordner: $verweis"
    fehler=1
  fi
done < <(grep -H -o -E '^\s*#\s*include\s*"[a-z]+/[A-Za-z0-9]+\.h"' model/*.h |
  sed -E 's/:\s*#\s*include\s*"/:/; s/"$//' | grep -v -E ':model/')
# Die Ausnahmen binden nur Kopfdateien aus Qt Core und Qt Gui ein.
erlaubt='QBuffer|QBrush|QColor|QDir|QFileInfo|QFont|QFontMetricsF|QGuiApplication|QPageLayout|QPageSize|QPainter|QPdfWriter|QPen|QSaveFile|QSettings|QStandardPaths|QString|QVariant'
for datei in output/QtSeitenBildUnit.h output/QtSeitenBildUnit.cpp \
  persistence/QtEinstellungsSpeicherUnit.h persistence/QtEinstellungsSpeicherUnit.cpp; do
  [ -f "$datei" ] || continue
  if grep -n -E '^\s*#\s*include\s*[<"]Q' "$datei" | grep -v -E "[<\"]($erlaubt)[>\"]"; then
    echo "Die Qt-Einheit bindet mehr als Qt Core und Qt Gui ein: $datei"
    fehler=1
  fi
done
if [ -n "$cli" ] && ldd "$cli" | grep -E 'libQt6(Widgets|PrintSupport|Svg)'; then
  echo "tamrel-cli ist mit Qt Widgets, Qt Print Support oder Qt Svg gebunden"
  fehler=1
fi
exit $fehler
