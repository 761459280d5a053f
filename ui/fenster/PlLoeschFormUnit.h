// Der Dialog "Pläne löschen": welche Kurse (alle oder die eines Bereichs von Lehrern, Klassen,
// Kopplungen, Fächern oder Räumen), mit oder ohne Kopplungen und fixierte Stunden, und in
// welchen Zellen der Woche ihre Stunden gelöscht werden.
#pragma once

#include <QDialog>
#include <functional>

#include "model/GlobalUnit.h"
#include "model/WoBereichsUnit.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QRadioButton;
class TElement;
class TSperrFeld;

class TPlLoeschForm : public QDialog {
  Q_OBJECT

 public:
  // Die Auswahlliste eines Bereichsknopfs: das gewählte Element, oder nichts.
  using TElementWahl = std::function<TElement*(TKuerzelArt art, QPushButton* knopf)>;

  explicit TPlLoeschForm(QWidget* parent = nullptr);
  // Für Tests: die Auswahlliste ersetzen (sonst die der Palette).
  void SetzeElementWahl(TElementWahl wahl) { fElementWahl = std::move(wahl); }

  QRadioButton* alleRadio = nullptr;
  QRadioButton* LeRadio = nullptr;
  QRadioButton* KlRadio = nullptr;
  QRadioButton* Koradio = nullptr;
  QRadioButton* FaRadio = nullptr;
  QRadioButton* RaRadio = nullptr;
  QCheckBox* mitKoppCheck = nullptr;
  QCheckBox* FixNichtCheck = nullptr;
  QPushButton* vonKnopf = nullptr;
  QPushButton* bisKnopf = nullptr;
  QLabel* vonFeld = nullptr;
  QLabel* bisFeld = nullptr;
  TSperrFeld* Sperrung = nullptr;
  QPushButton* OkKnopf = nullptr;
  QPushButton* CancelKnopf = nullptr;

  TWochBereich fSperrung;
  TWochBereich fBesetzung;
  TElement* fVonElement = nullptr;
  TElement* fBisElement = nullptr;

  void AktualisiereRadio();
  void vonKnopfClick();
  void bisKnopfClick();
  void OkKnopfClick();

 private:
  void RadioClick(int nr);
  void Felder();
  TElementWahl fElementWahl;
};
