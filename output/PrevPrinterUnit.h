// Der Seitenrekorder hinter jedem Ausdruck. Eine Druckroutine zeichnet in Druckerpunkten,
// gemessen von der linken oberen Ecke des Blattes; der Rekorder hält jede Seite als Liste von
// Zeichenbefehlen (Text, Linie, Rechteck, Ellipse, Füllen), jeder mit der Schrift, dem Stift und
// dem Pinsel, die beim Zeichnen galten. Texte misst er mit der Textmetrik des Druckers.
//
// Ablauf einer Druckroutine:
//   TPrevPrinter p(masse, metrik);
//   p.NewJob();                  // Seite 1
//   ... TextOut, Rectangle, FillRect ...
//   p.NewPage();                 // Seite 2 usw.
//   p.DonePrinting();            // fertig: die Seiten lassen sich beliebig oft abspielen
// Findet eine Routine nichts zu drucken, ruft sie NewJob gar nicht auf; der Rekorder bleibt leer.
//
// Die aufgezeichneten Koordinaten einer Seite sind schon um den Druckversatz (XOff, YOff)
// verschoben: ihr Ursprung ist die linke obere Ecke des bedruckbaren Bereichs. Das Abspielen auf
// Papier, Voransicht und PDF übernimmt output/QtSeitenBildUnit.h.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "model/DienstUnit.h"
#include "model/GlobalUnit.h"

// Die Maße eines Druckers (oder des PDF-Blattes) in Druckerpunkten.
struct TDruckerMasse {
  int pXppi = 600;  // Auflösung, Punkte je Zoll
  int pYppi = 600;
  int XOff = 0;  // Abstand des bedruckbaren Bereichs von der linken oberen Blattecke
  int YOff = 0;
  int Breite = 4960;  // bedruckbarer Bereich (PrintSize)
  int Hoehe = 7016;
  int BlattBreite = 4960;  // ganzes Blatt (PageSize)
  int BlattHoehe = 7016;
  friend bool operator==(const TDruckerMasse&, const TDruckerMasse&) = default;
};

// DIN A4 bei der Auflösung, ohne unbedruckbaren Rand; quer vertauscht Breite und Höhe.
TDruckerMasse A4Masse(int ppi = 600, bool quer = false);

enum class TStiftStil { Durchgezogen, Gestrichelt, Gepunktet, Keiner };

// Stift: Breite in Druckerpunkten; 0 und 1 zeichnen die dünnste Linie des Geräts.
struct TStift {
  TColor Farbe = clBlack;
  int Breite = 1;
  TStiftStil Stil = TStiftStil::Durchgezogen;
  friend bool operator==(const TStift&, const TStift&) = default;
};

// Pinsel: Leer (durchsichtig) füllt nicht.
struct TPinsel {
  TColor Farbe = clWhite;
  bool Leer = true;
  friend bool operator==(const TPinsel&, const TPinsel&) = default;
};

struct TPunkt {
  int X = 0;
  int Y = 0;
  friend bool operator==(const TPunkt&, const TPunkt&) = default;
};

// Rechteck wie auf der Zeichenfläche: Links/Oben gehören dazu, Rechts/Unten nicht.
struct TRechteck {
  int Links = 0;
  int Oben = 0;
  int Rechts = 0;
  int Unten = 0;
  friend bool operator==(const TRechteck&, const TRechteck&) = default;
};

enum class TZeichenArt { Text, Linie, Rechteck, Ellipse, Fuellen };

// Ein aufgezeichneter Befehl in Seitenkoordinaten (ohne Versatz).
// Text: (X1, Y1) ist die linke obere Ecke des Textes; Linie: von (X1, Y1) nach (X2, Y2);
// Rechteck, Ellipse, Füllen: das Rechteck (X1, Y1)–(X2, Y2). Füllen nimmt nur den Pinsel,
// Rechteck und Ellipse umranden mit dem Stift und füllen mit dem Pinsel, Text nimmt die Schrift
// (Farbe: Schwarz).
struct TZeichenBefehl {
  TZeichenArt Art = TZeichenArt::Text;
  int X1 = 0, Y1 = 0, X2 = 0, Y2 = 0;
  std::string Text;  // UTF-8
  TSchrift Schrift;
  TStift Stift;
  TPinsel Pinsel;
  TColor Farbe = clBlack;  // Textfarbe
};

using TSeite = std::vector<TZeichenBefehl>;

// Was das Drucken auf Papier von der Plattform braucht; PrintIt ruft es Seite für Seite.
class TSeitenDrucker {
 public:
  virtual ~TSeitenDrucker() = default;
  // Beginnt das Druckerdokument; falsch mit deutscher Meldung, wenn das misslingt.
  virtual bool Beginnen(const std::string& titel, std::string& fehler) = 0;
  // Neue Druckerseite (vor jeder Seite außer der ersten).
  virtual bool NeueSeite(std::string& fehler) = 0;
  // Spielt die Seite auf die Druckerseite ab.
  virtual bool Seite(const TSeite& seite, const TDruckerMasse& masse, std::string& fehler) = 0;
  // Schließt das Dokument ab; Abbrechen verwirft es (nichts Halbes wird gedruckt).
  virtual bool Beenden(std::string& fehler) = 0;
  virtual void Abbrechen() = 0;
};

// Die Fortschrittsanzeige einer Aufzeichnung: "Seite n wird aufgezeichnet." mit "Abbrechen".
class TDruckFortschritt {
 public:
  virtual ~TDruckFortschritt() = default;
  virtual void Zeigen(const std::string& text) = 0;
  // Wahr, sobald der Benutzer "Abbrechen" gedrückt hat (lässt anstehende Eingaben laufen).
  virtual bool Abgebrochen() = 0;
  virtual void Schliessen() = 0;
};

class TPrevPrinter {
 public:
  // Der Rekorder misst Texte mit metrik (in Druckerpunkten des Geräts mit masse).
  TPrevPrinter(const TDruckerMasse& masse, TTextMetrik& metrik);

  // Startet eine Aufzeichnung: verwirft alte Seiten, liest die Maße neu und beginnt Seite 1.
  void NewJob();
  // Neue Seite (nach DonePrinting ohne Wirkung). Jede Seite beginnt mit durchsichtigem Pinsel,
  // schwarzem Stift und "Arial" 10 Punkt.
  void NewPage();
  // Beendet die Aufzeichnung (einmal).
  void DonePrinting();

  // Zeichnen in Blattkoordinaten; ohne aktuelle Seite oder nach DonePrinting ohne Wirkung
  // (MoveTo setzt die Stiftposition immer).
  void TextOut(int x, int y, const std::string& text);
  void MoveTo(int x, int y);
  void LineTo(int x, int y);
  void Line(TPunkt a, TPunkt b);
  void Rectangle(const TRechteck& r);
  void Ellipse(const TRechteck& r);
  void FillRect(const TRechteck& r);
  // Stiftposition in Blattkoordinaten.
  TPunkt Penpos() const { return {fStiftPos.X + fMasse.XOff, fStiftPos.Y + fMasse.YOff}; }

  TSchrift Font;
  TStift Pen;
  TPinsel Brush;
  // Farbe der Texte (jede neue Seite beginnt schwarz).
  TColor FontFarbe = clBlack;

  // Breite des Textes und Höhe von "X" in Druckerpunkten (gerundet) mit Font; -1 ohne aktuelle
  // Seite oder nach DonePrinting.
  int TextWidth(const std::string& text) const;
  int TextHeight() const;

  // Zoll in Druckerpunkte, abgeschnitten.
  int XInch(double zoll) const;
  int YInch(double zoll) const;
  // Ein Rand in ganzen Zentimetern in Druckerpunkten (waagerechte Auflösung).
  int RandPunkte(int cm) const { return XInch(cm / 2.54); }

  TPunkt PageSize() const { return {fMasse.BlattBreite, fMasse.BlattHoehe}; }
  TPunkt PrintSize() const { return {fMasse.Breite, fMasse.Hoehe}; }
  const TDruckerMasse& Masse() const { return fMasse; }
  // Die Maße der nächsten Aufzeichnung (Papierformat oder Drucker gewechselt).
  void SetzeMasse(const TDruckerMasse& masse) { fMasse = masse; }

  int PageCount() const { return static_cast<int>(fSeiten.size()); }
  int CurrentPage() const { return fCurrentPage; }
  // Nur innerhalb 1..PageCount; andere Werte werden übergangen.
  void SetCurrentPage(int n);
  bool Fertig() const { return fDonePrinting; }
  // Seite n (1..PageCount); außerhalb eine leere Seite.
  const TSeite& Seite(int n) const;

  // Druckt alle Seiten (beendet eine laufende Aufzeichnung zuerst); ohne Seiten nichts.
  // Misslingt eine Seite, wird das Dokument abgebrochen; falsch mit der Meldung.
  bool PrintIt(TSeitenDrucker& drucker, std::string& fehler);
  // Druckt Seite n allein als eigenen Auftrag.
  bool PrintPage(TSeitenDrucker& drucker, int n, std::string& fehler);

  std::string Title;

  // Fortschritt während der Aufzeichnung; ohne Anzeige das kleine Meldungsfenster des
  // Dialogdienstes (dann ohne Abbrechen). Nicht besessen.
  void SetzeFortschritt(TDruckFortschritt* fortschritt) { fFortschritt = fortschritt; }
  // Der Benutzer hat die Aufzeichnung abgebrochen: Druckroutinen hören auf; DonePrinting
  // verwirft dann alle Seiten, damit nichts Halbes gedruckt wird.
  bool Abgebrochen();
  // Eine lange Vorarbeit während der Aufzeichnung: text in der Fortschrittsanzeige (statt
  // "Seite n wird aufgezeichnet."); falsch, sobald der Benutzer abgebrochen hat.
  bool Weiter(const std::string& text);

  // Die Standard-Seitenkopfzeilen am oberen Rand: mit Datum Tag, Monat, Jahr und Uhrzeit vor
  // "Seite n", darunter Dateiname und Schulname. vorDatei steht vor dem Dateinamen (etwa die
  // Planversion "{2}  "). Liefert die Höhe einer Zeile (TextHeight).
  int SeitenKopf(int links, int oben, bool mitDatum, const std::string& vorDatei = "");

 private:
  bool Zeichnet() const { return fCurrentPage > 0 && !fDonePrinting; }
  void Melden(const std::string& text);
  void MeldungSchliessen();
  void Aufnehmen(TZeichenArt art, int x1, int y1, int x2, int y2, std::string text = {});
  bool Drucke(TSeitenDrucker& drucker, int von, int bis, std::string& fehler);

  TDruckerMasse fMasse;
  TTextMetrik& fMetrik;
  std::vector<TSeite> fSeiten;
  int fCurrentPage = 0;
  bool fDonePrinting = false;
  bool fMeldungOffen = false;
  bool fAbgebrochen = false;
  TDruckFortschritt* fFortschritt = nullptr;
  TPunkt fStiftPos;
};

// Die Datumszeile des Seitenkopfs: "Mi, 9. Dez 2026     15:07 Uhr      ".
std::string KopfDatumText(TDateTime jetzt);
