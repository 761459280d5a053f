// Hilfen für die Tests der automatischen Planung.
#pragma once

#include <algorithm>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "PlanHilfe.h"
#include "planning/AutomatUnit.h"

// Zeichnet auf, was die Rechnung anzeigt; kann beim n-ten Kurs einen Abbruch wünschen.
class TTestAnzeige : public TAutomatAnzeige {
 public:
  void Zaehler(int noch, int nvp) override {
    fNoch.push_back(noch);
    fNvp = nvp;
  }
  void Fortschritt(int position, int maximum) override {
    fPosition = position;
    fMaximum = maximum;
  }
  void Zustand(TAutomatZustand z) override { fZustaende.push_back(z); }
  void NachKurs() override {
    ++fKurse;
    if (fBeiKurs) fBeiKurs(fKurse);
  }
  void Piep() override { ++fPiepser; }
  void Nachbessern(int noch, double sekunden) override {
    fNachbessern.emplace_back(noch, sekunden);
    if (fBeimNachbessern) fBeimNachbessern(static_cast<int>(fNachbessern.size()));
  }

  std::vector<int> fNoch;
  int fNvp = -1;
  int fPosition = -1;
  int fMaximum = -1;
  std::vector<TAutomatZustand> fZustaende;
  int fKurse = 0;
  int fPiepser = 0;
  std::function<void(int)> fBeiKurs;
  std::vector<std::pair<int, double>> fNachbessern;  // "noch zu setzen", Sekunden
  std::function<void(int)> fBeimNachbessern;
};

class AutomatikTest : public PlanTest {
 protected:
  AutomatikTest() {
    st.fMaxTageNeu = 5;
    st.fPlnStd = 8;
  }

  // Ein Kurs für die Automatik: Stunden, Stunden pro Tag, Einzelstunden, Tabelle.
  TKurs* AuKurs(TLehrer* l, TFach* f, std::initializer_list<TKlasse*> klassen,
                std::initializer_list<TRaum*> raeume, TKopplung* kopplung, int stunden, int proTag,
                int einzeln, int tabelle) {
    TKurs* k = Kurs(l, f, klassen, raeume, kopplung, stunden);
    k->fStdProTag = proTag;
    k->fEinzelStd = einzeln;
    k->fTabellenNr = tabelle;
    return k;
  }

  // Sammelt die Kurse und rechnet.
  void Rechne(const std::vector<TKurs*>& kurse) {
    automat.KurseSammeln(kurse);
    automat.Rechne();
  }

  // Die Stunden des Kurses in der Woche als "Tag.Stunde Raum", sortiert.
  static std::vector<std::string> Stunden(const TKurs* k, int woche = 1) {
    std::vector<std::string> z;
    for (const TSetzung* s : k->fSetzungen)
      if (s->fWoche == woche)
        z.push_back(std::to_string(s->fTag) + "." + std::to_string(s->fStunde) +
                    (s->fRaum ? " " + s->fRaum->fKuerzel.str() : ""));
    std::sort(z.begin(), z.end());
    return z;
  }

  TTestAnzeige anzeige;
  TAutomat automat{anzeige};
};
