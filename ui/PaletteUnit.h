// Das Hauptfenster: die Werkzeugpalette mit Menüs und Schaltern.
#pragma once

#include <QMainWindow>

#include "model/DienstUnit.h"

class TTamrelPalette : public QMainWindow, public TFensterDienst {
  Q_OBJECT

 public:
  explicit TTamrelPalette(QWidget* parent = nullptr);

  // TFensterDienst
  void SichernFreigeben(bool frei) override;

  bool SichernFrei() const { return fSichernFrei; }

 private:
  bool fSichernFrei = false;
};
