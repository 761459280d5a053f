#include "output/DrBreiteUnit.h"

#include <algorithm>

#include "model/SchulUnit.h"
#include "model/ToolsUnit.h"
#include "output/PrevPrinterUnit.h"
#include "settings/StandardUnit.h"

namespace {
template <class T, class Feld>
int Breiteste(const TEigenListe<T>& menge, const TPrevPrinter& drucker, Feld feld) {
  int breite = 0;
  for (const T* e : menge) breite = std::max(breite, drucker.TextWidth(U8(feld(e))));
  return breite;
}

template <class Feld>
int NachArt(int art, const TPrevPrinter& drucker, Feld feld) {
  TSchule& s = Schule();
  switch (art) {
    case 0:
      return Breiteste(s.fLehrerMenge, drucker, feld);
    case 1:
      return Breiteste(s.fKlassenMenge, drucker, feld);
    case 2:
      return Breiteste(s.fKopplMenge, drucker, feld);
    case 3:
      return Breiteste(s.fFachMenge, drucker, feld);
    case 4:
      return Breiteste(s.fRaumMenge, drucker, feld);
    case 5:
      return Breiteste(s.fUVTabMenge, drucker, feld);
    default:
      return 0;
  }
}
}  // namespace

int DrKueBreite(int art, const TPrevPrinter& drucker) {
  return NachArt(art, drucker, [](const TElement* e) { return e->fKuerzel.str(); });
}

int DrInfoBreite(int art, const TPrevPrinter& drucker) {
  return NachArt(art, drucker, [](const TElement* e) { return e->fInfo.str(); });
}

int DrTagBreite(const TPrevPrinter& drucker) {
  int breite = 0;
  for (int t = 1; t <= 7; ++t)
    breite = std::max(breite, drucker.TextWidth(U8(Standard().fTagBez[t].str())));
  return breite;
}

int DrStdBreite(int woche, const TPrevPrinter& drucker) {
  woche = std::clamp(woche, 1, MaxWochen);
  int breite = 0;
  for (int h = 1; h <= 16; ++h)
    breite = std::max(breite, drucker.TextWidth(U8(Standard().fStdBez[woche][h].str())));
  return breite;
}
