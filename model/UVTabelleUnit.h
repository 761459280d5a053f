// Die UV-Tabelle ohne Fenster: das Raster aus Kopfelementen und Kursen, das Einfügen von Kursen,
// Zeilen, Spalten und Elementen, was die Zellen zeigen, der Text für "Kopieren" und was die
// Mausgesten mit den Kursen tun. Das Fenster TUVForm, tamrel-cli und die Tests rechnen damit.
//
// Eine Fachtabelle ("Klassen/Fächer") hat eine Spalte je Fach und je Klasse einen Block von
// Zeilen; eine Lehrertabelle ("Lehrer/Klassen") eine Zeile je Lehrer und je Klasse einen Block
// von Spalten. Intern heißen die Achsen deshalb "Elemente" (Fächer bzw. Lehrer) und "Linien"
// (die Zeilen bzw. Spalten der Klassenblöcke); Spalte und Zeile zählen wie im Raster ab 1.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "model/GlobalUnit.h"
#include "model/MenueUnit.h"

class TElement;
class TKlasse;
class TFach;
class TLehrer;
class TKurs;
class TUVTab;

class TUVRaster {
 public:
  // Baut das Raster für die Tabelle in ihrer Art auf.
  void Aufbauen(const TUVTab& tab);

  bool IstFach() const { return fIstFach; }
  int Spalten() const;  // Datenspalten (ohne Kopfspalte)
  int Zeilen() const;   // Datenzeilen (ohne Kopfzeile)
  // Der Kurs der Datenzelle (1..Spalten, 1..Zeilen), sonst nichts.
  TKurs* Kurs(int col, int row) const;
  // Das Kopfelement der Spalte bzw. Zeile (ab 1), sonst nichts.
  TElement* SpaltenKopf(int col) const;
  TElement* ZeilenKopf(int row) const;
  // Die Köpfe nach ihrer Art gelesen: nichts, wenn der Kopf kein Element dieser Art ist.
  TKlasse* KlasseVon(int col, int row) const;
  TFach* FachVon(int col, int row) const;
  TLehrer* LehrerVon(int col, int row) const;
  // Alle Zellen (Spalte, Zeile), die den Kurs zeigen.
  std::vector<std::pair<int, int>> ZellenVon(const TKurs* kurs) const;
  bool Zeigt(const TKurs* kurs) const { return !ZellenVon(kurs).empty(); }

  // Zeigt einen Kurs, der zur Tabelle passt (in jedem seiner Klassenblöcke einmal, notfalls in
  // einer neuen Linie hinter dem Block). Wahr, wenn er danach in der Tabelle steht.
  bool KursEinfuegen(TKurs* kurs);
  // Leert jede Zelle, die den Kurs zeigt.
  void KursLoeschen(const TKurs* kurs);
  // Stellt den Kurs in die Zelle, wenn sie leer ist und ihre Köpfe zum Kurs passen; sonst wie
  // KursEinfuegen. Wahr, wenn er danach in der Tabelle steht.
  bool KursInZelle(int col, int row, TKurs* kurs);

  // Gleicht die Köpfe mit den Listen der Tabelle ab: fehlende Fächer, Lehrer und Klassen kommen
  // an ihren Platz (FachErgaenzen …), entfernte fallen mit ihren Zeilen oder Spalten weg; eine
  // andere Art baut neu auf. Wahr, wenn sich etwas geändert hat.
  bool ListenAbgleichen(const TUVTab& tab);
  // Gleicht das Raster mit den Kursen ab, nachdem sie sich anderswo geändert haben: eine Zelle,
  // deren Kurs nicht mehr zu ihrer Klasse und ihrem Fach bzw. Lehrer passt, wird leer; ein Kurs
  // einer Klasse der Tabelle, der passt und fehlt, kommt dazu (KursEinfuegen). Leere Zeilen und
  // Spalten bleiben stehen. Wahr, wenn sich etwas geändert hat.
  bool Nachfuehren();

  // Fügt eine leere Zeile (Fachtabelle) bzw. Spalte (Lehrertabelle) mit der Klasse als Kopf an
  // der Stelle (1 .. Zeilen()+1 bzw. Spalten()+1) ein. Falsch in der anderen Art oder ohne Klasse.
  bool ZeileEinfuegen(int row, TKlasse* klasse);
  bool SpalteEinfuegen(int col, TKlasse* klasse);

  // Neue Fachspalte, Lehrerzeile oder neuer Klassenblock an der Stelle nach fReihe, gefüllt mit
  // den Kursen des Elements; ein Element, das die Art nicht zeigt oder schon da ist, bleibt weg.
  bool FachErgaenzen(TFach* fach);
  bool LehrerErgaenzen(TLehrer* lehrer);
  bool KlasseErgaenzen(TKlasse* klasse);
  // Nimmt die Spalte, Zeile oder alle Linien des Klassenblocks des Elements heraus.
  void ElementEntfernen(const TElement* element);

 private:
  bool ElementErgaenzen(TElement* element);
  int ElementIndex(const TElement* element) const;  // -1: fehlt
  TElement* KursElement(const TKurs* kurs) const;
  void LinieEinfuegen(std::size_t pos, TKlasse* klasse);
  // Stellt den Kurs in den Block der Klasse (Element e); wahr, wenn er dort steht.
  bool InBlock(TKurs* kurs, const TKlasse* klasse, std::size_t e);
  // Index (Element, Linie) aus Spalte und Zeile; falsch außerhalb.
  bool Index(int col, int row, std::size_t& e, std::size_t& l) const;

  bool fIstFach = true;
  std::vector<TElement*> fElemente;          // Fächer bzw. Lehrer
  std::vector<TKlasse*> fLinien;             // die Klasse jeder Linie
  std::vector<std::vector<TKurs*>> fZellen;  // [Linie][Element]
};

// Überschrift des Fensters: "UV-Tabelle " + Kürzel, höchstens 22 Zeichen (UTF-8).
std::string UVTitel(const TUVTab& tab);
// Der Text der Ecke: "UV" in Fachtabellen, "LK" in Lehrertabellen.
std::string UVEcke(bool istFach);

// Was eine Datenzelle zeigt. Texte in UTF-8.
struct TUVZellBild {
  bool MitKurs = false;
  std::string Wert;      // gewichtete Stunden der Arbeitswoche als Stundentext
  bool WertRot = false;  // Fachtabelle ohne Lehrer, Lehrertabelle ohne Fach
  std::string Name;      // Kopplung (Knopf "o"), sonst Lehrer bzw. Fach; leer, wenn es fehlt
  bool Fett = false;
  bool Kursiv = false;  // die Klasse der Zelle ist nicht die erste Klasse des Kurses
  TColor Farbe = clWhite;
};
TUVZellBild UVZellBild(const TUVRaster& raster, int col, int row, bool schalterO);
// Der Name, den die Zelle für den Kurs zeigt (Windows-1252); leer, wo nichts zu nennen ist.
std::string UVZellName(const TKurs& kurs, bool istFach, bool schalterO);

// Was eine Kopfzelle zeigt: Fächer nur ihr Kürzel; Klassen und Lehrer vorn den Rest (Soll der
// Arbeitswoche minus Belastung), rot, wenn Belastung und Soll verschieden sind.
struct TUVKopfBild {
  bool MitRest = false;
  std::string Rest;
  bool RestRot = false;
  std::string Kuerzel;
};
TUVKopfBild UVKopfBild(const TElement* element);

// "Kopieren" (UTF-8, CR LF): Zeile 1 je Datenspalte zwei Tabulatoren und das Kürzel ihres Kopfes;
// dann je Datenzeile das Kürzel des Zeilenkopfes und je Datenspalte ein Tabulator, die Stunden
// der Arbeitswoche als Stundentext, ein Tabulator und der Name der Zelle; leere Zellen "0" und
// kein Name.
std::string UVAlsText(const TUVRaster& raster, bool schalterO);

// Wechselt die Art der Tabelle; wahr, wenn sie sich geändert hat. Die offenen Fenster der
// Tabelle bauen sich sofort in der neuen Art auf, die Zeile in "UV-Statistik" wird aufgefrischt.
bool UVArtSetzen(TUVTab& tab, bool istFach);

// ---- Gesten ----

// Doppelklick mit "Zeigen" auf eine leere Datenzelle: ein neuer Kurs für die Zelle (Fachtabelle:
// Klasse der Zeile, Fach der Spalte, kein Lehrer, Stammraum der Klasse; Lehrertabelle: Lehrer der
// Zeile, Klasse der Spalte, kein Fach, Stammraum der Klasse oder sonst des Lehrers; fKursStd
// Stunden), in die Zelle gestellt. Nichts bei einer belegten Zelle oder fehlenden Köpfen.
TKurs* UVNeuerKurs(TUVRaster& raster, int col, int row);
// Setzen auf eine leere Zelle nach der Wahl im Lehrer- (Fachtabelle) bzw. Fachmenü
// (Lehrertabelle): ein neuer Kurs mit dem gewählten Element, in die Zelle gestellt.
TKurs* UVSetzKurs(TUVRaster& raster, int col, int row, TElement* gewaehlt);
// Das Menü für Setzen auf eine leere Zelle: die Lehrer des Spaltenfachs bzw. die Fächer des
// Zeilenlehrers; die Wahl legt den Kurs an (UVSetzKurs) und meldet ihn an danach.
TMenue UVSetzMenue(TUVRaster& raster, int col, int row, std::function<void(TKurs*)> danach = {});
// Setzen, rechte Hälfte, Kurs ohne gesetzte Stunden: die Lehrer seines Fachs (Fachtabelle) bzw.
// die Fächer seines Lehrers (Lehrertabelle); die Wahl gibt dem Kurs das Element.
TMenue UVKursWahlMenue(TKurs& kurs, bool istFach);
// Doppelklick mit "Löschen": mit Strg verliert der Kurs seine Räume (wenn er welche hat und
// geändert werden darf); sonst verliert jeder Kurs (jeder einmal), der geändert werden darf,
// seinen Lehrer (Fachtabelle) bzw. sein Fach (Lehrertabelle).
void UVLoeschen(TKurs& kurs, const std::vector<TKurs*>& auswahl, bool istFach, bool strg);
// Die Kurse der Zellen, jeder einmal, in der Folge der Zellen.
std::vector<TKurs*> UVKurse(const TUVRaster& raster,
                            const std::vector<std::pair<int, int>>& zellen);

// ---- Datenfenster ----
// Beschriftung der linken und rechten Liste und ihrer Knöpfe (UTF-8).
struct TUVListenTitel {
  std::string Links, LinksKnopf, Rechts, RechtsKnopf;
};
TUVListenTitel UVListenTitel(bool istFach);
// Die Elemente der linken bzw. rechten Liste in der Art der Tabelle.
std::vector<TElement*> UVListe(const TUVTab& tab, bool links);
// Die Kürzelart der linken bzw. rechten Liste.
TKuerzelArt UVListenArt(bool istFach, bool links);
// Nimmt ein gewähltes Element in die Tabelle auf (NeueKlasse, NeuerLehrer, NeuesFach); falsch,
// wenn es schon darin ist oder nicht zur Liste passt.
bool UVElementAufnehmen(TUVTab& tab, TElement* element);
// Nimmt das Element aus der Tabelle (Doppelklick mit "Löschen").
void UVElementEntfernen(TUVTab& tab, TElement* element);
