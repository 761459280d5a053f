// Ob eine gesetzte Stunde heraus und anderswo wieder hinein darf: Verschieben und Tauschen prüfen
// das vor dem Herausnehmen, damit keine Stunde verloren geht.
#pragma once

class TKurs;
class TSchule;

// Der Kurs wird verplant, und nach dem Herausnehmen einer Stunde der Woche ist eine Stunde offen
// (NeueSetzung nähme sie wieder an).
bool StundeUmsetzbar(const TKurs& kurs, int woche);
// Jede Stunde der beiden Zeitfelder (Arbeitswoche) ist umsetzbar: TSchule::TauscheAlleStunden
// tauscht sonst nichts.
bool TauschMoeglich(const TSchule& schule, int vonTag, int vonStd, int bisTag, int bisStd);
