// Was die Mausgesten der Planfenster am Plan ändern, ohne Fenster: Probe, Fixieren,
// Schieben. Die Fenster lesen Werkzeug und Umschalttasten und rufen diese Schritte auf.
#pragma once

#include <utility>
#include <vector>

#include "planning/KonfliktUnit.h"  // StundeLoeschen
#include "planning/PlanInhaltUnit.h"

class TKurs;

// Eine Zelle mit ihrem Kurs.
struct TKursZelle {
  TKurs* Kurs = nullptr;
  int Tag = 0;
  int Std = 0;
};

// Schieben mit Strg: hebt die Stunde der gedrückten Zelle (mit ihrer Kopplung) in der
// Arbeitswoche aus, prüft für jede Zelle des Plans mit Stunde, ob ihr Kurs (gekoppelt: jeder
// Kurs seiner Kopplung, der dort liegt) in die gedrückte Zelle passt (SetzungPossible, mit dem
// Raum seiner Stunde in der gezeigten Woche; ohneRaum: ohne Raum), und setzt die Belegung
// zurück. Liefert die passenden Zellen (Tag, Stunde), tageweise von oben.
std::vector<std::pair<int, int>> ProbeZellen(const TPlanInhalt& plan, int tag, int std,
                                             bool ohneRaum);
// Dasselbe über beliebige Zellen (die Übersichten: alle Elemente): hebt gehoben (oder nichts)
// an Tag und Stunde aus, prüft jeden Kandidaten dort und liefert je Kandidat, ob er passt.
std::vector<bool> ProbeKandidaten(TKurs* gehoben, int tag, int std,
                                  const std::vector<TKursZelle>& kandidaten, int woche,
                                  bool ohneRaum);

// Doppelklick mit dem Fixierwerkzeug über die Zellen: die gezeigte Woche im Ein-Wochen-Betrieb,
// sonst alle Wochen. Der neue Zustand ist das Gegenteil der Fixierung der Stunde in der ersten
// dieser Wochen, in der der Kurs dort liegt; gekoppelt bekommt jeder Kurs der Kopplung mit einer
// Stunde dort diesen Zustand, ungekoppelt wird die Fixierung jeder Stunde umgekehrt. Wochen ohne
// Stunde bleiben unberührt. Markiert die Schule als geändert.
void StundenFixieren(const std::vector<TKursZelle>& zellen);

// Ablegen beim Schieben: liegt der Kurs in der Zielzelle (Arbeitswoche) noch nicht, prüft PasstIn
// (mit Fragen) und schiebt dann. Wahr, wenn geschoben wurde.
bool StundeSchieben(TKurs* kurs, int zielTag, int zielStd, int startTag, int startStd,
                    bool mitKopplung);
