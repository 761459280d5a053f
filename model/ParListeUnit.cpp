#include "model/ParListeUnit.h"

TParListe::TParListe() {
  Entleeren();
}

void TParListe::Loesche(const TKopplung* kopplung) {
  for (auto& eintrag : fListe)
    if (eintrag == kopplung) eintrag = nullptr;
}

void TParListe::Entleeren() {
  fZeilen = 1;
  fSpalten = 1;
  fListe.assign(1, nullptr);
}
