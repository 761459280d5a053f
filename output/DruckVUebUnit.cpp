#include "output/DruckVUebUnit.h"

#include <algorithm>
#include <set>

#include "model/DatumUnit.h"
#include "model/PlanElemUnit.h"
#include "output/PrevPrinterUnit.h"
#include "settings/StandardUnit.h"
#include "substitution/VStatUnit.h"

std::vector<std::string> VUebTitel(bool lehrer) {
  return {lehrer ? "Lehrer" : "Klasse",
          "Datum",
          "Stunde",
          "Text",
          lehrer ? "Wert" : "Lehrer",
          "Kurs",
          "statt",
          "verlegt auf",
          "Bemerkung"};
}

TVUebZeitraum VUebZeitraum(int vonTag, int vonMonat, int vonJahr, int bisTag, int bisMonat,
                           int bisJahr) {
  auto datum = [](int tag, int monat, int jahr) {
    jahr = std::clamp(jahr, 1994, 2039);
    monat = std::clamp(monat, 1, 12);
    tag = std::clamp(tag, 1, 31);
    while (tag > TageImMonat(jahr, monat)) --tag;
    return DatumZuZahl(jahr, monat, tag) + 0.5;
  };
  TVUebZeitraum z;
  z.Von = datum(vonTag, vonMonat, vonJahr);
  z.Bis = std::max(datum(bisTag, bisMonat, bisJahr), z.Von);
  return z;
}

TListDruckOptionen LadeVUebDruck(const TStandard& s) {
  TListDruckOptionen o;
  o.Rand = std::clamp(s.fVUebDruckRand, 0, 6);
  o.Font = s.fVUebDruckFont;
  return o;
}

void SpeichereVUebDruck(const TListDruckOptionen& o, TStandard& s) {
  s.fVUebDruckRand = o.Rand;
  s.fVUebDruckFont = o.Font;
}

int DruckeVertretungsUebersicht(bool lehrer, TListDruckOptionen o,
                                const std::vector<TPlanElement*>& elemente, TDateTime von,
                                TDateTime bis, TPrevPrinter& d) {
  const std::vector<std::string> titel = VUebTitel(lehrer);
  TListRahmen r(d, o.Font, o.Rand, false);
  r.Beginnen();
  // Die Zeilen des Übersichtsfensters, nur für die gewählten Elemente; der Fortschritt zählt
  // die Elemente der Schule, "Abbrechen" hält an und verwirft den Druck.
  const std::set<const TElement*> gewaehlt(elemente.begin(), elemente.end());
  TVStatAuswahl auswahl;
  auswahl.Nimm = [&gewaehlt](const TElement* e) { return gewaehlt.count(e) > 0; };
  auswahl.Weiter = [&d](int fertig, int gesamt) {
    const int prozent = gesamt > 0 ? fertig * 100 / gesamt : 100;
    return d.Weiter("Die Vertretungs\u00FCbersicht wird angelegt. (" + std::to_string(prozent) +
                    " %)");
  };
  const std::vector<TVStatZeile> zeilen =
      lehrer ? VLeStatZeilen(von, bis, auswahl) : VKlStatZeilen(von, bis, auswahl);
  if (d.Abgebrochen()) {
    d.DonePrinting();
    return 0;
  }
  // Jede Spalte so breit wie ihr breitester Text (Titel eingeschlossen) und ein "*".
  std::vector<int> breite(titel.size(), 0);
  const int stern = d.TextWidth("*");
  for (std::size_t i = 0; i < titel.size(); ++i) {
    breite[i] = d.TextWidth(titel[i]);
    for (const TVStatZeile& z : zeilen) breite[i] = std::max(breite[i], d.TextWidth(z.Zellen[i]));
    breite[i] += stern;
  }
  auto zeile = [&](const auto& texte) {
    int x = r.Links;
    for (std::size_t i = 0; i < texte.size() && i < breite.size(); ++i) {
      d.TextOut(x, r.y, texte[i]);
      x += breite[i];
    }
    r.Zeile();
  };
  zeile(titel);
  for (const TVStatZeile& z : zeilen) {
    if (d.Abgebrochen()) break;
    if (r.Rest() < 3 * r.h) {
      r.NeueSeite();
      zeile(titel);
    }
    zeile(z.Zellen);
  }
  d.DonePrinting();
  return d.PageCount() == 0 ? 0 : static_cast<int>(zeilen.size()) + 1;
}
