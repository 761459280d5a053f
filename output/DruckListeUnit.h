// Die Listendrucke: Deputate, Kürzellisten, Fach- und Klassenkonferenzen, Reststunden,
// Stundenverteilungen, Vertretungskonten, Fehlerliste, UV-Tabellen und parallele Kopplungen.
// Alle teilen den Listenrahmen (Seitenkopf, Zeile für Zeile, neue Seite, wenn ein Block nicht
// mehr passt). Optionen und Zeichnen sind Logik; die Dialoge stehen in DruckListeFormUnit.
#pragma once

#include <string>
#include <vector>

#include "model/DienstUnit.h"
#include "model/GlobalUnit.h"

class TPrevPrinter;
class TElement;
class TFach;
class TKlasse;
class TUVTab;
class TUVRaster;
class TParTabelle;
class TStandard;

// Der gemeinsame Rahmen: linker Rand aus Zentimetern, oberer Rand 1 cm, h = TextHeight.
class TListRahmen {
 public:
  // mitVersion: "{v}  " vor dem Dateinamen, wenn die Schule mehrere Planversionen hat.
  TListRahmen(TPrevPrinter& d, const TSchrift& font, int randCm, bool mitVersion);
  // NewJob und Seitenkopf; der Inhalt beginnt bei oben + 3·h.
  void Beginnen();
  void NeueSeite();
  // Neue Seite, wenn weniger als hoehe bis zum Blattende bleibt.
  void Brauche(int hoehe);
  int Rest() const { return Unten - y; }
  void Zeile(int n = 1) { y += n * h; }
  // Text, der an der rechten Kante endet.
  void Rechts(int rechts, int zeileY, const std::string& text);

  TPrevPrinter& d;
  TSchrift Font;
  int Links = 0, Oben = 0, h = 0, y = 0;
  int Unten = 0, Breite = 0;  // Blattende unten und rechts
  bool MitVersion = false;
};

// --- Deputate ---
// "für": 0 Lehrer, 1 Klassen, 2 Kopplungen, 3 Fächer, 4 Räume, 5 alle Kurse.
struct TDepDruckOptionen {
  int Art = 0;
  bool KlListe = false, RaListe = false, EineSeite = false, Info = false, Farbe = false,
       Zusatz = false;
  int Rand = 1;
  TSchrift Font;
};
// Laden klemmt "für" auf 0..5 und den Rand auf 0..6.
TDepDruckOptionen LadeDepDruck(const TStandard& s);
void SpeichereDepDruck(const TDepDruckOptionen& o, TStandard& s);
// Die Zahl der Zeilen eines Kurses (0: er wird nicht gezeigt), mindestens 1 für jeden
// gezeigten Kurs.
int DepKursZeilen(const TDepDruckOptionen& o, const class TKurs& k);
// Druckt die Deputate der Elemente (bei "alle Kurse" die Kursliste der Schule); liefert die
// Zahl der Blöcke (0 ohne Aufzeichnung).
int DruckeDeputate(TDepDruckOptionen o, const std::vector<TElement*>& liste, TPrevPrinter& d);

// --- Kürzellisten ---
struct TKueDruckOptionen {
  bool Art[6] = {true, true, true, true, true, true};  // Le, Kl, Ko, Fa, Ra, UV
  int Rand = 1;
  TSchrift Font;
};
TKueDruckOptionen LadeKueDruck(const TStandard& s);
void SpeichereKueDruck(const TKueDruckOptionen& o, TStandard& s);
// Zeilen und Spalten der Liste von n Elementen: Spalten mindestens 1, Zeilen aufgerundet.
struct TKueRaster {
  int Spalten = 1, Zeilen = 0;
};
TKueRaster KueRasterBerechnen(int n, int blattBreite, int links, int abstand);
int DruckeKuerzel(TKueDruckOptionen o, TPrevPrinter& d);

// --- Konferenzen ---
struct TKonfDruckOptionen {
  bool Einzeln = true, Einsatz = false;
  int Rand = 1;
  TSchrift Font;
};
TKonfDruckOptionen LadeFaKonfDruck(const TStandard& s);
void SpeichereFaKonfDruck(const TKonfDruckOptionen& o, TStandard& s);
TKonfDruckOptionen LadeKlKonfDruck(const TStandard& s);
void SpeichereKlKonfDruck(const TKonfDruckOptionen& o, TStandard& s);
// Die gewählten Elemente in Stammlistenfolge (fach: Fächer, sonst Klassen).
int DruckeKonferenzen(bool fach, TKonfDruckOptionen o, const std::vector<TElement*>& gewaehlt,
                      TPrevPrinter& d);
// Fügt ein Element in Stammlistenfolge in die Konferenzliste ein (schon gewählte nicht).
void KonferenzEinfuegen(std::vector<TElement*>& liste, TElement* e);

// --- Reststunden und Stundenverteilung ---
struct TRestDruckOptionen {
  int Art = 0;  // 0 Lehrer, 1 Klassen, 2 Fächer
  int Rand = 1;
  TSchrift Font;
};
TRestDruckOptionen LadeRestDruck(const TStandard& s);
void SpeichereRestDruck(const TRestDruckOptionen& o, TStandard& s);
// Die Elemente von "von" bis "bis" der Art (Listenfolge); falsche Folge: leer.
std::vector<TElement*> ElementBereich(TKuerzelArt art, const TElement* von, const TElement* bis);
// Liegt "bis" vor "von", bekommt das andere das zuletzt gewählte.
void BereichAbgleichen(TKuerzelArt art, TElement*& von, TElement*& bis, bool vonGewaehlt);
int DruckeReststunden(TRestDruckOptionen o, const std::vector<TElement*>& liste, TPrevPrinter& d);

struct TSVDruckOptionen {
  int Art = 0;  // 0 Lehrer, 1 Klassen, 2 Kopplungen, 3 Fächer, 4 Räume
  bool Sperr = false, Spring = false, Farbe = false;
  int Rand = 1;
  TSchrift Font;
};
TSVDruckOptionen LadeSVDruck(const TStandard& s);
void SpeichereSVDruck(const TSVDruckOptionen& o, TStandard& s);
int DruckeStundenverteilung(TSVDruckOptionen o, const std::vector<TElement*>& liste,
                            TPrevPrinter& d);
// Die Art der Elemente zu "für" von Reststunden (rest) oder Stundenverteilung.
TKuerzelArt ListenArt(bool rest, int art);

// --- Vertretungskonten, Fehlerliste, UV-Tabelle, parallele Kopplungen ---
struct TListDruckOptionen {
  int Rand = 1;
  TSchrift Font;
  bool Fett = false, Farbe = false;                     // UV-Tabelle
  bool MitLe = false, MitFa = false, MitKonfl = false;  // parallele Kopplungen
};
TListDruckOptionen LadeVStdDruck(const TStandard& s);
void SpeichereVStdDruck(const TListDruckOptionen& o, TStandard& s);
TListDruckOptionen LadeFehlDruck(const TStandard& s);
void SpeichereFehlDruck(const TListDruckOptionen& o, TStandard& s);
TListDruckOptionen LadeUVDruck(const TStandard& s);
void SpeichereUVDruck(const TListDruckOptionen& o, TStandard& s);
TListDruckOptionen LadeParDruck(const TStandard& s);
void SpeichereParDruck(const TListDruckOptionen& o, TStandard& s);

int DruckeVertretungsstunden(TListDruckOptionen o, TPrevPrinter& d);
// Die Zeilen (UTF-8) des Fehlerfensters, eine gedruckte Zeile je Zeile.
int DruckeFehlerliste(TListDruckOptionen o, const std::vector<std::string>& zeilen,
                      TPrevPrinter& d);

// Die Kacheln einer Tabelle: Datenspalten und -zeilen je Kachel (mindestens 1) und ihre Zahl.
struct TKacheln {
  int N = 1, M = 1;
  int Spaltengruppen = 0, Zeilengruppen = 0;
};
TKacheln KachelnBerechnen(int spalten, int zeilen, int n, int m);
// Eine UV-Tabelle mit dem Raster ihres Fensters (mit seinen Blöcken und leeren Zeilen bzw.
// Spalten); ein frisch aufgebautes Raster ist das, was ein neu geöffnetes Fenster zeigt.
struct TUVDruckTabelle {
  const TUVTab* Tab = nullptr;
  const TUVRaster* Raster = nullptr;
};
// Druckt die Tabellen nacheinander, jede ab einer neuen Seite, in Kacheln; kopplungKnopf: der
// Umschalter des Fensters zeigt "o" (Kopplung statt Lehrer bzw. Fach). Liefert die Zahl der
// Kacheln (0 ohne Aufzeichnung).
int DruckeUVTabellen(TListDruckOptionen o, const std::vector<TUVDruckTabelle>& tabellen,
                     bool kopplungKnopf, TPrevPrinter& d);
int DruckeUVTabelle(TListDruckOptionen o, const TUVTab* tab, const TUVRaster& raster,
                    bool kopplungKnopf, TPrevPrinter& d);
int DruckeParallelKopplungen(TListDruckOptionen o, const TParTabelle& tabelle, TPrevPrinter& d);
