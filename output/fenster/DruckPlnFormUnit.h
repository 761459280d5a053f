// Die fünf Druckdialoge der Stundenpläne ("Lehrerpläne drucken", "Klassenpläne drucken",
// "Drucke Raumpläne", "Drucke Kopplungspläne für Lehrer", "Drucke Kopplungspläne für Klassen")
// und "Geänderte Pläne". Ein Dialog lädt seine Optionen aus den Einstellungen, speichert sie bei
// "Ok", "Ansehen" und "Als PDF speichern…" und druckt über den Ablauf in DruckAuftragUnit.
#pragma once

#include <QDialog>
#include <functional>
#include <optional>
#include <vector>

#include "output/DruckAuftragUnit.h"
#include "output/fenster/DruckDialogFormUnit.h"
#include "output/DruckPlnUnit.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QSpinBox;

class TElement;

// Die Mehrfachwahl der Palette: Elemente und Titel; liefert die gewählten in Wahlfolge.
using TMehrfachWahl =
    std::function<std::vector<TElement*>(const std::vector<TElement*>&, const QString&)>;

class TDruckPlnForm : public TBereichsDruckDialog {
 public:
  // element: kommt in die erste Zeile der Liste (aus dem aktiven Planfenster), sonst leer.
  TDruckPlnForm(TPlanDruckArt art, TDruckPlattform& plattform, TMehrfachWahl wahl,
                TPlanElement* element, QWidget* vater = nullptr);

  TPlanDruckArt Art() const { return fArt; }
  // Die Optionen, wie die Felder sie gerade zeigen.
  TPlanDruckOptionen Optionen() const;
  void SetzeOptionen(const TPlanDruckOptionen& o);

  void AuswahlKnopfClick();
  void AlleCheckClick();
  // Für Tests: statt des Dialogs "Geänderte Pläne" dieser Zeitpunkt (nichts: Abbruch).
  std::function<std::optional<TDateTime>(TDateTime)> fZeitWahl;

  QCheckBox *alleCheck, *EineCheck, *VersionenCheck, *KoBezCheck;
  QRadioButton *StundenLinksRadio, *TageLinksRadio, *NebenRadio, *UnterRadio;
  QPushButton* AuswahlKnopf;

 private:
  TDruckAuftrag Auftrag() const override;
  void OptionenSpeichern() override;
  void BereichAnpassen();

  TPlanDruckArt fArt;
  TMehrfachWahl fWahl;
  TDateTime fAb = 0;
};

// "Geänderte Pläne": der Zeitpunkt, nach dem geänderte Pläne gedruckt werden.
class TZeitPlnForm : public QDialog {
 public:
  explicit TZeitPlnForm(TDateTime ab, QWidget* vater = nullptr);
  TDateTime Zeitpunkt() const;
  QSpinBox *TagSpin, *MonatSpin, *JahrSpin, *StundeSpin, *MinuteSpin;
};

// Öffnet den Dialog der Art modal.
void PlanDruckZeigen(TPlanDruckArt art, TMehrfachWahl wahl, TPlanElement* element, QWidget* vater);
