// Die Drucke der Vertretungsübersichten für Lehrer und für Klassen: die Zeilen, die das
// Übersichtsfenster und der Textexport für den Zeitraum zeigen (VStatUnit), für die gewählten
// Elemente, in neun Spalten unter dem Listenkopf.
#pragma once

#include <string>
#include <vector>

#include "model/DienstUnit.h"
#include "model/GlobalUnit.h"
#include "output/DruckListeUnit.h"

class TPlanElement;

// Die Spaltentitel der Lehrer- bzw. Klassenübersicht.
std::vector<std::string> VUebTitel(bool lehrer);

// Der Zeitraum aus den Feldern: Tag (1..31), Monat und Jahr (1994..2039) werden geklemmt, ein
// Tag, den der Monat nicht hat, wird gesenkt, bis es ihn gibt; "von" mittags, "bis" mittags und
// nie vor "von".
struct TVUebZeitraum {
  TDateTime Von = 0, Bis = 0;
};
TVUebZeitraum VUebZeitraum(int vonTag, int vonMonat, int vonJahr, int bisTag, int bisMonat,
                           int bisJahr);

// Baut die Zeilen mit "Die Vertretungsübersicht wird angelegt. (n %)" in der Fortschrittsanzeige
// der Aufzeichnung ("Abbrechen" verwirft den Druck) und druckt Kopf und Spaltentitel auch ohne
// Zeilen; 0 nur ohne Aufzeichnung oder nach "Abbrechen".
int DruckeVertretungsUebersicht(bool lehrer, TListDruckOptionen o,
                                const std::vector<TPlanElement*>& elemente, TDateTime von,
                                TDateTime bis, TPrevPrinter& d);
TListDruckOptionen LadeVUebDruck(const TStandard& s);
void SpeichereVUebDruck(const TListDruckOptionen& o, TStandard& s);
