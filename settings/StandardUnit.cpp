#include "settings/StandardUnit.h"

#include <algorithm>

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
  fCustomFarbe.assign(16, "FFFFFF");
  fPlnHoehe = fPlnFont.Groesse + 10;
  fDepHoehe = fDepFont.Groesse + 10;
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
