// Eine Schuldatei, von Hand Feld für Feld nach dem Dateiaufbau zusammengesetzt: unabhängig vom
// Schreiber, damit die Tests ihn an ihr messen und gezielt falsche Dateien bauen können.
// Texte sind Windows-1252; alle Verweise sind Positionen ab 1 (oder die Werte für "keins").
#pragma once

#include <algorithm>
#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "persistence/BufferUnit.h"

struct TRohTage {
  // Tagwörter je Woche 1..W und Tag 1..7; fehlende sind 0.
  std::map<std::pair<int, int>, std::uint16_t> Woerter;
};

struct TRohLehrer {
  std::string Info;
  std::vector<int> Soll;  // je Woche
  int Raum = 32767;
  std::vector<int> Faecher;
  TRohTage Sperrung, Besetzung;
  std::int32_t V1 = 0, V2 = 0;
  TDateTime Aenderung = 45000.5;
  bool FreierTag = false;
};

struct TRohKlasse {
  std::string Info;
  std::vector<int> Soll;
  int Raum = 32767, Lehrer1 = 32767, Lehrer2 = 32767;
  TRohTage Sperrung, Besetzung;
  bool KopDop = false;
  TDateTime Aenderung = 45000.5;
};

struct TRohRaum {
  std::string Info;
  TRohTage Sperrung, Besetzung;
  TDateTime Aenderung = 45000.5;
};

struct TRohUV {
  bool IstFach = false;
  std::string Info;
  std::vector<int> Eintraege, Klassen;
};

struct TRohVertretung {
  TDateTime Datum = 46365.5, AdHoc = 46364.5;
  int Lehrer = -1, Raum = -1, Fach = -1;
  std::string LInfo, SInfo;
  bool Frei = false, Gueltig = true, Angerechnet = false;
  int Nr = 0, VonNr = 0, ZuNr = 0;
};

struct TRohSetzung {
  int Raum = -1, Stunde = 1, Tag = 1, Woche = 1;
  bool Fixiert = false;
  std::vector<TRohVertretung> Vertretungen;
};

struct TRohKurs {
  std::vector<int> Stunden;  // je Woche
  int Lehrer = -1, Kopplung = -1, Fach = -1;
  std::vector<int> Klassen, Raeume, Ergaenzt;
  std::vector<TRohSetzung> Setzungen;
  std::string Info;
  int Faktor = 1, Einzel = 0;
  bool NichtVerplanen = false, NichtZaehlenKl = false, NichtZaehlenLe = false;
  TRohTage Sperrung;
  int StdProTag = 1, Tabelle = 1;
  TColor Farbe = 0xFFFFFF;
};

struct TRohFehl {
  TDateTime Datum = 46365.5;
  int Element = 1;
  std::uint16_t Stunden = 0x8000;
  std::string Grund = "-";
};

struct TRohFenster {
  int Art = FensterArt::LehrerPlan;
  std::string Titel;
  int Links = 0, Oben = 0, Breite = 100, Hoehe = 100;
};

struct TRohDatei {
  int Version = -300;
  std::vector<std::uint8_t> Kalender = std::vector<std::uint8_t>(888, 1);
  int W = 1;
  TRohTage GrWo, UEWo;
  std::vector<std::string> LehrerK, KlassenK, KopplungenK, FaecherK, RaeumeK, UVK;
  std::vector<TRohLehrer> Lehrer;
  std::vector<TRohKlasse> Klassen;
  std::vector<std::string> KopplungsInfos, FachInfos;
  std::vector<TRohRaum> Raeume;
  std::vector<TRohUV> UVs;
  std::vector<TRohKurs> Kurse;
  std::vector<TRohFehl> FehlLehrer, FehlKlassen, FehlRaeume;
  int ParZeilen = 1, ParSpalten = 1;
  std::vector<int> Par = {-1};
  std::vector<TRohFenster> Fenster;
  // Abweichende Zahlen der Sätze 5–10 (Abschnitt -> Zahl), um falsche Dateien zu bauen.
  std::map<int, int> SatzZahl;

  bool Alt() const { return Version == -211; }

  // Die Anfänge der Abschnitte 0..16 (und das Ende als 17.) nach dem letzten Bytes().
  mutable std::vector<std::size_t> Abschnitte;

  std::vector<std::uint8_t> Bytes() const {
    TBuffer b;
    Abschnitte.clear();
    auto abschnitt = [&] { Abschnitte.push_back(b.Groesse()); };
    abschnitt();
    b.WriteInt(Version);
    abschnitt();
    for (std::uint8_t k : Kalender) b.WriteByte(k);
    abschnitt();
    b.WriteInt(W);
    abschnitt();
    Tage(b, GrWo);
    Tage(b, UEWo);
    abschnitt();
    for (const auto* liste : {&LehrerK, &KlassenK, &KopplungenK, &FaecherK, &RaeumeK, &UVK}) {
      b.WriteInt(static_cast<std::int32_t>(liste->size()));
      for (const std::string& k : *liste) Feld(b, k, Alt() ? 8 : 12);
    }
    abschnitt();
    Zahl(b, 5, Lehrer.size());
    for (const TRohLehrer& l : Lehrer) {
      Info(b, l.Info);
      Wochen(b, l.Soll, 0);
      b.WriteInt(l.Raum);
      b.WriteInt(static_cast<std::int32_t>(l.Faecher.size()));
      for (int f : l.Faecher) b.WriteInt(f);
      Tage(b, l.Sperrung);
      Tage(b, l.Besetzung);
      b.WriteLong(l.V1);
      b.WriteLong(l.V2);
      b.WriteDatum(l.Aenderung);
      if (!Alt()) b.WriteBool(l.FreierTag);
    }
    abschnitt();
    Zahl(b, 6, Klassen.size());
    for (const TRohKlasse& k : Klassen) {
      Info(b, k.Info);
      Wochen(b, k.Soll, 0);
      b.WriteInt(k.Raum);
      b.WriteInt(k.Lehrer1);
      b.WriteInt(k.Lehrer2);
      Tage(b, k.Sperrung);
      Tage(b, k.Besetzung);
      b.WriteBool(k.KopDop);
      b.WriteDatum(k.Aenderung);
    }
    abschnitt();
    Zahl(b, 7, KopplungsInfos.size());
    for (const std::string& i : KopplungsInfos) Info(b, i);
    abschnitt();
    Zahl(b, 8, FachInfos.size());
    for (const std::string& i : FachInfos) Info(b, i);
    abschnitt();
    Zahl(b, 9, Raeume.size());
    for (const TRohRaum& r : Raeume) {
      Info(b, r.Info);
      Tage(b, r.Sperrung);
      Tage(b, r.Besetzung);
      b.WriteDatum(r.Aenderung);
    }
    abschnitt();
    Zahl(b, 10, UVs.size());
    for (const TRohUV& u : UVs) {
      b.WriteBool(u.IstFach);
      Info(b, u.Info);
      b.WriteInt(static_cast<std::int32_t>(u.Eintraege.size()));
      for (int e : u.Eintraege) b.WriteInt(e);
      b.WriteInt(static_cast<std::int32_t>(u.Klassen.size()));
      for (int k : u.Klassen) b.WriteInt(k);
    }
    abschnitt();
    Zahl(b, 11, Kurse.size());
    for (const TRohKurs& k : Kurse) Kurs(b, k);
    for (const auto* liste : {&FehlLehrer, &FehlKlassen, &FehlRaeume}) {
      abschnitt();
      b.WriteInt(static_cast<std::int32_t>(liste->size()));
      for (const TRohFehl& f : *liste) {
        b.WriteDatum(f.Datum);
        b.WriteInt(f.Element);
        b.WriteWord(f.Stunden);
        if (!Alt()) Feld(b, f.Grund, 2);
      }
    }
    abschnitt();
    b.WriteInt(ParZeilen);
    b.WriteInt(ParSpalten);
    for (int p : Par) b.WriteInt(p);
    abschnitt();
    b.WriteInt(static_cast<std::int32_t>(Fenster.size()));
    for (const TRohFenster& f : Fenster) {
      b.WriteInt(f.Art);
      Feld(b, f.Titel, 256);
      b.WriteInt(f.Links);
      b.WriteInt(f.Oben);
      b.WriteInt(f.Breite);
      b.WriteInt(f.Hoehe);
    }
    abschnitt();
    return b.Daten();
  }

 private:
  // Ein Textfeld: Längenbyte, Zeichen (hier ohne Zeichentabelle: nur ASCII und die Umlaute der
  // Tabelle werden in den Tests benutzt, und die bildet WriteStr ab), Nullbytes.
  static void Feld(TBuffer& b, const std::string& text, std::size_t groesse) {
    const std::size_t n = std::min(text.size(), groesse - 1);
    b.WriteByte(static_cast<std::uint8_t>(n));
    b.WriteStr(text.substr(0, n));
    for (std::size_t i = n + 1; i < groesse; ++i) b.WriteByte(0);
  }
  void Info(TBuffer& b, const std::string& text) const { Feld(b, text, Alt() ? 22 : 32); }
  void Bem(TBuffer& b, const std::string& text) const { Feld(b, text, Alt() ? 62 : 82); }
  void Tage(TBuffer& b, const TRohTage& t) const {
    for (int w = 1; w <= W; ++w)
      for (int d = 1; d <= 7; ++d) {
        auto it = t.Woerter.find({w, d});
        b.WriteWord(it == t.Woerter.end() ? 0 : it->second);
      }
  }
  void Wochen(TBuffer& b, const std::vector<int>& werte, int ab) const {
    for (int w = ab + 1; w <= W; ++w)
      b.WriteInt(static_cast<std::size_t>(w - 1) < werte.size()
                     ? werte[static_cast<std::size_t>(w - 1)]
                     : 0);
  }
  void Zahl(TBuffer& b, int abschnitt, std::size_t n) const {
    auto it = SatzZahl.find(abschnitt);
    b.WriteInt(it == SatzZahl.end() ? static_cast<std::int32_t>(n) : it->second);
  }
  void Kurs(TBuffer& b, const TRohKurs& k) const {
    b.WriteInt(k.Stunden.empty() ? 0 : k.Stunden[0]);
    b.WriteInt(k.Lehrer);
    b.WriteInt(k.Kopplung);
    b.WriteInt(k.Fach);
    for (const auto* liste : {&k.Klassen, &k.Raeume, &k.Ergaenzt}) {
      b.WriteInt(static_cast<std::int32_t>(liste->size()));
      for (int r : *liste) b.WriteInt(r);
    }
    Wochen(b, k.Stunden, 1);
    b.WriteInt(static_cast<std::int32_t>(k.Setzungen.size()));
    for (const TRohSetzung& s : k.Setzungen) {
      b.WriteInt(s.Raum);
      b.WriteInt(s.Stunde);
      b.WriteInt(s.Tag);
      b.WriteInt(s.Woche);
      b.WriteBool(s.Fixiert);
      b.WriteInt(static_cast<std::int32_t>(s.Vertretungen.size()));
      for (const TRohVertretung& v : s.Vertretungen) {
        b.WriteDatum(v.Datum);
        if (!Alt()) b.WriteDatum(v.AdHoc);
        b.WriteInt(v.Lehrer);
        b.WriteInt(v.Raum);
        if (!Alt()) b.WriteInt(v.Fach);
        Bem(b, v.LInfo);
        Bem(b, v.SInfo);
        if (Alt()) b.WriteByte(0x55);
        b.WriteBool(v.Frei);
        b.WriteBool(v.Gueltig);
        b.WriteBool(v.Angerechnet);
        b.WriteInt(v.Nr);
        b.WriteInt(v.VonNr);
        b.WriteInt(v.ZuNr);
      }
    }
    Info(b, k.Info);
    b.WriteInt(k.Faktor);
    b.WriteInt(k.Einzel);
    b.WriteBool(k.NichtVerplanen);
    b.WriteBool(k.NichtZaehlenKl);
    b.WriteBool(k.NichtZaehlenLe);
    Tage(b, k.Sperrung);
    b.WriteInt(k.StdProTag);
    b.WriteInt(k.Tabelle);
    b.WriteColor(k.Farbe);
  }
};

// Die Namen der Abschnitte für Meldungen der Tests (Index wie TRohDatei::Abschnitte).
inline const char* AbschnittsName(std::size_t i) {
  static const char* kNamen[] = {
      "Kopf",        "Kalender",     "Planversionen", "Raster",   "Kürzel",      "Lehrer",
      "Klassen",     "Kopplungen",   "Fächer",        "Räume",    "UV-Tabellen", "Kurse",
      "Fehl Lehrer", "Fehl Klassen", "Fehl Räume",    "Parallel", "Fenster",     "Ende"};
  return i < sizeof(kNamen) / sizeof(kNamen[0]) ? kNamen[i] : "?";
}
