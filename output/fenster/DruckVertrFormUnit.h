// Der Dialog "Drucke Vertretungsplan": Datum, Schrift, linker Rand, die vier
// Druckeinstellungen, die zehn Bemerkungen und die Ausgaben Drucken, Ansehen, PDF,
// Zwischenablage, "als HTML-Datei" und "HTML 4". Die Regeln stehen in DruckVertrDialogUnit.
#pragma once

#include <QDialog>
#include <functional>
#include <optional>
#include <string>

#include "output/DruckAuftragUnit.h"
#include "output/DruckVertrDialogUnit.h"

class QCheckBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;

class TDruckVertrForm : public QDialog {
 public:
  TDruckVertrForm(TDruckPlattform& plattform, QWidget* vater = nullptr);
  void IDruckVertrForm(TDateTime datum);

  void DatumUpDownClick(int richtung);
  void DatumKnopfClick();
  void OkKnopfClick();
  void PreviewKnopfClick();
  void PdfKnopfClick();
  void ZwischenKnopfClick();
  void HTMLKnopfClick();
  void HTML4KnopfClick();
  void EinstellungAendern(int i);

  const TDruckVertrZustand& Zustand() const { return fZustand; }

  // Für Tests: statt der Dateidialoge diese Antworten (nichts: abgebrochen), statt der
  // Dialoge der Einstellungen deren Ergebnis.
  std::function<std::optional<std::string>(const std::string& vorschlag)> fDateiWahl;
  std::function<bool()> fHtmlEinstellung;

  QLabel* DatumsFeld;
  QSpinBox* DatumUpDown;
  QPushButton* DatumKnopf;
  QLabel* SchriftFeld;
  QPushButton* SchriftButton;
  QSpinBox* RandSpin;
  QCheckBox* CheckBox[4];
  QPushButton* Button[4];
  QPlainTextEdit* Memo;
  QSpinBox* BemSpin;
  QPushButton *OkKnopf, *AbbrechenKnopf, *PapierKnopf, *ZwischenKnopf, *PreviewKnopf, *PdfKnopf,
      *HTMLKnopf, *HTML4Knopf;

 private:
  void AusgabenFreigeben();
  void Vorbereiten();
  void MemoZeigen();
  void SchriftZeigen();
  TDruckAuftrag Auftrag() const;
  std::optional<std::string> DateiWaehlen(const QString& titel, const std::string& vorschlag,
                                          bool ordner);

  TDruckPlattform& fPlattform;
  TDruckVertrZustand fZustand;
  int fUpDown = 0;
  bool fSperre = false;
};

// Öffnet den Dialog modal für das Datum.
void VertrDruckZeigen(TDateTime datum, QWidget* vater);
