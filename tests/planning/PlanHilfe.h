// Hilfen für die Tests der Setzungen, Konflikte und Passtests.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <string>
#include <vector>

#include "BelegungsPruefung.h"
#include "TestUmgebung.h"
#include "model/DatumUnit.h"
#include "model/SchulUnit.h"
#include "planning/KonfliktUnit.h"
#include "planning/UndoUnit.h"
#include "settings/StandardUnit.h"

// Ein Plan- oder Übersichtsfenster, das aufzeichnet, was die Setzungen in seine Zellen schreiben.
class TZellenFenster : public TFakeFenster {
 public:
  using TFakeFenster::TFakeFenster;
  // Lebt kürzer als die Schule: meldet sich ab wie ein echtes Fenster beim Schließen.
  ~TZellenFenster() override {
    if (!SchuleVorhanden()) return;
    TSchule& s = Schule();
    s.FensterAbmelden(this);
    for (TKuerzelArt art : {leh, kla, rau})
      for (TElement* e : s.Elemente(art))
        if (auto* p = static_cast<TPlanElement*>(e); p->fPlnFenster == this)
          p->fPlnFenster = nullptr;
  }
  struct Zelle {
    int tag = 0, std = 0;  // Planfenster
    const TPlanElement* element = nullptr;
    int zeile = 0;  // Übersicht
    TKurs* kurs = nullptr;
    std::string marke;
    bool operator==(const Zelle&) const = default;
  };
  void PlanZelle(int tag, int std, TKurs* kurs, const std::string& marke) override {
    fZellen.push_back({tag, std, nullptr, 0, kurs, marke});
  }
  void UebersichtZelle(const TPlanElement* element, int zeile, TKurs* kurs,
                       const std::string& marke) override {
    fZellen.push_back({0, 0, element, zeile, kurs, marke});
  }
  void MarkiereRechts(TKurs* kurs) override { fMarkiert.push_back(kurs); }
  std::vector<Zelle> fZellen;
  std::vector<TKurs*> fMarkiert;
};

class PlanTest : public ::testing::Test {
 protected:
  PlanTest() {
    l1 = s.HoleLehrer("MUE");
    l2 = s.HoleLehrer("SCH");
    l3 = s.HoleLehrer("KRA");
    k5a = s.HoleKlasse("5a");
    k5b = s.HoleKlasse("5b");
    r1 = s.HoleRaum("R1");
    r2 = s.HoleRaum("R2");
    r3 = s.HoleRaum("R3");
    fD = s.HoleFach("D");
    fM = s.HoleFach("M");
    fE = s.HoleFach("E");
    g = s.HoleKopplung("G1");
  }

  // Ein Kurs mit Lehrer, Fach, Klassen, Räumen und Kopplung; Stunden in jeder Woche.
  TKurs* Kurs(TLehrer* l, TFach* f, std::initializer_list<TKlasse*> klassen,
              std::initializer_list<TRaum*> raeume, TKopplung* kopplung, int stunden) {
    TKlasse* ersteKlasse = klassen.size() ? *klassen.begin() : nullptr;
    TRaum* ersterRaum = raeume.size() ? *raeume.begin() : nullptr;
    TKurs* k = TKurs::IKurs(l, ersteKlasse, kopplung, f, ersterRaum, stunden);
    for (TKlasse* kl : klassen)
      if (kl != ersteKlasse) k->KlasseErgaenzen(kl);
    for (TRaum* r : raeume)
      if (r != ersterRaum) k->RaumErgaenzen(r, false);
    k->fStunden.SetWochenStunde(0, stunden);
    return k;
  }

  // Zwei Planversionen, mehrwöchig gearbeitet.
  void ZweiWochen() {
    s.VersionErweitern(2);
    st.fEineWoche = false;
  }

  // Der Tag (mittags) des Montags 7.12.2026 plus n Tage.
  static TDateTime Tag(int n = 0) { return DatumZuZahl(2026, 12, 7) + n + 0.5; }

  void FerienAm(TDateTime datum) {
    const long long tage = static_cast<long long>(std::floor(datum)) - KalenderAnfang;
    st.fFerien[static_cast<int>((tage / 7) % 888)] |=
        static_cast<std::uint8_t>(1u << (WochenTag(datum) - 1));
  }

  // Eine Abwesenheit an dem Tag in den Stunden.
  TFehl* Fehlt(TPlanElement* e, TDateTime datum, std::initializer_list<int> stunden) {
    auto f = std::make_unique<TFehl>();
    f->fDatum = datum;
    f->fElement = e;
    for (int h : stunden) f->fZeit |= FehlBit(h);
    TFehl* roh = f.get();
    s.FehlMenge(e->Art())->ListeAnhaengen(std::move(f));
    return roh;
  }

  // Die Texte der Fragen und Meldungen, der Reihe nach.
  std::vector<std::string> Titel() const {
    std::vector<std::string> t;
    for (const auto& e : u.dialog.fProtokoll) t.push_back(e.Titel);
    return t;
  }

  TTestUmgebung u;
  TSchule& s = u.schule();
  TStandard& st = u.standard;
  TLehrer *l1, *l2, *l3;
  TKlasse *k5a, *k5b;
  TRaum *r1, *r2, *r3;
  TFach *fD, *fM, *fE;
  TKopplung* g;
};
