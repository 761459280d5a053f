// Die Freigaben der Palette nach der Art des aktiven Fensters, als Tabelle geprüft.
#include <gtest/gtest.h>

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
  const TSchulFreigabe ohne = SchulFreigabe(false, false);
  EXPECT_TRUE(ohne.Neu);
  EXPECT_FALSE(ohne.MitSchule);
  EXPECT_FALSE(ohne.Sichern);
  EXPECT_TRUE(ohne.Import);
  const TSchulFreigabe offen = SchulFreigabe(true, false);
  EXPECT_FALSE(offen.Neu);
  EXPECT_TRUE(offen.MitSchule);
  EXPECT_FALSE(offen.Sichern);
  EXPECT_TRUE(offen.Import);
  EXPECT_TRUE(SchulFreigabe(true, true).Sichern);
}

TEST(Freigabe, FensterDruckenNachArtDesFensters) {
  EXPECT_EQ(FensterDruckArt(FensterArt::LehrerPlan), 0);
  EXPECT_EQ(FensterDruckArt(FensterArt::KlassenPlan), 1);
  EXPECT_EQ(FensterDruckArt(FensterArt::RaumPlan), 2);
  EXPECT_EQ(FensterDruckArt(FensterArt::Fehler), 5);
  EXPECT_EQ(FensterDruckArt(FensterArt::ParalleleKopplungen), 6);
  EXPECT_EQ(FensterDruckArt(FensterArt::UVTabelle), 7);
  EXPECT_EQ(FensterDruckArt(FensterArt::VertrUebLehrer), 8);
  EXPECT_EQ(FensterDruckArt(FensterArt::VertrUebKlassen), 9);
  EXPECT_EQ(FensterDruckArt(FensterArt::Vertretungen), 10);
  for (int art : {0, 8, 13, FensterArt::LehrerDeputat, FensterArt::LehrerDaten, FensterArt::Manuell,
                  70, FensterArt::VertretungsWahl, FensterArt::WoAusfall})
    EXPECT_EQ(FensterDruckArt(art), -1) << art;
}
