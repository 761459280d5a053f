// Das Hintergrundfenster: ein randloses, gesperrtes Fenster ohne Titelleiste, das hinter allen
// Fenstern des Programms den Arbeitsbereich in einer Farbe bedeckt (unter X11; "Hintergrund
// Einschalten" in den Eckdaten). Es gibt eines für den ganzen Programmlauf; die Palette besitzt
// es und zeigt oder verbirgt es.
#pragma once

#include <QWidget>

#include "model/GlobalUnit.h"

class THintergrund : public QWidget {
  Q_OBJECT

 public:
  // Bedeckt zunächst den ganzen Bildschirm; gezeigt wird es erst mit Zeigen.
  THintergrund();

  void FarbeSetzen(TColor farbe);
  TColor Farbe() const { return fFarbe; }
  // Über den Arbeitsbereich gelegt, gezeigt und ganz nach hinten.
  void Zeigen();

 private:
  TColor fFarbe = clWhite;
};
