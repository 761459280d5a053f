// Die Regeln der Datenfenster "Grunddaten X": Soll und Ist, Stammraum mit seiner Frage, Fächer
// der Lehrer, Klassenlehrer, die Kurstafel der Klasse mit "Übernehmen" und die Zeilen der Listen.
// Reine Logik; TGrForm bildet nur die Ereignisse darauf ab. Jede Änderung geht sofort ins Modell.
#pragma once

#include <string>
#include <vector>

#include "model/MenueUnit.h"

class TElement;
class TSollElement;
class TLehrer;
class TKlasse;
class TFach;
class TRaum;
class TKurs;

namespace GrundDaten {

// "Grunddaten " + Kürzel (Windows-1252).
std::string Titel(const TElement* element);
// "Soll" als Festkommazahl.
std::string SollText(const TSollElement& element);
// "Ist": "( " Stunden " )" und daneben der gewichtete Wert; Klassen zählen Kopplungen nach
// "einfach" (fKopDop), Lehrer zählen jeden Kurs.
std::string IstText(const TSollElement& element);
std::string IstWertText(const TSollElement& element);

// Der Stammraum: nichts löscht ihn. Ein anderer Raum fragt "Lehrerraumwechsel" bzw.
// "Klasssenraumwechsel" (mit Stammraum) oder "Neuer Lehrerraum" / "Neuer Klassenraum": "Ja"
// ändert auch die Kurse, "Nein" nur den Stammraum, "Abbrechen" nichts. Derselbe Raum noch einmal
// ändert nichts. Wahr, wenn sich etwas änderte.
bool StammraumWaehlen(TSollElement& element, TRaum* raum);

// Fächer eines Lehrers: je Fach die Stunden rechtsbündig in vier Stellen, dann das Kürzel.
std::vector<std::string> FachZeilen(const TLehrer& lehrer);
// Nimmt das Fach auf; liefert seine Position (ab 1) in der Fächerliste.
int FachDazu(TLehrer& lehrer, TFach* fach);

// Klassenlehrer 1 oder 2 (nichts: ohne); wahr, wenn er sich änderte.
bool KlassenLehrerSetzen(TKlasse& klasse, int nummer, TLehrer* lehrer);

// Die Kurstafel einer Klasse: je Kurs die Stunden rechtsbündig in vier Stellen, dann das Fach
// oder "????"; rot bei gekoppelten Kursen.
struct TKursZeile {
  std::string Text;
  bool Rot = false;
};
std::vector<TKursZeile> KursZeilen(const TKlasse& klasse);
// "Neuer Kurs": ein Kurs mit dem Fach, der Klasse, ihrem Stammraum und fKursStd Stunden.
TKurs* NeuerKlassenKurs(TKlasse& klasse, TFach* fach);
// Stunden auf und ab um eine Stunde je Woche: im Ein-Wochen-Modus die aktuelle Woche um 1,
// sonst die Summe um die Zahl der Wochen. Jede Woche wird gegen ihre gesetzten Stunden geprüft;
// wahr, wenn geändert.
bool StundenSchritt(TKurs& kurs, int richtung);

// "Übernehmen".
enum class TUebernahme { OhneKopplungen, KlasseInKopplungen, EigeneKurse };
// Die Klasse hat schon verplante Kurse (in irgendeiner Planversion).
bool HatVerplanteKurse(const TKlasse& klasse);
// Die Meldung "Stop", wenn die Klasse verplante Kurse hat; wahr, wenn sie gezeigt wurde.
bool StopMeldung(const TKlasse& klasse);
// Übernimmt die Kurstafel der Quelle in die Klasse (nichts bei der Klasse selbst oder bei
// verplanten Kursen). Die alten Kurse gehen (ein Kurs, dessen einzige Klasse sie ist, wird
// gelöscht, sonst verlässt sie ihn); dann je Kurs der Quelle nach der Art. Wahr, wenn übernommen.
bool KurseUebernehmen(TKlasse& klasse, TKlasse* quelle, TUebernahme art, bool klassenraum);

// Das Kontextmenü einer Zeile der Listen (rechte Maustaste ohne Werkzeug): die Kurse des
// Elements, an denen auch "mit" teilnimmt (das Fach in der Fächerliste eines Lehrers, der Lehrer
// oder die Klasse in den Listen eines Fachs), je Kurs seine Zeile aus der Sicht des Elements;
// Objekt: der Kurs. Leer, wenn es keinen solchen Kurs gibt.
TMenue KurseMit(const TElement& element, const TElement& mit);

}  // namespace GrundDaten
