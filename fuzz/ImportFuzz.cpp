// Fuzz-Ziel für den Import einer Kursliste. Jede Eingabe ist eine Importdatei; importiert wird in
// eine frische Schule mit einer bekannten Lehrerin und einem bekannten Raum, unbekannte Kürzel
// werden angelegt.
//  - Lehnt die Formatprüfung ab (oder ist die Datei UTF-8), bleibt die Schule unverändert.
//  - Sonst stimmen die Belegungen von Kursen, Lehrern, Klassen und Räumen genau mit den Setzungen
//    überein, jede Setzung liegt im Raster und je Zelle einmal, alle Werte in ihren Grenzen, und
//    der Kursexport der Schule besteht die Formatprüfung des Imports.
//    (Dass er nicht als UTF-8 gilt, ist nicht sicher: seltene Zeichenfolgen ohne Umlaute
//    sind zugleich gültiges UTF-8.)
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "fuzz/FuzzUmgebung.h"
#include "fuzz/FuzzZiel.h"
#include "model/SchulUnit.h"
#include "output/ExportUnit.h"
#include "persistence/ImportUnit.h"
#include "settings/StandardUnit.h"

namespace {

// Dazu eine frische Schule.
class TUmgebung {
 public:
  TUmgebung() : fSchule(std::make_unique<TSchule>()), fAlteSchule(SchuleEinsetzen(fSchule.get())) {
    fDienste.Einstellungen().fMaxTageNeu = 5;
  }
  ~TUmgebung() {
    fSchule.reset();
    SchuleEinsetzen(fAlteSchule);
  }
  TUmgebung(const TUmgebung&) = delete;
  TUmgebung& operator=(const TUmgebung&) = delete;

 private:
  TFuzzUmgebung fDienste{46365.5};
  std::unique_ptr<TSchule> fSchule;
  TSchule* fAlteSchule;
};

// Die Belegung eines Elements ist genau die Menge seiner Setzungen.
void PruefeBelegung(const TPlanElement& e, const std::set<int>& zellen, int wochen) {
  for (int w = 1; w <= wochen; ++w)
    for (int t = 1; t <= MaxTage; ++t)
      for (int h = 1; h <= MaxStunden; ++h) {
        const bool belegt = zellen.count((w * 8 + t) * 17 + h) > 0;
        FuzzPruefe(e.fBesetzung.GetWocheTagStd(w, t, h) == belegt,
                   "Belegung eines Elements weicht von den Setzungen ab");
        if (belegt)
          FuzzPruefe(!e.fSperrung.GetWocheTagStd(w, t, h), "gesetzte Zelle bleibt gesperrt");
      }
}

}  // namespace

TAMREL_FUZZ_ZIEL(ImportFuzz) {
  TUmgebung umgebung;
  TSchule& s = Schule();
  s.HoleLehrer("MUE");
  s.HoleRaum("R1");
  s.fDirty = false;
  const std::vector<std::uint8_t> bytes(daten, daten + groesse);
  TImport import(nullptr, TUnbekannte::Anlegen);
  const TImportErgebnis e = import.ImportAusBytes(bytes, "fuzz.txt");
  if (!e.Importiert) {
    FuzzPruefe(!s.fDirty && s.fKursMenge.empty() && s.fLehrerMenge.size() == 1 &&
                   s.fRaumMenge.size() == 1 && s.fKlassenMenge.empty(),
               "abgelehnter Import hat die Schule verändert");
    return 0;
  }
  FuzzPruefe(static_cast<std::size_t>(e.Kurse) == s.fKursMenge.size(), "Zahl der Kurse");
  const int wochen = Standard().fMaxWocheNeu;
  std::size_t stunden = 0;
  std::map<const TPlanElement*, std::set<int>> zellen;
  for (const TKurs* k : s.fKursMenge) {
    FuzzPruefe(k->fFaktor >= 1 && k->fFaktor <= 10000 && k->fTabellenNr >= 1 &&
                   k->fTabellenNr <= 4 && k->fStdProTag >= 1 && k->fStdProTag <= MaxStunden &&
                   k->fEinzelStd >= 0 && k->fEinzelStd <= Standard().fMaxTageNeu,
               "Wert eines Kurses außerhalb seiner Grenzen");
    std::set<int> eigene;
    for (const TSetzung* z : k->fSetzungen) {
      ++stunden;
      FuzzPruefe(z->fWoche >= 1 && z->fWoche <= wochen && z->fTag >= 1 &&
                     z->fTag <= Standard().fMaxTageNeu && z->fStunde >= 1 &&
                     z->fStunde <= MaxStunden,
                 "Setzung außerhalb des Rasters");
      const int zelle = (z->fWoche * 8 + z->fTag) * 17 + z->fStunde;
      FuzzPruefe(eigene.insert(zelle).second, "zwei Setzungen eines Kurses in einer Zelle");
      if (k->fLehrer) zellen[k->fLehrer].insert(zelle);
      for (const TKlasse* kl : k->fKlassen) zellen[kl].insert(zelle);
      if (z->fRaum) {
        zellen[z->fRaum].insert(zelle);
        FuzzPruefe(k->fRaeume.ListeNrInhalt(1) != nullptr, "Raum der Setzung fehlt beim Kurs");
      }
    }
    for (int w = 1; w <= wochen; ++w)
      for (int t = 1; t <= MaxTage; ++t)
        for (int h = 1; h <= MaxStunden; ++h)
          FuzzPruefe(
              k->fBesetzung.GetWocheTagStd(w, t, h) == (eigene.count((w * 8 + t) * 17 + h) > 0),
              "Belegung eines Kurses weicht von seinen Setzungen ab");
  }
  FuzzPruefe(static_cast<std::size_t>(e.Stunden) == stunden, "Zahl der Stunden");
  for (const TLehrer* l : s.fLehrerMenge) PruefeBelegung(*l, zellen[l], wochen);
  for (const TKlasse* k : s.fKlassenMenge) PruefeBelegung(*k, zellen[k], wochen);
  for (const TRaum* r : s.fRaumMenge) PruefeBelegung(*r, zellen[r], wochen);
  // Was der Export schreibt, liest der Import wieder.
  TExport ex;
  ex.KursExport();
  const std::vector<std::uint8_t>& liste = ex.Puffer().Daten();
  FuzzPruefe(ImportFormatFehler(ImportZeilen(liste)).empty(),
             "Kursexport besteht die Formatprüfung nicht");
  return 0;
}
