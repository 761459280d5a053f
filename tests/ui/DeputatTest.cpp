// Die Regeln der Deputatsfenster: Texte, Filter, Überschrift, Sortieren, Stil, Gesten, Ziehen.
#include <gtest/gtest.h>

#include "TestUmgebung.h"
#include "model/FachUnit.h"
#include "model/KlassenUnit.h"
#include "model/KopplUnit.h"
#include "model/KursUnit.h"
#include "model/LehrerUnit.h"
#include "model/RaumUnit.h"
#include "model/SchulUnit.h"
#include "settings/StandardUnit.h"
#include "ui/DeputatUnit.h"
#include "ui/QuonAuswahlUnit.h"

using namespace Deputat;

namespace {

class DeputatTest : public ::testing::Test {
 protected:
  TTestUmgebung umgebung;
  TSchule& s = Schule();
  TKurs* Kurs(const char* le, const char* kl, const char* fa, const char* ra, int std) {
    return TKurs::IKurs(s.HoleLehrer(le), s.HoleKlasse(kl), nullptr, s.HoleFach(fa), s.HoleRaum(ra),
                        std);
  }
};

TEST_F(DeputatTest, SpaltenUndZellTexte) {
  Standard().fMitZusatzInfo = true;
  Standard().fMitKursInfo = true;
  std::vector<std::string> titel;
  for (const TSpaltenDef& d : Spalten()) titel.push_back(d.Titel);
  EXPECT_EQ(titel,
            (std::vector<std::string>{"Wert", "Std", "Lehrer", "Fach", "Klasse", "Kopplung", "Raum",
                                      "Fkt.", "S/T", "Ez", "Tab", "nvp", "nzL", "nzK", "Info"}));
  EXPECT_EQ(Spalten().back().Breite, 7 * Standard().fDepStdBreite);
  TKurs* k = Kurs("Mü", "5a", "D", "R1", 4);
  k->fFaktor = 2;
  k->fNichtZaehlenKl = true;
  k->KlasseErgaenzen(s.HoleKlasse("5b"));
  k->fInfo = "Förder";
  EXPECT_EQ(ZellText(*k, TSpalte::Wert), StundenText(8));
  EXPECT_EQ(ZellText(*k, TSpalte::Std), "4");
  EXPECT_EQ(ZellText(*k, TSpalte::Klasse), "5a");
  EXPECT_EQ(ZellText(*k, TSpalte::Raum), "R1");
  EXPECT_EQ(ZellText(*k, TSpalte::Nvp), "0");
  EXPECT_EQ(ZellText(*k, TSpalte::Nzk), "1");
  EXPECT_EQ(ZellText(*k, TSpalte::Info), "Förder");
  // Die Klasse ist fett bei zwei Klassen; "Std" rot, solange Stunden offen sind.
  EXPECT_TRUE(Stil(*k, TSpalte::Klasse).Fett);
  EXPECT_FALSE(Stil(*k, TSpalte::Raum).Fett);
  EXPECT_TRUE(Stil(*k, TSpalte::Std).Rot);
  k->fNichtVerplanen = true;
  EXPECT_FALSE(Stil(*k, TSpalte::Std).Rot);
}

TEST_F(DeputatTest, UeberschriftMitDeputatUndSoll) {
  TLehrer* l = s.HoleLehrer("Mustermann-Langname");
  TKurs* k = TKurs::IKurs(l, s.HoleKlasse("5a"), nullptr, s.HoleFach("D"), nullptr, 4);
  k->fFaktor = 1;
  l->SetSoll(0, 25);
  // "Deputat " und Kürzel zusammen höchstens 19 Zeichen; Deputat und Soll ungekürzt.
  EXPECT_EQ(Titel(l), "Deputat Mustermann-" + std::string(" [") + StundenText(4) + "/" +
                          StundenText(25) + "]");
  EXPECT_EQ(Titel(s.HoleFach("D")), "Deputat D");
  EXPECT_EQ(Titel(nullptr), "alle Kurse");
}

TEST_F(DeputatTest, FilterNachTastenUndNullStunden) {
  TKurs* a = Kurs("A", "5a", "D", "", 0);
  TKurs* b = Kurs("A", "5a", "E", "", 2);
  TKurs* c = Kurs("A", "5a", "M", "", 2);
  c->KopplungErgaenzen(s.HoleKopplung("K1"));
  const std::vector<TKurs*> alle = {a, b, c};
  EXPECT_EQ(Zeilen(alle, FilterAus(0)).size(), 3u);
  Standard().fMitNullStd = false;
  EXPECT_EQ(Zeilen(alle, FilterAus(0)), (std::vector<TKurs*>{b, c}));
  EXPECT_EQ(Zeilen(alle, FilterAus(umAlt)), (std::vector<TKurs*>{c}));
  c->fNichtVerplanen = true;
  EXPECT_TRUE(Zeilen(alle, FilterAus(umAlt | umCtrl)).empty());
  EXPECT_FALSE(FilterAus(umCtrl).NurVerplanbar);
}

TEST_F(DeputatTest, SortiertVollstaendigUndStabilAlsText) {
  // Mehr Zeilen als eine begrenzte Zahl Durchgänge ordnen könnte: die Folge ist ganz sortiert.
  std::vector<TKurs*> zeilen;
  for (int i = 0; i < 40; ++i) zeilen.push_back(Kurs("L", "5a", "F", "", (i * 7) % 12));
  Sortieren(zeilen, TSpalte::Std);
  for (std::size_t i = 1; i < zeilen.size(); ++i)
    EXPECT_LE(ZellText(*zeilen[i - 1], TSpalte::Std), ZellText(*zeilen[i], TSpalte::Std));
  // "10" vor "2"; gleiche Texte behalten ihre Folge.
  TKurs* zehn = Kurs("L", "6a", "F", "", 10);
  TKurs* zwei1 = Kurs("X", "6a", "F", "", 2);
  TKurs* zwei2 = Kurs("Y", "6a", "F", "", 2);
  std::vector<TKurs*> z = {zwei1, zehn, zwei2};
  Sortieren(z, TSpalte::Std);
  EXPECT_EQ(z, (std::vector<TKurs*>{zehn, zwei1, zwei2}));
}

TEST_F(DeputatTest, GestenNachWerkzeugUndSpalte) {
  TKurs* k = Kurs("A", "5a", "D", "R1", 2);
  using T = TToolArt;
  EXPECT_EQ(MausAktion(T::ZeigTool, true, false, TSpalte::Klasse, *k), TAktion::Nichts);
  k->KlasseErgaenzen(s.HoleKlasse("5b"));
  EXPECT_EQ(MausAktion(T::ZeigTool, true, false, TSpalte::Klasse, *k), TAktion::ZeigKlassen);
  EXPECT_EQ(MausAktion(T::ZeigTool, false, false, TSpalte::Klasse, *k), TAktion::Nichts);
  EXPECT_EQ(MausAktion(T::SetzTool, false, false, TSpalte::Wert, *k), TAktion::Faktor);
  EXPECT_EQ(MausAktion(T::SetzTool, false, true, TSpalte::Klasse, *k), TAktion::KlassenMehrfach);
  EXPECT_EQ(MausAktion(T::SetzTool, false, true, TSpalte::Raum, *k), TAktion::RaeumeMehrfach);
  EXPECT_EQ(MausAktion(T::SetzTool, false, false, TSpalte::Tab, *k), TAktion::Tabelle);
  EXPECT_EQ(MausAktion(T::LoeschTool, false, false, TSpalte::Klasse, *k), TAktion::KlasseWegWahl);
  EXPECT_EQ(MausAktion(T::LoeschTool, false, true, TSpalte::Klasse, *k), TAktion::KlassenAlleWeg);
  EXPECT_EQ(MausAktion(T::LoeschTool, false, false, TSpalte::Raum, *k), TAktion::RaumWeg);
  EXPECT_EQ(MausAktion(T::LoeschTool, false, false, TSpalte::Kopplung, *k), TAktion::Nichts);
  EXPECT_EQ(MausAktion(T::SchiebTool, false, false, TSpalte::Klasse, *k), TAktion::Nichts);

  // Setzen über das Menü: die Wahl wird angewandt; eine Klasse nicht doppelt.
  TKopplung* ko = s.HoleKopplung("K1");
  TMenue m = AktionsMenue(TAktion::Kopplung, *k);
  ASSERT_EQ(m.size(), 1u);
  m.front().Aktion();
  EXPECT_EQ(k->fKopplung, ko);
  EXPECT_FALSE(KlasseDazu(*k, s.HoleKlasse("5a")));
  // Löschen: alle Klassen mit Strg, der Raum über die Raumentfernung.
  EXPECT_TRUE(AktionAusfuehren(TAktion::KlassenAlleWeg, *k));
  EXPECT_TRUE(k->fKlassen.empty());
  EXPECT_TRUE(AktionAusfuehren(TAktion::RaumWeg, *k));
  EXPECT_TRUE(k->fRaeume.empty());
}

// Spalte "Lehrer": das Menü nennt die Lehrer des Fachs (die es durch ihre Kurse kennt); hat das
// Fach keine Lehrer, nennt es alle.
TEST_F(DeputatTest, LehrermenueNenntDieLehrerDesFachsSonstAlle) {
  TKurs* k = Kurs("A", "5a", "D", "R1", 2);
  s.HoleLehrer("B");
  s.HoleLehrer("C");
  auto lehrer = [](const TMenue& m) {
    std::vector<TElement*> v;
    for (const TMenueEintrag& e : m) v.push_back(static_cast<TElement*>(e.Objekt));
    return v;
  };
  EXPECT_EQ(lehrer(AktionsMenue(TAktion::Lehrer, *k)), (std::vector<TElement*>{s.HoleLehrer("A")}));
  TKurs* ohne = TKurs::IKurs(nullptr, s.HoleKlasse("5a"), nullptr, s.HoleFach("BI"), nullptr, 1);
  EXPECT_EQ(lehrer(AktionsMenue(TAktion::Lehrer, *ohne)).size(), 3u);
}

TEST_F(DeputatTest, VerplanterKursFragtVorDemAendern) {
  TKurs* k = Kurs("A", "5a", "D", "", 2);
  k->NeueSetzung(1, 1, 1, nullptr);
  umgebung.dialog.Antworte("Nein");
  EXPECT_FALSE(LehrerSetzen(*k, s.HoleLehrer("B")));
  EXPECT_EQ(k->fLehrer, s.HoleLehrer("A"));
  EXPECT_EQ(umgebung.dialog.fProtokoll.back().Titel, "Kurs ist verplant");
  // Das Fach darf sich auch bei einem gesetzten Kurs ändern.
  EXPECT_TRUE(FachSetzen(*k, s.HoleFach("E")));
}

TEST_F(DeputatTest, LehrerDoppeltInKopplungBleibtGesetzt) {
  TKopplung* ko = s.HoleKopplung("Rel");
  TKurs* a = Kurs("L1", "5a", "ER", "", 2);
  TKurs* b = Kurs("L2", "5a", "KR", "", 2);
  a->KopplungErgaenzen(ko);
  b->KopplungErgaenzen(ko);
  EXPECT_TRUE(LehrerSetzen(*b, s.HoleLehrer("L1")));
  EXPECT_EQ(b->fLehrer, s.HoleLehrer("L1"));
  ASSERT_FALSE(umgebung.dialog.fProtokoll.empty());
  EXPECT_EQ(umgebung.dialog.fProtokoll.back().Titel, "Lehrer doppelt in Kopplung");
  EXPECT_EQ(umgebung.dialog.fProtokoll.back().Text(), "Lehrer L1 ist mehrfach in Rel Kopplung");
}

TEST_F(DeputatTest, ZiehenUebertraegtNurFehlendes) {
  TKurs* von = Kurs("A", "5a", "D", "R1", 2);
  von->KlasseErgaenzen(s.HoleKlasse("5b"));
  von->RaumErgaenzen(s.HoleRaum("R2"), false);
  von->fInfo = "Info";
  TKurs* nach = Kurs("B", "5a", "E", "R2", 2);
  EXPECT_TRUE(Uebertragen(*von, *nach, TSpalte::Klasse));
  ASSERT_EQ(nach->fKlassen.ListeZahlElemente(), 2);
  EXPECT_EQ(nach->fKlassen.ListeNrInhalt(2), s.HoleKlasse("5b"));
  EXPECT_FALSE(Uebertragen(*von, *nach, TSpalte::Klasse));
  EXPECT_TRUE(Uebertragen(*von, *nach, TSpalte::Raum));
  EXPECT_EQ(nach->fRaeume.ListeZahlElemente(), 2);
  EXPECT_TRUE(Uebertragen(*von, *nach, TSpalte::Info));
  EXPECT_EQ(nach->fInfo.str(), "Info");
  EXPECT_FALSE(Uebertragen(*von, *von, TSpalte::Info));
  EXPECT_FALSE(Uebertragen(*von, *nach, TSpalte::Fach));
}

}  // namespace
