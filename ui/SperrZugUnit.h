// Das Sperrraster ohne Fenster: ein Rechteck, das der Benutzer mit der linken Maustaste über
// Tage (Spalten) und Stunden (Zeilen) zieht, und welche Sperrungen es beim Loslassen umschaltet.
// Das Raster des Kursfensters, der Elementfenster und der Voreinstellungen nutzt es.
#pragma once

class TWochBereich;

// Ein gezogenes Rechteck: Anfang (dort wurde gedrückt) und Ende, je Tag 1..7 und Stunde 1..16.
struct TSperrRechteck {
  int StartTag = 1;
  int StartStd = 1;
  int EndTag = 1;
  int EndStd = 1;
  int TagVon() const { return StartTag < EndTag ? StartTag : EndTag; }
  int TagBis() const { return StartTag < EndTag ? EndTag : StartTag; }
  int StdVon() const { return StartStd < EndStd ? StartStd : EndStd; }
  int StdBis() const { return StartStd < EndStd ? EndStd : StartStd; }
  bool Enthaelt(int tag, int std) const {
    return tag >= TagVon() && tag <= TagBis() && std >= StdVon() && std <= StdBis();
  }
  friend bool operator==(const TSperrRechteck&, const TSperrRechteck&) = default;
};

// Der Mauszustand des Rasters: Druck beginnt ein Rechteck, Zug zieht es auf, Los beendet es.
// Tage und Stunden werden auf das Raster (1..fMaxTageNeu, 1..16) begrenzt.
class TSperrZug {
 public:
  void Druck(int tag, int std);
  // Falsch, wenn kein Rechteck gezogen wird oder sich das Ende nicht ändert.
  bool Zug(int tag, int std);
  // Beendet das Rechteck; wahr, wenn eines gezogen wurde (es steht dann in Rechteck()).
  bool Los(int tag, int std);
  // Bricht ab, ohne etwas umzuschalten.
  void Abbrechen() { fAmZeichnen = false; }

  bool AmZeichnen() const { return fAmZeichnen; }
  const TSperrRechteck& Rechteck() const { return fRechteck; }

 private:
  bool fAmZeichnen = false;
  TSperrRechteck fRechteck;
};

// Begrenzt Tag und Stunde auf das Raster.
int SperrTag(int tag);
int SperrStunde(int std);

// Wendet ein Rechteck an: der neue Zustand ist das Gegenteil der Sperrung der Anfangszelle in
// der aktuellen Woche (fAktuelleWoche); er gilt für jede Zelle des Rechtecks in jeder Woche
// des Zyklus, im Ein-Wochen-Modus nur in der aktuellen Woche. Zellen, die in der Woche besetzt
// sind (besetzung, wenn gegeben), bleiben, wie sie sind. Liefert die Zahl der geänderten
// Zellen (über alle Wochen).
int SperrungUmschalten(TWochBereich& sperrung, const TWochBereich* besetzung,
                       const TSperrRechteck& rechteck);
