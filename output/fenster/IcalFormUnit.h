// Der Menübefehl "Kalender (iCalendar)...": der Dialog mit Zeitraum, Elementarten und
// Vertretungen, der Ordnerdialog und das Fenster, das den Fortschritt zeigt, während
// TIcalExport (output/IcalUnit.h) die Dateien schreibt.
#pragma once

#include <QDialog>
#include <functional>
#include <optional>
#include <string>

#include "model/GlobalUnit.h"

class QCheckBox;
class QDateEdit;
class QPushButton;

// Was der Dialog abfragt.
struct TIcalWahl {
  TDateTime Von = 0;  // erster und letzter Tag (Mitternacht)
  TDateTime Bis = 0;
  bool Lehrer = true;
  bool Klassen = true;
  bool Raeume = true;
  bool Vertretungen = true;
};

// "Kalender (iCalendar)": erster und letzter Tag, "Lehrer", "Klassen", "Räume", "mit
// Vertretungen"; "Ok" ist nur wählbar, wenn eine Art gewählt ist und der letzte Tag nicht vor dem
// ersten liegt.
class TIcalZeitForm : public QDialog {
 public:
  explicit TIcalZeitForm(const TIcalWahl& vorgabe, QWidget* vater = nullptr);
  TIcalWahl Wahl() const;

  QDateEdit* VonFeld;
  QDateEdit* BisFeld;
  QCheckBox* LehrerCheck;
  QCheckBox* KlassenCheck;
  QCheckBox* RaeumeCheck;
  QCheckBox* VertretungenCheck;
  QPushButton* OkKnopf;
  QPushButton* AbbrechenKnopf;

 private:
  void OkPruefen();
};

// Der Dialog (Vorgabe: heute bis vier Wochen später, alle Arten, mit Vertretungen) und der
// Ordnerdialog (beginnt in fHTMLPlanPfad, damit die Kalender neben den Planseiten liegen); beide
// ersetzbar für Tests. Wahr, wenn alle Dateien geschrieben wurden; dann meldet eine Nachricht,
// wie viele.
using TIcalWahlDialog = std::function<std::optional<TIcalWahl>(const TIcalWahl& vorgabe)>;
using TIcalOrdnerDialog = std::function<std::optional<std::string>(const std::string& ordner)>;
bool IcalBefehlAusfuehren(QWidget* vater, const TIcalWahlDialog& wahl = {},
                          const TIcalOrdnerDialog& ordner = {});
