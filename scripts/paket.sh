#!/usr/bin/env bash
# Baut das Debian-Paket und prüft es: Inhalt und Abhängigkeiten (dpkg-deb), den Desktop-Eintrag
# (desktop-file-validate), den MIME-Typ (update-mime-database) und eine Installation in einen
# leeren Wurzelordner (dpkg -x).
# Aufruf: scripts/paket.sh [Bauordner]   (Vorgabe build/release; test.sh nimmt build/test)
# Das Paket liegt danach in <Bauordner>/paket/.
set -euo pipefail
cd "$(dirname "$0")/.."
bau=${1:-build/release}
./scripts/einrichten.sh
if [ ! -f "$bau/CMakeCache.txt" ]; then
  cmake -S . -B "$bau" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
fi
cmake --build "$bau" --target tamrel tamrel-cli
rm -rf "$bau/paket"
(cd "$bau" && cpack -G DEB -B "$PWD/paket" >/dev/null)
deb=$(ls "$bau"/paket/tamrel_*.deb)

fehler=0
falsch() {
  echo "Paket: $*" >&2
  fehler=1
}

# Abhängigkeiten: die Qt-Bibliotheken und libical aus dpkg-shlibdeps, dazu Schrift und Qt-Übersetzungen.
abh=$(dpkg-deb -f "$deb" Depends)
namen=$(sed 's/ ([^)]*)//g; s/, /\n/g' <<<"$abh")
for p in libqt6widgets6 libqt6gui6 libqt6core6 libqt6svg6 libstdc++6 libc6 fonts-liberation2 \
         qt6-translations-l10n; do
  grep -qxF "$p" <<<"$namen" || falsch "Abhängigkeit $p fehlt: $abh"
done
# libical (Kalenderdateien), je nach Debian-Stand mit oder ohne die Endung t64.
grep -qxE 'libical3(t64)?' <<<"$namen" || falsch "Abhängigkeit libical3 fehlt: $abh"
[ "$(dpkg-deb -f "$deb" Package)" = tamrel ] || falsch "falscher Paketname"

# Inhalt: genau die erwarteten Dateien unter /usr.
erwartet=(./usr/bin/tamrel ./usr/bin/tamrel-cli ./usr/share/applications/tamrel.desktop
          ./usr/share/mime/packages/tamrel-schule.xml
          ./usr/share/icons/hicolor/scalable/apps/tamrel.svg)
for g in 16 24 32 48 64 128 256; do
  erwartet+=("./usr/share/icons/hicolor/${g}x${g}/apps/tamrel.png")
done
inhalt=$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ {print $6}' | sort)
soll=$(printf '%s\n' "${erwartet[@]}" | sort)
[ "$inhalt" = "$soll" ] || falsch "$(printf 'Inhalt weicht ab:\n%s' "$(diff <(echo "$soll") <(echo "$inhalt"))")"

# Installation in einen leeren Wurzelordner.
wurzel=$(mktemp -d)
trap 'rm -rf "$wurzel"' EXIT
dpkg -x "$deb" "$wurzel"
for d in "${erwartet[@]}"; do
  [ -s "$wurzel/$d" ] || falsch "nach dpkg -x fehlt $d"
done
[ -x "$wurzel/usr/bin/tamrel" ] && [ -x "$wurzel/usr/bin/tamrel-cli" ] || falsch "Programme nicht ausführbar"
"$wurzel/usr/bin/tamrel-cli" --version | grep -q '^WinTamrel ' || falsch "tamrel-cli --version"

eintrag="$wurzel/usr/share/applications/tamrel.desktop"
meldungen=$(desktop-file-validate "$eintrag" 2>&1) || falsch "desktop-file-validate: $meldungen"
if grep -E ': (error|warning):' <<<"$meldungen"; then falsch "Desktop-Eintrag mit Fehlern"; fi
grep -qx 'Name=Tamrel Stundenplan' "$eintrag" || falsch "Name im Desktop-Eintrag"
grep -qx 'Exec=tamrel %f' "$eintrag" || falsch "Exec im Desktop-Eintrag"
grep -qx 'Icon=tamrel' "$eintrag" || falsch "Icon im Desktop-Eintrag"
grep -qx 'MimeType=application/x-tamrel-schule;' "$eintrag" || falsch "MimeType im Desktop-Eintrag"

for g in 16 24 32 48 64 128 256; do
  bild="$wurzel/usr/share/icons/hicolor/${g}x${g}/apps/tamrel.png"
  # PNG-Kopf, dann IHDR mit Breite und Höhe (je 4 Bytes, höchstwertiges zuerst).
  kopf=$(od -An -tx1 -N24 "$bild" | tr -d ' \n')
  masz=$(printf '%08x%08x' "$g" "$g")
  [ "${kopf:0:16}" = 89504e470d0a1a0a ] && [ "${kopf:32:16}" = "$masz" ] ||
    falsch "Bild ${g}x${g} ist kein PNG dieser Größe"
done
grep -q '<svg' "$wurzel/usr/share/icons/hicolor/scalable/apps/tamrel.svg" || falsch "SVG ohne <svg>"

# Der MIME-Typ: die Datenbank im Wurzelordner aufbauen und die Muster nachsehen.
# (Der Hinweis, dass der Ordner nicht in XDG_DATA_DIRS steht, gilt nur dem Wurzelordner.)
update-mime-database "$wurzel/usr/share/mime" >/dev/null 2>&1 || falsch "update-mime-database"
for muster in '\*.tmr' '\*.TMR'; do
  grep -qE "^[0-9]+:application/x-tamrel-schule:${muster}(:|$)" "$wurzel/usr/share/mime/globs2" ||
    falsch "MIME-Muster ${muster//\\/} fehlt"
done

if [ $fehler -ne 0 ]; then
  exit 1
fi
echo "Paket geprüft: $deb"
