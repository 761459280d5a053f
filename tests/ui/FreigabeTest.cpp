// Die Freigaben der Palette nach der Art des aktiven Fensters, als Tabelle geprüft.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "ui/FreigabeUnit.h"

namespace {

TPaletteFreigabe Vorher(bool an, TToolArt tool = TToolArt::FixTool,
                        TFensterArt art = TFensterArt::GFenster) {
  TPaletteFreigabe f;
  f.VorNaechster = f.Zeigen = f.Setzen = f.Loeschen = f.Schieben = f.Fixieren = an;
  f.NeuerKurs = f.KursLoeschen = f.Manuell = f.Automatik = an;
  f.FensterSchliessen = f.FensterDrucken = f.AllesAuswaehlen = an;
  f.Werkzeug = tool;
  f.FensterArt = art;
  return f;
}

// Die zehn Spalten der Tabelle: Vor/Nächster, Setzen, Löschen, Schieben, Fixieren, Neuer Kurs,
// Kurs löschen, Manuell, Automatik, Alles auswählen.
std::string Muster(const TPaletteFreigabe& f) {
  std::string s;
  for (bool b : {f.VorNaechster, f.Setzen, f.Loeschen, f.Schieben, f.Fixieren, f.NeuerKurs,
                 f.KursLoeschen, f.Manuell, f.Automatik, f.AllesAuswaehlen})
    s += b ? '+' : '-';
  return s;
}

// Die Zeile einer Art: aus einem Zustand mit allem an und einem mit allem aus berechnet; was in
// beiden gleich herauskommt, setzt die Tabelle, sonst bleibt es (".").
std::string Zeile(int art) {
  const std::string a = Muster(NeueFreigabe(Vorher(true), {art, 1}));
  const std::string b = Muster(NeueFreigabe(Vorher(false), {art, 1}));
  std::string z;
  for (std::size_t i = 0; i < a.size(); ++i) z += a[i] == b[i] ? a[i] : '.';
  return z;
}

TToolArt NeuesWerkzeug(int art, TToolArt alt) {
  return NeueFreigabe(Vorher(true, alt), {art, 1}).Werkzeug;
}

TFensterArt NeueFensterArt(int art, TFensterArt alt) {
  return NeueFreigabe(Vorher(true, TToolArt::ZeigTool, alt), {art, 1}).FensterArt;
}

}  // namespace

TEST(Freigabe, KnoepfeNachFensterart) {
  const std::vector<std::pair<std::vector<int>, std::string>> tabelle = {
      {{FensterArt::LehrerPlan, FensterArt::KlassenPlan, FensterArt::RaumPlan}, "++++++-+-+"},
      {{FensterArt::UVTabelle}, "+++---++++"},
      {{FensterArt::Zwischenablage, FensterArt::Fehler, FensterArt::Stundenverteilung},
       "----------"},
      {{FensterArt::LehrerDeputat, FensterArt::KlassenDeputat, FensterArt::KopplungsDeputat,
        FensterArt::FachDeputat, FensterArt::RaumDeputat},
       "++++-+++++"},
      {{FensterArt::AlleKurse}, "-+++-+++++"},
      {{FensterArt::ParalleleKopplungen}, "-++++---+-"},
      {{FensterArt::LehrerUebersicht, FensterArt::KlassenUebersicht, FensterArt::RaumUebersicht},
       ".++++--+-+"},
      {{FensterArt::LehrerDaten, FensterArt::KlassenDaten}, "+-+--+----"},
      {{FensterArt::KopplungsDaten, FensterArt::FachDaten, FensterArt::RaumDaten}, "+----+----"},
      {{FensterArt::UVDaten}, "+-+-------"},
      {{FensterArt::Kurs}, "+-++------"},
      {{FensterArt::Manuell}, "+++++----+"},
      {{FensterArt::Vertretungen}, "+++------+"},
      {{FensterArt::LehrerStatistik, FensterArt::KlassenStatistik, FensterArt::FachStatistik,
        FensterArt::KopplungsStatistik, FensterArt::RaumStatistik, FensterArt::UVStatistik,
        FensterArt::VertrUebLehrer, FensterArt::VertrUebKlassen},
       "---------+"},
      {{FensterArt::VertretungsWahl}, "+---------"},
      {{FensterArt::WoAusfall}, ".........."},
  };
  for (const auto& [arten, muster] : tabelle)
    for (int art : arten) EXPECT_EQ(Zeile(art), muster) << "Fensterart " << art;
}

TEST(Freigabe, FensterartKnopfNachFensterart) {
  using F = TFensterArt;
  for (F alt : {F::GFenster, F::DFenster, F::PFenster}) {
    for (int art :
         {FensterArt::LehrerPlan, FensterArt::KlassenPlan, FensterArt::RaumPlan,
          FensterArt::LehrerUebersicht, FensterArt::KlassenUebersicht, FensterArt::RaumUebersicht,
          FensterArt::Vertretungen, FensterArt::VertretungsWahl})
      EXPECT_EQ(NeueFensterArt(art, alt), F::PFenster);
    for (int art : {FensterArt::UVTabelle, FensterArt::LehrerDeputat, FensterArt::KlassenDeputat,
                    FensterArt::KopplungsDeputat, FensterArt::FachDeputat, FensterArt::RaumDeputat,
                    FensterArt::AlleKurse})
      EXPECT_EQ(NeueFensterArt(art, alt), F::DFenster);
    for (int art : {FensterArt::Zwischenablage, FensterArt::LehrerDaten, FensterArt::KlassenDaten,
                    FensterArt::KopplungsDaten, FensterArt::FachDaten, FensterArt::RaumDaten,
                    FensterArt::UVDaten})
      EXPECT_EQ(NeueFensterArt(art, alt), F::GFenster);
    for (int art : {FensterArt::Fehler, FensterArt::ParalleleKopplungen, FensterArt::Kurs,
                    FensterArt::Manuell, FensterArt::Stundenverteilung, FensterArt::LehrerStatistik,
                    FensterArt::UVStatistik, FensterArt::VertrUebLehrer,
                    FensterArt::VertrUebKlassen, FensterArt::WoAusfall})
      EXPECT_EQ(NeueFensterArt(art, alt), alt);
  }
}

TEST(Freigabe, WerkzeugWirdZuZeigenWoEsNichtGilt) {
  using W = TToolArt;
  const W alle[] = {W::ZeigTool, W::SetzTool, W::LoeschTool, W::SchiebTool, W::FixTool};
  // Planfenster, Prüfergebnisse, Parallelkopplungen, Übersichten, Kurs, Manuell, Statistik:
  // jedes Werkzeug bleibt.
  for (int art : {FensterArt::LehrerPlan, FensterArt::Fehler, FensterArt::ParalleleKopplungen,
                  FensterArt::LehrerUebersicht, FensterArt::Kurs, FensterArt::Manuell,
                  FensterArt::Stundenverteilung, FensterArt::LehrerStatistik,
                  FensterArt::VertrUebLehrer, FensterArt::WoAusfall})
    for (W w : alle) EXPECT_EQ(NeuesWerkzeug(art, w), w) << art;
  // UV-Tabelle und Vertretungen: Schieben und Fixieren werden Zeigen.
  for (int art : {FensterArt::UVTabelle, FensterArt::Vertretungen}) {
    EXPECT_EQ(NeuesWerkzeug(art, W::SetzTool), W::SetzTool);
    EXPECT_EQ(NeuesWerkzeug(art, W::LoeschTool), W::LoeschTool);
    EXPECT_EQ(NeuesWerkzeug(art, W::SchiebTool), W::ZeigTool);
    EXPECT_EQ(NeuesWerkzeug(art, W::FixTool), W::ZeigTool);
  }
  // Deputate und "alle Kurse": nur Fixieren wird Zeigen.
  for (int art : {FensterArt::LehrerDeputat, FensterArt::RaumDeputat, FensterArt::AlleKurse}) {
    EXPECT_EQ(NeuesWerkzeug(art, W::SchiebTool), W::SchiebTool);
    EXPECT_EQ(NeuesWerkzeug(art, W::FixTool), W::ZeigTool);
  }
  // Lehrer-, Klassen-, UV-Daten: alles außer Zeigen und Löschen wird Zeigen.
  for (int art : {FensterArt::LehrerDaten, FensterArt::KlassenDaten, FensterArt::UVDaten}) {
    EXPECT_EQ(NeuesWerkzeug(art, W::LoeschTool), W::LoeschTool);
    EXPECT_EQ(NeuesWerkzeug(art, W::SetzTool), W::ZeigTool);
    EXPECT_EQ(NeuesWerkzeug(art, W::SchiebTool), W::ZeigTool);
  }
  // Zwischenablage, Kopplungs-, Fach-, Raumdaten, Vertretungswahl: immer Zeigen.
  for (int art : {FensterArt::Zwischenablage, FensterArt::KopplungsDaten, FensterArt::FachDaten,
                  FensterArt::RaumDaten, FensterArt::VertretungsWahl})
    for (W w : alle) EXPECT_EQ(NeuesWerkzeug(art, w), W::ZeigTool) << art;
}

TEST(Freigabe, OhneAktivesFensterIstFastAllesAus) {
  const TPaletteFreigabe f =
      NeueFreigabe(Vorher(true, TToolArt::SchiebTool, TFensterArt::PFenster), {0, 1});
  EXPECT_EQ(Muster(f), "----------");
  EXPECT_FALSE(f.Zeigen);
  EXPECT_FALSE(f.FensterSchliessen);
  EXPECT_FALSE(f.FensterDrucken);
  EXPECT_EQ(f.Werkzeug, TToolArt::ZeigTool);
  // Die Fensterart bleibt, wie sie gewählt war.
  EXPECT_EQ(f.FensterArt, TFensterArt::PFenster);
  EXPECT_FALSE(f.WzNeuerKurs || f.WzKursLoeschen || f.WzSetzen || f.WzLoeschen || f.WzSchieben ||
               f.WzFixieren || f.WzManuell || f.WzAutomatik);
}

TEST(Freigabe, MitAktivemFensterSchliessenUndDrucken) {
  for (int art : {FensterArt::LehrerPlan, FensterArt::Zwischenablage, FensterArt::Kurs,
                  FensterArt::WoAusfall}) {
    const TPaletteFreigabe f = NeueFreigabe(Vorher(false), {art, 1});
    EXPECT_TRUE(f.FensterSchliessen) << art;
    EXPECT_TRUE(f.FensterDrucken) << art;
  }
}

TEST(Freigabe, PlanversionenNurBeiMehrerenVersionen) {
  for (int aktiv : {0, FensterArt::LehrerPlan}) {
    const TPaletteFreigabe eine = NeueFreigabe(Vorher(true), {aktiv, 1});
    EXPECT_FALSE(eine.Planversionen);
    EXPECT_FALSE(eine.Versionsunterschiede);
    const TPaletteFreigabe zwei = NeueFreigabe(Vorher(false), {aktiv, 2});
    EXPECT_TRUE(zwei.Planversionen);
    EXPECT_TRUE(zwei.Versionsunterschiede);
  }
}

TEST(Freigabe, WerkzeugeintraegeFolgenDenKnoepfenMitAusnahmen) {
  // Planfenster: "Manuell" ist als Knopf an, als Eintrag aus.
  TPaletteFreigabe p = NeueFreigabe(Vorher(false), {FensterArt::KlassenPlan, 1});
  EXPECT_TRUE(p.Manuell);
  EXPECT_FALSE(p.WzManuell);
  EXPECT_TRUE(p.WzNeuerKurs);
  EXPECT_TRUE(p.WzSetzen && p.WzLoeschen && p.WzSchieben && p.WzFixieren);
  EXPECT_FALSE(p.WzKursLoeschen);
  // Übersichten: "Neuer Kurs" aus, "Manuell" an; Vor/Nächster bleibt, der Eintrag folgt.
  TPaletteFreigabe u = NeueFreigabe(Vorher(true), {FensterArt::LehrerUebersicht, 1});
  EXPECT_FALSE(u.WzNeuerKurs);
  EXPECT_TRUE(u.WzManuell);
  // Deputat: alles wie die Knöpfe.
  TPaletteFreigabe d = NeueFreigabe(Vorher(false), {FensterArt::LehrerDeputat, 1});
  EXPECT_EQ(d.WzNeuerKurs, d.NeuerKurs);
  EXPECT_EQ(d.WzKursLoeschen, d.KursLoeschen);
  EXPECT_EQ(d.WzFixieren, d.Fixieren);
  EXPECT_EQ(d.WzAutomatik, d.Automatik);
  EXPECT_TRUE(d.Zeigen);
}

TEST(Freigabe, SchulBefehle) {
  const TSchulFreigabe ohne = SchulFreigabe(false);
  EXPECT_TRUE(ohne.Neu);
  EXPECT_FALSE(ohne.MitSchule);
  EXPECT_FALSE(ohne.Sichern);
  EXPECT_TRUE(ohne.Import);
  const TSchulFreigabe offen = SchulFreigabe(true);
  EXPECT_FALSE(offen.Neu);
  EXPECT_TRUE(offen.MitSchule);
  EXPECT_TRUE(offen.Sichern);  // auch unverändert
  EXPECT_TRUE(offen.Import);
}

// Jede Fensterart, die etwas zu drucken hat, öffnet ihren Druck; alle anderen keinen.
TEST(Freigabe, FensterDruckenNachArtDesFensters) {
  using D = TFensterDruck;
  namespace A = FensterArt;
  const std::map<int, TFensterDruckWahl> soll = {
      {A::LehrerPlan, {D::Plaene, 0}},
      {A::KlassenPlan, {D::Plaene, 1}},
      {A::RaumPlan, {D::Plaene, 2}},
      {A::UVTabelle, {D::UVTabelle, 0}},
      {A::Fehler, {D::Fehlerliste, 0}},
      {A::LehrerDeputat, {D::Deputate, 0}},
      {A::KlassenDeputat, {D::Deputate, 1}},
      {A::KopplungsDeputat, {D::Deputate, 2}},
      {A::FachDeputat, {D::Deputate, 3}},
      {A::RaumDeputat, {D::Deputate, 4}},
      {A::AlleKurse, {D::Deputate, 5}},
      {A::ParalleleKopplungen, {D::ParKopplungen, 0}},
      {A::LehrerUebersicht, {D::Uebersicht, 0}},
      {A::KlassenUebersicht, {D::Uebersicht, 1}},
      {A::RaumUebersicht, {D::Uebersicht, 2}},
      {A::LehrerDaten, {D::Bild, 0}},
      {A::KlassenDaten, {D::Bild, 0}},
      {A::KopplungsDaten, {D::Bild, 0}},
      {A::FachDaten, {D::Bild, 0}},
      {A::RaumDaten, {D::Bild, 0}},
      {A::UVDaten, {D::Bild, 0}},
      {A::Kurs, {D::Bild, 0}},
      {A::Vertretungen, {D::Vertretungsplan, 0}},
      {A::Stundenverteilung, {D::Stundenverteilung, 0}},
      {A::LehrerStatistik, {D::Reststunden, 0}},
      {A::KlassenStatistik, {D::Reststunden, 1}},
      {A::FachStatistik, {D::Reststunden, 2}},
      {A::KopplungsStatistik, {D::Bild, 0}},
      {A::RaumStatistik, {D::Bild, 0}},
      {A::UVStatistik, {D::Bild, 0}},
      {A::VertretungsWahl, {D::Vertretungsplan, 0}},
      {A::VertrUebLehrer, {D::VertrUebersicht, 0}},
      {A::VertrUebKlassen, {D::VertrUebersicht, 1}},
      {A::WoAusfall, {D::WoAusfall, 0}},
  };
  for (int art = 0; art <= 100; ++art) {
    const auto it = soll.find(art);
    EXPECT_EQ(FensterDruck(art), it == soll.end() ? TFensterDruckWahl{} : it->second) << art;
  }
  // Ohne Druck: Zwischenablage, Manuell und die Palette.
  for (int art : {A::Palette, A::Zwischenablage, A::Manuell})
    EXPECT_EQ(FensterDruck(art).Druck, D::Keiner) << art;
}
