// "Einstellung für den Druck des Vertretungsplans": bearbeitet eine der vier
// Druckeinstellungen auf einer Arbeitskopie; "Ok" übernimmt alle vier.
#pragma once

#include <QDialog>

#include "settings/StandardUnit.h"

class QButtonGroup;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

class TDruckVEinstForm : public QDialog {
 public:
  explicit TDruckVEinstForm(QWidget* vater = nullptr);
  void IDruckVEinstForm(int i);
  const VDEintrag& Einstellung() const { return fEinst[fNr]; }

  void OkKnopfClick();
  void TestKnopfClick();

  QLabel* NrFeld;
  QCheckBox *DruckVPCheck, *DruckEPCheck, *KopCheck, *DatumCheck, *AllgBemCheck, *FeLeCheck,
      *FeKlCheck, *FeRaCheck, *FehlGrundCheck, *AdHocCheck, *NurAdHocCheck, *FarbeCheck, *KWCheck,
      *FolgeTagCheck;
  QCheckBox *LinksCheck[4], *RechtsCheck[4];
  QButtonGroup *VPSortGroup, *EPSortGroup, *LehrerBezGroup, *BemArtGroup, *BemPosGroup;
  QLineEdit* PfadFeld;
  QPushButton *TestKnopf, *OkKnopf, *AbbrechenKnopf;
  QLabel* ErgebnisLabel;

 private:
  void Uebernehmen();
  void Freigeben();

  int fNr = 1;
  TVDEinstellung fEinst;
  bool fSperre = false;
};
