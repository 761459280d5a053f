#include "ui/PaletteUnit.h"

#include <QWidget>

#include "model/GlobalUnit.h"

TTamrelPalette::TTamrelPalette(QWidget* parent) : QMainWindow(parent) {
  setWindowTitle(QString::fromUtf8(ProgrammTitel));
  resize(520, 80);
}

void TTamrelPalette::SichernFreigeben(bool frei) {
  fSichernFrei = frei;
}

void TTamrelPalette::TitelSetzen(const std::string& titel) {
  setWindowTitle(QString::fromStdString(titel));
}

// Kursfenster, Planfenster und Hintergrundfenster gibt es in dieser Ausbaustufe noch nicht;
// bis dahin öffnen diese Befehle nichts.
void TTamrelPalette::NeuesKursFenster(TKurs* /*kurs*/, TElement* /*vater*/) {}
void TTamrelPalette::PlanFensterZeigen(TPlanElement* /*element*/) {}
void TTamrelPalette::HintergrundNachHinten() {}

void TTamrelPalette::FensterNachVorne(TFenster* fenster) {
  if (auto* w = dynamic_cast<QWidget*>(fenster)) w->raise();
}

void TTamrelPalette::PaletteNachVorne() {
  raise();
}
