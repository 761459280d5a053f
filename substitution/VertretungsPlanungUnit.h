// Die Regeln der Vertretungsplanung, die nicht an einer einzelnen Vertretung hängen: Gutschrift
// und Lastschrift der Konten, die vier Ordnungen der Vertretungsliste, das Anlegen einer
// Vertretung und das Auffrischen der Vertretungsfenster.
#pragma once

#include <cstdint>
#include <memory>

#include "model/GlobalUnit.h"

class TKurs;
class TLehrer;
class TSetzung;
class TVertretung;
class TSchule;

// Gutschrift: fVStunden1 und fVStunden2 += wert, fVStunden3 und das Monatskonto des Tages
// ebenso; die Schule ist geändert, die Lehrerliste des Auswahlfensters frischt sich auf.
void Gutschrift(TLehrer* lehrer, std::int32_t wert, TDateTime datum);
// Lastschrift: Gutschrift mit -wert.
void Lastschrift(TLehrer* lehrer, std::int32_t wert, TDateTime datum);

// Der Vertreter (ein eingetragener Lehrer, der nicht der des Kurses ist) einer gültigen,
// angerechneten Vertretung hat ihren Faktor gutgeschrieben: er wird ihm abgebucht. Die Vertretung
// selbst bleibt, wie sie ist; wer das aufruft, trägt den Vertreter danach aus oder löscht sie.
void VertreterAusbuchen(const TVertretung* v);

// Eine Stunde des Kurses in der Zelle (woche, tag, std) kommt hinzu (hinzu) oder geht: an jedem
// Schultag dieser Zelle, an dem alle Klassen des Kurses fehlen, während sein Lehrer da ist, wird
// ihm die Stunde abgebucht (hinzu) oder wieder gutgeschrieben, wie es das Fehlen der Klassen
// getan hätte.
void AusfallBuchen(const TKurs* kurs, int woche, int tag, int std, bool hinzu);

// Gibt dem Kurs einen neuen Faktor. Jede Stunde wiegt in den Konten den Faktor ihres Kurses:
// was schon gebucht ist (die Gutschrift jedes Vertreters einer gültigen, angerechneten
// Vertretung, die Lastschrift des Lehrers für jede ausfallende Stunde), wird um den Unterschied
// nachgebucht. Sonst buchte das spätere Lösen (Entfernen der Stunde, Ende des Fehlens) mit dem
// neuen Faktor zurück, was mit dem alten gebucht war.
void KursFaktorSetzen(TKurs* kurs, std::int32_t faktor);

// Die Ordnung der Vertretungsliste nach der Sortierart (0 Klassen, 1 fehlende Lehrer/Räume,
// 2 vertretende Lehrer/Räume, 3 Stunden): < 0, 0, > 0.
int VertretungsVergleich(int sortArt, const TVertretung* a, const TVertretung* b);
// Dasselbe nach TStandard::fVertrSortArt.
int VertretungsOrdnung(const TVertretung* a, const TVertretung* b);
// Nimmt eine Vertretung in die Liste ihrer Setzung (angehängt) und binär eingefügt in die
// Vertretungsliste der Schule auf.
TVertretung* VertretungEinordnen(std::unique_ptr<TVertretung> v);
// Baut die Vertretungsliste der Schule in der gewählten Ordnung neu auf (jede Vertretung wird
// neu eingefügt).
void VertretungenSortieren(TSchule& schule);

// Eine neue Vertretung der Setzung für den Tag (mittags): Kurs, Setzung, Fach des Kurses, Raum
// der Setzung, gültig, wenn nicht alle Klassen fehlen; nicht angerechnet, ohne Lehrer. Noch in
// keiner Liste.
std::unique_ptr<TVertretung> NeueVertretung(TKurs* kurs, TSetzung* setzung, TDateTime datum);

// Der Tag ist ein Schultag: weder Ferientag noch außerhalb der Schulwoche, und er liegt im
// Kalender (ab 27.12.1993).
bool Schultag(TDateTime datum);

// Eine Vertretung des Tages ist entstanden oder verschwunden: die Schule meldet es ihren
// Fenstern (der Tagesplan, der den Tag zeigt, baut sich neu auf).
void TagNeuAufbauen(TDateTime datum);
// Tagesplan und Lehrerliste des Auswahlfensters auffrischen.
void VertretungsFensterAuffrischen();
