// Das Fenster "Stundenverteilung": je Lehrer, Klasse oder Raum die Verteilung der Stunden jedes
// Tages der aktuellen Woche (Einzel-, gekoppelte und fixierte Stunden, Lücken, Sperrungen) und
// die Springstunden. Es ändert nichts und folgt jeder Änderung des Plans.
#pragma once

#include <vector>

#include "ui/fenster/EinzelFormUnit.h"
#include "planning/SVUnit.h"

class QButtonGroup;
class QGroupBox;
class QRadioButton;
class TQuonGrid;
class TTamrelPalette;

class TSVForm : public TEinzelForm {
  Q_OBJECT

 public:
  // Der Menübefehl: holt ein offenes Fenster nach vorn, sonst legt es eines an und füllt es.
  static TSVForm* ZeigeSVForm();

  QGroupBox* KueGroup = nullptr;
  QRadioButton* LeRadio = nullptr;
  QRadioButton* KlRadio = nullptr;
  QRadioButton* RaRadio = nullptr;
  TQuonGrid* SVGrid = nullptr;
  int fMouseX = 0, fMouseY = 0;

  // Spalten, Kopf und Inhalt neu.
  void ISVForm();
  void FuelleSVGrid();
  // Die gezeigten Zeilen (ohne Kopfzeile).
  const std::vector<TSVZeile>& Zeilen() const { return fZeilen; }
  // Doppelklick auf eine Zeile des Rasters (1 = erste Elementzeile).
  void ZeileDoppelKlick(int row);
  // "Fenster drucken...": "für" des Drucks der Stundenverteilungen nach der gezeigten Liste
  // (0 Lehrer, 1 Klassen, 4 Räume).
  int DruckArt() const;

  // ---- TFenster ----
  int FensterArt() const override;
  std::string Titel() const override { return "Stundenverteilung"; }
  void FensterUpdate() override { ISVForm(); }
  // Viele Änderungen in Folge (Komprimieren, Pläne löschen) bauen das Fenster einmal neu auf,
  // sobald die Ereignisschleife wieder läuft.
  void FensterRefresh() override;
  std::string InhaltAlsText() const override;

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  TSVForm();
  int Gruppe() const;

  std::vector<TSVZeile> fZeilen;
  bool fRefreshVorgemerkt = false;
};
