// Fächer.
#pragma once

#include <string>

#include "model/ElementUnit.h"
#include "model/MenueUnit.h"

class TLehrer;
class TKlasse;

class TFach : public TElement {
 public:
  TListe<TLehrer> fLehrer;   // nach fReihe
  TListe<TKlasse> fKlassen;  // nach fReihe
  TLehrer* fPopLehrer = nullptr;
  TKlasse* fPopKlasse = nullptr;

  TKuerzelArt Art() const override { return fac; }

  std::int32_t LehrerSumme(const TLehrer* lehrer) const;
  std::int32_t KlassenSumme(const TKlasse* klasse) const;
  void NeuerLehrer(TLehrer* lehrer);
  void NeueKlasse(TKlasse* klasse);
  void LehrerEntfernen(TLehrer* lehrer);
  // Nur, wenn kein Kurs des Fachs die Klasse enthält.
  void KlasseEntfernen(TKlasse* klasse);
  // Eintrag der Fächerauswahl eines Lehrers.
  std::string KursPopZeile(const TLehrer* lehrer, std::int32_t rest) const;
  TMenue LehrerPopupFuellen();
  TMenue KlassenPopupFuellen();
  void MerkePopLehrer(TLehrer* l) { fPopLehrer = l; }
  void MerkePopKlasse(TKlasse* k) { fPopKlasse = k; }
  // "Neuer Kurs": ein Kurs mit dem Fach und den Vorgabestunden; öffnet das Kursfenster.
  TKurs* NeuerKurs();

  void Aufloesen() override;
};
