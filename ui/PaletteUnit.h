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
  void TitelSetzen(const std::string& titel) override;
  void NeuesKursFenster(TKurs* kurs, TElement* vater) override;
  void PlanFensterZeigen(TPlanElement* element) override;
  void HintergrundNachHinten() override;
  void FensterNachVorne(TFenster* fenster) override;
  void PaletteNachVorne() override;

  bool SichernFrei() const { return fSichernFrei; }

 private:
  bool fSichernFrei = false;
};
