// Raster paralleler Kopplungen.
#pragma once

#include "model/ListUnit.h"

class TKopplung;

class TParListe {
 public:
  TParListe();  // 1×1 mit einem leeren Eintrag

  std::int32_t fZeilen = 1;
  std::int32_t fSpalten = 1;
  // Zeile für Zeile; leere Einträge sind nullptr.
  std::vector<TKopplung*> fListe;

  // Ersetzt jedes Vorkommen der Kopplung durch einen leeren Eintrag.
  void Loesche(const TKopplung* kopplung);
  // Ein neues leeres Raster.
  void Entleeren();
};
