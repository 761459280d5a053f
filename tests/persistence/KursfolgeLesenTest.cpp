// Nach dem Lesen stehen die Kurse in Kursreihenfolge, in der Kursliste der Schule und bei jedem
// Element, auch wenn die Sätze der Datei anders geordnet sind.
#include <gtest/gtest.h>

#include "SchulDateiHilfe.h"
#include "model/FachUnit.h"
#include "model/KlassenUnit.h"
#include "model/KopplUnit.h"
#include "model/LehrerUnit.h"
#include "model/RaumUnit.h"
#include "persistence/ReadUnit.h"
#include "persistence/WriteUnit.h"

namespace {

std::vector<std::string> KursZeilen(const TSchule& s) {
  std::vector<std::string> zeilen;
  for (const TKurs* k : s.fKursMenge)
    zeilen.push_back(k->OhneRaumZeile() + " " + std::to_string(k->fStunden.GetWochenStunde(0)));
  return zeilen;
}

template <class Liste, class Vergleich>
bool InFolge(const Liste& liste, Vergleich vergleich) {
  for (std::size_t i = 1; i < liste.size(); ++i)
    if (vergleich(liste[i - 1], liste[i]) > 0) return false;
  return true;
}

TEST(KursfolgeLesen, SaetzeInAndererFolgeGebenDieKursreihenfolge) {
  TTestUmgebung u;
  std::vector<std::uint8_t> bytes;
  std::vector<std::string> erwartet;
  {
    TSchule& s = u.schule();
    TLehrer* a = s.HoleLehrer("A");
    TLehrer* b = s.HoleLehrer("B");
    TKlasse* k5 = s.HoleKlasse("5a");
    TKlasse* k6 = s.HoleKlasse("6a");
    TKopplung* ko = s.HoleKopplung("Ko");
    TFach* d = s.HoleFach("D");
    TFach* m = s.HoleFach("M");
    TRaum* r1 = s.HoleRaum("R1");
    TRaum* r2 = s.HoleRaum("R2");
    TKurs::IKurs(a, k5, nullptr, d, r1, 4);
    TKurs::IKurs(b, k5, ko, m, r1, 2);
    TKurs::IKurs(a, k6, ko, m, r2, 3)->KlasseErgaenzen(k5);
    TKurs::IKurs(b, k6, nullptr, d, r2, 3)->RaumErgaenzen(r1, false);
    TKurs::IKurs(a, nullptr, nullptr, nullptr, r1, 1);
    TKurs::IKurs(nullptr, k6, ko, nullptr, nullptr, 2);
    erwartet = KursZeilen(s);
    // Die Sätze rückwärts in die Datei.
    s.fKursMenge.ListeSort([](const TKurs* p, const TKurs* q) { return KursVergleich(q, p); });
    ASSERT_NE(KursZeilen(s), erwartet);
    bytes = SchuleAlsBytes(s);
  }
  u.NeueSchule();
  std::string fehler;
  ASSERT_TRUE(ReadSchuleAusBytes(bytes, "folge.tmr", u.schule(), fehler)) << fehler;
  const TSchule& s = u.schule();

  EXPECT_EQ(KursZeilen(s), erwartet);
  EXPECT_TRUE(InFolge(s.fKursMenge, KursVergleich));
  int eintraege = 0;
  for (TKuerzelArt art :
       {TKuerzelArt::leh, TKuerzelArt::kla, TKuerzelArt::kop, TKuerzelArt::fac, TKuerzelArt::rau})
    for (const TElement* e : s.Elemente(art)) {
      EXPECT_TRUE(
          InFolge(e->fKurse, art == TKuerzelArt::kla ? KlassenKursVergleich : KursVergleich))
          << e->fKuerzel.str();
      eintraege += e->fKurse.ListeZahlElemente();
    }
  // Jeder Kurs steht genau einmal bei jedem seiner Elemente: 5 Lehrer-, 6 Klassen-, 3 Kopplungs-,
  // 4 Fach- und 6 Raumeinträge.
  EXPECT_EQ(eintraege, 5 + 6 + 3 + 4 + 6);
}

}  // namespace
