// Die Regeln des Fensters "Vertretungswahl": welche Lehrer und Räume es anbietet, was seine
// Felder, der Tagesplan und die Kandidatenlisten zeigen, die Statt-Suchen nach Klasse und nach
// Zeit, die Bemerkungsknöpfe, das Blättern durch die gültigen Vertretungen des Tages und die
// Knöpfe. Das Fenster selbst (ui/VWahlFormUnit) bildet nur Ereignisse hierauf ab.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "model/DienstUnit.h"
#include "model/GlobalUnit.h"
#include "model/MenueUnit.h"

class TVertretung;
class TLehrer;
class TRaum;
class TKurs;
class TSetzung;
class TPlanElement;

// Eine Stunde im Tagesstreifen eines Kandidaten.
struct TVWahlStunde {
  char Zeichen = 'F';  // wie SVZeile: F frei, S gesperrt, E/G/K/L Unterricht, U Lücke
  bool Gruen = false;  // vertritt an dem Tag in der Stunde schon (bzw. Raum schon eingesetzt)
  bool Rot = false;    // Unterricht, dessen Klassen an dem Tag alle fehlen
};

// Eine Zeile der Lehrer- oder Raumliste.
struct TVWahlZeile {
  TPlanElement* Element = nullptr;
  std::string Kuerzel;  // Windows-1252
  std::array<TVWahlStunde, 16> Streifen{};
  std::string Konto;           // Spalte 2 der Lehrerliste; leer bei Räumen
  bool Unterstrichen = false;  // Statt-Kandidat nach Klasse
  bool Frei = false;           // frei geworden, weil die Klassen fehlen: rot, fett, kursiv
};

// Eine Zeile des Tagesplans (Stunde 1..16).
struct TVWahlPlanZeile {
  std::string Stunde;  // Stundenbezeichnung der Planversion
  char Marke = '-';    // '*' gesperrt, '+' Unterricht, '-' sonst
  TKurs* Kurs = nullptr;
  std::array<std::string, 3> Texte;  // bei 2, 50 und 100 Bildpunkten (Windows-1252)
  bool Rot = false;                  // die Stunde der Vertretung
};

class TVWahl {
 public:
  // Das Fenster, das die Vertretung zeigt (ihr fFenster zeigt dorthin zurück).
  explicit TVWahl(TFenster* fenster = nullptr) : fFenster(fenster) {}

  TVertretung* fVertretung = nullptr;
  TDateTime fDatum = 0;
  int fWoche = 0, fTag = 0, fStd = 0;
  int fRow = 0;
  bool fRechts = false;
  bool fLehrerModus = true;

  // Zeigt die Vertretung: löst die vorige, setzt Datum und Lage, die Monatskonten der Lehrer
  // und wählt den Modus (Raumwechsel: Raumauswahl, sonst Lehrerauswahl).
  void IVWahlForm(TVertretung* vertretung);
  // Löst die Vertretung (ihr fFenster wird nichts).
  void Loesen();

  // Der rote Kopf: ZeitZeile, zwei Leerzeichen, KursZeile (UTF-8).
  std::string StdText() const;
  // Die Felder der Gruppe "Vertretung" (UTF-8): Kürzel, "ohne" oder "-----".
  std::string LehrerText() const;
  std::string FachText() const;
  std::string RaumText() const;
  // "statt" (fZu) und "verlegt auf" (fVon): ZeitZeile und KursZeile, oder leer.
  std::string StattText() const;
  std::string VerlegtText() const;
  bool StattMenuSichtbar() const;

  // Beschriftungen der Menüknöpfe nach den Einstellungen.
  static std::string AuswahlText(int auswahl);
  static std::string VStdText(int auswahl);
  std::string FreieText() const { return fLehrerModus ? "freie Lehrer" : "freie Räume"; }

  // Tagesplan: das Element (Klassenplan: erste Klasse, Lehrerplan: Vertreter oder Lehrer des
  // Kurses), die 16 Zeilen und die Nummer eines Tagesplanklicks (0 außerhalb 1..16).
  TPlanElement* PlanElement() const;
  std::vector<TVWahlPlanZeile> TagesPlan() const;
  static int PlanStunde(int zeile);

  // Die Kandidaten in der Folge der Lehrer- bzw. Raumliste nach den Ausschlussregeln.
  std::vector<TVWahlZeile> LehrerListe() const;
  std::vector<TVWahlZeile> RaumListe() const;
  // Die Stunde (1..16) zu einer x-Stelle im Tagesstreifen (7 Bildpunkte je Stunde), sonst 0.
  static int StreifenStunde(int x);

  // Die Statt-Suchen; beide füllen die Kandidatenliste der Vertretung neu.
  TMenue KlassenStattMenu(TLehrer* lehrer);
  TMenue ZeitStattMenu();

  // Bemerkungen: Text anhängen (nach einem Leerzeichen, gekürzt auf 80 Zeichen Summe) oder
  // ersetzen; höchstens 81 Zeichen. Windows-1252.
  static std::string BemerkungMitText(const std::string& bemerkung, const std::string& text,
                                      bool ersetzen);
  // Der Bemerkungsknopf: i-te Bezeichnung (1..20) an die Lehrer- oder Schülerbemerkung.
  void Bemerkung(bool schueler, int i, bool ersetzen);
  // Die 20 Bemerkungstexte als Menü (Wert 1..20).
  static TMenue BemMenu();

  // Knöpfe und Doppelklicks. Die Auswahllisten liefern eine Wahl (abgebrochen: nichts geschieht).
  void LehrerWahl(const TFensterDienst::TElementWahl& wahl);
  void RaumWahl(const TFensterDienst::TElementWahl& wahl);
  void FachWahl(const TFensterDienst::TElementWahl& wahl);
  void LehrerEintragen(TLehrer* lehrer);
  void RaumEintragen(TRaum* raum);
  void Frei();
  void Loeschen();
  void Anrechnen(bool an);

  // Die vorige (-1) oder nächste (+1) gültige Vertretung desselben Tages in der Folge der
  // Vertretungsliste, am Ende wieder von vorn; nichts, wenn es keine andere gibt.
  TVertretung* Nachbar(int richtung) const;

  // Die Zahl der sichtbaren Zeilen der Kandidatenliste: so viele wie Zeilen, aber nur so viele,
  // dass das Fenster in den Arbeitsbereich passt, nie weniger als 16.
  static int SichtbareZeilen(int zeilen, int oben, int kopf, int zeilenHoehe, int arbeitsUnten);

 private:
  TFenster* fFenster;
};
