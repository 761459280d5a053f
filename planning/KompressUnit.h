// Das Komprimieren der Klassenpläne: Klasse für Klasse und Woche für Woche wandern Stunden in die
// freien Stunden vor der letzten Stunde eines Tages. Eine Lücke füllt eine Kette von höchstens
// sieben Zügen, jeder in den Platz des vorigen; sie bleibt nur, wenn ihr letzter Zug eine Stunde
// vom Ende eines Tages nimmt. Jeder Zug ist vorher mit dem Passtest geprüft.
//
// Die Rechnung kennt kein Fenster: was sie zeigt, geht über den Anzeige-Haken, anstehende
// Eingaben laufen über den Dialogdienst. Das Fenster "Komprimieren" und die Kommandozeile setzen
// sie ein.
#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "model/KlassenUnit.h"

class TKurs;
class TSetzung;

class TKomprimierer {
 public:
  // Wird nach jedem Wechsel von Klasse oder Version und nach jeder gefüllten Lücke gerufen.
  std::function<void()> Anzeige;

  // Macht die erste Klasse der Schule zur aktuellen (nichts ohne Klassen).
  TKomprimierer();

  // "Start": ein Durchgang über alle Klassen ab der aktuellen; endet früher bei Abbruch.
  void Start();
  // "Abbrechen" und "nächste Klasse" setzen nur Merker, die die Suche liest.
  void Abbrechen() { fAbbruch = true; }
  void NaechsteKlasse() { fNext = true; }

  void NeueKlasse(TKlasse* klasse);
  void NeueVersion(int version);
  // Ein Durchgang über die Lücken der aktuellen Klasse in der Woche.
  void KompressKlasse(int woche);

  TKlasse* fKlasse = nullptr;
  int fVersion = 1;
  int fMaxim = 0;
  TTagFeld fMaximum{};
  int fHohl = 0;
  bool fNext = false;
  bool fAbbruch = false;
  bool fErfolgreich = false;
  bool fLaeuft = false;

  // Für die Zusammenfassung: Nummer der aktuellen Klasse in der Klassenliste, die Zahl der
  // Klassen, die verschobenen Stunden, die Hohlstunden aller Klassen vor und nach dem Lauf.
  int KlassenNr() const;
  int KlassenZahl() const;
  int fVerschoben = 0;
  int fHohlVorher = 0;
  int fHohlNachher = 0;
  // "Klasse i von n" (UTF-8).
  std::string Fortschritt() const;
  // Die Zeilen nach dem Lauf (UTF-8).
  std::vector<std::string> Zusammenfassung() const;
  // Die Hohlstunden aller Klassen in den Wochen, die ein Lauf bearbeitet.
  static int HohlSumme();

 private:
  struct TZug {
    TKurs* kurs;
    TSetzung* setzung;
    int vonTag, vonStd;
  };
  void FuelleLuecke(int tiefe, int tag, int std);
  std::pair<TKurs*, TSetzung*> KannVerschieben(int zielTag, int zielStd, int quellTag,
                                               int quellStd) const;
  void Zeigen();
  std::vector<TZug> fKette;
};

// Versetzt eine Setzung innerhalb ihrer Woche in eine andere Zelle, als dieselbe Stunde (mit
// Raum, Vertretungen und Fixierung); die Belegungen folgen. Prüft nichts.
void SetzungVersetzen(TKurs& kurs, TSetzung& setzung, int tag, int std);

// Komprimiert ohne Fenster alle Klassen in allen Wochen der Arbeitswoche(n) (Kommandozeile).
TKomprimierer KomprimiereAlles();
