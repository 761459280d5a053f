// Das Fenster "Stundenverteilung": je Lehrer, Klasse oder Raum die Verteilung der Stunden jedes
// Tages der aktuellen Woche (Einzel-, gekoppelte und fixierte Stunden, Lücken, Sperrungen) und
// die Springstunden. Es ändert nichts und folgt jeder Änderung des Plans.
#pragma once

#include <QWidget>
#include <vector>

#include "model/DienstUnit.h"
#include "planning/SVUnit.h"

class QButtonGroup;
class QGroupBox;
class QRadioButton;
class TQuonGrid;
class TTamrelPalette;

class TSVForm : public QWidget, public TFenster {
  Q_OBJECT

 public:
  ~TSVForm() override;

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

  // ---- TFenster ----
  int FensterArt() const override;
  std::string Titel() const override { return "Stundenverteilung"; }
  void FensterUpdate() override { ISVForm(); }
  // Viele Änderungen in Folge (Komprimieren, Pläne löschen) bauen das Fenster einmal neu auf,
  // sobald die Ereignisschleife wieder läuft.
  void FensterRefresh() override;
  TFensterLage Lage() const override;
  void Schliessen() override;
  std::string InhaltAlsText() const override;

 protected:
  bool event(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;

 private:
  TSVForm();
  void Abmelden();
  TTamrelPalette* Palette() const;
  int Gruppe() const;

  std::vector<TSVZeile> fZeilen;
  bool fAngemeldet = false;
  bool fIntern = false;
  bool fRefreshVorgemerkt = false;
};
