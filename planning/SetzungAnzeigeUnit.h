// Die Plan- und Übersichtsfenster folgen jeder Setzung sofort: die Setzungsoperationen schreiben
// die Zellen der gezeigten Woche (fAktuelleWoche) über die Fensterschnittstelle.
#pragma once

class TKurs;
class TRaum;
class TLehrer;
class TKlasse;

// Eine neue Stunde des Kurses: Lehrer-, Klassen- und Raumzelle zeigen den Kurs mit "N".
void ZeigeNeueSetzung(TKurs* kurs, int woche, int tag, int std, TRaum* raum);
// Nach dem Entfernen: Lehrer- und Raumzelle werden geleert; eine Klassenzelle zeigt den Kurs, der
// noch dort liegt ("F" fixiert, sonst "N"), oder wird geleert.
void ZeigeEntfernteSetzung(TKurs* kurs, int woche, int tag, int std, TRaum* raum);
// Nur die Raumzelle: mit Kurs ("N") oder geleert.
void ZeigeRaumZelle(TRaum* raum, int woche, int tag, int std, TKurs* kurs);
