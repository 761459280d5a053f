// "Einstellung für den HTML-Export des Vertretungsplans": gemeinsame oder getrennte Dateien,
// Scrollen, Neuladen, Leerzeilen, Schriftgröße, Tagesordner, nur vertretene Stunden,
// zurück-Verweis und die Stilvorlage.
#pragma once

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;

class TVertHTMLEinstForm : public QDialog {
 public:
  explicit TVertHTMLEinstForm(QWidget* vater = nullptr);
  void OkKnopfClick();

  QRadioButton *GemeinsamRadio, *GetrenntRadio;
  QCheckBox *ScrollCheck, *MitTagesordnerCheck, *NurVertreteneStdCheck, *zurueckCheck;
  QSpinBox *SekundenSpin, *ScrollSpin, *LadenSpin, *LeerzeilenSpin;
  QPushButton* SizeButton;
  QLineEdit* CSSPfad;
  QPushButton *OkKnopf, *AbbrechenKnopf;
};

// Zeigt den Dialog modal; wahr nach "Ok".
bool VertHTMLEinstZeigen(QWidget* vater);
