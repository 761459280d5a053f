// "Voransicht": blättert durch die aufgezeichneten Seiten, zoomt mit Klick und Ziehen in einen
// Ausschnitt und liefert, ob gedruckt, als PDF gespeichert oder abgebrochen werden soll.
#pragma once

#include <QDialog>
#include <memory>

#include "output/DruckAuftragUnit.h"
#include "output/VorschauUnit.h"

class QLineEdit;
class QPushButton;
class QFrame;

class TPreviewForm : public QDialog {
 public:
  explicit TPreviewForm(QWidget* vater = nullptr);
  ~TPreviewForm() override;

  // Bindet den Rekorder (nicht besessen) und passt die Seite ein.
  void IPreviewForm(TPrevPrinter& seiten);
  TVorschauErgebnis Ergebnis() const { return fErgebnis; }

  void NextKnopfClick();
  void DruckKnopfClick();
  void PdfKnopfClick();
  void DisplayPage(int n);
  int AktuelleSeite() const;
  bool Gezoomt() const { return fZoom; }
  // Für Tests: die Malfläche.
  QWidget* Flaeche() const;

  QLineEdit* NrFeld = nullptr;
  QPushButton* NextKnopf = nullptr;
  QPushButton* CancelKnopf = nullptr;
  QPushButton* DruckKnopf = nullptr;
  QPushButton* PdfKnopf = nullptr;

 private:
  class TFlaeche;
  friend class TFlaeche;
  void Einpassen();
  void Loslassen(QPoint p);

  TPrevPrinter* fSeiten = nullptr;
  std::unique_ptr<TVorschau> fVorschau;
  TVorschauErgebnis fErgebnis = TVorschauErgebnis::Abbrechen;
  QFrame* fTafel = nullptr;
  TFlaeche* fFlaeche = nullptr;
  bool fZoom = false;
};
