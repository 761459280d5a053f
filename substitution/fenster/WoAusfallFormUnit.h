// "wöchentlicher Unterrichtsausfall": Kalenderwoche und Jahr, der Bericht in einem Textfeld, das
// nur gelesen wird, "Rechnen", "VÜL", "VÜK" und "Drucken...". Jeder Menübefehl öffnet ein neues
// Fenster; der Bericht wird nicht gespeichert.
#pragma once

#include <QWidget>
#include <functional>

#include "model/DienstUnit.h"
#include "substitution/WoAusfallUnit.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;

class TWoAusfallForm : public QWidget, public TFenster {
 public:
  explicit TWoAusfallForm(QWidget* parent = nullptr);
  ~TWoAusfallForm() override;

  // Die Woche von heute, der Bericht gerechnet.
  void IWoAusfallForm();
  void RechneButtonClick();
  // Der Druckdialog "Drucke Meldung" für den Bericht (nur, wenn es die Woche gibt).
  void Drucken();

  int FensterArt() const override;
  std::string Titel() const override;
  void FensterUpdate() override;
  void FensterRefresh() override;
  TFensterLage Lage() const override;
  void Schliessen() override;
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
  bool event(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void WocheGeaendert();
  void Zeigen();
  void Abmelden();

  TWoAusfall fBericht;
  bool fAngemeldet = false;
  bool fSchliesst = false;
};

// Der Menübefehl: ein neues Fenster.
TWoAusfallForm* WoAusfallZeigen();
// "Fenster drucken..." für das aktive Berichtsfenster; falsch, wenn keins aktiv ist.
bool WoAusfallDrucken();
