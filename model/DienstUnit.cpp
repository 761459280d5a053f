#include "model/DienstUnit.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {
TDienste gDienste;

template <class T>
T& Pruefe(T* dienst, const char* name) {
  if (!dienst) {
    std::fprintf(stderr, "Interner Fehler: Dienst %s ist nicht eingerichtet.\n", name);
    std::abort();
  }
  return *dienst;
}
}  // namespace

TDienste DiensteEinsetzen(const TDienste& neu) {
  TDienste alt = gDienste;
  gDienste = neu;
  return alt;
}

const TDienste& EingesetzteDienste() {
  return gDienste;
}

TDialogDienst& Dialog() {
  return Pruefe(gDienste.Dialog, "Dialog");
}
TEinstellungsSpeicher& Speicher() {
  return Pruefe(gDienste.Speicher, "Einstellungsspeicher");
}
TZwischenablage& Ablage() {
  return Pruefe(gDienste.Ablage, "Zwischenablage");
}
TTextMetrik& Metrik() {
  return Pruefe(gDienste.Metrik, "Textmetrik");
}
TUhr& Uhr() {
  return Pruefe(gDienste.Uhr, "Uhr");
}
TFensterDienst* FensterDienst() {
  return gDienste.Fenster;
}

TDateTime Jetzt() {
  return Uhr().Jetzt();
}
TDateTime Heute() {
  return std::floor(Uhr().Jetzt());
}

TBeschaeftigt::TBeschaeftigt() {
  Dialog().BeschaeftigtAn();
}
TBeschaeftigt::~TBeschaeftigt() {
  Dialog().BeschaeftigtAus();
}
