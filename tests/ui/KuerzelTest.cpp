// Die Logik des Kürzeleditors: anlegen, umbenennen, löschen, sortieren, umordnen.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TestUmgebung.h"
#include "model/SchulUnit.h"
#include "settings/StandardUnit.h"
#include "ui/KuerzelUnit.h"

namespace {

std::vector<std::string> Kuerzel(int art) {
  std::vector<std::string> v;
  for (TElement* e : KuerzelListe(art)) v.push_back(e->fKuerzel.str());
  return v;
}

class Kuerzel_ : public ::testing::Test {
 protected:
  TTestUmgebung u;
  TSchule& s = u.schule();
};

}  // namespace

TEST_F(Kuerzel_, NeuesElementJederArtMitVorgaben) {
  u.standard.fLeSoll = 26;
  for (int art = 0; art < KuerzelArten; ++art) {
    TElement* e = KuerzelNeu(art, "X" + std::to_string(art));
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(static_cast<int>(e->Art()), art);
    EXPECT_EQ(KuerzelListe(art).back(), e);
  }
  EXPECT_EQ(s.fLehrerMenge[0]->GetSoll(1), 26);
  EXPECT_TRUE(s.fDirty);
  // Leer oder schon vorhanden: nichts.
  EXPECT_EQ(KuerzelNeu(0, ""), nullptr);
  EXPECT_EQ(KuerzelNeu(0, "X0"), nullptr);
  EXPECT_EQ(s.fLehrerMenge.size(), 1u);
}

TEST_F(Kuerzel_, VierzehnZeichenWerdenElf) {
  TElement* e = KuerzelNeu(1, "ABCDEFGHIJKLMN");
  ASSERT_NE(e, nullptr);
  EXPECT_EQ(e->fKuerzel.str(), "ABCDEFGHIJK");
  // Ein zweites langes Kürzel mit denselben ersten 11 Zeichen ist kein neues Element.
  EXPECT_EQ(KuerzelSuchen(KuerzelListe(1), "ABCDEFGHIJKXYZ"), 0);
  EXPECT_EQ(KuerzelNeu(1, "ABCDEFGHIJKXYZ"), nullptr);
  EXPECT_EQ(s.fKlassenMenge.size(), 1u);
}

TEST_F(Kuerzel_, SuchenUnterscheidetGrossUndKlein) {
  KuerzelNeu(0, "Mue");
  KuerzelNeu(0, "MUE");
  EXPECT_EQ(Kuerzel(0), (std::vector<std::string>{"Mue", "MUE"}));
  EXPECT_EQ(KuerzelSuchen(KuerzelListe(0), "MUE"), 1);
  EXPECT_EQ(KuerzelSuchen(KuerzelListe(0), "mue"), -1);
}

TEST_F(Kuerzel_, UmbenennenMitDoppelterAblehnung) {
  TElement* a = KuerzelNeu(4, "R101");
  TElement* b = KuerzelNeu(4, "R102");
  s.SetDirty(false);
  EXPECT_EQ(KuerzelAendern(b, "R101"), TKuerzelAenderung::Doppelt);
  EXPECT_EQ(b->fKuerzel.str(), "R102");
  EXPECT_FALSE(s.fDirty);
  ASSERT_EQ(u.dialog.fProtokoll.size(), 1u);
  EXPECT_EQ(u.dialog.fProtokoll[0].Titel, "Stop");
  EXPECT_EQ(u.dialog.fProtokoll[0].Zeilen,
            (std::vector<std::string>{"Das Kürzel", "R101", "gibt es schon. Wählen Sie",
                                      "ein anderes Kürzel!"}));
  EXPECT_FALSE(u.dialog.fProtokoll[0].IstFrage);
  // Erst gekürzt, dann verglichen: auch ein längeres Kürzel mit denselben 11 Zeichen ist doppelt.
  TElement* lang = KuerzelNeu(4, "Turnhalle-Nord");
  EXPECT_EQ(lang->fKuerzel.str(), "Turnhalle-N");
  s.SetDirty(false);
  EXPECT_EQ(KuerzelAendern(a, "Turnhalle-Nordwest"), TKuerzelAenderung::Doppelt);
  EXPECT_EQ(a->fKuerzel.str(), "R101");
  // Gleich dem eigenen Kürzel: nichts geschieht, auch nicht das Kennzeichen.
  EXPECT_EQ(KuerzelAendern(a, "R101"), TKuerzelAenderung::Unveraendert);
  EXPECT_EQ(KuerzelAendern(lang, "Turnhalle-Nordost"), TKuerzelAenderung::Unveraendert);
  EXPECT_EQ(KuerzelAendern(a, ""), TKuerzelAenderung::Unveraendert);
  EXPECT_FALSE(s.fDirty);
  EXPECT_EQ(KuerzelAendern(a, "Aula"), TKuerzelAenderung::Geaendert);
  EXPECT_EQ(a->fKuerzel.str(), "Aula");
  EXPECT_TRUE(s.fDirty);
  // Dasselbe Kürzel in einer anderen Art ist kein Doppel.
  TElement* lehrer = KuerzelNeu(0, "Aula");
  ASSERT_NE(lehrer, nullptr);
}

TEST_F(Kuerzel_, LoeschenOhneKurseOhneFrage) {
  TElement* r = KuerzelNeu(4, "R1");
  EXPECT_TRUE(KuerzelLoeschen(r));
  EXPECT_TRUE(s.fRaumMenge.empty());
  EXPECT_TRUE(u.dialog.fProtokoll.empty());
}

TEST_F(Kuerzel_, LoeschenMitKursenFragtUndNimmtStundenAusDenPlaenen) {
  TLehrer* l = s.HoleLehrer("MUE");
  TKlasse* k = s.HoleKlasse("5a");
  TKurs* kurs = TKurs::IKurs(l, k, nullptr, nullptr, nullptr, 2);
  kurs->NeueSetzung(1, 1, 1, nullptr);
  ASSERT_TRUE(k->fBesetzung.GetWocheTagStd(1, 1, 1));

  u.dialog.Antworte("Nein");
  EXPECT_FALSE(KuerzelLoeschen(l));
  EXPECT_EQ(s.fLehrerMenge.size(), 1u);
  ASSERT_EQ(u.dialog.fProtokoll.size(), 1u);
  const auto& frage = u.dialog.fProtokoll[0];
  EXPECT_EQ(frage.Titel, "Kürzel löschen");
  EXPECT_EQ(frage.Zeilen,
            (std::vector<std::string>{"Zum Kürzel", "MUE", "gibt es noch Daten. Diese Daten werden",
                                      "mitgelöscht. Betroffene Kurse werden aus",
                                      "den Plänen entfernt. Soll das Kürzel ",
                                      "trotzdem gelöscht werden? "}));
  EXPECT_EQ(frage.Knoepfe, (std::vector<std::string>{"Ja", "Nein"}));

  u.dialog.Antworte("Ja");
  EXPECT_TRUE(KuerzelLoeschen(l));
  EXPECT_TRUE(s.fLehrerMenge.empty());
  EXPECT_FALSE(k->fBesetzung.GetWocheTagStd(1, 1, 1));
}

TEST_F(Kuerzel_, SortierenNachLandesspracheUndNurBeiAenderungGeaendert) {
  for (const char* k : {"Zi", "\xC4rz", "Ab", "ab", "Ob", "\xD6l"}) KuerzelNeu(0, k);
  s.SetDirty(false);
  EXPECT_TRUE(KuerzelSortieren(0));
  EXPECT_EQ(Kuerzel(0), (std::vector<std::string>{"ab", "Ab", "\xC4rz", "Ob", "\xD6l", "Zi"}));
  EXPECT_TRUE(s.fDirty);
  s.SetDirty(false);
  EXPECT_FALSE(KuerzelSortieren(0));  // schon sortiert
  EXPECT_FALSE(s.fDirty);
  KuerzelNeu(3, "D");
  s.SetDirty(false);
  EXPECT_FALSE(KuerzelSortieren(3));  // ein Element
  EXPECT_FALSE(s.fDirty);
}

TEST_F(Kuerzel_, ZeileVonFuenfNachZwei) {
  for (const char* k : {"A", "B", "C", "D", "E", "F"}) KuerzelNeu(2, k);
  s.SetDirty(false);
  EXPECT_TRUE(KuerzelVerschieben(2, 4, 1));
  EXPECT_EQ(Kuerzel(2), (std::vector<std::string>{"A", "E", "B", "C", "D", "F"}));
  EXPECT_TRUE(s.fDirty);
  EXPECT_TRUE(KuerzelVerschieben(2, 0, 5));
  EXPECT_EQ(Kuerzel(2), (std::vector<std::string>{"E", "B", "C", "D", "F", "A"}));
  EXPECT_FALSE(KuerzelVerschieben(2, 3, 3));
  EXPECT_FALSE(KuerzelVerschieben(2, 6, 0));
  // Eine Folge mit fremden Elementen wird abgelehnt.
  std::vector<TElement*> fremd = KuerzelListe(2);
  fremd[0] = s.HoleLehrer("L");
  EXPECT_FALSE(KuerzelUmordnen(2, fremd));
  EXPECT_EQ(Kuerzel(2).front(), "E");
}
