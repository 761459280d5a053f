// Der Startdialog "Parallele Kopplungen": Größe der Tabelle, letzte Tabelle übernehmen, Fächer
// mit anzeigen.
#pragma once

#include <QDialog>

class QCheckBox;
class QPushButton;
class QSpinBox;

class TParStartForm : public QDialog {
  Q_OBJECT

 public:
  explicit TParStartForm(QWidget* parent = nullptr);

  QCheckBox* UeberCheck = nullptr;  // "letzte Tabelle übernehmen"
  QCheckBox* FachCheck = nullptr;   // "Fächer mit anzeigen"
  QSpinBox* ZeilenFeld = nullptr;
  QSpinBox* SpaltenFeld = nullptr;
  QPushButton* OkKnopf = nullptr;
  QPushButton* AbbrechenKnopf = nullptr;

  // Speichert die vier Werte in den Einstellungen und schließt mit "Ok".
  void OkKnopfClick();
  // Mit "letzte Tabelle übernehmen" zeigen die Felder die Größe der gespeicherten Tabelle.
  void UeberCheckClick();
};
