#include "planning/ParSucheUnit.h"

#include <algorithm>

#include "model/KopplUnit.h"
#include "planning/ParTabelleUnit.h"

TParSuche::TParSuche(const TParTabelle& tabelle)
    : fZeilen(tabelle.Zeilen()), fSpalten(tabelle.Spalten()) {
  fZellen.assign(static_cast<std::size_t>(fZeilen * fSpalten), nullptr);
  fFest.assign(fZellen.size(), false);
  fVorrat.resize(static_cast<std::size_t>(fSpalten));
  fBenutzt.resize(static_cast<std::size_t>(fSpalten));
  fZeilenLehrer.resize(static_cast<std::size_t>(fZeilen));
  for (int c = 1; c <= fSpalten; ++c)
    for (int r = 1; r <= fZeilen; ++r) {
      fZellen[Index(r, c)] = tabelle.Kopplung(r, c);
      fFest[Index(r, c)] = tabelle.Fest(r, c);
      if (fFest[Index(r, c)]) {
        // Die Lehrer fester Zellen stehen von Anfang an in ihrer Zeile, in jeder Spalte; zwei
        // feste Zellen einer Zeile mit demselben Lehrer lassen keine Lösung zu.
        if (!Passt(r, fZellen[Index(r, c)])) fUnmoeglich = true;
        Eintragen(r, fZellen[Index(r, c)], +1);
      } else
        fVorrat[static_cast<std::size_t>(c - 1)].push_back(fZellen[Index(r, c)]);
    }
  for (int c = 0; c < fSpalten; ++c)
    fBenutzt[static_cast<std::size_t>(c)].assign(fVorrat[static_cast<std::size_t>(c)].size(),
                                                 false);
}

bool TParSuche::Passt(int r, const TKopplung* k) const {
  const auto& zeile = fZeilenLehrer[static_cast<std::size_t>(r - 1)];
  for (const TLehrer* l : KopplungsLehrer(k))
    for (const auto& [lehrer, n] : zeile)
      if (lehrer == l && n > 0) return false;
  return true;
}

void TParSuche::Eintragen(int r, const TKopplung* k, int d) {
  auto& zeile = fZeilenLehrer[static_cast<std::size_t>(r - 1)];
  for (const TLehrer* l : KopplungsLehrer(k)) {
    auto it = std::find_if(zeile.begin(), zeile.end(), [l](const auto& e) { return e.first == l; });
    if (it == zeile.end())
      zeile.emplace_back(l, d);
    else
      it->second += d;
  }
}

bool TParSuche::Suche(const std::function<bool()>& anhalten, int schrittweite) {
  fAnhalten = anhalten;
  fSchrittweite = std::max(1, schrittweite);
  fAngehalten = false;
  if (!fUnmoeglich) Zelle(1, 1);
  return !fAngehalten;
}

// Füllt die Zelle (r, c) und alle folgenden; falsch, wenn angehalten wurde.
bool TParSuche::Zelle(int r, int c) {
  if (r > fZeilen) {
    ++c;
    r = 1;
  }
  if (c > fSpalten) {
    ++fAnzahl;
    fLoesung = fZellen;
    return true;
  }
  if (fFest[Index(r, c)]) return Zelle(r + 1, c);
  auto& vorrat = fVorrat[static_cast<std::size_t>(c - 1)];
  auto& benutzt = fBenutzt[static_cast<std::size_t>(c - 1)];
  // Jeder Eintrag wird in dieser Zelle nur einmal versucht, auch wenn er mehrfach vorkommt
  // (etwa viele leere Zellen).
  std::vector<const TKopplung*> versucht;
  for (std::size_t i = 0; i < vorrat.size(); ++i) {
    if (benutzt[i]) continue;
    TKopplung* k = vorrat[i];
    if (std::find(versucht.begin(), versucht.end(), k) != versucht.end()) continue;
    versucht.push_back(k);
    if (fAnhalten && ++fVersuche % fSchrittweite == 0 && fAnhalten()) {
      fAngehalten = true;
      return false;
    }
    if (!Passt(r, k)) continue;
    benutzt[i] = true;
    fZellen[Index(r, c)] = k;
    Eintragen(r, k, +1);
    const bool weiter = Zelle(r + 1, c);
    Eintragen(r, k, -1);
    benutzt[i] = false;
    if (!weiter) return false;
  }
  return true;
}
