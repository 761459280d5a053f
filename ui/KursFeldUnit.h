// Die Regeln des Kursfensters: was eine Änderung in einem Feld mit dem Kurs macht, welche
// Werte die Felder zeigen und welche Grenzen sie haben. Reine Logik; das Fenster ruft sie.
// Jede Änderung schreibt in den Kurs, markiert die Schule als geändert und lässt, wenn
// auffrischen gesetzt ist (das Fenster ist sichtbar), die Fenster des Kurses neu zeichnen.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "model/GlobalUnit.h"
#include "model/MenueUnit.h"

class TKurs;
class TElement;
class TLehrer;
class TKlasse;
class TKopplung;
class TFach;
class TRaum;

// Grenzen, Schritt und Wert eines Zahlenfeldes.
struct TZahlBereich {
  int Min = 0;
  int Max = 0;
  int Schritt = 1;
  int Wert = 0;
  friend bool operator==(const TZahlBereich&, const TZahlBereich&) = default;
};

namespace KursFeld {

// Höchste Stunden einer Woche: 7 Tage zu 16 Stunden.
inline constexpr int MaxWochenStunden = 112;
inline constexpr int MaxFaktor = 10000;

// "Stunden": Wert sind die Stunden der Arbeitswoche (im Ein-Wochen-Modus die aktuelle Woche,
// sonst die Summe aller Wochen), Schritt 1 bzw. die Zahl der Wochen. Das Minimum sind die
// gesetzten Stunden derselben Wochen: im Ein-Wochen-Modus die der aktuellen Woche, sonst die
// Zahl der Wochen mal die meisten gesetzten Stunden einer Woche; bei "nicht verplanen" minus
// das Maximum. Ein Wert außerhalb (ältere Daten) erweitert die Grenzen, damit er sichtbar bleibt.
TZahlBereich StundenBereich(const TKurs& kurs);
// Setzt die Stunden: im Ein-Wochen-Modus die der aktuellen Woche, sonst wert / Wochen in jeder
// Woche. Verweigert (falsch), wenn danach eine Woche weniger Stunden als gesetzte hätte oder
// ein verplanbarer Kurs negative Stunden bekäme.
bool StundenAendern(TKurs& kurs, int wert, bool auffrischen);
// "Faktor": 0 bis 10000 (ein Wert außerhalb erweitert die Grenzen).
TZahlBereich FaktorBereich(const TKurs& kurs);
void FaktorAendern(TKurs& kurs, int wert, bool auffrischen);
// "Std/Tag": setzt die Stunden pro Tag; bei positiven Stunden folgen die Einzelstunden
// (EinzelAusSpT). Liefert die Einzelstunden danach.
int SpTAendern(TKurs& kurs, int wert, bool auffrischen);
// Die Einzelstunden zu Stunden (der Arbeitswoche; mehrere Wochen: je Woche) und Std/Tag: der
// Rest der Teilung (bei 1 Std/Tag alle Stunden), höchstens die Zahl der Tage.
int EinzelAusSpT(int stunden, int stdProTag, int tage);
void EinzelAendern(TKurs& kurs, int wert, bool auffrischen);
void TabelleAendern(TKurs& kurs, int wert, bool auffrischen);
// "nicht verplanen" ist nur ohne Setzungen änderbar.
bool NvpAenderbar(const TKurs& kurs);
// Setzt "nicht verplanen" (falsch, wenn der Kurs Setzungen hat). Beim Löschen werden negative
// Stunden 0. Der Kurs wird in der Kursliste der Schule neu einsortiert.
bool NvpAendern(TKurs& kurs, bool an, bool auffrischen);
void NzlAendern(TKurs& kurs, bool an, bool auffrischen);
void NzkAendern(TKurs& kurs, bool an, bool auffrischen);
// Ein Infotext (UTF-8) ist zulässig, wenn er höchstens 31 Zeichen hat und Windows-1252 jedes
// davon fassen kann.
bool InfoZulaessig(const std::string& utf8);
// Setzt den Infotext; falsch (und nichts geändert), wenn er nicht zulässig ist.
bool InfoAendern(TKurs& kurs, const std::string& utf8, bool auffrischen);
void FarbeAendern(TKurs& kurs, TColor farbe, bool auffrischen);

// "Kürzel": die Wahl aus einem Aufklappmenü anwenden. Lehrer, Klassen und Kopplung nur, solange
// der Kurs keine Setzungen hat; Fach und Räume auch bei einem gesetzten Kurs. Eine Klasse oder
// ein Raum, die schon zum Kurs gehören, werden nicht noch einmal aufgenommen. Wahr, wenn der
// Kurs geändert wurde.
bool LehrerWaehlen(TKurs& kurs, TLehrer* lehrer);
bool KlasseWaehlen(TKurs& kurs, TKlasse* klasse);
bool KopplungWaehlen(TKurs& kurs, TKopplung* kopplung);
bool FachWaehlen(TKurs& kurs, TFach* fach);
bool RaumWaehlen(TKurs& kurs, TRaum* raum);
// Nach der Art des Kürzelknopfs: 0 Lehrer, 1 Klassen, 2 Kopplung, 3 Fach, 4 Räume.
bool ElementWaehlen(TKurs& kurs, int art, TElement* element);

// Entfernen mit dem Löschwerkzeug (Doppelklick). Lehrer, Kopplung und Klassen nur ohne
// Setzungen, ein Raum nur, wenn keine Stunde des Kurses in ihm liegt. Wahr, wenn entfernt.
bool LehrerLoeschen(TKurs& kurs);
bool KopplungLoeschen(TKurs& kurs);
bool FachLoeschen(TKurs& kurs);
bool KlasseLoeschen(TKurs& kurs, TKlasse* klasse);
bool RaumLoeschen(TKurs& kurs, TRaum* raum);

// Tauscht die Räume an den Positionen i und j (ab 1) der Raumliste; falsch bei ungültigen
// Positionen.
bool RaeumeTauschen(TKurs& kurs, int i, int j);

// Die Zeilen der Listen: je Klasse bzw. Raum das Kürzel (UTF-8) in Listenfolge; eine leere
// Liste zeigt eine leere Zeile.
std::vector<std::string> KlassenZeilen(const TKurs& kurs);
std::vector<std::string> RaumZeilen(const TKurs& kurs);

// Voriger (richtung < 0) oder nächster Kurs der Liste, im Kreis. Fehlt der Kurs in der Liste
// (er hat sie inzwischen verlassen), geht es von seiner letzten Position aus (ab 1): nächster
// ist der Kurs, der jetzt dort steht, voriger der davor. Nichts bei leerer Liste.
TKurs* NachbarKurs(const std::vector<TKurs*>& liste, const TKurs* kurs, int richtung,
                   int letztePos);

// Was der Knopf "Kürzel" für die Kürzelart (0 Lehrer … 4 Räume) anbietet: die Lehrer oder
// Klassen des Fachs, die Fächer des Lehrers, wenn der Kurs eines hat und dessen Liste nicht leer
// ist; sonst die Auswahlliste der Palette für die Art. Nichts für eine andere Art.
struct TKuerzelListe {
  bool Eigene = false;  // wahr: Menue, sonst die Auswahlliste der Art
  TMenue Menue;
  TKuerzelArt Art = leh;
};
std::optional<TKuerzelListe> KuerzelListe(const TKurs& kurs, int art);

}  // namespace KursFeld
