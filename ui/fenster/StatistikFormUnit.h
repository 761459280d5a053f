// TStatistikForm: die gemeinsame Grundlage der fünf Statistikfenster (Lehrer, Klassen, Fächer,
// Kopplungen, Räume): eine Zeile je Element der Stammliste mit Soll, Belastung und Rest; ganze
// Zeilen werden ausgewählt. Ein Doppelklick öffnet das Datenfenster des Elements (mit Shift das
// Deputatsfenster), die Kopplungsstatistik hat mit der rechten Taste das Kursmenü der Kopplung.
#pragma once

#include <QPointer>
#include <cstdint>
#include <string>
#include <vector>

#include "model/DienstUnit.h"
#include "model/GlobalUnit.h"
#include "ui/fenster/EinzelFormUnit.h"
#include "ui/fenster/QuonGridUnit.h"

class TElement;
class TPopupMenue;
class TSchule;

class TStatistikForm : public TEinzelForm {
  Q_OBJECT

 public:
  ~TStatistikForm() override;

  TQuonGrid* StatGrid = nullptr;
  QPointer<TPopupMenue> StatPopupMenu;  // nur die Kopplungsstatistik
  std::int32_t fMouseX = 0;
  std::int32_t fMouseY = 0;

  virtual TKuerzelArt StatArt() const = 0;

  // Füllt das Fenster (I…StatForm).
  void IStatForm();
  void FensterUpdate() override { IStatForm(); }
  void FensterRefresh() override;
  // Rechnet eine Zeile neu.
  void ZeileAendern(int Row);
  // Die Zeile des Elements (0: keine).
  int ZeileVon(const TElement* element) const;
  TElement* Element(int row) const;
  void DoCopy();

  std::string Titel() const override;
  std::string InhaltAlsText() const override;
  void AllesAuswaehlen() override;

 signals:
  void MenueGeoeffnet();

 protected:
  // platz: der Platz der Statistik in der Schule (&TSchule::fLeStatForm ...).
  explicit TStatistikForm(TFenster* TSchule::*platz);
  // Schließt ein offenes Zellmenü.
  void BeimAbmelden() override;

 private:
  void Groesse();
  void DoppelKlick(const TGridMaus& maus);
  void MausLos(const TGridMaus& maus);
};

// Öffnet die Statistik der Art (leh, kla, fac, kop, rau, uvt) oder holt die offene nach vorn.
TStatistikForm* StatistikZeigen(TKuerzelArt art);
