#include "VorschauPlattform.h"

TDruckerMasse TVorschauPlattform::PdfMasse() {
  return A4Masse(600);
}

TDruckerMasse TVorschauPlattform::DruckerMasse() {
  return A4Masse(600);
}

TVorschauErgebnis TVorschauPlattform::Voransicht(TPrevPrinter& seiten) {
  fText.clear();
  for (const TZeichenBefehl& b : seiten.Seite(1)) fText.push_back(b.Text);
  fSeiten.push_back(seiten.PageCount());
  return TVorschauErgebnis::Abbrechen;
}
