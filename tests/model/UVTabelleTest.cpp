// UV-Tabellen ohne Fenster: Aufbau beider Arten, Einfügen, Kopieren, Gesten und Artwechsel.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "TestUmgebung.h"
#include "model/SchulUnit.h"
#include "settings/StandardUnit.h"
#include "ui/StatistikUnit.h"
#include "model/UVTabelleUnit.h"

namespace {

class UVTabelleTest : public ::testing::Test {
 protected:
  UVTabelleTest() {
    mue = s.HoleLehrer("MUE");
    sch = s.HoleLehrer("SCH");
    k5a = s.HoleKlasse("5a");
    k5b = s.HoleKlasse("5b");
    r5a = s.HoleRaum("R5a");
    k5a->fRaum = r5a;
    d = s.HoleFach("D");
    e = s.HoleFach("E");
    m = s.HoleFach("M");
    ku = s.HoleFach("Ku");
    tab = s.HoleUVTab("UV1");
    tab->fIstFach = true;
    for (TFach* f : {d, e, m}) tab->NeuesFach(f);
    tab->NeueKlasse(k5a);
    tab->NeueKlasse(k5b);
  }
  TKurs* Kurs(TLehrer* l, TKlasse* k, TFach* f, int std) {
    return TKurs::IKurs(l, k, nullptr, f, nullptr, std);
  }
  // Jede Zelle zeigt einen Kurs ihres Fachs bzw. Lehrers und ihrer Klasse, keiner steht zweimal
  // in einem Block.
  void PruefeZellen(const TUVRaster& r) {
    std::set<std::pair<const TKurs*, const TKlasse*>> gesehen;
    for (int z = 1; z <= r.Zeilen(); ++z)
      for (int c = 1; c <= r.Spalten(); ++c) {
        const TKurs* k = r.Kurs(c, z);
        if (!k) continue;
        TKlasse* kl = r.KlasseVon(c, z);
        ASSERT_NE(kl, nullptr);
        EXPECT_TRUE(const_cast<TKurs*>(k)->fKlassen.ListeElemEnthalten(kl));
        if (r.IstFach())
          EXPECT_EQ(k->fFach, r.FachVon(c, z));
        else
          EXPECT_EQ(k->fLehrer, r.LehrerVon(c, z));
        EXPECT_TRUE(gesehen.insert({k, kl}).second) << "doppelt in " << kl->fKuerzel.str();
      }
  }
  TTestUmgebung u;
  TSchule& s = u.schule();
  TStandard& st = u.standard;
  TLehrer *mue, *sch;
  TKlasse *k5a, *k5b;
  TRaum* r5a;
  TFach *d, *e, *m, *ku;
  TUVTab* tab;
};

TEST_F(UVTabelleTest, FachtabelleZweiKurseEinesFachsZweiZeilenGemeinsamerKursInJedemBlock) {
  TKurs* d1 = Kurs(mue, k5a, d, 4);
  TKurs* d2 = Kurs(sch, k5a, d, 1);
  TKurs* e1 = Kurs(sch, k5a, e, 3);
  TKurs* mm = Kurs(mue, k5a, m, 4);
  mm->KlasseErgaenzen(k5b);
  Kurs(mue, k5a, ku, 2);     // Fach nicht in der Tabelle
  Kurs(mue, nullptr, d, 2);  // ohne Klasse
  TUVRaster r;
  r.Aufbauen(*tab);
  ASSERT_EQ(r.Spalten(), 3);
  ASSERT_EQ(r.Zeilen(), 3);
  EXPECT_EQ(r.ZeilenKopf(1), k5a);
  EXPECT_EQ(r.ZeilenKopf(2), k5a);
  EXPECT_EQ(r.ZeilenKopf(3), k5b);
  EXPECT_EQ(r.SpaltenKopf(1), d);
  EXPECT_EQ(r.SpaltenKopf(3), m);
  EXPECT_EQ(r.Kurs(1, 1), d1);
  EXPECT_EQ(r.Kurs(1, 2), d2);
  EXPECT_EQ(r.Kurs(2, 1), e1);
  EXPECT_EQ(r.Kurs(2, 2), nullptr);
  EXPECT_EQ(r.ZellenVon(mm), (std::vector<std::pair<int, int>>{{3, 1}, {3, 3}}));
  PruefeZellen(r);
  // Der Kurs ist schon da: nichts geschieht; ein neuer dritter D-Kurs bekommt eine neue Zeile
  // hinter dem Block, die Zeilen darunter rücken nach unten.
  EXPECT_TRUE(r.KursEinfuegen(d1));
  EXPECT_EQ(r.Zeilen(), 3);
  TKurs* d3 = Kurs(mue, k5a, d, 1);
  EXPECT_TRUE(r.KursEinfuegen(d3));
  ASSERT_EQ(r.Zeilen(), 4);
  EXPECT_EQ(r.Kurs(1, 3), d3);
  EXPECT_EQ(r.ZeilenKopf(3), k5a);
  EXPECT_EQ(r.ZeilenKopf(4), k5b);
  EXPECT_EQ(r.Kurs(3, 4), mm);
  PruefeZellen(r);
  r.KursLoeschen(mm);
  EXPECT_FALSE(r.Zeigt(mm));
}

TEST_F(UVTabelleTest, LehrertabelleSpaltenblockUndKopfartenGeprueft) {
  tab->fIstFach = false;
  tab->NeuerLehrer(mue);
  tab->NeuerLehrer(sch);
  TKurs* a = Kurs(mue, k5a, d, 4);
  TKurs* b = Kurs(mue, k5a, m, 4);
  TKurs* c = Kurs(sch, k5b, e, 2);
  TUVRaster r;
  r.Aufbauen(*tab);
  EXPECT_EQ(UVEcke(r.IstFach()), "LK");
  ASSERT_EQ(r.Zeilen(), 2);
  ASSERT_EQ(r.Spalten(), 3);  // 5a zwei Spalten, 5b eine
  EXPECT_EQ(r.SpaltenKopf(1), k5a);
  EXPECT_EQ(r.SpaltenKopf(2), k5a);
  EXPECT_EQ(r.Kurs(1, 1), a);
  EXPECT_EQ(r.Kurs(2, 1), b);
  EXPECT_EQ(r.Kurs(3, 2), c);
  // Die Köpfe werden nach ihrer Art gelesen: in der Lehrertabelle ist die Zeile kein Fach und die
  // Spalte kein Lehrer.
  EXPECT_EQ(r.FachVon(1, 1), nullptr);
  EXPECT_EQ(r.LehrerVon(1, 1), mue);
  EXPECT_EQ(r.KlasseVon(1, 1), k5a);
  EXPECT_FALSE(r.ZeileEinfuegen(1, k5a));
  EXPECT_FALSE(r.FachErgaenzen(ku));
  EXPECT_EQ(UVSetzKurs(r, 1, 2, k5b), nullptr);  // eine Klasse ist kein Fach
  EXPECT_TRUE(r.SpalteEinfuegen(3, k5a));
  ASSERT_EQ(r.Spalten(), 4);
  EXPECT_EQ(r.Kurs(3, 1), nullptr);
  EXPECT_EQ(r.Kurs(4, 2), c);
  PruefeZellen(r);
}

TEST_F(UVTabelleTest, ElementeKommenAnIhrenPlatzNachReihe) {
  TKlasse* k5c = s.HoleKlasse("5c");
  TKurs* a = Kurs(mue, k5c, e, 2);
  TUVRaster r;
  r.Aufbauen(*tab);
  EXPECT_FALSE(r.KlasseErgaenzen(k5a));  // schon da
  k5c->fReihe = k5a->fReihe;             // sortiert nicht vor 5a: kommt vor 5a
  EXPECT_TRUE(r.KlasseErgaenzen(k5c));
  EXPECT_EQ(r.ZeilenKopf(1), k5c);
  EXPECT_EQ(r.Kurs(2, 1), a);
  const int vorher = r.Spalten();
  ku->fReihe = e->fReihe + 0;  // zwischen D und E
  EXPECT_TRUE(r.FachErgaenzen(ku));
  EXPECT_EQ(r.Spalten(), vorher + 1);
  EXPECT_EQ(r.SpaltenKopf(2), ku);
  EXPECT_EQ(r.Kurs(3, 1), a);
  EXPECT_FALSE(r.LehrerErgaenzen(mue));  // die Fachtabelle zeigt keine Lehrer
  r.ElementEntfernen(k5c);
  EXPECT_FALSE(r.Zeigt(a));
  EXPECT_EQ(r.ZeilenKopf(1), k5a);
  PruefeZellen(r);
}

TEST_F(UVTabelleTest, NachfuehrenFolgtKursaenderungenAnderswo) {
  TKurs* a = Kurs(mue, k5a, d, 4);
  TUVRaster r;
  r.Aufbauen(*tab);
  ASSERT_TRUE(r.ZeileEinfuegen(2, k5a));
  EXPECT_FALSE(r.Nachfuehren());
  // Das Fach wechselt im Kursfenster: die Zelle wird leer, der Kurs steht in seiner Spalte.
  a->FachErgaenzen(m);
  EXPECT_TRUE(r.Nachfuehren());
  EXPECT_EQ(r.ZellenVon(a), (std::vector<std::pair<int, int>>{{3, 1}}));
  // Ein neuer Kurs einer Klasse der Tabelle kommt dazu; die leere Zeile bleibt.
  TKurs* b = Kurs(sch, k5b, e, 2);
  EXPECT_TRUE(r.Nachfuehren());
  EXPECT_EQ(r.Kurs(2, 3), b);
  EXPECT_EQ(r.Zeilen(), 3);
  // Eine Klasse fällt aus dem Kurs: er verschwindet aus ihrem Block.
  b->KlasseErgaenzen(k5a);
  b->KlasseEntfernen(k5b);
  EXPECT_TRUE(r.Nachfuehren());
  EXPECT_EQ(r.ZellenVon(b), (std::vector<std::pair<int, int>>{{2, 1}}));
  PruefeZellen(r);
}

TEST_F(UVTabelleTest, ListenAbgleichenBehaeltEingefuegteZeilen) {
  TKurs* a = Kurs(mue, k5a, ku, 2);
  TUVRaster r;
  r.Aufbauen(*tab);
  ASSERT_TRUE(r.ZeileEinfuegen(2, k5a));
  EXPECT_FALSE(r.ListenAbgleichen(*tab));
  tab->NeuesFach(ku);
  EXPECT_TRUE(r.ListenAbgleichen(*tab));
  EXPECT_EQ(r.Spalten(), 4);
  EXPECT_EQ(r.Zeilen(), 3);  // die leere Zeile der 5a bleibt
  EXPECT_EQ(r.ZellenVon(a), (std::vector<std::pair<int, int>>{{4, 1}}));
  tab->KlasseEntfernen(k5a);
  EXPECT_TRUE(r.ListenAbgleichen(*tab));
  EXPECT_EQ(r.Zeilen(), 1);
  EXPECT_EQ(r.ZeilenKopf(1), k5b);
  EXPECT_FALSE(r.Zeigt(a));
  tab->fIstFach = false;
  EXPECT_TRUE(r.ListenAbgleichen(*tab));
  EXPECT_FALSE(r.IstFach());
  EXPECT_EQ(r.Zeilen(), 0);
  EXPECT_EQ(r.Spalten(), 1);
}

TEST_F(UVTabelleTest, KopierenByteFuerByte) {
  TKopplung* ko = s.HoleKopplung("Ko1");
  TKurs* a = Kurs(mue, k5a, d, 4);
  a->KopplungErgaenzen(ko);
  Kurs(nullptr, k5a, e, 3);  // ohne Lehrer: leerer Name
  Kurs(sch, k5b, m, 5);
  tab->fFaecher.ListeElemEntfernen(m);
  TUVRaster r;
  r.Aufbauen(*tab);
  EXPECT_EQ(UVAlsText(r, true),
            "\t\tD\t\tE\r\n"
            "5a\t 4.0\tKo1\t 3.0\t\r\n"
            "5b\t0\t\t0\t\r\n");
  EXPECT_EQ(UVAlsText(r, false),
            "\t\tD\t\tE\r\n"
            "5a\t 4.0\tMUE\t 3.0\t\r\n"
            "5b\t0\t\t0\t\r\n");
  const TUVZellBild ohne = UVZellBild(r, 2, 1, false);
  EXPECT_TRUE(ohne.MitKurs);
  EXPECT_TRUE(ohne.WertRot);
  EXPECT_EQ(ohne.Name, "");
  const TUVZellBild gekoppelt = UVZellBild(r, 1, 1, true);
  EXPECT_FALSE(gekoppelt.WertRot);
  EXPECT_TRUE(gekoppelt.Fett);
  EXPECT_EQ(gekoppelt.Name, "Ko1");
  // Eine Tabelle ohne Klassen: nur die Kopfzeile.
  tab->fKlassen.ListeLeeren();
  r.Aufbauen(*tab);
  EXPECT_EQ(UVAlsText(r, true), "\t\tD\t\tE\r\n");
}

TEST_F(UVTabelleTest, KursiveZelleUndRoterKlassenkopf) {
  TKurs* mm = Kurs(mue, k5a, m, 4);
  mm->KlasseErgaenzen(k5b);
  TUVRaster r;
  r.Aufbauen(*tab);
  EXPECT_FALSE(UVZellBild(r, 3, 1, true).Kursiv);
  EXPECT_TRUE(UVZellBild(r, 3, 2, true).Kursiv);  // 5b ist nicht die erste Klasse
  k5a->SetSoll(-1, 4);
  TUVKopfBild kopf = UVKopfBild(k5a);
  EXPECT_TRUE(kopf.MitRest);
  EXPECT_EQ(kopf.Rest, " 0.0");
  EXPECT_FALSE(kopf.RestRot);
  Kurs(sch, k5a, e, 1);
  kopf = UVKopfBild(k5a);
  EXPECT_EQ(kopf.Rest, "-1.0");
  EXPECT_TRUE(kopf.RestRot);
  EXPECT_FALSE(UVKopfBild(d).MitRest);
  EXPECT_EQ(UVKopfBild(d).Kuerzel, "D");
}

TEST_F(UVTabelleTest, DoppelklickAufLeereZelleLegtGenauEinenKursInDieseZelle) {
  Kurs(mue, k5a, d, 4);
  TUVRaster r;
  r.Aufbauen(*tab);
  ASSERT_TRUE(r.ZeileEinfuegen(2, k5a));  // leere zweite Zeile der 5a
  const int kurse = s.fKursMenge.ListeZahlElemente();
  s.SetDirty(false);
  TKurs* neu = UVNeuerKurs(r, 2, 2);
  ASSERT_NE(neu, nullptr);
  EXPECT_EQ(r.Kurs(2, 2), neu);  // in die angeklickte Zeile, nicht in die erste freie
  EXPECT_EQ(r.Kurs(2, 1), nullptr);
  EXPECT_EQ(neu->fFach, e);
  EXPECT_EQ(neu->fLehrer, nullptr);
  EXPECT_EQ(neu->fKlassen.ListeNrInhalt(1), k5a);
  EXPECT_EQ(neu->fRaeume.ListeNrInhalt(1), r5a);
  EXPECT_EQ(neu->fStunden.GetWochenStunde(-1), st.fKursStd);
  EXPECT_TRUE(s.fDirty);
  // Ein zweiter Doppelklick auf dieselbe Zelle legt keinen zweiten Kurs an.
  EXPECT_EQ(UVNeuerKurs(r, 2, 2), nullptr);
  EXPECT_EQ(s.fKursMenge.ListeZahlElemente(), kurse + 1);
  // Kopfzellen und Zellen außerhalb legen nichts an.
  EXPECT_EQ(UVNeuerKurs(r, 0, 1), nullptr);
  EXPECT_EQ(UVNeuerKurs(r, 9, 1), nullptr);
  PruefeZellen(r);
}

TEST_F(UVTabelleTest, SetzenAufLeereZelleMitGewaehltemElement) {
  tab->fIstFach = false;
  tab->NeuerLehrer(sch);
  sch->fRaum = s.HoleRaum("R9");
  TUVRaster r;
  r.Aufbauen(*tab);
  // 5b hat keinen Stammraum: der Raum des Lehrers.
  EXPECT_EQ(UVSetzKurs(r, 2, 1, mue), nullptr);  // ein Lehrer ist kein Fach
  TKurs* neu = UVSetzKurs(r, 2, 1, e);
  ASSERT_NE(neu, nullptr);
  EXPECT_EQ(neu->fLehrer, sch);
  EXPECT_EQ(neu->fFach, e);
  EXPECT_EQ(neu->fKlassen.ListeNrInhalt(1), k5b);
  EXPECT_EQ(neu->fRaeume.ListeNrInhalt(1), sch->fRaum);
  EXPECT_EQ(r.Kurs(2, 1), neu);
  PruefeZellen(r);
  // Das Menü der leeren Zelle: die Fächer des Lehrers; die Wahl legt den Kurs in die Zelle.
  sch->fFaecher.ListeAnhaengen(m);
  TMenue menue = UVSetzMenue(r, 1, 1);
  const auto wahl = std::find_if(menue.begin(), menue.end(),
                                 [this](const TMenueEintrag& x) { return x.Objekt == m; });
  ASSERT_NE(wahl, menue.end());
  wahl->Aktion();
  ASSERT_NE(r.Kurs(1, 1), nullptr);
  EXPECT_EQ(r.Kurs(1, 1)->fFach, m);
  EXPECT_TRUE(UVSetzMenue(r, 1, 1).empty());  // die Zelle ist jetzt belegt
  PruefeZellen(r);
}

TEST_F(UVTabelleTest, LoeschenNimmtLehrerNurGeaendertenKursen) {
  TKurs* a = Kurs(mue, k5a, d, 4);
  TKurs* b = Kurs(sch, k5a, e, 3);
  TKurs* c = Kurs(mue, k5b, m, 2);
  ASSERT_NE(c->NeueSetzung(1, 1, 1, nullptr), nullptr);
  u.dialog.Antworte("Nein");  // der verplante Kurs bleibt
  UVLoeschen(*a, {a, b, c, a}, true, false);
  EXPECT_EQ(a->fLehrer, nullptr);
  EXPECT_EQ(b->fLehrer, nullptr);
  EXPECT_EQ(c->fLehrer, mue);
  ASSERT_EQ(u.dialog.fProtokoll.size(), 1u);
  EXPECT_EQ(u.dialog.fProtokoll[0].Titel, "Kurs ist verplant");
  // Mit Strg verliert nur der angeklickte Kurs seine Räume.
  a->RaumErgaenzen(r5a, false);
  b->RaumErgaenzen(r5a, false);
  UVLoeschen(*a, {a, b}, true, true);
  EXPECT_TRUE(a->fRaeume.empty());
  EXPECT_FALSE(b->fRaeume.empty());
  // In der Lehrertabelle verliert der Kurs sein Fach.
  UVLoeschen(*b, {b}, false, false);
  EXPECT_EQ(b->fFach, nullptr);
}

TEST_F(UVTabelleTest, ArtwechselBautFensterSofortNeuUndStatistikzeile) {
  TFakeFenster uvFenster(FensterArt::UVTabelle), datenFenster(FensterArt::UVDaten),
      statistik(FensterArt::UVStatistik);
  tab->fDepFenster = &uvFenster;
  tab->fGrDatFenster = &datenFenster;
  s.fUVStatForm = &statistik;
  s.SetDirty(false);
  EXPECT_FALSE(UVArtSetzen(*tab, true));
  EXPECT_EQ(uvFenster.fUpdates, 0);
  EXPECT_TRUE(UVArtSetzen(*tab, false));
  EXPECT_FALSE(tab->fIstFach);
  EXPECT_EQ(uvFenster.fUpdates, 1);
  EXPECT_EQ(datenFenster.fUpdates, 1);
  EXPECT_EQ(statistik.fRefreshs, 1);
  EXPECT_TRUE(s.fDirty);
  EXPECT_EQ(StatZeile(*tab), (std::vector<std::string>{"L", "UV1", ""}));
  EXPECT_EQ(StatTitel(uvt), (std::vector<std::string>{"F/L", "UV-Tab.", "Info"}));
  tab->fDepFenster = nullptr;
  tab->fGrDatFenster = nullptr;
  s.fUVStatForm = nullptr;
}

TEST_F(UVTabelleTest, DatenfensterListenUndAufnehmen) {
  EXPECT_EQ(UVListenTitel(true).Rechts, "UV-Fächer");
  EXPECT_EQ(UVListenTitel(false).LinksKnopf, "Neuer Lehrer");
  EXPECT_EQ(UVListe(*tab, false), (std::vector<TElement*>{d, e, m}));
  EXPECT_FALSE(UVElementAufnehmen(*tab, d));    // schon da
  EXPECT_FALSE(UVElementAufnehmen(*tab, mue));  // Fachtabelle: keine Lehrer
  EXPECT_TRUE(UVElementAufnehmen(*tab, ku));
  EXPECT_EQ(UVListe(*tab, false).back(), ku);
  UVElementEntfernen(*tab, k5a);
  EXPECT_EQ(UVListe(*tab, true), (std::vector<TElement*>{k5b}));
  EXPECT_EQ(UVTitel(*tab), "UV-Tabelle UV1");
  tab->SetKuerzel("ABCDEFGHIJK");
  EXPECT_EQ(UVTitel(*tab), "UV-Tabelle ABCDEFGHIJK");
  EXPECT_EQ(UVTitel(*tab).size(), 22u);
}

}  // namespace
