#include "settings/StandardUnit.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>

#include "model/DatumUnit.h"
#include "model/SchulUnit.h"
#include "persistence/StandardSpeicherUnit.h"
#include "settings/KennwortUnit.h"

namespace {
// Montag, 27.12.1993: erster Tag des Kalenders.
constexpr long long kKalenderAnfang = 34330;
constexpr int kKalenderWochen = 888;
// 1.1.10000: ab hier kein Datum mehr.
constexpr double kDatumEnde = 2958466;

// Die erste Stunde bis sechste Stunde der Tabelle 1, Tage 1..7.
constexpr int kTabelle1[6][7] = {
    {-7, -4, -1, -10, -13, -16, -37}, {25, 22, 19, 28, 31, 34, 38},
    {-15, -12, -9, -18, -3, -6, -39}, {33, 30, 27, 36, 21, 24, 40},
    {-2, -17, -14, -5, -8, -11, -41}, {20, 35, 32, 23, 26, 29, 42},
};

// Textbreite in ganzen Pixeln: aufgerundet, damit der Text in die Spalte passt.
int Pixel(double breite) {
  if (!(breite > 0)) return 0;
  return static_cast<int>(std::ceil(breite - 1e-6));
}

// zaehler / nenner gerundet, bei genau der Hälfte zur geraden Zahl (zaehler, nenner > 0).
int HalbZuGerade(long long zaehler, long long nenner) {
  long long q = zaehler / nenner;
  const long long r = zaehler % nenner;
  if (2 * r > nenner || (2 * r == nenner && q % 2 != 0)) ++q;
  return static_cast<int>(q);
}

int HexWert(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}
}  // namespace

TStandard::TStandard() {
  for (int v = 1; v <= 54; ++v)
    for (int h = 1; h <= 16; ++h) fStdBez[v][h] = (h < 10 ? " " : "") + std::to_string(h);
  static const char* const kTage[7] = {"Mo", "Di", "Mi", "Do", "Fr", "Sa", "So"};
  static const char* const kNamen[7] = {"Montag",  "Dienstag", "Mittwoch", "Donnerstag",
                                        "Freitag", "Samstag",  "Sonntag"};
  for (int t = 1; t <= 7; ++t) {
    fTagBez[t] = kTage[t - 1];
    fTagName[t] = kNamen[t - 1];
  }
  fKennwort = LeeresKennwort();
  fCustomFarbe.assign(16, "FFFFFF");
  fPlnHoehe = std::abs(fPlnFont.Groesse) + 10;
  fDepHoehe = std::abs(fDepFont.Groesse) + 10;
  fAuTab = StandardTabellen();
  for (int p = 1; p <= 4; ++p) fVertrCheck[p] = true;
  for (int n = 1; n <= 20; ++n) {
    fBemBez[n] = "Bemerkung" + std::to_string(n);
    fGrund[n] = "-";
  }
  if (TUhr* uhr = EingesetzteDienste().Uhr) {
    fStartZeit = uhr->Jetzt();
    fSaveZeit = fStartZeit;
  }
}

void TStandard::LoadStandard() {
  ::LoadStandard(*this, Speicher());
}

bool TStandard::SaveStandard() const {
  return ::SaveStandard(*this, Speicher());
}

TAutoTabelle TStandard::StandardTabellen() {
  TAutoTabelle tab;
  for (int t = 1; t <= 4; ++t)
    for (int h = 1; h <= 16; ++h)
      for (int d = 1; d <= 7; ++d) {
        const int n = 7 * (h - 1) + d;
        int wert = n <= 63 ? -n : n;  // 43..63 negativ, 64..112 positiv
        if (h <= 6) {
          if (t == 1)
            wert = kTabelle1[h - 1][d - 1];
          else if (t == 2)
            wert = -(6 * (d - 1) + h);
          else if (t == 3)
            wert = h % 2 == 1 ? -n : n;
        }
        if (t == 4) wert = n;
        tab[t][h][d] = wert;
      }
  return tab;
}

void TStandard::TesteTabelle() {
  bool gueltig = true;
  for (int t = 1; t <= 4 && gueltig; ++t) {
    std::array<bool, 113> gesehen{};
    for (int h = 1; h <= 16 && gueltig; ++h)
      for (int d = 1; d <= 7 && gueltig; ++d) {
        const long long betrag = std::llabs(static_cast<long long>(fAuTab[t][h][d]));
        if (betrag < 1 || betrag > 112 || gesehen[betrag])
          gueltig = false;
        else
          gesehen[betrag] = true;
      }
  }
  if (!gueltig) fAuTab = StandardTabellen();
}

std::string TStandard::KalenderZeile(int i, const TKalender& kalender) {
  static constexpr char kZiffern[] = "0123456789ABCDEF";
  if (i < 1 || i > 111) return {};
  std::string text;
  text.reserve(16);
  for (int b = 0; b < 8; ++b) {
    const std::uint8_t wert = kalender[8 * (i - 1) + b];
    text.push_back(kZiffern[wert >> 4]);
    text.push_back(kZiffern[wert & 0xF]);
  }
  return text;
}

bool TStandard::SetKalenderZeile(int i, const std::string& text, TKalender& kalender) {
  if (i < 1 || i > 111 || text.size() != 16) return false;
  std::array<std::uint8_t, 8> bytes{};
  for (int b = 0; b < 8; ++b) {
    const int hoch = HexWert(text[2 * b]);
    const int tief = HexWert(text[2 * b + 1]);
    if (hoch < 0 || tief < 0) return false;
    bytes[b] = static_cast<std::uint8_t>(hoch * 16 + tief);
  }
  for (int b = 0; b < 8; ++b) kalender[8 * (i - 1) + b] = bytes[b];
  return true;
}

bool TStandard::FerienTag(TDateTime datum) const {
  // Auch NaN landet hier.
  if (!(datum >= static_cast<double>(kKalenderAnfang) && datum < kDatumEnde)) return false;
  const long long tage = static_cast<long long>(std::floor(datum)) - kKalenderAnfang;
  const int woche = static_cast<int>((tage / 7) % kKalenderWochen);
  const int tag = WochenTag(datum);
  return (fFerien[woche] >> (tag - 1)) & 1u;
}

bool TStandard::WochenEnde(TDateTime datum) const {
  return WochenTag(datum) > fMaxTageNeu;
}

void TStandard::BerechnePlnBreite(TTextMetrik& metrik) {
  const int s = std::abs(fPlnFont.Groesse);
  fPlnHoehe = HalbZuGerade(static_cast<long long>(s) * 33, 20) + 5;  // s · 1,65
  TSchrift schrift = fPlnFont;
  if (fPlnKoppFett) schrift.Fett = true;
  auto breite = [&](const std::string& ansi) {
    return Pixel(metrik.TextBreite(schrift, U8(ansi)));
  };
  auto listenBreite = [&](TKuerzelArt art) {
    int b = 13;
    if (SchuleVorhanden())
      for (const TElement* e : Schule().Elemente(art)) b = std::max(b, breite(e->fKuerzel));
    return b;
  };
  fPlnLeBreite = listenBreite(leh);
  fPlnKlBreite = listenBreite(kla);
  fPlnKoBreite = listenBreite(kop);
  fPlnFaBreite = listenBreite(fac);
  fPlnRaBreite = listenBreite(rau);
  int tag = 0;
  for (int t = 1; t <= 7; ++t) tag = std::max(tag, breite(fTagBez[t]));
  fPlnTagBreite = std::max(13, tag + 3);
  const int woche = fAktuelleWoche >= 1 && fAktuelleWoche <= MaxWochen ? fAktuelleWoche : 1;
  int stunde = 0;
  for (int h = 1; h <= 16; ++h) stunde = std::max(stunde, breite(fStdBez[woche][h]));
  fPlnStdBreite = std::max(13, stunde + 3);
  fPlnWertBreite = breite("9") * (fVorKomma + fNachKomma + 1) + 5;
}

void TStandard::BerechnePlnBreite() {
  BerechnePlnBreite(Metrik());
}

void TStandard::BerechneDepBreite(TTextMetrik& metrik) {
  fDepHoehe = std::abs(fDepFont.Groesse) + 13;
  auto breite = [&](const std::string& ansi) {
    return Pixel(metrik.TextBreite(fDepFont, U8(ansi)));
  };
  auto spalte = [&](const char* titel, TKuerzelArt art) {
    int b = breite(titel);
    if (SchuleVorhanden())
      for (const TElement* e : Schule().Elemente(art)) b = std::max(b, breite(e->fKuerzel));
    return b;
  };
  fDepLeBreite = spalte("Lehrer", leh);
  fDepKlBreite = spalte("Klasse", kla);
  fDepKoBreite = spalte("Kopplung", kop);
  fDepFaBreite = spalte("Fach", fac);
  fDepRaBreite = spalte("Raum", rau);
  fDepStdBreite = breite("999") + 3;
  fDepWertBreite = std::max(breite("9") * (fVorKomma + fNachKomma) + 5, breite("Wert"));
}

void TStandard::BerechneDepBreite() {
  BerechneDepBreite(Metrik());
}

int TStandard::PlnKlKoBreite() const {
  return std::max(fPlnKlBreite, fPlnKoBreite);
}
int TStandard::PlnLeKoBreite() const {
  return std::max(fPlnLeBreite, fPlnKoBreite);
}
int TStandard::PlnFaKoBreite() const {
  return std::max(fPlnFaBreite, fPlnKoBreite);
}
int TStandard::PlnMaxBreite() const {
  return std::max({fPlnLeBreite, fPlnKlBreite, fPlnKoBreite, fPlnFaBreite, fPlnRaBreite});
}
