// Was die Druckdialoge teilen: die Schrift mit "Ändern", die Knopfzeile und den Druckablauf
// (TDruckDialog); dazu die Felder der Plan- und Übersichtsdrucke (TBereichsDruckDialog).
#pragma once

#include <QDialog>
#include <functional>
#include <string>
#include <vector>

#include "output/DruckAuftragUnit.h"

class QBoxLayout;
class QCheckBox;
class QGridLayout;
class QLabel;
class QLayout;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSpinBox;
class TPlanElement;

// Ein Zahlfeld von..bis bzw. ein Häkchen, beide mit Objektnamen.
QSpinBox* DruckZahlfeld(QWidget* vater, int von, int bis, const char* name);
QCheckBox* DruckHaekchen(QWidget* vater, const char* text, const char* name);

class TDruckDialog : public QDialog {
 public:
  TDruckDialog(TDruckPlattform& plattform, QWidget* vater);

  void OkKnopfClick();
  void AnsehenKnopfClick();
  void PdfKnopfClick();

  QLineEdit* SchriftFeld = nullptr;
  QPushButton *OkKnopf = nullptr, *AnsehenKnopf = nullptr, *PapierKnopf = nullptr,
              *PdfKnopf = nullptr, *AbbrechenKnopf = nullptr;

 protected:
  // Die Schriftgruppe und die Knopfzeile ans Ende des Rasters.
  QWidget* SchriftGruppe();
  QLayout* Knopfzeile();
  void SchriftZeigen();
  // Nach "Ändern" mit der neuen Schrift in fSchrift; sie steht dann schon in fSchriftEinstellung.
  virtual void SchriftGeaendert() {}
  // Ohne Inhalt (keine Elemente der Art) sind "Ok", "Ansehen" und "Als PDF speichern…" aus.
  void DruckFreigeben(bool frei);
  virtual void OptionenSpeichern() = 0;
  virtual TDruckAuftrag Auftrag() const = 0;

  TDruckPlattform& fPlattform;
  TSchrift fSchrift;
  // Die Schrift der Optionsgruppe in den Einstellungen: eine mit "Ändern" gewählte Schrift kommt
  // sofort dorthin und geht mit "Abbrechen" nicht verloren.
  TSchrift* fSchriftEinstellung = nullptr;
};

// Die Plan- und Übersichtsdrucke: Tage und Stunden "von"/"bis" mit "Bemerkung", die Häkchen, die
// beide haben, die Ränder und die Liste der Elemente (Doppelklick entfernt eines).
class TBereichsDruckDialog : public TDruckDialog {
 public:
  std::vector<TPlanElement*> Elemente() const;
  void ElementAnhaengen(TPlanElement* e);

  QSpinBox *vonTagUpDown, *vonStdUpDown, *bisTagUpDown, *bisStdUpDown;
  QLabel *vonTagLabel, *vonStdLabel, *bisTagLabel, *bisStdLabel;
  QLineEdit* BemFeld;
  QCheckBox* MitCheck[4];
  QCheckBox *stattCheck, *SperrCheck, *FixCheck, *fettCheck, *FarbCheck, *DatumCheck;
  QSpinBox *LinksSpin, *RechtsSpin, *ObenSpin, *UntenSpin;
  QListWidget* KuerzelGrid;

 protected:
  using TDruckDialog::TDruckDialog;
  QWidget* BereichGruppe();
  QWidget* RandGruppe();
  // Die Häkchen der Elementarten (MitCheck, Spalte 0) und darunter "Kopplung statt …", nur mit
  // zeigen sichtbar; eine Änderung gleicht abgleichen(stelle) ab (-1: "statt"), nicht beim Setzen.
  void ArtHaekchenAnlegen(QWidget* gruppe, QGridLayout* og, const char* const (&mit)[4],
                          const char* statt, bool zeigen,
                          const std::function<void(int)>& abgleichen);
  // Legt KuerzelGrid in gruppe an und hängt es an ll.
  void KuerzelListe(QWidget* gruppe, QBoxLayout* ll);
  // Die Liste beginnt mit der zuletzt gedruckten Auswahl des Drucks, sonst mit alle.
  void ListeVorgeben(const std::string& druck, const std::vector<TPlanElement*>& alle);
  void ListeMerken(const std::string& druck) const;
  // Die Namen der Tage und Stunden neben "von" und "bis" (Stunden der aktuellen Planversion).
  void Beschriften();
  // Die Werte, die die Optionen beider Arten haben (TPlanDruckOptionen, TUebDruckOptionen).
  template <class O>
  void GemeinsamSetzen(const O& o);
  template <class O>
  void GemeinsamLesen(O& o) const;

  bool fSperre = false;
};
