// Das Kopieren einer Planversion in eine andere ("Voreinstellung für Planversionen"): Sollstunden,
// Sperrungen, Stunden und Setzungen der gewählten Elemente oder aller Kurse.
#pragma once

#include <vector>

class TElement;
class TKurs;

struct TVersKopieAuftrag {
  int Von = 1;
  int Zu = 1;
  bool AlleKurse = false;           // "alle Kurse": alle Lehrer, Klassen, Räume und Kurse
  std::vector<TElement*> Elemente;  // sonst die gewählten Elemente in Listenfolge
  bool AuchPlaene = true;           // "auch Pläne" (sonst "nur Deputate")
};

// "Kopieren" ist nur wählbar, wenn "von Version" und "zu Version" verschieden sind.
bool VersKopierenWaehlbar(int von, int zu);

// Kopiert unter der Meldung "Die Planversion wird kopiert."; fragt bei Kollisionen nach.
// Falsch, wenn eine Sperrung oder Fixierung im Weg stand oder der Benutzer abgebrochen hat;
// was bis dahin kopiert war, bleibt.
bool VersionKopieren(const TVersKopieAuftrag& auftrag);
