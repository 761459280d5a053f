#!/usr/bin/env bash
# Ein Rundgang durch das Programm, wie ein Benutzer es sieht: startet Tamrel auf der Beispielschule
# unter Xvfb (1600 × 1000) mit dem Fenstermanager openbox, öffnet mit xdotool über Menüs,
# Tastenkürzel und Doppelklicks je ein Fenster jeder Art, jeden Einstellungsdialog und jeden
# Druckdialog und schreibt von jedem ein Bildschirmfoto des ganzen Bildschirms (import).
#
#   scripts/rundgang.sh [ORDNER]      # Vorgabe: build/rundgang
#
# TAMREL_BAU nennt einen anderen Bauordner (etwa build/test). Die Einstellungen des Benutzers
# bleiben unberührt (eigene Einstellungsdatei wie bei ./run.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/einrichten.sh xvfb xauth openbox xdotool imagemagick x11-utils
bau=${TAMREL_BAU:-build/release}
ziel=$(realpath -m "${1:-build/rundgang}")
[ -f "$bau/CMakeCache.txt" ] || cmake -S . -B "$bau" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$bau" --target tamrel tamrel-cli
mkdir -p "$ziel"
rm -f "$ziel"/*.png

arbeit=$(mktemp -d)
schule="$arbeit/Beispielschule.tmr"
"$bau/tamrel-cli" beispiel "$schule" >/dev/null
printf '[Software%%5CWTamrel3%%5CQuon1]\nmtn=5\n\n[Software%%5CWTamrel3%%5CQuon2]\npst=10\n' \
  >"$arbeit/tamrel.ini"
# Heute fehlen zwei Lehrer: der Tagesplan hat Zeilen, die Vertretungswahl etwas zu wählen.
heute=$(date +%d.%m.%Y)
for lehrer in BEC FIE; do
  "$bau/tamrel-cli" abwesend "$schule" lehrer "$lehrer" "$heute" --ausgabe "$arbeit/neu.tmr" \
    >/dev/null 2>&1 && mv "$arbeit/neu.tmr" "$schule" || true
done

# Ein freier Bildschirm, zufällig gewählt, damit zwei Läufe (oder andere Programme unter Xvfb)
# sich nicht begegnen.
nummer=$((200 + RANDOM % 500))
while [ -e "/tmp/.X11-unix/X$nummer" ] || [ -e "/tmp/.X$nummer-lock" ]; do nummer=$((nummer + 1)); done
export DISPLAY=":$nummer"
Xvfb "$DISPLAY" -screen 0 1600x1000x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
programm=""
ende() {
  [ -n "$programm" ] && kill "$programm" 2>/dev/null || true
  kill "$openbox" 2>/dev/null || true
  kill "$xvfb" 2>/dev/null || true
  rm -rf "$arbeit"
}
openbox=""
trap ende EXIT
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
openbox >/dev/null 2>&1 &
openbox=$!
sleep 1

TAMREL_EINSTELLUNGEN="$arbeit/tamrel.ini" QT_QPA_PLATFORM=xcb "$bau/tamrel" "$schule" \
  >"$arbeit/tamrel.log" 2>&1 &
programm=$!

# ---- Bausteine ----
warte() { sleep "${1:-0.8}"; }
nr=0
foto() {
  warte 1
  nr=$((nr + 1))
  local datei
  datei=$(printf '%s/%02d-%s.png' "$ziel" "$nr" "$1")
  import -window root "$datei"
  echo "$datei"
}
taste() { xdotool key --delay 60 "$@"; }
# Das jüngste sichtbare Fenster, dessen Titel zum Muster passt.
fenster() { { xdotool search --onlyvisible --name "$1" 2>/dev/null || true; } | tail -1; }
# Schließt jedes sichtbare Fenster, dessen Titel zum Muster passt, mit dem Knopf "Schließen" der
# Titelleiste (Alt+F4 hielte Alt: in Planfenstern schlösse das alle Fenster); nie die Palette.
zu() {
  local w breite
  for w in $(xdotool search --onlyvisible --name "$1" 2>/dev/null); do
    [ "$w" = "$palette" ] && continue
    geometrie "$w" 2>/dev/null || continue
    breite=$(xwininfo -id "$w" | sed -n 's/.*Width: *//p')
    xdotool mousemove $((X + breite - 9)) $((Y - 10)) click 1
    warte 0.5
  done
}
# Ein modaler Dialog schließt mit Escape.
weg() {
  taste Escape
  warte 0.6
}
palette=$(xdotool search --sync --onlyvisible --name '^WinTamrel' | head -1)
geometrie() {  # setzt X und Y: die linke obere Ecke des Fensters ohne Rahmen
  local info
  info=$(xwininfo -id "$1")
  X=$(sed -n 's/.*Absolute upper-left X: *//p' <<<"$info")
  Y=$(sed -n 's/.*Absolute upper-left Y: *//p' <<<"$info")
}
# Klick in ein Fenster an einer Stelle relativ zu seiner linken oberen Ecke (ohne Rahmen).
klick() {  # FENSTER X Y [TASTE] [doppelt] [Umschalttaste]
  geometrie "$1" 2>/dev/null || return 0
  local mod=${6:-}
  xdotool mousemove $((X + $2)) $((Y + $3))
  [ -n "$mod" ] && xdotool keydown "$mod"
  if [ "${5:-}" = doppelt ]; then
    xdotool click --repeat 2 --delay 80 "${4:-1}"
  else
    xdotool click "${4:-1}"
  fi
  [ -n "$mod" ] && xdotool keyup "$mod"
  warte 0.8
}
# Ein Befehl aus der Menüleiste der Palette: MENÜ ist die Zahl der Schritte nach rechts ab
# "Datei" (0 Datei, 1 Bearbeiten, 2 Daten), danach
# Tasten: dN N-mal hinunter ab dem ersten wählbaren Eintrag, uN N-mal hinauf (vom ersten aus
# rundherum ans Ende), r ins Untermenü (dort ist der erste Eintrag gewählt); zuletzt Return.
menue() {
  local rechts=$1
  shift
  xdotool windowactivate --sync "$palette" 2>/dev/null || true
  klick "$palette" 22 10
  # Mit der Maus geöffnet ist noch nichts gewählt, mit den Pfeiltasten der erste Eintrag.
  taste Down
  for _ in $(seq "$rechts"); do taste Right; done
  local schritt
  for schritt in "$@"; do
    case $schritt in
      u*) for _ in $(seq "${schritt#u}"); do taste Up; done ;;
      d*) for _ in $(seq "${schritt#d}"); do taste Down; done ;;
      r) taste Right ;;
    esac
  done
  taste Return
  warte 1
}

# ---- Der Rundgang ----
warte 2
foto palette

# Daten: Kürzel (modal), alle Kurse, Parallele Kopplungen, Statistiken, Pläne, Übersichten,
# Vertretung, Prüfen.
taste ctrl+k
foto kuerzel
weg
taste ctrl+u
foto alle-kurse
zu '^alle Kurse'
menue 2 d2
foto parallele-kopplungen
zu '^Parallele Kopplungen'
i=0
for art in lehrer:Lehrerstatistik klassen:Klassenstatistik kopplungen:Kopplungsstatistik \
  faecher:Fachstatistik raeume:Raumstatistik uv-tabellen:UV-Statistik; do
  titel=${art#*:}
  art=${art%%:*}
  menue 2 d3 r "d$i"
  foto "statistik-$art"
  statistik=$(fenster "^$titel")
  # Aus der Statistik: Doppelklick auf die erste Zeile öffnet die Grunddaten (die UV-Tabelle),
  # mit Umschalt das Deputat des Elements.
  if [ -n "$statistik" ]; then
    klick "$statistik" 60 32 1 doppelt
    foto "grunddaten-$art"
    zu '^Grunddaten'
    zu '^UV-'
    if [ "$art" != uv-tabellen ]; then
      klick "$statistik" 60 32 1 doppelt shift
      foto "deputat-$art"
      zu '^Deputat'
    fi
  fi
  zu "^$titel"
  i=$((i + 1))
done
menue 2 d4 r
foto plaene-loeschen
weg
menue 2 d4 r d2
foto stundenverteilung
zu '^Stundenverteilung'
i=0
for art in lehrer klassen raeume; do
  menue 2 d5 r "d$i"
  foto "uebersicht-$art"
  i=$((i + 1))
  [ "$art" = raeume ] || zu 'bersicht f.*r '
done
# In der Raumübersicht: ein Doppelklick mit Strg auf eine Stunde öffnet die Pläne von Raum,
# Klasse und Lehrer; ein Doppelklick ohne Strg das Kursfenster; Strg+F11 "Manuell".
ueb=$(fenster 'bersicht f.*r R')
klick "$ueb" 120 32 1 doppelt ctrl
foto planfenster
zu '^Plan '
klick "$ueb" 120 32 1 doppelt
foto kursfenster
zu '^Kurs'
klick "$ueb" 120 32
taste ctrl+F11
foto manuell
zu '^Manuell'
zu 'bersicht f.*r '
# Vertretung: Heute (Strg+H), die Vertretungswahl für die erste Zeile, "anderer Tag" und
# Vertretungsstunden (modal), die Übersichten und der wöchentliche Ausfall.
taste ctrl+h
foto vertretungen-heute
tagesplan=$(fenster '^Vertretungen')
klick "$tagesplan" 120 34 1 doppelt
foto vertretungswahl
zu '^Vertretungswahl'
zu '^Vertretungen'
menue 2 d6 r d2
foto vertretung-anderer-tag
weg
menue 2 d6 r d3
foto vertretungsstunden
weg
menue 2 d6 r d4
foto vertretungsuebersicht-lehrer
zu '^Vertretungs.*bersicht'
menue 2 d6 r d5
foto vertretungsuebersicht-klassen
zu '^Vertretungs.*bersicht'
menue 2 d6 r d6
foto unterrichtsausfall
zu 'Unterrichtsausfall'
menue 2 d7 r d3
foto pruefen-fehlende-stunden
weg  # die Meldung "Prüfergebnis"
zu '^Fehler'
# Fenster und Hilfe stehen hinter den Elementmenüs, deren Einträge die Pfeiltasten nicht
# überspringen: ein Klick auf ihren Titel (FENSTER X Y in der Menüleiste), dann wie oben.
titelmenue() {
  local x=$1
  shift
  xdotool windowactivate --sync "$palette" 2>/dev/null || true
  klick "$palette" "$x" 10
  taste Down
  local schritt
  for schritt in "$@"; do
    case $schritt in
      u*) for _ in $(seq "${schritt#u}"); do taste Up; done ;;
      d*) for _ in $(seq "${schritt#d}"); do taste Down; done ;;
    esac
  done
  taste Return
  warte 1
}
# Fenster: Anordnung (modal), Zwischenablage; Hilfe: das Handbuch und "Über WinTamrel...".
titelmenue 382
foto fensteranordnung
weg
titelmenue 382 d1
foto zwischenablage
zu '^Zwischenablage'
titelmenue 432 d1
foto handbuch
zu 'Handbuch'
titelmenue 432 u1
foto ueber
weg

# Einstellungen: Bearbeiten › Voreinstellungen, jeder der zwölf Dialoge.
i=0
for art in eckdaten grunddaten deputate plaene kurse planversionen kalender zeiten kennwort \
  automatik vertretung html-farben; do
  menue 1 u2 r "d$i"
  foto "voreinstellung-$art"
  weg
  i=$((i + 1))
done

# Drucken: Datei › Drucken, jeder Dialog.
menue 0 u4 r
foto drucken-kuerzel
weg
menue 0 u4 r d1
foto drucken-deputate
weg
i=0
for art in lehrerplaene klassenplaene raumplaene kopplungsplaene-lehrer kopplungsplaene-klassen; do
  menue 0 u4 r d2 r "d$i"
  foto "drucken-$art"
  weg
  i=$((i + 1))
done
i=0
for art in lehrer klassen raeume faecher kombination; do
  menue 0 u4 r d3 r "d$i"
  foto "drucken-uebersicht-$art"
  weg
  i=$((i + 1))
done
i=0
for art in reststunden stundenverteilung fachkonferenzen klassenkonferenzen; do
  menue 0 u4 r d4 r "d$i"
  foto "drucken-$art"
  weg
  i=$((i + 1))
done
i=0
for art in vertretungsplan vertretungsstunden vertretungsuebersicht-lehrer \
  vertretungsuebersicht-klassen; do
  menue 0 u4 r d5 r "d$i"
  foto "drucken-$art"
  weg
  i=$((i + 1))
done

# Beenden mit Strg+Q: ist die Schule geändert, kommt die Sicherungsfrage ("Ja" mit Return sichert
# in die Arbeitskopie). Danach ist kein Fenster des Programms mehr zu sehen, auch nicht der
# Hintergrund, und das Programm ist beendet.
xdotool windowactivate --sync "$palette" 2>/dev/null || true
taste ctrl+q
warte 1.5
if [ -n "$(fenster '^Daten sichern')" ]; then
  foto beenden-frage
  taste Return
fi
warte 2
foto beendet
if kill -0 "$programm" 2>/dev/null; then
  echo "Tamrel läuft nach „Beenden“ noch"
else
  echo "Tamrel ist nach „Beenden“ beendet"
  programm=""
fi
echo "Bilder in $ziel: $(ls "$ziel" | wc -l)"
