// Die Druckplattform des Programms: der programmweite Drucker (nach "Papierformat"), der
// Druckdialog, das Drucken auf Papier, die Voransicht, der Dateidialog "Als PDF speichern…" und
// die Anzeige "Seite n wird aufgezeichnet." mit "Abbrechen".
#pragma once

#include <QPointer>
#include <QWidget>
#include <memory>

#include "output/DruckAuftragUnit.h"
#include "output/QtSeitenBildUnit.h"

class QPrinter;
class QPainter;
class QProgressDialog;

class TQtDruckPlattform : public TDruckPlattform {
 public:
  explicit TQtDruckPlattform(QWidget* vater);
  ~TQtDruckPlattform() override;

  // Der Drucker des ganzen Programms.
  static QPrinter& ProgrammDrucker();
  // "Papierformat...": der Einrichtungsdialog der Plattform für den Programmdrucker.
  static void Papierformat(QWidget* vater);
  // Die Maße eines Druckers in seinen Punkten.
  static TDruckerMasse Masse(QPrinter& drucker);
  // "Fenster drucken..." der Daten- und Statistikfenster: der Druckdialog der Plattform, dann
  // ein Bild des Fensters, so groß es auf das Blatt passt (nie größer als auf dem Bildschirm
  // mal der Auflösung des Druckers durch 96). Wahr, wenn gedruckt wurde.
  static bool FensterBildDrucken(QWidget* fenster, QWidget* vater);

  TDruckerMasse DruckerMasse() override;
  TTextMetrik& DruckerMetrik() override;
  bool DruckDialog() override;
  TSeitenDrucker& Drucker() override;
  TDruckerMasse PdfMasse() override;
  TTextMetrik& PdfMetrik() override;
  bool PdfSchreiben(const TPrevPrinter& seiten, const std::string& pfad,
                    std::string& fehler) override;
  std::optional<std::string> PdfDateiWaehlen(const std::string& ordner,
                                             const std::string& vorschlag) override;
  TVorschauErgebnis Voransicht(TPrevPrinter& seiten) override;
  TDruckFortschritt* Fortschritt() override;

  // Für Tests: statt der Dateiwahl diesen Pfad nehmen, statt der Voransicht dieses Ergebnis.
  std::optional<std::string> fTestPdfPfad;

 private:
  struct Daten;
  std::unique_ptr<Daten> fDaten;
  QPointer<QWidget> fVater;
};
