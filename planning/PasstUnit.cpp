// Die fragenden Passtests: Konflikte zeigen, verbieten oder verdrängen.
#include <algorithm>
#include <vector>

#include "model/KopplUnit.h"
#include "model/KursUnit.h"
#include "model/SchulUnit.h"
#include "planning/KonfliktUnit.h"
#include "planning/UndoUnit.h"
#include "settings/StandardUnit.h"

namespace {
// Tag und Stundenbezeichnung der aktuellen Woche.
std::string Zeit(int tag, int std) {
  const TStandard& s = Standard();
  std::string text = (tag >= 1 && tag <= 7) ? s.fTagBez[tag].str() : std::string();
  text += ' ';
  if (std >= 1 && std <= 16 && s.fAktuelleWoche >= 1 && s.fAktuelleWoche <= 54)
    text += s.fStdBez[s.fAktuelleWoche][std].str();
  return U8(text);
}

std::vector<TKonflikt> Kopie(const TKonfliktListe& liste) {
  std::vector<TKonflikt> kopie;
  kopie.reserve(liste.size());
  for (const TKonflikt* k : liste) kopie.push_back(*k);
  return kopie;
}

// Der gemeinsame Ablauf nach dem Füllen. Er arbeitet auf eigenen Kopien der Einträge: das
// Entfernen von Stunden frischt Fenster auf, die ihre eigenen Konfliktlisten dabei neu bauen.
// manuell: ein mit "Dieser Kurs" verdrängter Kurs kommt in die Kursliste des Manuellfensters.
bool Verdraengen(std::vector<TKonflikt> liste, int schwere, int tag, int std, bool manuell) {
  if (liste.empty()) return true;
  std::vector<std::string> zeilen = {Zeit(tag, std)};
  for (const TKonflikt& k : liste) zeilen.push_back(U8(k.Zeile()));
  if (schwere >= 2) {
    zeilen.insert(zeilen.begin(), "Konflikt");
    zeilen.push_back("Sperrungen und Fixierungen können");
    zeilen.push_back("nicht verdrängt werden.");
    Dialog().Meldung("Setzungsverbot", zeilen, TMeldungsArt::Warnung);
    return false;
  }
  if (schwere < 1) return false;
  zeilen.insert(zeilen.begin(), "Konflikt mit");
  if (Dialog().Frage("Verdrängen", zeilen, TMeldungsArt::Warnung, {"Abbrechen", "Trotzdem setzen"},
                     0, 0) != 1)
    return false;
  while (!liste.empty()) {
    const TKonflikt e = liste.front();
    // koRa nennt keine Stunde, die im Weg steht: nichts zu verdrängen.
    if (e.fArt != koRa && e.fKurs) {
      if (const TKopplung* kopplung = e.fKurs->fKopplung) {
        // Die Kopplung in der Woche des Konflikts, nicht in der aktuellen Woche.
        const std::vector<TKurs*> gekoppelt = GekoppeltInZelle(kopplung, e.fWoche, tag, std);
        if (!gekoppelt.empty()) {
          switch (FrageKoppelLoeschen(gekoppelt, e.fWoche, tag, std)) {
            case TKoppelAntwort::DieserKurs:
              e.fKurs->LoescheSetzung(e.fWoche, tag, std, false);
              if (TManuellProtokoll* p = ManuellProtokoll(); manuell && p)
                p->KursAufnehmen(e.fKurs);
              break;
            case TKoppelAntwort::Kopplung:
              e.fKurs->LoescheSetzung(e.fWoche, tag, std, true);
              break;
            case TKoppelAntwort::Abbrechen:
              return false;
          }
        }
      } else {
        e.fKurs->LoescheSetzung(e.fWoche, tag, std, false);
      }
    }
    liste.erase(liste.begin());
  }
  return true;
}
}  // namespace

bool TKurs::PasstIn(int neuTag, int neuStd, int altTag, int altStd, TKonfliktListe& konfliktListe,
                    bool mitKopplung) {
  int schwere = 0;
  if (mitKopplung && fKopplung) {
    for (TKurs* k : GekoppeltInZelle(fKopplung, -1, altTag, altStd))
      schwere = std::max(schwere, k->FuelleKonfliktListe(neuTag, neuStd, altTag, altStd,
                                                         konfliktListe, fKopplung, this));
  } else {
    schwere = FuelleKonfliktListe(neuTag, neuStd, altTag, altStd, konfliktListe, fKopplung, this);
  }
  return Verdraengen(Kopie(konfliktListe), schwere, neuTag, neuStd, false);
}

bool TKurs::PasstInMitRaum(int neuTag, int neuStd, int altTag, int altStd,
                           TKonfliktListe& konfliktListe, bool mitKopplung, TRaum* neuRaum) {
  // Die mitgenommenen Kurse der Kopplung behalten ihre Räume: nimmt einer von ihnen den neuen
  // Raum dieses Kurses mit, lägen beide darin. Kein Konflikt, den Verdrängen lösen könnte.
  if (mitKopplung && fKopplung && neuRaum) {
    const TWochenSpanne spanne = WochenArgument(-1);
    for (const TKurs* k : GekoppeltInZelle(fKopplung, -1, altTag, altStd))
      for (int w = spanne.von; w <= spanne.bis; ++w)
        if (k != this && k->RaumFinden(w, altTag, altStd) == neuRaum &&
            !k->SetzungFinden(w, neuTag, neuStd)) {
          Dialog().Piep();
          return false;
        }
  }
  int schwere = FuelleKonfliktListeMitRaum(neuTag, neuStd, altTag, altStd, konfliktListe, fKopplung,
                                           this, neuRaum);
  if (mitKopplung && fKopplung)
    for (TKurs* k : GekoppeltInZelle(fKopplung, -1, altTag, altStd))
      if (k != this)
        schwere = std::max(schwere, k->FuelleKonfliktListe(neuTag, neuStd, altTag, altStd,
                                                           konfliktListe, fKopplung, this));
  return Verdraengen(Kopie(konfliktListe), schwere, neuTag, neuStd, false);
}

bool TKurs::ManOhneKonflPasstIn(int tag, int std, TKonfliktListe& konfliktListe, bool mitKopplung,
                                TRaum* raum) {
  int schwere = 0;
  if (mitKopplung && fKopplung) {
    for (TKurs* k : fKopplung->fKurse.Kopie()) {
      const TRaum* kursRaum = k == this ? raum : k->FreierRaum(-1, tag, std);
      schwere = std::max(schwere, k->ManKonfliktListe(tag, std, konfliktListe, kursRaum));
    }
  } else {
    schwere = ManKonfliktListe(tag, std, konfliktListe, raum);
  }
  return Verdraengen(Kopie(konfliktListe), schwere, tag, std, true);
}

bool TKurs::ManPasstIn(int tag, int std, const TKonfliktListe& konfliktListe) {
  std::vector<TKonflikt> kopie = Kopie(konfliktListe);
  int schwere = 0;
  for (const TKonflikt& k : kopie) schwere = std::max<int>(schwere, k.fSchwere);
  return Verdraengen(std::move(kopie), schwere, tag, std, true);
}
