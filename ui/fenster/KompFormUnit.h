// Das Fenster "Komprimieren": zeigt Klasse, Version, Hohlstunden und den Klassenplan der Woche,
// während die Stunden Klasse für Klasse in die Lücken wandern; "Abbrechen" und "nächste Klasse"
// wirken während des Laufs.
#pragma once

#include <QDialog>

#include "model/WoBereichsUnit.h"
#include "planning/KompressUnit.h"

class QCheckBox;
class QLabel;
class QPushButton;
class TSperrFeld;

class TKompForm : public QDialog {
  Q_OBJECT

 public:
  explicit TKompForm(QWidget* parent = nullptr);

  TSperrFeld* Sperrung = nullptr;
  QLabel* KlassenFeld = nullptr;
  QLabel* Versionsfeld = nullptr;
  QLabel* HohlFeld = nullptr;
  QLabel* FortschrittFeld = nullptr;  // "Klasse i von n"
  QPushButton* StartKnopf = nullptr;
  QPushButton* Button1 = nullptr;  // "nächste Klasse"
  QPushButton* Button2 = nullptr;  // "Abbrechen"
  QCheckBox* BrueckenBox = nullptr;
  QCheckBox* MehrfachBox = nullptr;

  TKomprimierer& Komprimierer() { return fKomp; }

  void StartKnopfClick();
  void Button1Click() { fKomp.NaechsteKlasse(); }
  void Button2Click();

 protected:
  void reject() override;

 private:
  void Anzeigen();

  TKomprimierer fKomp;
  // Der Klassenplan der bearbeiteten Woche, in der gezeigten Woche des Rasters.
  TWochBereich fZeigeSperrung;
  TWochBereich fZeigeBesetzung;
};

// "Komprimieren" im Menü "Pläne": nichts ohne Klassen; sonst die Warnung, bei "Ja" das Fenster
// (modal). Wahr, wenn komprimiert wurde.
bool KomprimierenBefehl(QWidget* parent);
