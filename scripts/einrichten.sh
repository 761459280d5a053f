#!/usr/bin/env bash
# Installiert fehlende Debian-Pakete (nur wenn sie fehlen). Als root direkt, sonst mit sudo.
set -euo pipefail
pakete=(cmake ninja-build g++ pkg-config qt6-base-dev qt6-svg-dev libgl-dev
        libgtest-dev libgmock-dev libbenchmark-dev libical-dev fonts-liberation2
        qt6-translations-l10n ccache desktop-file-utils dpkg-dev file shared-mime-info "$@")
fehlend=()
for p in "${pakete[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    fehlend+=("$p")
  fi
done
if [ ${#fehlend[@]} -eq 0 ]; then
  exit 0
fi
echo "Installiere fehlende Pakete: ${fehlend[*]}"
if [ "$(id -u)" -eq 0 ]; then
  als=()
elif command -v sudo >/dev/null 2>&1; then
  als=(sudo)
else
  echo "Fehlende Pakete (${fehlend[*]}) und weder root noch sudo verfügbar." >&2
  exit 1
fi
export DEBIAN_FRONTEND=noninteractive
"${als[@]}" apt-get update -qq
"${als[@]}" apt-get install -y -qq --no-install-recommends "${fehlend[@]}"
