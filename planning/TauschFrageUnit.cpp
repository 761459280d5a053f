#include "planning/TauschFrageUnit.h"

#include <vector>

#include "model/SchulUnit.h"
#include "planning/UmsetzenUnit.h"
#include "settings/StandardUnit.h"

std::string ZeitfeldText(int tag, int std) {
  const TStandard& s = Standard();
  std::string text = (tag >= 1 && tag <= MaxTage) ? s.fTagBez[tag].str() : std::string();
  text += ' ';
  const int woche = s.fAktuelleWoche;
  if (woche >= 1 && woche <= MaxWochen && std >= 1 && std <= MaxStunden)
    text += s.fStdBez[woche][std].str();
  return U8(text);
}

bool StundenTauschen(int vonTag, int vonStd, int bisTag, int bisStd) {
  if (vonTag == bisTag && vonStd == bisStd) return false;
  if (Dialog().Frage("Stundentausch",
                     {"Tausche", ZeitfeldText(vonTag, vonStd), "mit", ZeitfeldText(bisTag, bisStd),
                      "für die ganze Schule."},
                     TMeldungsArt::Frage, {"Ok", "Abbrechen"}, 0, 1) != 0)
    return false;
  TSchule& schule = Schule();
  if (schule.TauschBehinderung(vonTag, vonStd, bisTag, bisStd)) {
    std::vector<std::string> zeilen = {"Konflikte durch Sperrungen oder",
                                       "Fixierungen. Wollen Sie die", "Stunden trotzdem tauschen?"};
    for (const std::string& z : schule.TauschKonflikte(vonTag, vonStd, bisTag, bisStd))
      zeilen.push_back(U8(z));
    if (Dialog().Frage("Tauschkonflikte", std::move(zeilen), TMeldungsArt::Warnung, {"Ja", "Nein"},
                       1, 1) != 0)
      return false;
  }
  if (!TauschMoeglich(schule, vonTag, vonStd, bisTag, bisStd)) {
    Dialog().Meldung("Stundentausch",
                     {"Die Stunden können nicht getauscht werden: Ein Kurs ist",
                      "„nicht verplanen“ oder hat mehr Stunden gesetzt, als er hat."},
                     TMeldungsArt::Fehler);
    return false;
  }
  schule.TauscheAlleStunden(vonTag, vonStd, bisTag, bisStd);
  return true;
}
