#include <gtest/gtest.h>

#include "BelegungsPruefung.h"
#include "TestUmgebung.h"
#include "model/SchulUnit.h"
#include "settings/StandardUnit.h"

namespace {
TKurs* NeuerKurs(TSchule& s) {
  auto neu = std::make_unique<TKurs>();
  TKurs* kurs = neu.get();
  s.fKursMenge.ListeAnhaengen(std::move(neu));
  kurs->fStunden.SetWochenStunde(0, 3);
  return kurs;
}

}  // namespace

class Loeschen : public ::testing::Test {
 protected:
  Loeschen() {
    l = s.HoleLehrer("MUE");
    k = s.HoleKlasse("5a");
    f = s.HoleFach("D");
    g = s.HoleKopplung("G");
    r = s.HoleRaum("R1");
    uv = s.HoleUVTab("UV");
    kurs = NeuerKurs(s);
    kurs->LehrerErgaenzen(l);
    kurs->KlasseErgaenzen(k);
    kurs->FachErgaenzen(f);
    kurs->KopplungErgaenzen(g);
    kurs->RaumErgaenzen(r, false);
    kurs->NeueSetzung(1, 1, 1, r);
    kurs->NeueSetzung(1, 2, 3, nullptr);
    l->NeuesFach(f);
    l->fRaum = r;
    k->fRaum = r;
    k->fLehrer1 = l;
    k->fLehrer2 = l;
    l->fPopFach = f;
    f->fPopLehrer = l;
    f->fPopKlasse = k;
    uv->NeuerLehrer(l);
    uv->NeueKlasse(k);
    uv->NeuesFach(f);
    s.fParListe->fListe = {g, nullptr, g};
    s.fParListe->fZeilen = 1;
    s.fParListe->fSpalten = 3;
  }
  TTestUmgebung u;
  TSchule& s = u.schule();
  TLehrer* l;
  TKlasse* k;
  TFach* f;
  TKopplung* g;
  TRaum* r;
  TUVTab* uv;
  TKurs* kurs;
};

TEST_F(Loeschen, LehrerLoestJedenVerweis) {
  TFakeFenster daten(FensterArt::LehrerDaten), plan(FensterArt::LehrerPlan);
  l->fGrDatFenster = &daten;
  l->fPlnFenster = &plan;
  s.ElementLoeschen(l);
  EXPECT_EQ(s.fLehrerMenge.ListeZahlElemente(), 0);
  EXPECT_EQ(kurs->fLehrer, nullptr);
  EXPECT_TRUE(kurs->fSetzungen.empty());
  EXPECT_EQ(k->fLehrer1, nullptr);
  EXPECT_EQ(k->fLehrer2, nullptr);
  EXPECT_EQ(f->fLehrer.ListeZahlElemente(), 0);
  EXPECT_EQ(f->fPopLehrer, nullptr);
  EXPECT_EQ(uv->fLehrer.ListeZahlElemente(), 0);
  EXPECT_EQ(daten.fGeschlossen, 1);
  EXPECT_EQ(plan.fGeschlossen, 1);
  EXPECT_TRUE(BelegungenStimmen(s));
}

TEST_F(Loeschen, KlasseVerschwindetAuchAusDemFach) {
  s.ElementLoeschen(k);
  EXPECT_EQ(kurs->fKlassen.ListeZahlElemente(), 0);
  EXPECT_EQ(f->fKlassen.ListeZahlElemente(), 0);
  EXPECT_EQ(f->fPopKlasse, nullptr);
  EXPECT_EQ(uv->fKlassen.ListeZahlElemente(), 0);
  EXPECT_TRUE(kurs->fSetzungen.empty());
  EXPECT_TRUE(BelegungenStimmen(s));
}

TEST_F(Loeschen, RaumNurVerplanteKurseVerlierenSetzungen) {
  TKurs* anderer = NeuerKurs(s);
  anderer->RaumErgaenzen(r, false);
  anderer->NeueSetzung(1, 4, 4, nullptr);
  s.ElementLoeschen(r);
  EXPECT_TRUE(kurs->fSetzungen.empty());
  EXPECT_EQ(anderer->fSetzungen.ListeZahlElemente(), 1);
  EXPECT_EQ(anderer->fRaeume.ListeZahlElemente(), 0);
  EXPECT_EQ(l->fRaum, nullptr);
  EXPECT_EQ(k->fRaum, nullptr);
  EXPECT_EQ(s.fRaumMenge.ListeZahlElemente(), 0);
  EXPECT_TRUE(BelegungenStimmen(s));
}

TEST_F(Loeschen, FachVerschwindetAusAllenListen) {
  TLehrer* zweiter = s.HoleLehrer("ABC");
  zweiter->NeuesFach(f);
  zweiter->fPopFach = f;
  s.ElementLoeschen(f);
  EXPECT_EQ(kurs->fFach, nullptr);
  EXPECT_EQ(l->fFaecher.ListeZahlElemente(), 0);
  EXPECT_EQ(zweiter->fFaecher.ListeZahlElemente(), 0);
  EXPECT_EQ(l->fPopFach, nullptr);
  EXPECT_EQ(zweiter->fPopFach, nullptr);
  EXPECT_EQ(uv->fFaecher.ListeZahlElemente(), 0);
  // Setzungen bleiben: ein Fach trägt keinen Plan.
  EXPECT_EQ(kurs->fSetzungen.ListeZahlElemente(), 2);
}

TEST_F(Loeschen, KopplungWirdImParallelrasterLeer) {
  s.ElementLoeschen(g);
  EXPECT_EQ(kurs->fKopplung, nullptr);
  EXPECT_TRUE(kurs->fSetzungen.empty());
  EXPECT_EQ(s.fParListe->fListe, (std::vector<TKopplung*>{nullptr, nullptr, nullptr}));
  EXPECT_EQ(s.fParListe->fSpalten, 3);
  EXPECT_TRUE(BelegungenStimmen(s));
}

TEST_F(Loeschen, UVTabelle) {
  s.ElementLoeschen(uv);
  EXPECT_EQ(s.fUVTabMenge.ListeZahlElemente(), 0);
  EXPECT_EQ(l->fKurse.ListeZahlElemente(), 1);
}
