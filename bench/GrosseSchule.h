// Eine große Schule für die Benchmarks der Planung: 150 Lehrer, 30 Klassen der Unter- und
// Mittelstufe mit je 13 Kursen, drei Jahrgänge der Oberstufe mit je 15 Kursschienen (Kopplungen)
// zu 7 Kursen, zusammen rund 1 950 Wochenstunden in einer Planversion mit 5 Tagen zu 10 Stunden.
// Der Plan wird deterministisch gierig gefüllt, soweit es ohne Konflikt geht; ein Teil der
// Stunden bleibt offen.
//
// Alles an einer Stelle: kommt der Generator der Demoschule, ersetzt sein Aufruf den Rumpf von
// BaueGrosseSchule.
#pragma once

#include <string>
#include <vector>

#include "model/SchulUnit.h"
#include "settings/StandardUnit.h"

struct TGrosseSchule {
  std::vector<TKurs*> unterstufe;    // ungekoppelte Kurse
  std::vector<TKopplung*> schienen;  // Kopplungen der Oberstufe
  int stunden = 0;                   // Wochenstunden aller Kurse
  int gesetzt = 0;                   // davon gesetzt
};

namespace grosse_schule {
inline std::string Nummer(const char* vorsilbe, int n, int stellen) {
  std::string z = std::to_string(n);
  while (static_cast<int>(z.size()) < stellen) z = "0" + z;
  return vorsilbe + z;
}

// Setzt eine Stunde des Kurses in die erste Zelle ab dem Versatz, in der er ohne Konflikt liegt.
inline bool SetzeStunde(TKurs* k, int versatz) {
  const TStandard& st = Standard();
  const int zellen = st.fMaxTageNeu * st.fPlnStd;
  for (int i = 0; i < zellen; ++i) {
    const int z = (versatz + i * 7) % zellen;  // 7 ist teilerfremd zu 50: jede Zelle einmal
    const int tag = z / st.fPlnStd + 1, std = z % st.fPlnStd + 1;
    if (k->SetzungFinden(st.fAktuelleWoche, tag, std) || !k->SetzungPossible(-1, tag, std, nullptr))
      continue;
    return k->NeueSetzung(-1, tag, std, k->FreierRaum(-1, tag, std)) != nullptr;
  }
  return false;
}

// Eine Stunde der ganzen Schiene: eine Zelle, in der jeder Kurs der Kopplung liegen kann.
inline bool SetzeSchiene(TKopplung* g, int versatz) {
  const TStandard& st = Standard();
  const int zellen = st.fMaxTageNeu * st.fPlnStd;
  for (int i = 0; i < zellen; ++i) {
    const int z = (versatz + i * 7) % zellen;
    const int tag = z / st.fPlnStd + 1, std = z % st.fPlnStd + 1;
    bool frei = true;
    for (TKurs* k : g->fKurse) frei = frei && k->SetzungPossible(-1, tag, std, nullptr);
    if (!frei) continue;
    for (TKurs* k : g->fKurse) k->NeueSetzung(-1, tag, std, k->FreierRaum(-1, tag, std));
    return true;
  }
  return false;
}
}  // namespace grosse_schule

inline TGrosseSchule BaueGrosseSchule(TSchule& s, TStandard& st) {
  using namespace grosse_schule;
  st.fMaxTageNeu = 5;
  st.fPlnStd = 10;
  st.fEineWoche = true;
  st.fAktuelleWoche = 1;
  TGrosseSchule ergebnis;
  std::vector<TLehrer*> lehrer;
  for (int i = 1; i <= 150; ++i) lehrer.push_back(s.HoleLehrer(Nummer("L", i, 3)));
  std::vector<TRaum*> raeume;
  for (int i = 1; i <= 60; ++i) raeume.push_back(s.HoleRaum(Nummer("R", i, 2)));
  struct TFachStunden {
    const char* fach;
    int stunden;
  };
  const std::vector<TFachStunden> plan = {{"D", 4},  {"M", 4},   {"E", 4},  {"F", 3}, {"Bio", 2},
                                          {"Ph", 2}, {"Ch", 2},  {"Ek", 2}, {"G", 2}, {"Mu", 1},
                                          {"Ku", 2}, {"Rel", 2}, {"Sp", 3}};
  const char* buchstaben = "abcde";
  int klassenNr = 0;
  for (int jahrgang = 5; jahrgang <= 10; ++jahrgang)
    for (int b = 0; b < 5; ++b, ++klassenNr) {
      TKlasse* klasse = s.HoleKlasse(std::to_string(jahrgang) + buchstaben[b]);
      klasse->fRaum = raeume[static_cast<std::size_t>(klassenNr % 60)];
      for (std::size_t f = 0; f < plan.size(); ++f) {
        TLehrer* l =
            lehrer[static_cast<std::size_t>(klassenNr * 7 + static_cast<int>(f) * 13) % 150];
        TKurs* k = TKurs::IKurs(l, klasse, nullptr, s.HoleFach(plan[f].fach), klasse->fRaum,
                                plan[f].stunden);
        ergebnis.unterstufe.push_back(k);
        ergebnis.stunden += plan[f].stunden;
      }
    }
  int schienenNr = 0;
  for (int jahrgang = 11; jahrgang <= 13; ++jahrgang) {
    TKlasse* stufe = s.HoleKlasse(std::to_string(jahrgang));
    for (int b = 1; b <= 15; ++b, ++schienenNr) {
      TKopplung* g = s.HoleKopplung(Nummer(("K" + std::to_string(jahrgang) + "-").c_str(), b, 2));
      for (int j = 0; j < 7; ++j) {
        TLehrer* l = lehrer[static_cast<std::size_t>(schienenNr * 11 + j * 17 + 3) % 150];
        TRaum* r = raeume[static_cast<std::size_t>(schienenNr * 7 + j) % 60];
        TKurs::IKurs(l, stufe, g, s.HoleFach(plan[static_cast<std::size_t>(j)].fach), r, 3);
        ergebnis.stunden += 3;
      }
      ergebnis.schienen.push_back(g);
    }
  }
  // Erst die Schienen (schwerer), dann die übrigen Kurse. Ein Teil bleibt offen, wie mitten in
  // der Planung: die dritte Stunde jeder zweiten Schiene, die letzte jedes dritten Kurses.
  int versatz = 0, n = 0;
  for (TKopplung* g : ergebnis.schienen) {
    const int stunden = (n++ % 2) ? 2 : 3;
    for (int h = 0; h < stunden; ++h) SetzeSchiene(g, versatz += 3);
  }
  for (TKurs* k : ergebnis.unterstufe) {
    const int stunden = k->fStunden.GetWochenStunde(1) - ((n++ % 3) ? 0 : 1);
    for (int h = 0; h < stunden; ++h) SetzeStunde(k, versatz += 5);
  }
  for (const TKurs* k : s.fKursMenge) ergebnis.gesetzt += k->VerplanteStunden(1);
  return ergebnis;
}
