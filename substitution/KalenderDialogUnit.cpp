#include "substitution/KalenderDialogUnit.h"

#include <cmath>

#include "model/DatumUnit.h"
#include "substitution/KalenderWechselUnit.h"

void TKalenderModell::IKalender() {
  const TSchule& s = Schule();
  for (int k = 0; k < 888; ++k) fKalender[k] = s.fKalender[k + 1];
  fFerien = Standard().fFerien;
  const TDatum heute = ZahlZuDatum(Heute());
  fMonat = MonatSchritt(TMonatJahr{heute.Jahr, heute.Monat}, 0);
  Fuellen();
}

void TKalenderModell::Fuellen() {
  const TStandard& st = Standard();
  for (auto& spalte : fZellen)
    for (auto& z : spalte) z.clear();
  fZellen[0][0] = "Planversion";
  fZellen[0][1] = "Kal.woche";
  for (int t = 1; t <= 7; ++t) fZellen[0][t + 1] = st.fTagName[t].str();
  const TDateTime erster = DatumZuZahl(fMonat.Jahr, fMonat.Monat, 1);
  fDieserMonat = KalenderWocheRoh(erster);
  const int letzter = TageImMonat(fMonat.Jahr, fMonat.Monat);
  for (int p = 1; p <= letzter; ++p) {
    const int h = WochenTag(erster) + p - 2;
    const int spalte = h / 7 + 1, zeile = h % 7 + 2;
    const int woche = static_cast<int>((fDieserMonat + spalte - 1) % 888);
    const bool ferien = (fFerien[woche] >> (zeile - 2)) & 1u;
    fZellen[spalte][zeile] = std::to_string(ferien ? -p : p);
  }
  for (int c = 1; c <= 6; ++c) {
    fZellen[c][1] = std::to_string(IsoWoche(erster + 7 * (c - 1)));
    fZellen[c][0] = std::to_string(fKalender[static_cast<int>((fDieserMonat + c - 1) % 888)]);
  }
}

std::string TKalenderModell::MonatsText() const {
  return DatumText(DatumZuZahl(fMonat.Jahr, fMonat.Monat, 1), kMonatUndJahr);
}

bool TKalenderModell::IstTag(int spalte, int zeile) const {
  return spalte >= 1 && spalte < kSpalten && zeile >= 2 && zeile < kZeilen &&
         !fZellen[spalte][zeile].empty();
}

bool TKalenderModell::IstFerien(int spalte, int zeile) const {
  return IstTag(spalte, zeile) && fZellen[spalte][zeile][0] == '-';
}

bool TKalenderModell::Rot(int spalte, int zeile) const {
  return IstTag(spalte, zeile) && zeile > Standard().fMaxTageNeu + 1;
}

TMenue TKalenderModell::KalenderMenu() const {
  TMenue m;
  for (int v = 1; v <= Standard().fMaxWocheNeu; ++v) {
    TMenueEintrag e;
    e.Text = std::to_string(v);
    e.Wert = v;
    e.NeueSpalte = v == 17 || v == 33 || v == 49;
    m.push_back(std::move(e));
  }
  return m;
}

void TKalenderModell::PlanversionWaehlen(int spalte, int version) {
  if (spalte < 1 || spalte > 6 || version < 1 || version > Standard().fMaxWocheNeu) return;
  fKalender[static_cast<int>((fDieserMonat + spalte - 1) % 888)] =
      static_cast<std::uint8_t>(version);
  Fuellen();
}

void TKalenderModell::FerienZiehen(int startSpalte, int startZeile, int zielSpalte, int zielZeile) {
  if (!IstTag(startSpalte, startZeile)) return;
  const bool setzen = !IstFerien(startSpalte, startZeile);
  const int c1 = std::min(startSpalte, zielSpalte), c2 = std::max(startSpalte, zielSpalte);
  const int r1 = std::min(startZeile, zielZeile), r2 = std::max(startZeile, zielZeile);
  for (int c = std::max(c1, 1); c <= std::min(c2, 6); ++c)
    for (int r = std::max(r1, 2); r <= std::min(r2, 8); ++r) {
      if (!IstTag(c, r)) continue;
      std::uint8_t& b = fFerien[static_cast<int>((fDieserMonat + c - 1) % 888)];
      const auto bit = static_cast<std::uint8_t>(1u << (r - 2));
      b = setzen ? static_cast<std::uint8_t>(b | bit) : static_cast<std::uint8_t>(b & ~bit);
    }
  Fuellen();
}

void TKalenderModell::Blaettern(int richtung) {
  fMonat = MonatSchritt(fMonat, richtung);
  Fuellen();
}

TKalenderBytes TKalenderModell::SchulKalender() const {
  TKalenderBytes k;
  for (int w = 0; w < 888; ++w) k[w + 1] = fKalender[w];
  return k;
}

int TKalenderModell::UngueltigeVertretungen() const {
  return ::UngueltigeVertretungen(SchulKalender(), fFerien);
}

bool TKalenderModell::Ok() {
  const int n = UngueltigeVertretungen();
  if (n > 0) {
    const std::string zeile = n == 1
                                  ? "1 Vertretung passt nicht mehr zum Kalender und wird gelöscht."
                                  : std::to_string(n) +
                                        " Vertretungen passen nicht mehr zum Kalender und "
                                        "werden gelöscht.";
    if (Dialog().Frage("Voreinstellung für den Kalender", {zeile, "Trotzdem übernehmen?"},
                       TMeldungsArt::Warnung, {"Ja", "Nein"}, 1, 1) != 0)
      return false;
  }
  KalenderSetzen(SchulKalender(), fFerien);
  Schule().SetDirty(true);
  return true;
}
