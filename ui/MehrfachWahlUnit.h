// Die Mehrfachwahl (MultiMenu): alle Kürzel einer Liste in einem Raster mit k Zeilen, Spalte
// für Spalte gefüllt; gewählt wird mit Drücken, Ziehen eines Rechtecks und Loslassen.
// Reine Logik des Fensters TMenuForm.
#pragma once

#include <vector>

class TMehrfachWahl {
 public:
  // n Einträge; k = ElementSpaltenLaenge(n) Zeilen.
  explicit TMehrfachWahl(int n);

  int Anzahl() const { return fAnzahl; }
  int Zeilen() const { return fZeilen; }
  int Spalten() const { return fSpalten; }
  // Der Eintrag einer Zelle oder -1 (außerhalb oder leere Zelle der letzten Spalte).
  int Index(int spalte, int zeile) const;

  // Drücken auf eine Zelle (umschalt: Bit 0 Shift, Bit 1 Alt, Bit 2 Strg). Auf einer nicht
  // gewählten Zelle beginnt das Wählen, auf einer gewählten das Abwählen. Mit Strg wird alles
  // gewählt (das Loslassen ändert dann nichts mehr); mit Alt wird alles abgewählt, und das
  // Loslassen wählt die Zelle oder das Rechteck.
  void Druck(int spalte, int zeile, unsigned umschalt);
  // Loslassen: jede Zelle des Rechtecks von der gedrückten bis zu dieser nimmt den Zustand an.
  void Los(int spalte, int zeile);
  // Das Rechteck, solange gedrückt ist (für die Vorschau); leer, wenn nicht gedrückt.
  bool Gedrueckt() const { return fGedrueckt; }
  bool ImRechteck(int spalte, int zeile, int bisSpalte, int bisZeile) const;
  // Der Zustand, den das Loslassen setzt.
  bool Waehlt() const { return fWaehlen; }

  bool Gewaehlt(int index) const;
  // Die gewählten Einträge in der Folge, in der sie gewählt wurden.
  const std::vector<int>& Ergebnis() const { return fFolge; }

 private:
  void Setze(int index, bool an);

  int fAnzahl;
  int fZeilen;
  int fSpalten;
  std::vector<bool> fGewaehlt;
  std::vector<int> fFolge;
  bool fGedrueckt = false;
  bool fWaehlen = true;
  bool fNurLos = false;  // Strg: das Loslassen ändert nichts
  int fDruckSpalte = 0;
  int fDruckZeile = 0;
};
