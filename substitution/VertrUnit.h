// Die Regeln des Tagesplans "Vertretungen" ohne Fenster: welche Vertretungen eines Tages Zeilen
// werden, was in ihren Zellen steht, in welcher Farbe und Schrift, die Spaltenbreiten, die
// Sortierung, "Ad hoc", das Löschen aus dem Tagesplan, die Wahl des Tages und das Blättern.
#pragma once

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "model/GlobalUnit.h"
#include "model/MenueUnit.h"

class TVertretung;
class TFehl;

// Der Tag mittags: ein Datum mit Uhrzeit gilt als sein Tag.
TDateTime TagMittags(TDateTime datum);

// Die Kopfzeile des Tagesplans (11 Spalten).
const std::array<const char*, 11>& VertrKopf();

// Die Vertretungen des Tages in der Ordnung der Vertretungsliste: die gültigen, und die
// ungültigen, wenn inaktive gezeigt werden.
std::vector<TVertretung*> VertrZeilen(TDateTime datum, bool inaktive);

// Der Text einer Zelle der Spalten 1..10 (UTF-8); Spalte 0 zeigt nur die Marke.
std::string VertrZelle(const TVertretung& v, int spalte);

enum class TVertrFarbe { Schwarz, Blau, Rot, Petrol };
// Die Schriftfarbe der Zelle (die erste zutreffende Regel; inaktive immer petrol).
TVertrFarbe VertrZellFarbe(const TVertretung& v, int spalte);
// Fett: die Klasse eines Kurses mit mehreren Klassen, "==>" bei einer Bemerkung.
bool VertrZellFett(const TVertretung& v, int spalte);
// Die Verknüpfungsmarke in Spalte 0.
enum class TVertrMarke { Keine, Gruen, Rot, Blau };
TVertrMarke VertrMarke(const TVertretung& v);
// Ad hoc: fAdHoc ist heute mittags.
bool VertrAdHoc(const TVertretung& v);

// Die Spaltenbreiten: jeweils die größere aus der Einstellung und der Breite des Kopftextes
// (breite misst einen UTF-8-Text in der Schrift des Fensters).
std::array<int, 11> VertrSpaltenBreiten(TDateTime datum,
                                        const std::function<int(const std::string&)>& breite);

// Die Höhe des Tagesplans nach einem Ziehen am Rand: ganze Zeilen (mindestens zwei) der Höhe
// zeile und 140 Bildpunkte für Rahmen und Knöpfe.
int VertrEingerasteteHoehe(int hoehe, int zeile);

// "sortiert nach": merkt die Sortierart und ordnet die Vertretungsliste der Schule neu.
void VertrSortieren(int sortArt);
// "Ad hoc setzen" (heute mittags) bzw. "Ad hoc löschen" (heute mittags - 1000 Tage) für die
// Vertretungen; die Schule ist geändert, wenn sich eine änderte.
void VertrAdHoc(const std::vector<TVertretung*>& vertretungen, bool setzen);
// Fragt "Vertretung löschen" und löscht bei "Ja": erst wird dem Vertreter die Stunde wieder
// abgebucht (wie bei "Löschen"), dann verschwindet die Vertretung. Wahr, wenn gelöscht.
bool VertrLoeschenFragen(TVertretung* v);
// Die Meldung für eine inaktive Vertretung: ihre Klassen sind abwesend.
void VertrKlassenAbwesendMelden();

// Die Abwesenheiten der Art (leh, kla, rau) am Tag, und das Menü der Strg-Taste: je Abwesenheit
// das Kürzel, Spalten nach der Länge der Elementmenüs.
std::vector<TFehl*> VertrFehlAmTag(TKuerzelArt art, TDateTime datum);
TMenue VertrFehlMenue(TKuerzelArt art, TDateTime datum);

// Ob der Tag Unterricht hat. Sonst zeigt die Frage "Vertretung unnötig" den Tag; wahr bei
// "Anderer Tag" in anderTag.
bool VertretungNoetig(TDateTime datum, bool& anderTag);
// Folgt die Planversion dem Tag: wahr, wenn die aktuelle Woche umgestellt wurde.
bool PlanversionFolgen(TDateTime datum);
// Der vorige (-1) oder nächste (+1) Schultag, mittags; ohne einen in den Grenzen bleibt der Tag.
TDateTime VertrBlaettern(TDateTime datum, int richtung);

// Die Tage der Datumsdialoge: ein ungültiger Tag wird um bis zu drei Tage zurückgenommen (und
// zurückgeschrieben). Liefert den Tag mittags.
TDateTime VertrDatum(int& tag, int& monat, int& jahr);
// Ein Zeitraum: von mittags, bis nie vor von.
struct TVertrZeitraum {
  TDateTime Von = 0;
  TDateTime Bis = 0;
};
TVertrZeitraum VertrZeitraum(TDateTime von, TDateTime bis);

// Der Doppelklick auf eine gültige Vertretung zeigt sie im Auswahlfenster; der Haken wird beim
// Aufbau des Programms gesetzt. Leer: nichts geschieht.
std::function<void(TVertretung&)>& VWahlZeigenHaken();
