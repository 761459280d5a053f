// Ein Fenster, das es für die Schule höchstens einmal gibt ("Fehler", "Stundenverteilung",
// "Parallele Kopplungen", "Vertretungen"): es steht auf seinem Platz in der Schule, solange es
// angemeldet ist. Den Lebenslauf regelt TFensterBasis; hier kommen der Platz und die
// Umschalttasten dazu.
#pragma once

#include "ui/fenster/FensterBasisUnit.h"

class TEinzelForm : public TFensterBasis {
 protected:
  // platz: der Platz des Fensters in der Schule (etwa &TSchule::fFehlerForm).
  explicit TEinzelForm(TFenster* TSchule::*platz);
  // Setzt das Fenster auf seinen Platz und meldet es an; liefert seinen Index für
  // PositioniereFenster (die Zahl der Formulare davor).
  int Anmelden();

  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;

 private:
  TFenster* TSchule::*fSchulPlatz;
};
