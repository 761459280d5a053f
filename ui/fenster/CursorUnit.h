// Die Bilder der 13 Mauszeiger (SVG im Programm) und AdjustCursor: jedes offene Fenster bekommt
// den Zeiger, der nach Werkzeug und Umschalttasten gilt (Tabelle in ui/MausZeigerUnit).
#pragma once

#include <QCursor>
#include <QPoint>

#include "model/GlobalUnit.h"
#include "ui/MausZeigerUnit.h"

class QWidget;

// Der SVG-Text des Zeigers 1..13 (32 × 32 Einheiten) und sein Hotspot; nullptr für andere Nummern.
const char* CursorSvg(int nummer);
QPoint CursorHotspot(int nummer);
// Der Zeiger mit der Nummer; zPfeil und unbekannte Nummern geben den gewöhnlichen Pfeil.
QCursor TamrelCursor(int nummer);
// Setzt den Zeiger der Nummer auf das Widget; zUnveraendert lässt ihn, wie er ist.
void ZeigerSetzen(QWidget& widget, int nummer);

// Ein Fenster, dessen Zeiger dem Werkzeug der Palette folgen.
class TCursorFenster {
 public:
  virtual ~TCursorFenster() = default;
  // Setzt die Zeiger seiner Raster nach Werkzeug und Umschalttasten (Bit 0 Shift, 1 Alt, 2 Strg).
  virtual void CursorAnpassen(TToolArt tool, unsigned umschalt) = 0;
};

// Passt die Zeiger aller Fenster der Schule an (Werkzeug: TSchule::fToolArt). Läuft, wenn sich
// das Werkzeug, das aktive Fenster oder die Umschalttasten ändern.
void AdjustCursor(unsigned umschalt);
