// Die Drucke der Vertretungsübersichten für Lehrer und für Klassen: die Zeilen eines Zeitraums
// aus den Vertretungen der Schule, in neun Spalten unter dem Listenkopf.
#pragma once

#include <string>
#include <vector>

#include "model/DienstUnit.h"
#include "model/GlobalUnit.h"
#include "output/DruckListeUnit.h"

class TPlanElement;

// Eine Zeile (UTF-8), neun Texte.
using TVUebZeile = std::vector<std::string>;

// Die Spaltentitel der Lehrer- bzw. Klassenübersicht.
std::vector<std::string> VUebTitel(bool lehrer);
// Die Zeilen für die Elemente (Lehrer bzw. Klassen, in Listenfolge) von "von" bis "bis"
// (mittags); Tag für Tag, Stunde für Stunde.
std::vector<TVUebZeile> VUebZeilen(bool lehrer, const std::vector<TPlanElement*>& elemente,
                                   TDateTime von, TDateTime bis);

// Der Zeitraum aus den Feldern: Tag (1..31), Monat und Jahr (1994..2039) werden geklemmt, ein
// Tag, den der Monat nicht hat, wird gesenkt, bis es ihn gibt; "von" mittags, "bis" mittags und
// nie vor "von".
struct TVUebZeitraum {
  TDateTime Von = 0, Bis = 0;
};
TVUebZeitraum VUebZeitraum(int vonTag, int vonMonat, int vonJahr, int bisTag, int bisMonat,
                           int bisJahr);

// Zeigt "Die Vertretungsübersicht wird angelegt.", baut die Zeilen und druckt Kopf und
// Spaltentitel auch ohne Zeilen; 0 nur ohne Aufzeichnung.
int DruckeVertretungsUebersicht(bool lehrer, TListDruckOptionen o,
                                const std::vector<TPlanElement*>& elemente, TDateTime von,
                                TDateTime bis, TPrevPrinter& d);
TListDruckOptionen LadeVUebDruck(const TStandard& s);
void SpeichereVUebDruck(const TListDruckOptionen& o, TStandard& s);
