#include "ui/PaletteUnit.h"

#include "model/GlobalUnit.h"

TTamrelPalette::TTamrelPalette(QWidget* parent) : QMainWindow(parent) {
  setWindowTitle(QString::fromUtf8(ProgrammTitel));
  resize(520, 80);
}

void TTamrelPalette::SichernFreigeben(bool frei) {
  fSichernFrei = frei;
}
