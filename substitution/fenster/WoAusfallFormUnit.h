// "wöchentlicher Unterrichtsausfall": Kalenderwoche und Jahr, der Bericht in einem Textfeld, das
// nur gelesen wird, "Rechnen", "VÜL", "VÜK" und "Drucken...". Jeder Menübefehl öffnet ein neues
// Fenster; der Bericht wird nicht gespeichert.
#pragma once

#include <functional>

#include "substitution/WoAusfallUnit.h"
#include "ui/fenster/FensterBasisUnit.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;

class TWoAusfallForm : public TFensterBasis {
 public:
  explicit TWoAusfallForm(QWidget* parent = nullptr);

  // Die Woche von heute, der Bericht gerechnet.
  void IWoAusfallForm();
  void RechneButtonClick();
  // Der Druckdialog "Drucke Meldung" für den Bericht (nur, wenn es die Woche gibt).
  void Drucken();

  int FensterArt() const override;
  std::string Titel() const override;
  void FensterUpdate() override;
  void FensterRefresh() override;
  std::string InhaltAlsText() const override;

  const TWoAusfall& Bericht() const { return fBericht; }

  // "VÜL" (leh) und "VÜK" (kla): die Vertretungsübersicht der Lehrer bzw. Klassen für die Woche
  // des Berichts (Montag bis Sonntag); nur, wenn es die Woche gibt.
  void UebersichtZeigen(TKuerzelArt art);

  QSpinBox* KWSpin = nullptr;
  QSpinBox* JahrSpin = nullptr;
  QLabel* VonBisLabel = nullptr;
  QPlainTextEdit* Inhalt = nullptr;
  QPushButton* RechneButton = nullptr;
  QPushButton* VULButton = nullptr;
  QPushButton* VUKButton = nullptr;
  QPushButton* DruckButton = nullptr;

 protected:
  // Woche und Jahr bleiben für das nächste Mal gemerkt.
  void BeimAbmelden() override;

 private:
  void WocheGeaendert();
  void Zeigen();

  TWoAusfall fBericht;
};

// Der Menübefehl: ein neues Fenster.
TWoAusfallForm* WoAusfallZeigen();
// "Fenster drucken..." für das aktive Berichtsfenster; falsch, wenn keins aktiv ist.
bool WoAusfallDrucken();
