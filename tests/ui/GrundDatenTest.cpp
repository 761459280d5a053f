// Die Regeln der Datenfenster: Stammraum mit Frage, Stunden auf und ab, Kurstafel, Übernehmen.
#include <gtest/gtest.h>

#include "TestUmgebung.h"
#include "app/BeispielSchuleUnit.h"
#include "model/AblageUnit.h"
#include "model/FachUnit.h"
#include "model/KlassenUnit.h"
#include "model/KopplUnit.h"
#include "model/KursUnit.h"
#include "model/LehrerUnit.h"
#include "model/RaumUnit.h"
#include "model/SchulUnit.h"
#include "settings/StandardUnit.h"
#include "ui/GrundDatenUnit.h"

using namespace GrundDaten;

namespace {

class GrundDatenTest : public ::testing::Test {
 protected:
  TTestUmgebung umgebung;
  TSchule& s = Schule();
};

TEST_F(GrundDatenTest, StammraumMitDreiWegeFrage) {
  TKlasse* kl = s.HoleKlasse("5a");
  TRaum* r1 = s.HoleRaum("R1");
  TRaum* r2 = s.HoleRaum("R2");
  TKurs* k = TKurs::IKurs(nullptr, kl, nullptr, s.HoleFach("D"), nullptr, 2);
  umgebung.dialog.Antworte("Ja");
  EXPECT_TRUE(StammraumWaehlen(*kl, r1));
  EXPECT_EQ(umgebung.dialog.fProtokoll.back().Titel, "Neuer Klassenraum");
  EXPECT_EQ(umgebung.dialog.fProtokoll.back().Zeilen,
            (std::vector<std::string>{"Soll in allen Kursen", "der Klasse", "der Raum", "R1",
                                      "ergänzt werden?"}));
  EXPECT_EQ(kl->fRaum, r1);
  EXPECT_TRUE(k->fRaeume.ListeElemEnthalten(r1));
  // Derselbe Raum noch einmal fragt nicht und ändert nichts.
  const std::size_t fragen = umgebung.dialog.fProtokoll.size();
  EXPECT_FALSE(StammraumWaehlen(*kl, r1));
  EXPECT_EQ(umgebung.dialog.fProtokoll.size(), fragen);
  // "Abbrechen" lässt Stammraum und Kurse.
  umgebung.dialog.Antworte("Abbrechen");
  EXPECT_FALSE(StammraumWaehlen(*kl, r2));
  EXPECT_EQ(umgebung.dialog.fProtokoll.back().Titel, "Klasssenraumwechsel");
  EXPECT_EQ(kl->fRaum, r1);
  EXPECT_FALSE(k->fRaeume.ListeElemEnthalten(r2));
  // "Nein": nur der Stammraum; ohne Raum: "ohne".
  umgebung.dialog.Antworte("Nein");
  EXPECT_TRUE(StammraumWaehlen(*kl, r2));
  EXPECT_EQ(kl->fRaum, r2);
  EXPECT_TRUE(k->fRaeume.ListeElemEnthalten(r1));
  EXPECT_TRUE(StammraumWaehlen(*kl, nullptr));
  EXPECT_EQ(kl->fRaum, nullptr);
}

TEST_F(GrundDatenTest, StundenSchrittPrueftJedeWoche) {
  TStandard& st = Standard();
  s.VersionErweitern(2);
  ASSERT_EQ(st.fMaxWocheNeu, 2);
  TKurs* k = TKurs::IKurs(nullptr, s.HoleKlasse("5a"), nullptr, s.HoleFach("D"), nullptr, 3);
  k->fStunden.SetWochenStunde(0, 3);
  // Drei Stunden in Woche 2, keine in Woche 1: die Summe (6) allein erlaubte das Senken.
  k->NeueSetzung(2, 1, 1, nullptr);
  k->NeueSetzung(2, 2, 1, nullptr);
  k->NeueSetzung(2, 3, 1, nullptr);
  st.fEineWoche = false;
  EXPECT_FALSE(StundenSchritt(*k, -1));
  EXPECT_EQ(k->fStunden.GetWochenStunde(2), 3);
  EXPECT_TRUE(StundenSchritt(*k, +1));
  EXPECT_EQ(k->fStunden.GetWochenStunde(1), 4);
  EXPECT_EQ(k->fStunden.GetWochenStunde(2), 4);
  st.fEineWoche = true;
  st.fAktuelleWoche = 1;
  EXPECT_TRUE(StundenSchritt(*k, -1));
  EXPECT_EQ(k->fStunden.GetWochenStunde(1), 3);
  EXPECT_EQ(k->fStunden.GetWochenStunde(2), 4);
}

TEST_F(GrundDatenTest, KurstafelZeilen) {
  TKlasse* kl = s.HoleKlasse("5a");
  TKurs* ohne = TKurs::IKurs(nullptr, kl, nullptr, nullptr, nullptr, 2);
  TKurs* gek = TKurs::IKurs(nullptr, kl, s.HoleKopplung("K"), s.HoleFach("Sp"), nullptr, 12);
  std::vector<TKursZeile> z = KursZeilen(*kl);
  ASSERT_EQ(z.size(), 2u);
  const TKursZeile& a = kl->fKurse.ListeNrInhalt(1) == ohne ? z[0] : z[1];
  const TKursZeile& b = kl->fKurse.ListeNrInhalt(1) == gek ? z[0] : z[1];
  EXPECT_EQ(a.Text, "   2 ????");
  EXPECT_FALSE(a.Rot);
  EXPECT_EQ(b.Text, "  12 Sp");
  EXPECT_TRUE(b.Rot);
}

TKlasse* SchulUnitHole(TSchule& s, const char* k) {
  return TSchule::HoleElement(s.fKlassenMenge, k);
}

// Die erste Zeile des Kurstextes, ohne Lehrer und erste Klasse.
std::string Zeile(TKurs* k) {
  const std::string t = KurseAlsText({k}, false);
  std::vector<std::string> felder(1);
  for (char c : t.substr(0, t.find('\r'))) {
    if (c == '\t')
      felder.emplace_back();
    else
      felder.back() += c;
  }
  felder[2].clear();
  felder[4].clear();
  std::string z;
  for (const std::string& f : felder) z += f + "|";
  return z;
}

std::vector<std::string> Tafel(TKlasse* kl) {
  std::vector<std::string> zeilen;
  for (TKurs* k : kl->fKurse) zeilen.push_back(Zeile(k));
  std::sort(zeilen.begin(), zeilen.end());
  return zeilen;
}

TEST_F(GrundDatenTest, UebernehmenAufDerBeispielschule) {
  ErzeugeBeispielSchule(s, false);
  TKlasse* quelle = SchulUnitHole(s, "7a");
  ASSERT_NE(quelle, nullptr);
  TKlasse* ziel = s.HoleKlasse("7z");
  // Erwartet: die ungekoppelten Kurse der Quelle.
  std::vector<std::string> erwartet;
  for (TKurs* k : quelle->fKurse)
    if (!k->fKopplung) erwartet.push_back(Zeile(k));
  std::sort(erwartet.begin(), erwartet.end());
  ASSERT_FALSE(erwartet.empty());
  EXPECT_TRUE(KurseUebernehmen(*ziel, quelle, TUebernahme::OhneKopplungen, false));
  EXPECT_EQ(Tafel(ziel), erwartet);
  for (TKurs* k : ziel->fKurse) EXPECT_EQ(k->fLehrer, nullptr);
  EXPECT_EQ(Tafel(quelle).size(), quelle->fKurse.size());
}

TEST_F(GrundDatenTest, UebernehmenMitKopplungenUndStop) {
  TKlasse* a = s.HoleKlasse("5a");
  TKlasse* b = s.HoleKlasse("5b");
  s.VersionErweitern(2);
  TKurs* eigen = TKurs::IKurs(s.HoleLehrer("L"), a, nullptr, s.HoleFach("D"), nullptr, 3);
  eigen->fStunden.SetWochenStunde(2, 5);
  TKurs* gek =
      TKurs::IKurs(s.HoleLehrer("L"), a, s.HoleKopplung("K"), s.HoleFach("Re"), nullptr, 2);
  TKurs::IKurs(nullptr, b, nullptr, s.HoleFach("M"), nullptr, 4);
  TKurs* geteilt = TKurs::IKurs(nullptr, b, nullptr, s.HoleFach("Mu"), nullptr, 1);
  geteilt->KlasseErgaenzen(s.HoleKlasse("5c"));
  ASSERT_TRUE(KurseUebernehmen(*b, a, TUebernahme::KlasseInKopplungen, false));
  // Der alte Kurs nur von 5b ist fort, der geteilte behält 5c ohne 5b.
  for (TKurs* k : s.fKursMenge) EXPECT_NE(k->fFach, s.HoleFach("M"));
  EXPECT_FALSE(geteilt->fKlassen.ListeElemEnthalten(b));
  EXPECT_TRUE(gek->fKlassen.ListeElemEnthalten(b));
  // Die Kopie trägt die Stunden jeder Woche.
  TKurs* kopie = nullptr;
  for (TKurs* k : b->fKurse)
    if (k != gek) kopie = k;
  ASSERT_NE(kopie, nullptr);
  EXPECT_EQ(kopie->fStunden.GetWochenStunde(1), 3);
  EXPECT_EQ(kopie->fStunden.GetWochenStunde(2), 5);
  // Ein gesetzter Kurs in Woche 2 hält "Übernehmen" an, mit "Stop".
  kopie->NeueSetzung(2, 1, 1, nullptr);
  EXPECT_TRUE(StopMeldung(*b));
  EXPECT_EQ(umgebung.dialog.fProtokoll.back().Titel, "Stop");
  EXPECT_EQ(umgebung.dialog.fProtokoll.back().Zeilen[0], "Die Stundentafel der  Klasse");
  EXPECT_FALSE(KurseUebernehmen(*b, a, TUebernahme::EigeneKurse, false));
  EXPECT_TRUE(s.fKursMenge.ListeElemEnthalten(kopie));
}

}  // namespace
