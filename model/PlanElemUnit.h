// Elemente mit Plan: Sperrungen und Besetzungen für jede Woche des Zyklus.
#pragma once

#include <string>

#include "model/ElementUnit.h"
#include "model/MenueUnit.h"
#include "model/WoBereichsUnit.h"

class TRaum;

class TPlanElement : public TElement {
 public:
  // Sperrung aus der Vorgabe fGrWoElem, Besetzung leer, beide mit fMaxWocheNeu Wochen.
  TPlanElement();

  TWochBereich fSperrung;
  TWochBereich fBesetzung;
  TFenster* fPlnFenster = nullptr;
  TDateTime fLetzteAenderung = 0;

  // Gesperrt := in bereich gesetzt und nicht besetzt (Arbeitswoche); markiert geändert.
  void KopiereSperrung(const TWochBereich& bereich);
  // Die Kurse mit einer Setzung in der Zelle (bei element nur solche in diesem Raum).
  TListe<TKurs> KurseFinden(int woche, int tag, int std, const TElement* element) const;
  // Der Tag als 16 Buchstaben: F frei, S gesperrt, E/G/K/L Unterricht, U Lücke.
  std::string SVZeile(int woche, int tag) const;
  // Lücken in der aktuellen Woche.
  int SpringStd() const;
  // Summe der noch nicht gesetzten Stunden der zu verplanenden Kurse.
  std::int32_t RestStd() const;
  // Die Abwesenheitsliste seiner Art hat für das Element an dem Tag einen Eintrag, der die Stunde
  // umfasst.
  bool Abwesend(TDateTime datum, int std) const;
  // Menüs der Planfenster: jeder Kurs des Elements trägt seine Einträge ein
  // (planning/PlanMenueUnit.cpp).
  void ErzeugePlnMenu(TMenue& menue, bool mitInfo, int tag, int std, const TRaum* raum, int art);
  void ErzeugePlnKoppMenu(TMenue& menue, bool mitInfo, int tag, int std);
  void ErzeugeRechtsMenu(TMenue& menue);
  // Zeichnet das Planfenster neu.
  void PlanRefresh();
  // Stempelt die Zeit der letzten Planänderung.
  void MerkeZeit();

  void Aufloesen() override;

  // Die Abwesenheit beginnt bzw. endet in der Stunde des Tages: Vertretungen anlegen,
  // ungültig machen oder entfernen (substitution/FehlHakenUnit.cpp).
  virtual void FehltNeuIn(TDateTime datum, int std) = 0;
  virtual void FehltNichtMehrIn(TDateTime datum, int std) = 0;

 protected:
  void FensterSchliessen() override;
};

// Alle Klassen des Kurses fehlen an dem Tag in der Stunde; ein Kurs ohne Klassen nie.
bool AlleKlassenAbwesend(const TKurs* kurs, TDateTime datum, int std);
