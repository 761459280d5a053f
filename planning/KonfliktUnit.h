// Konflikte: was einer Stunde in einer Zielzelle im Weg steht. Die Passtests füllen Listen davon,
// zeigen sie und lassen verdrängen, was verdrängt werden darf (Methoden von TKurs).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/ListUnit.h"

class TKurs;
class TKopplung;
class TPlanElement;

// In dieser Reihenfolge stehen die Konflikte in einer Liste.
enum TKonfliktArt : int { kuSp, leSp, klSp, raSp, leFx, klFx, raFx, leBe, klBe, raBe, koRa };

// Schwere: 3 nicht verdrängbar (Kurs, Lehrer, Klasse), 2 nicht verdrängbar (Raum),
// 1 verdrängbar (bei koRa nur eine Warnung).
class TKonflikt {
 public:
  TKonfliktArt fArt = kuSp;
  std::int32_t fSchwere = 0;
  std::int32_t fWoche = 0;
  TPlanElement* fElement = nullptr;
  TKurs* fKurs = nullptr;

  void IKonflikt(TKonfliktArt a, std::int32_t s, std::int32_t w, TPlanElement* e, TKurs* k);
  // "{" Woche "}" und die Beschreibung (Windows-1252); koRa hat keinen eigenen Text (leer).
  std::string Zeile() const;
};

using TKonfliktListe = TEigenListe<TKonflikt>;

// Nimmt einen Konflikt hinter die Einträge gleicher Art. Ein Fixiert- oder Besetzt-Eintrag
// entfällt, wenn die Liste schon einen Eintrag mit demselben Kurs in derselben Woche hat.
// Liefert die Schwere, die dabei getroffen wurde (auch bei einem entfallenen; koRa zählt 0).
int KonfliktEintragen(TKonfliktListe& liste, TKonfliktArt a, std::int32_t s, std::int32_t w,
                      TPlanElement* e, TKurs* k);

// Die Kurse der Kopplung, die in der Woche (Wochenargument) in der Zelle liegen.
std::vector<TKurs*> GekoppeltInZelle(const TKopplung* kopplung, int woche, int tag, int std);

enum class TKoppelAntwort { DieserKurs, Kopplung, Abbrechen };
// Die Frage "gekoppelten Kurs löschen" mit den Kursen der Kopplung in der Zelle (Woche ≥ 1):
// je Kurs die Zeit und seine KurzZeile; Knöpfe "Dieser Kurs", "Kopplung", "Abbrechen".
TKoppelAntwort FrageKoppelLoeschen(const std::vector<TKurs*>& kurse, int woche, int tag, int std);

// Doppelklick mit dem Löschwerkzeug: nurRaum nimmt nur den Raum der Stunde (Arbeitswoche);
// sonst fragt ein gekoppelter Kurs "gekoppelten Kurs löschen" ("Dieser Kurs", "Kopplung",
// "Abbrechen"), ein ungekoppelter verliert seine Stunde sofort.
void StundeLoeschen(TKurs* kurs, int tag, int std, bool nurRaum);
