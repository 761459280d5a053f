#include "output/fenster/QtDruckerUnit.h"

#include <QApplication>
#include <QFileDialog>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QProgressDialog>

#include "output/fenster/PrevFormUnit.h"
#include "ui/fenster/QtTextUnit.h"

namespace {
std::string DruckerName(const QPrinter& p) {
  const QString n = p.printerName();
  return n.isEmpty() ? std::string("(kein Drucker eingerichtet)") : n.toStdString();
}

// Papier über einen QPainter auf dem Programmdrucker.
class TQtPapierDrucker : public TSeitenDrucker {
 public:
  explicit TQtPapierDrucker(QPrinter& drucker) : fDrucker(drucker) {}
  bool Beginnen(const std::string& titel, std::string& fehler) override {
    fDrucker.setDocName(T(titel));
    if (fMaler.begin(&fDrucker)) return true;
    fehler = "Der Drucker \u201E" + DruckerName(fDrucker) +
             "\u201C l\u00E4sst sich nicht ansprechen; es wurde nichts gedruckt.";
    return false;
  }
  bool NeueSeite(std::string& fehler) override {
    if (fDrucker.newPage()) return true;
    fehler = "Der Drucker \u201E" + DruckerName(fDrucker) +
             "\u201C nimmt keine weitere Seite an; der Auftrag wurde abgebrochen.";
    return false;
  }
  bool Seite(const TSeite& seite, const TDruckerMasse& masse, std::string& fehler) override {
    if (!fMaler.isActive()) {
      fehler = "Der Druck auf \u201E" + DruckerName(fDrucker) + "\u201C wurde unterbrochen.";
      return false;
    }
    SeiteAbspielen(fMaler, seite, masse);
    return true;
  }
  bool Beenden(std::string& fehler) override {
    if (fMaler.end() && fDrucker.printerState() != QPrinter::Error) return true;
    fehler = "Der Drucker \u201E" + DruckerName(fDrucker) + "\u201C meldet einen Fehler.";
    return false;
  }
  void Abbrechen() override {
    fDrucker.abort();
    if (fMaler.isActive()) fMaler.end();
  }

 private:
  QPrinter& fDrucker;
  QPainter fMaler;
};

class TQtFortschritt : public TDruckFortschritt {
 public:
  explicit TQtFortschritt(QWidget* vater) : fVater(vater) {}
  void Zeigen(const std::string& text) override {
    if (!fDialog) {
      fDialog = new QProgressDialog(fVater);
      fDialog->setWindowTitle(QStringLiteral("Drucken"));
      fDialog->setCancelButtonText(QStringLiteral("Abbrechen"));
      fDialog->setRange(0, 0);
      fDialog->setMinimumDuration(400);
      fDialog->setWindowModality(Qt::ApplicationModal);
      fDialog->setAttribute(Qt::WA_DeleteOnClose);
    }
    fDialog->setLabelText(T(text));
    fDialog->setValue(0);  // zeigt die Anzeige, sobald die Aufzeichnung länger dauert
    QApplication::processEvents();
  }
  bool Abgebrochen() override {
    QApplication::processEvents();
    return fDialog && fDialog->wasCanceled();
  }
  void Schliessen() override {
    if (fDialog) fDialog->close();
  }

 private:
  QWidget* fVater;
  QPointer<QProgressDialog> fDialog;
};
}  // namespace

struct TQtDruckPlattform::Daten {
  explicit Daten(QWidget* vater) : Papier(ProgrammDrucker()), Anzeige(vater) {}
  TQtPapierDrucker Papier;
  TQtGeraeteMetrik DruckerMetrik{&ProgrammDrucker()};
  TQtPdfDienst Pdf;
  TQtFortschritt Anzeige;
};

TQtDruckPlattform::TQtDruckPlattform(QWidget* vater)
    : fDaten(std::make_unique<Daten>(vater)), fVater(vater) {}

TQtDruckPlattform::~TQtDruckPlattform() = default;

QPrinter& TQtDruckPlattform::ProgrammDrucker() {
  static QPrinter drucker(QPrinter::HighResolution);
  return drucker;
}

void TQtDruckPlattform::Papierformat(QWidget* vater) {
  QPageSetupDialog dialog(&ProgrammDrucker(), vater);
  dialog.exec();
}

TDruckerMasse TQtDruckPlattform::Masse(QPrinter& drucker) {
  TDruckerMasse m;
  const int ppi = drucker.resolution();
  m.pXppi = m.pYppi = ppi;
  const QPageLayout layout = drucker.pageLayout();
  const QRect blatt = layout.fullRectPixels(ppi);
  const QRect druck = layout.paintRectPixels(ppi);
  m.BlattBreite = blatt.width();
  m.BlattHoehe = blatt.height();
  m.XOff = druck.left();
  m.YOff = druck.top();
  m.Breite = druck.width();
  m.Hoehe = druck.height();
  return m;
}

TDruckerMasse TQtDruckPlattform::DruckerMasse() {
  return Masse(ProgrammDrucker());
}

TTextMetrik& TQtDruckPlattform::DruckerMetrik() {
  return fDaten->DruckerMetrik;
}

bool TQtDruckPlattform::DruckDialog() {
  QPrintDialog dialog(&ProgrammDrucker(), fVater);
  return dialog.exec() == QDialog::Accepted;
}

TSeitenDrucker& TQtDruckPlattform::Drucker() {
  return fDaten->Papier;
}

// PDF-Blätter haben das Papierformat des Druckers, ohne unbedruckbaren Rand, bei 600 Punkten.
TDruckerMasse TQtDruckPlattform::PdfMasse() {
  const QPageLayout layout = ProgrammDrucker().pageLayout();
  const QRect blatt = layout.fullRectPixels(600);
  TDruckerMasse m = A4Masse(600);
  m.Breite = m.BlattBreite = blatt.width();
  m.Hoehe = m.BlattHoehe = blatt.height();
  if (!(m == fDaten->Pdf.PdfMasse())) fDaten->Pdf.SetzePdfMasse(m);
  return m;
}

TTextMetrik& TQtDruckPlattform::PdfMetrik() {
  PdfMasse();
  return fDaten->Pdf.PdfMetrik();
}

bool TQtDruckPlattform::PdfSchreiben(const TPrevPrinter& seiten, const std::string& pfad,
                                     std::string& fehler) {
  return fDaten->Pdf.PdfSchreiben(seiten, pfad, fehler);
}

std::optional<std::string> TQtDruckPlattform::PdfDateiWaehlen(const std::string& ordner,
                                                              const std::string& vorschlag) {
  if (fTestPdfPfad) return fTestPdfPfad;
  const QString start =
      ordner.empty() ? T(vorschlag) : T(ordner) + QStringLiteral("/") + T(vorschlag);
  QString pfad = QFileDialog::getSaveFileName(fVater, QStringLiteral("Als PDF speichern"), start,
                                              QStringLiteral("PDF-Dateien (*.pdf)"));
  if (pfad.isEmpty()) return std::nullopt;
  if (!pfad.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)) pfad += QStringLiteral(".pdf");
  return pfad.toStdString();
}

TVorschauErgebnis TQtDruckPlattform::Voransicht(TPrevPrinter& seiten) {
  TPreviewForm form(fVater);
  form.IPreviewForm(seiten);
  form.exec();
  return form.Ergebnis();
}

TDruckFortschritt* TQtDruckPlattform::Fortschritt() {
  return &fDaten->Anzeige;
}
