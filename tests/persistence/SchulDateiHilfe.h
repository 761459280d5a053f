// Eine kleine Schule mit allem, was die Schuldatei hält, einmal im Modell gebaut und einmal als
// die Datei, die der Schreiber dafür liefern muss (von Hand nach dem Dateiaufbau).
#pragma once

#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "RohDateiHilfe.h"
#include "TestUmgebung.h"
#include "model/SchulUnit.h"
#include "settings/StandardUnit.h"

// Heute ist in der Testumgebung der 9.12.2026 (Tag 46365).
inline constexpr TDateTime kHeute = 46365;

struct TKleineSchule {
  TLehrer *mue = nullptr, *sch = nullptr;
  TKlasse *k5a = nullptr, *q1 = nullptr;
  TKopplung* rel5 = nullptr;
  TFach *d = nullptr, *e = nullptr;
  TRaum *r101 = nullptr, *ph1 = nullptr;
  TUVTab *uv1 = nullptr, *uv2 = nullptr;
  TKurs *k1 = nullptr, *k2 = nullptr;
  TVertretung *v1 = nullptr, *v2 = nullptr;
  TFakeFenster fenster{FensterArt::LehrerPlan, "MÜL"};
  // Das Fenster meldet sich ab, bevor es vergeht.
  ~TKleineSchule() {
    if (SchuleVorhanden()) Schule().FensterAbmelden(&fenster);
  }
};

// Baut die kleine Schule in der eingesetzten Schule (zwei Planversionen, Ein-Wochen-Modus in
// Woche 1, wie die Vorgaben der Einstellungen).
inline void BaueKleineSchule(TSchule& s, TKleineSchule& k) {
  s.VersionErweitern(2);
  s.SetzeKalender(1, 2);
  s.SetzeKalender(832, 2);  // die Kalenderwoche von heute
  s.SetzeKalender(888, 2);
  s.fGrWoBereich.SetWocheTag(1, 1, 0x0003);
  s.fUEWoBereich.SetWocheTag(2, 7, 0x8000);

  k.mue = s.HoleLehrer("M\xDCL");
  k.sch = s.HoleLehrer("SCH");
  k.k5a = s.HoleKlasse("5a");
  k.q1 = s.HoleKlasse("Q1");
  k.rel5 = s.HoleKopplung("Rel5");
  k.d = s.HoleFach("D");
  k.e = s.HoleFach("E");
  k.r101 = s.HoleRaum("R101");
  k.ph1 = s.HoleRaum("Ph1");
  k.uv1 = s.HoleUVTab("UV1");
  k.uv2 = s.HoleUVTab("UV2");

  k.mue->SetInfo("M\xFCller, Anna");
  k.mue->SetSoll(1, 25);
  k.mue->SetSoll(2, 24);
  k.mue->fRaum = k.r101;
  k.mue->NeuesFach(k.d);
  k.mue->NeuesFach(k.e);
  k.mue->fSperrung.SetWocheTagStd(1, 1, 1, true);
  k.mue->fVStunden1 = 3;
  k.mue->fVStunden2 = -2;
  k.mue->fFreierTag = true;
  k.sch->SetInfo("Schmidt");

  k.k5a->SetInfo("Klasse 5a");
  k.k5a->SetSoll(1, 30);
  k.k5a->SetSoll(2, 31);
  k.k5a->fRaum = k.r101;
  k.k5a->fLehrer1 = k.mue;
  k.k5a->fKopDop = true;
  k.k5a->fSperrung.SetWocheTag(2, 5, 0x00C0);
  k.q1->fLehrer1 = k.sch;

  k.rel5->SetInfo("Religion 5");
  k.d->SetInfo("Deutsch");
  k.e->SetInfo("Englisch");
  k.r101->SetInfo("Raum 101");
  k.r101->fSperrung.SetWocheTagStd(1, 3, 16, true);
  k.ph1->SetInfo("Physik");

  k.uv1->fIstFach = true;
  k.uv1->NeuesFach(k.e);
  k.uv1->NeuesFach(k.d);
  k.uv1->NeueKlasse(k.k5a);
  k.uv2->NeuerLehrer(k.sch);
  k.uv2->NeuerLehrer(k.mue);
  k.uv2->NeueKlasse(k.q1);

  k.k1 = TKurs::IKurs(k.mue, k.k5a, k.rel5, k.d, k.r101, 3);
  k.k1->fStunden.SetWochenStunde(2, 2);
  k.k1->KlasseErgaenzen(k.q1);
  k.k1->RaumErgaenzen(k.ph1, true);
  k.k1->NeueSetzung(1, 2, 3, k.r101);
  k.k1->NeueSetzung(2, 1, 1, nullptr);
  k.k1->NeueSetzung(1, 1, 5, k.ph1);
  k.k1->SetzungFinden(1, 2, 3)->fFixiert = true;
  k.k1->fInfo = "GK 1";
  k.k1->fFaktor = 2;
  k.k1->fEinzelStd = 1;
  k.k1->fNichtZaehlenKl = true;
  k.k1->fSperrung.SetWocheTagStd(1, 4, 2, true);
  k.k1->fStdProTag = 2;
  k.k1->fTabellenNr = 3;
  k.k1->fColor = 0x102030;
  k.k2 = TKurs::IKurs(nullptr, nullptr, nullptr, nullptr, nullptr, 1);
  k.k2->fNichtVerplanen = true;

  // Zwei verknüpfte Vertretungen; die zweite steht in der Liste der Schule zuerst.
  auto v2 = std::make_unique<TVertretung>();
  v2->fDatum = kHeute + 1.5;
  v2->fKurs = k.k1;
  v2->fSetzung = k.k1->SetzungFinden(2, 1, 1);
  v2->fFach = k.d;
  v2->fFrei = true;
  k.v2 = s.VertretungAufnehmen(std::move(v2));
  auto v1 = std::make_unique<TVertretung>();
  v1->fDatum = kHeute + 2.5;
  v1->fKurs = k.k1;
  v1->fSetzung = k.k1->SetzungFinden(1, 2, 3);
  v1->fLehrer = k.sch;
  v1->fRaum = k.ph1;
  v1->fFach = k.e;
  v1->fLInfo = "statt Mathe";
  v1->fSInfo = "Raum Ph1";
  v1->fGueltig = true;
  v1->fAngerechnet = true;
  k.v1 = s.VertretungAufnehmen(std::move(v1));
  k.v1->fZu = k.v2;
  k.v2->fVon = k.v1;

  auto fehl = [](TEigenListe<TFehl>& liste, TDateTime datum, TPlanElement* e, std::int32_t zeit,
                 const char* grund) {
    auto f = std::make_unique<TFehl>();
    f->fDatum = datum;
    f->fElement = e;
    f->fZeit = zeit;
    f->fHilfe = zeit;
    f->fGrund = grund;
    liste.ListeAnhaengen(std::move(f));
  };
  fehl(s.fFehlLehrerMenge, kHeute + 0.5, k.mue, 0xA000, "K");
  fehl(s.fFehlKlassenMenge, kHeute + 1.5, k.k5a, 0x0001, "-");
  fehl(s.fFehlRaumMenge, kHeute - 4.5, k.ph1, 0xFFFF, "W");

  s.fParListe->fZeilen = 1;
  s.fParListe->fSpalten = 2;
  s.fParListe->fListe = {k.rel5, nullptr};

  k.fenster.fLage = {10, 20, 300, 200};
  s.FensterAnmelden(&k.fenster);
  s.fGespeicherteFenster.push_back({FensterArt::AlleKurse, "alle Kurse", {-5, 0, 640, 480}});

  k.mue->fLetzteAenderung = 46000.5;
  k.sch->fLetzteAenderung = 0;  // nie geändert: wird als 1.1.1904 gespeichert
  k.k5a->fLetzteAenderung = 46001.25;
  k.q1->fLetzteAenderung = 46002;
  k.r101->fLetzteAenderung = 46003.5;
  k.ph1->fLetzteAenderung = 46004.5;
}

// Die Datei, die der Schreiber für die kleine Schule liefern muss.
inline TRohDatei KleineSchuleRoh() {
  TRohDatei r;
  r.Kalender[0] = 2;
  r.Kalender[831] = 2;
  r.Kalender[887] = 2;
  r.W = 2;
  r.GrWo.Woerter[{1, 1}] = 0x0003;
  r.UEWo.Woerter[{2, 7}] = 0x8000;
  r.LehrerK = {"M\xDCL", "SCH"};
  r.KlassenK = {"5a", "Q1"};
  r.KopplungenK = {"Rel5"};
  r.FaecherK = {"D", "E"};
  r.RaeumeK = {"R101", "Ph1"};
  r.UVK = {"UV1", "UV2"};
  // Belegung durch die drei Setzungen von K1: (1, Di, 3.), (2, Mo, 1.), (1, Mo, 5.).
  TRohTage belegt;
  belegt.Woerter = {{{1, 2}, 0x0004}, {{2, 1}, 0x0001}, {{1, 1}, 0x0010}};
  TRohLehrer mue;
  mue.Info = "M\xFCller, Anna";
  mue.Soll = {25, 24};
  mue.Raum = 1;
  mue.Faecher = {1, 2};
  mue.Sperrung.Woerter[{1, 1}] = 0x0001;
  mue.Besetzung = belegt;
  mue.V1 = 3;
  mue.V2 = -2;
  mue.Aenderung = 46000.5;
  mue.FreierTag = true;
  TRohLehrer sch;
  sch.Info = "Schmidt";
  sch.Soll = {24, 24};
  sch.Aenderung = 1462;  // 1.1.1904: Sekunden 0
  r.Lehrer = {mue, sch};
  TRohKlasse k5a;
  k5a.Info = "Klasse 5a";
  k5a.Soll = {30, 31};
  k5a.Raum = 1;
  k5a.Lehrer1 = 1;
  k5a.Sperrung.Woerter[{2, 5}] = 0x00C0;
  k5a.Besetzung = belegt;
  k5a.KopDop = true;
  k5a.Aenderung = 46001.25;
  TRohKlasse q1;
  q1.Soll = {30, 30};
  q1.Lehrer1 = 2;
  q1.Besetzung = belegt;
  q1.Aenderung = 46002;
  r.Klassen = {k5a, q1};
  r.KopplungsInfos = {"Religion 5"};
  r.FachInfos = {"Deutsch", "Englisch"};
  TRohRaum r101;
  r101.Info = "Raum 101";
  r101.Sperrung.Woerter[{1, 3}] = 0x8000;
  r101.Besetzung.Woerter[{1, 2}] = 0x0004;
  r101.Aenderung = 46003.5;
  TRohRaum ph1;
  ph1.Info = "Physik";
  ph1.Besetzung.Woerter[{1, 1}] = 0x0010;
  ph1.Aenderung = 46004.5;
  r.Raeume = {r101, ph1};
  r.UVs = {{true, "", {1, 2}, {1}}, {false, "", {1, 2}, {2}}};

  TRohKurs k2;  // ohne alles: steht in der Kursfolge vorn
  k2.Stunden = {1, 0};
  k2.Einzel = 3;
  k2.NichtVerplanen = true;
  TRohKurs k1;
  k1.Stunden = {3, 2};
  k1.Lehrer = 1;
  k1.Kopplung = 1;
  k1.Fach = 1;
  k1.Klassen = {1, 2};
  k1.Raeume = {1, 2};
  k1.Ergaenzt = {2};
  TRohVertretung v2;  // in der Folge der Datei die erste: Nummer 1
  v2.Datum = kHeute + 1.5;
  v2.AdHoc = kHeute + 0.5;
  v2.Fach = 1;
  v2.Frei = true;
  v2.Gueltig = false;
  v2.Nr = 1;
  v2.VonNr = 2;
  TRohVertretung v1;
  v1.Datum = kHeute + 2.5;
  v1.AdHoc = kHeute + 0.5;
  v1.Lehrer = 2;
  v1.Raum = 2;
  v1.Fach = 2;
  v1.LInfo = "statt Mathe";
  v1.SInfo = "Raum Ph1";
  v1.Angerechnet = true;
  v1.Nr = 2;
  v1.ZuNr = 1;
  // Setzungen nach Tag, dann Stunde.
  k1.Setzungen = {{-1, 1, 1, 2, false, {v2}}, {2, 5, 1, 1, false, {}}, {1, 3, 2, 1, true, {v1}}};
  k1.Info = "GK 1";
  k1.Faktor = 2;
  k1.Einzel = 1;
  k1.NichtZaehlenKl = true;
  k1.Sperrung.Woerter[{1, 4}] = 0x0002;
  k1.StdProTag = 2;
  k1.Tabelle = 3;
  k1.Farbe = 0x102030;
  r.Kurse = {k2, k1};
  r.FehlLehrer = {{kHeute + 0.5, 1, 0xA000, "K"}};
  r.FehlKlassen = {{kHeute + 1.5, 1, 0x0001, "-"}};
  r.FehlRaeume = {{kHeute - 4.5, 2, 0xFFFF, "W"}};
  r.ParZeilen = 1;
  r.ParSpalten = 2;
  r.Par = {1, -1};
  r.Fenster = {{FensterArt::LehrerPlan, "M\xDCL", 10, 20, 300, 200},
               {FensterArt::AlleKurse, "alle Kurse", -5, 0, 640, 480}};
  return r;
}

// Ein leerer Ordner für einen Testfall, danach wieder entfernt.
class TTestOrdner {
 public:
  TTestOrdner() {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    fPfad = std::filesystem::temp_directory_path() /
            (std::string("tamrel-datei-") + info->test_suite_name() + "-" + info->name() + "-" +
             std::to_string(::getpid()));  // mehrere Testläufe zugleich stören sich nicht
    std::filesystem::remove_all(fPfad);
    std::filesystem::create_directories(fPfad);
  }
  ~TTestOrdner() {
    std::error_code ec;
    std::filesystem::remove_all(fPfad, ec);
  }
  TTestOrdner(const TTestOrdner&) = delete;
  TTestOrdner& operator=(const TTestOrdner&) = delete;
  const std::filesystem::path& Pfad() const { return fPfad; }
  std::string operator/(const std::string& name) const { return (fPfad / name).string(); }
  // Die Namen aller Einträge, sortiert.
  std::vector<std::string> Namen() const {
    std::vector<std::string> namen;
    for (const auto& e : std::filesystem::directory_iterator(fPfad))
      namen.push_back(e.path().filename().string());
    std::sort(namen.begin(), namen.end());
    return namen;
  }

 private:
  std::filesystem::path fPfad;
};

inline std::vector<std::uint8_t> DateiInhalt(const std::string& pfad) {
  std::ifstream ein(pfad, std::ios::binary);
  return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(ein),
                                   std::istreambuf_iterator<char>());
}

inline void DateiSchreiben(const std::string& pfad, const std::vector<std::uint8_t>& bytes) {
  std::ofstream aus(pfad, std::ios::binary | std::ios::trunc);
  aus.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
}
