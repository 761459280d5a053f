#include "output/DruckAusfallUnit.h"

#include "settings/StandardUnit.h"

int DruckeAusfall(const std::vector<std::string>& zeilen, TPrevPrinter& d) {
  if (zeilen.empty()) return 0;
  const TStandard& st = Standard();
  d.Title = "wöchentlicher Unterrichtsausfall";
  d.NewJob();
  const int links = d.RandPunkte(st.fFehlDruckRand);
  const int oben = d.RandPunkte(1);
  const int unten = d.Masse().YOff + d.Masse().Hoehe;
  const std::string vor =
      st.fMaxWocheNeu > 1 ? "{" + std::to_string(st.fAktuelleWoche) + "}  " : std::string();
  auto kopf = [&] {
    d.Font = st.fFehlDruckFont;
    const int h = d.SeitenKopf(links, oben, true, vor);
    return oben + 3 * h;
  };
  int y = kopf();
  const int h = d.TextHeight();
  for (const std::string& z : zeilen) {
    if (d.Abgebrochen()) break;
    if (unten - y < 3 * h) {
      d.NewPage();
      y = kopf();
    }
    d.TextOut(links, y, z);
    y += h;
  }
  d.DonePrinting();
  return 1;
}
