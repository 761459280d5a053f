// Der Kürzeleditor "Kürzel": Elemente jeder Art anlegen, umbenennen, löschen und ordnen.
#pragma once

#include <QDialog>
#include <QValidator>
#include <vector>

#include "ui/fenster/QuonGridUnit.h"

class QLineEdit;
class QPushButton;
class QRadioButton;
class TElement;

// Lässt nur Zeichen zu, die Windows-1252 fassen kann.
class TWin1252Pruefer : public QValidator {
 public:
  using QValidator::QValidator;
  State validate(QString& eingabe, int& pos) const override;
};

// "Kürzel ändern": das neue Kürzel eines Elements.
class TKueAendForm : public QDialog {
  Q_OBJECT

 public:
  TKueAendForm(TElement* element, QWidget* parent = nullptr);
  QLineEdit* KueFeld = nullptr;
  QPushButton* OkKnopf = nullptr;
  QPushButton* AbbrechenKnopf = nullptr;
  void OkKnopfClick();

 private:
  TElement* fElement;
};

class TKueForm : public QDialog {
  Q_OBJECT

 public:
  explicit TKueForm(QWidget* parent = nullptr);

  QRadioButton* LeRadio = nullptr;
  QRadioButton* KlRadio = nullptr;
  QRadioButton* KoRadio = nullptr;
  QRadioButton* FaRadio = nullptr;
  QRadioButton* RaRadio = nullptr;
  QRadioButton* UVRadio = nullptr;
  TQuonGrid* KueGrid = nullptr;
  QLineEdit* KueFeld = nullptr;
  QPushButton* NeuKnopf = nullptr;
  QPushButton* AendernKnopf = nullptr;
  QPushButton* LoeschKnopf = nullptr;
  QPushButton* SortKnopf = nullptr;
  QPushButton* OkKnopf = nullptr;

  // Die gezeigte Art (0 Lehrer … 5 UV-Tabellen; 6 keine) und das gewählte Element.
  int Art() const { return fArt; }
  TElement* Element() const { return fElement; }
  // Die Elemente der Zeilen (eine leere Liste zeigt eine leere Zeile).
  std::vector<TElement*> ZeilenElemente() const;

  void ArtZeigen(int art);
  void KueFeldChange();
  void NeuKnopfClick();
  void AendernKnopfClick();
  void LoeschKnopfClick();
  void SortKnopfClick();
  void OkKnopfClick();
  // "Ok" ist auch der Abbrechen-Knopf: Escape und das Schließen wirken wie "Ok".
  void reject() override;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void Fuellen();
  void ZeileWaehlen(int zeile);
  void KeineWahl();
  void Fokus();
  void GridDruck(const TGridMaus& maus);
  void GridLos(const TGridMaus& maus);
  void GridZiehenEnde(const TGridMaus& maus, bool abgelegt);
  void NachMaus(int zeile);

  int fArt = 6;
  TElement* fElement = nullptr;
  int fRow = -1;  // Zeile unter dem letzten Mausdruck
};
