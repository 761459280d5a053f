// Was die Übersichten der Lehrer, Klassen und Räume zeigen, ohne Fenster: eine Spalte je Element
// der Stammliste, eine Zeile je Tag und Stunde, die Köpfe mit Rest- und Springstunden, der Text
// für "Kopieren" und die Rechnungen der Mausgesten. Das Fenster, tamrel-cli und die Tests
// rechnen damit.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "model/MenueUnit.h"
#include "planning/PlanInhaltUnit.h"

class TKurs;
class TPlanElement;

// Zeile 1.. einer Übersicht für Tag und Stunde: (Tag - 1) · stunden + Stunde.
int UebZeile(int tag, int std, int stunden);
// Tag und Stunde einer Zeile (1 .. tage · stunden).
std::pair<int, int> UebTagStd(int zeile, int stunden);

// Die Übersicht einer Woche: je Element (Spalte 1..n, in der Folge der Stammliste) sein Plan.
// Eingetragen werden nur Stunden bis Tag tage und Stunde stunden (der Plan wie PlanFuellen).
struct TUebersicht {
  TKuerzelArt Art = leh;
  int Woche = 1;
  int Tage = 5;
  int Stunden = 6;
  std::vector<TPlanElement*> Elemente;
  std::vector<TPlanInhalt> Plaene;

  int Zeilen() const { return Tage * Stunden; }
  int Spalten() const { return static_cast<int>(Elemente.size()); }
  // Der Kurs in Spalte (1..n) und Zeile (1..Zeilen()); nichts außerhalb.
  TKurs* Kurs(int spalte, int zeile) const;
  bool Gesperrt(int spalte, int zeile) const;
};

// Die Elemente der Stammliste der Art (leh, kla, rau) in Listenfolge.
std::vector<TPlanElement*> UebElemente(TKuerzelArt art);
TUebersicht UebersichtFuellen(TKuerzelArt art, int woche, int tage, int stunden);
// Dasselbe für die gezeigte Woche mit fMaxTageNeu Tagen und fPlnStd Stunden.
TUebersicht UebersichtFuellen(TKuerzelArt art);

// Die Übersicht als Text (UTF-8, CR LF): die erste Zeile je Element ein Tabulator und sein Kürzel;
// jede weitere Zeile Tag, ein Leerzeichen und die Stundenbezeichnung der Woche, dann je Element
// ein Tabulator und der Text der Zelle wie im Plan ("---" ohne Stunde). kopplungsZeilen (nur
// Klassen): die Kurse der Kopplungen in Folgezeilen wie im Klassenplan.
std::string UebersichtAlsText(const TUebersicht& ueb, bool schalterO, bool kopplungsZeilen);

// Die Kopfzelle eines Elements: das Kürzel, dann " [Rest]" (rot über 0), dann ab der Breite von
// Kürzel + " [Rest] " der Text "[Springstunden]" (rot über 0). Texte in UTF-8.
struct TUebKopf {
  std::string Kuerzel;
  std::string Rest;     // " [2]"
  std::string Abstand;  // Kürzel + " [2] ": bis hierher reicht der Platz vor den Springstunden
  std::string Spring;   // "[0]"
  bool RestRot = false;
  bool SpringRot = false;
};
TUebKopf UebKopfBauen(const TPlanElement& element);

// Schieben mit Strg in einer Übersicht: der Kurs der gedrückten Zelle wird an Tag und Stunde der
// gedrückten Zeile ausgehoben, jede Zelle mit Stunde (alle Spalten) wird dort geprüft. Liefert die
// passenden Zellen (Spalte, Zeile).
std::vector<std::pair<int, int>> UebProbeZellen(const TUebersicht& ueb, int spalte, int zeile,
                                                bool ohneRaum);

// Die Zeilen, in denen der Kurs gesetzt werden kann (frei in seinem fSetzungUnmoeglich der Woche,
// Tage 1..tage, Stunden 1..stunden).
std::vector<int> UebRechtsZeilen(const TKurs& kurs, int woche, int tage, int stunden);

// Setzwerkzeug, rechte Taste: je Kurs des Elements der Eintrag wie im Planfenster; die Wahl
// markiert die möglichen Zellen im aktiven Fenster (der Übersicht, RechtsUebWahl).
void ErzeugeRechtsUebMenu(TMenue& menue, TPlanElement& element);
// Setzwerkzeug auf einer Stunde: die Räume für die markierten Zeilen der Spalte (wie
// ErzeugeRaumSetzMenu mit Tag und Stunde jeder Zeile).
void ErzeugeRaumUeberSetzMenu(TMenue& menue, TKurs& kurs, const std::vector<int>& zeilen,
                              int stunden);
