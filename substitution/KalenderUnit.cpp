#include "substitution/KalenderUnit.h"

#include <cmath>

#include "model/DatumUnit.h"
#include "model/SchulUnit.h"
#include "substitution/VertretungsPlanungUnit.h"

namespace {
constexpr const char* kTage[7] = {"Montag",  "Dienstag", "Mittwoch", "Donnerstag",
                                  "Freitag", "Samstag",  "Sonntag"};
constexpr const char* kKurzeTage[7] = {"Mo", "Di", "Mi", "Do", "Fr", "Sa", "So"};
// Windows-1252: "\xE4" ist ä.
constexpr const char* kMonate[12] = {"Januar",    "Februar", "M\xE4rz",  "April",
                                     "Mai",       "Juni",    "Juli",     "August",
                                     "September", "Oktober", "November", "Dezember"};
constexpr const char* kKurzeMonate[12] = {"Jan", "Feb", "M\xE4r", "Apr", "Mai", "Jun",
                                          "Jul", "Aug", "Sep",    "Okt", "Nov", "Dez"};

bool ImKalender(TDateTime datum) {
  // Auch NaN fällt heraus.
  return datum >= static_cast<double>(KalenderAnfang) && datum < 2958466.0;
}

std::string Zweistellig(int n) {
  return (n < 10 ? "0" : "") + std::to_string(n);
}
}  // namespace

long long KalenderWocheRoh(TDateTime datum) {
  return (static_cast<long long>(std::floor(datum)) - KalenderAnfang) / 7;
}

int KalenderIndex(TDateTime datum) {
  if (!ImKalender(datum)) return -1;
  return static_cast<int>(KalenderWocheRoh(datum) % 888);
}

int PlanversionAm(TDateTime datum) {
  // Vor dem Kalender gilt keine Planversion (und es wird nie außerhalb der Tabelle gelesen).
  if (KalenderIndex(datum) < 0) return 0;
  return Schule().WocheVonDatum(datum);
}

std::string LangerTagName(int tag) {
  return tag >= 1 && tag <= 7 ? kTage[tag - 1] : "";
}
std::string KurzerTagName(int tag) {
  return tag >= 1 && tag <= 7 ? kKurzeTage[tag - 1] : "";
}
std::string LangerMonatName(int monat) {
  return monat >= 1 && monat <= 12 ? kMonate[monat - 1] : "";
}
std::string KurzerMonatName(int monat) {
  return monat >= 1 && monat <= 12 ? kKurzeMonate[monat - 1] : "";
}

std::string DatumText(TDateTime datum, std::string_view muster) {
  const TDatum d = ZahlZuDatum(datum);
  const int wt = WochenTag(datum);
  std::string text;
  std::size_t i = 0;
  auto zaehle = [&](char c) {
    std::size_t n = 0;
    while (i + n < muster.size() && (muster[i + n] | 0x20) == c) ++n;
    return n;
  };
  while (i < muster.size()) {
    const char c = muster[i];
    if (c == '"') {
      const std::size_t ende = muster.find('"', i + 1);
      const std::size_t bis = ende == std::string_view::npos ? muster.size() : ende;
      text += muster.substr(i + 1, bis - i - 1);
      i = bis == muster.size() ? bis : bis + 1;
      continue;
    }
    const char k = static_cast<char>(c | 0x20);
    if (k == 'd') {
      const std::size_t n = zaehle('d');
      if (n == 1)
        text += std::to_string(d.Tag);
      else if (n == 2)
        text += Zweistellig(d.Tag);
      else if (n == 3)
        text += KurzerTagName(wt);
      else
        text += LangerTagName(wt);
      i += n;
    } else if (k == 'm') {
      const std::size_t n = zaehle('m');
      if (n == 1)
        text += std::to_string(d.Monat);
      else if (n == 2)
        text += Zweistellig(d.Monat);
      else if (n == 3)
        text += KurzerMonatName(d.Monat);
      else
        text += LangerMonatName(d.Monat);
      i += n;
    } else if (k == 'y') {
      const std::size_t n = zaehle('y');
      if (n <= 2)
        text += Zweistellig(d.Jahr % 100);
      else
        text += std::to_string(d.Jahr);
      i += n;
    } else {
      text += c;
      ++i;
    }
  }
  return text;
}

int IsoWoche(TDateTime datum) {
  // Der Donnerstag derselben Woche bestimmt das Jahr.
  const TDateTime donnerstag = std::floor(datum) - WochenTag(datum) + 4;
  const TDatum d = ZahlZuDatum(donnerstag);
  const TDateTime neujahr = DatumZuZahl(d.Jahr, 1, 1);
  return static_cast<int>((donnerstag - neujahr) / 7) + 1;
}

TDateTime ErsterPlanTag() {
  return DatumZuZahl(1994, 1, 1) + 0.5;
}
TDateTime LetzterPlanTag() {
  return DatumZuZahl(2040, 1, 2) + 0.5;
}

TDateTime NaechsterSchultag(TDateTime datum, int richtung) {
  const int schritt = richtung < 0 ? -1 : 1;
  TDateTime d = std::floor(datum) + 0.5;
  do {
    const TDateTime weiter = d + schritt;
    if (weiter < ErsterPlanTag() || weiter > LetzterPlanTag()) return d;
    d = weiter;
  } while (!Schultag(d));
  return d;
}

TMonatJahr MonatSchritt(TMonatJahr m, int richtung) {
  int index = m.Jahr * 12 + (m.Monat - 1) + (richtung < 0 ? -1 : richtung > 0 ? 1 : 0);
  const int erster = 1994 * 12, letzter = 2050 * 12 + 11;
  if (index < erster) index = erster;
  if (index > letzter) index = letzter;
  return TMonatJahr{index / 12, index % 12 + 1};
}
