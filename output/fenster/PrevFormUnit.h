// "Voransicht": blättert durch die aufgezeichneten Seiten, zeigt die Seite im ganzen Platz des
// Fensters ("ganze Seite", "Seitenbreite", 100 % und größer, mit Bildlaufleisten, Mausrad und
// Strg+Mausrad), zoomt mit Klick und Ziehen in einen Ausschnitt und liefert, ob gedruckt, als PDF
// gespeichert oder abgebrochen werden soll. Die Knöpfe behalten ihre Größe.
#pragma once

#include <QDialog>
#include <memory>

#include "output/DruckAuftragUnit.h"
#include "output/VorschauUnit.h"

class QComboBox;
class QLineEdit;
class QPushButton;
class QScrollArea;

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
  // Die Stufe (StufeGanzeSeite, StufeSeitenbreite oder Prozent) und ihr Wechsel.
  int Stufe() const { return fStufe; }
  void StufeSetzen(int stufe);
  // Strg+Mausrad: eine Prozentstufe größer oder kleiner (unter 100 % die ganze Seite).
  void StufeWeiter(bool groesser);
  // Für Tests: die Malfläche und der Bereich mit den Bildlaufleisten.
  QWidget* Flaeche() const;
  QScrollArea* Tafel() const { return fTafel; }

  QLineEdit* NrFeld = nullptr;
  QPushButton* NextKnopf = nullptr;
  QPushButton* CancelKnopf = nullptr;
  QPushButton* DruckKnopf = nullptr;
  QPushButton* PdfKnopf = nullptr;
  QComboBox* ZoomFeld = nullptr;  // "ganze Seite", "Seitenbreite", "100 %" …

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  class TFlaeche;
  friend class TFlaeche;
  void Einpassen();
  void Loslassen(QPoint p);
  // Legt die Fläche nach der Stufe in die Tafel.
  void Anordnen();
  void ZoomFeldZeigen();
  double Dpi() const;

  TPrevPrinter* fSeiten = nullptr;
  std::unique_ptr<TVorschau> fVorschau;
  TVorschauErgebnis fErgebnis = TVorschauErgebnis::Abbrechen;
  QScrollArea* fTafel = nullptr;
  QWidget* fInhalt = nullptr;  // trägt die Fläche in der Tafel
  TFlaeche* fFlaeche = nullptr;
  bool fZoom = false;
  int fStufe = StufeGanzeSeite;
};
