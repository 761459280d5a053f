// Abwesenheiten und Vertretungen in der Schuldatei: schreiben, lesen, schreiben gibt dieselben
// Bytes; doppelte Abwesenheiten eines Tages werden beim Lesen zusammengelegt; die gelesenen
// Vertretungen stehen in der gewählten Ordnung.
#include <gtest/gtest.h>

#include <algorithm>

#include "TestUmgebung.h"
#include "VertretungsPruefung.h"
#include "model/DatumUnit.h"
#include "model/SchulUnit.h"
#include "persistence/LadeSchritteUnit.h"
#include "persistence/ReadUnit.h"
#include "persistence/WriteUnit.h"
#include "settings/StandardUnit.h"
#include "substitution/FehlzeitUnit.h"
#include "substitution/VertretungsPlanungUnit.h"

namespace {

TDateTime Tag(int n) {
  return DatumZuZahl(2026, 12, 7) + n + 0.5;  // Montag
}

void BaueVertretungen(TSchule& s) {
  TLehrer* l1 = s.HoleLehrer("MUE");
  TLehrer* l2 = s.HoleLehrer("SCH");
  TKlasse* k5a = s.HoleKlasse("5a");
  TKlasse* k5b = s.HoleKlasse("5b");
  TRaum* r1 = s.HoleRaum("R1");
  TRaum* r2 = s.HoleRaum("R2");
  TKurs* a = TKurs::IKurs(l1, k5a, nullptr, s.HoleFach("D"), r1, 4);
  TKurs* b = TKurs::IKurs(l2, k5b, nullptr, s.HoleFach("M"), r2, 4);
  l1->NeuesFach(a->fFach);  // wie nach dem Lesen
  l2->NeuesFach(b->fFach);
  TSetzung* pa = a->NeueSetzung(1, 1, 3, r1);
  b->NeueSetzung(1, 1, 3, r2);
  b->NeueSetzung(1, 2, 1, r2);
  FehlzeitEintragen(l1, Tag(0), StundenMaske(1, 6), "K");
  FehlzeitEintragen(r2, Tag(1), StundenMaske(1, 1), "-");
  FehlzeitEintragen(k5a, Tag(2), StundenMaske(2, 2), "");
  pa->VertretungFinden(Tag(0))->TrageLehrerEin(l2, nullptr);  // mit Statt-Partnerin
  pa->VertretungFinden(Tag(0))->FuelleBemerkung();
}

TEST(VertretungsDatei, SchreibenLesenSchreibenGibtDieselbenBytes) {
  TTestUmgebung u;
  BaueVertretungen(u.schule());
  ASSERT_EQ(u.schule().fVertretungsMenge.size(), 3u);
  u.schule().fDateiName = "Vertretung.tmr";  // die Datei nennt ihren Namen
  const std::vector<std::uint8_t> erste = SchuleAlsBytes(u.schule());
  u.NeueSchule();
  std::string fehler;
  ASSERT_TRUE(ReadSchuleAusBytes(erste, "Vertretung.tmr", u.schule(), fehler)) << fehler;
  TSchule& s = u.schule();
  EXPECT_EQ(s.fVertretungsMenge.size(), 3u);
  EXPECT_EQ(s.fFehlLehrerMenge.size(), 1u);
  EXPECT_EQ(s.fFehlKlassenMenge[0]->fGrund.str(), "-");
  EXPECT_TRUE(VertretungenStimmen(s));
  const std::vector<std::uint8_t> zweite = SchuleAlsBytes(s);
  const auto abweichung =
      std::mismatch(erste.begin(), erste.end(), zweite.begin(), zweite.end());
  EXPECT_EQ(abweichung.first, erste.end())
      << "erste Abweichung bei Byte " << (abweichung.first - erste.begin()) << " von "
      << erste.size() << "/" << zweite.size();
}

TEST(VertretungsDatei, DoppelteAbwesenheitenWerdenZusammengelegtUndVertretungenGeordnet) {
  TTestUmgebung u;
  TSchule& s = u.schule();
  BaueVertretungen(s);
  TLehrer* l1 = TSchule::HoleElement(s.fLehrerMenge, "MUE");
  for (int h : {8, 9}) {
    auto f = std::make_unique<TFehl>();
    f->fDatum = Tag(0);
    f->fElement = l1;
    f->fZeit = FehlBit(h);
    s.fFehlLehrerMenge.ListeAnhaengen(std::move(f));
  }
  // Die Liste in falscher Ordnung: beim Lesen wird sie geordnet.
  s.fVertretungsMenge.ListeSort(
      [](const TVertretung* a, const TVertretung* b) { return -VertretungsOrdnung(a, b); });
  const std::vector<std::uint8_t> bytes = SchuleAlsBytes(s);
  u.NeueSchule();
  std::string fehler;
  ASSERT_TRUE(ReadSchuleAusBytes(bytes, "Vertretung.tmr", u.schule(), fehler)) << fehler;
  TSchule& t = u.schule();
  ASSERT_EQ(t.fFehlLehrerMenge.size(), 1u);
  EXPECT_EQ(t.fFehlLehrerMenge[0]->fZeit, StundenMaske(1, 6) | FehlBit(8) | FehlBit(9));
  EXPECT_EQ(t.fFehlLehrerMenge[0]->fHilfe, t.fFehlLehrerMenge[0]->fZeit);
  EXPECT_TRUE(VertretungenStimmen(t));
}

}  // namespace
