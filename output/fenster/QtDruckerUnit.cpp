#include "output/fenster/QtDruckerUnit.h"

#include <QApplication>
#include <QFileDialog>
#include <QPageSetupDialog>
#include <QPageSize>
#include <QPainter>
#include <QPixmap>
#include <QPrintDialog>
#include <QPrinter>
#include <QProgressDialog>
#include <algorithm>
#include <cmath>

#include "output/fenster/PrevFormUnit.h"
#include "ui/fenster/QtTextUnit.h"

namespace {
// Das Papier des Druckers (Blatt hochkant in Zehntelmillimetern, Lage).
TPapier PapierVon(const QPrinter& drucker) {
  const QPageLayout layout = drucker.pageLayout();
  const QSizeF mm = layout.pageSize().size(QPageSize::Millimeter);
  TPapier p;
  p.Breite = static_cast<int>(std::lround(mm.width() * 10));
  p.Hoehe = static_cast<int>(std::lround(mm.height() * 10));
  p.Quer = layout.orientation() == QPageLayout::Landscape;
  return p;
}

// Stellt das gemerkte Papier am Drucker ein (eine Normgröße wird als solche erkannt).
void PapierEinstellen(QPrinter& drucker, const TPapier& p) {
  const QPageSize groesse(QSizeF(p.Breite / 10.0, p.Hoehe / 10.0), QPageSize::Millimeter, QString(),
                          QPageSize::FuzzyMatch);
  drucker.setPageSize(groesse);
  drucker.setPageOrientation(p.Quer ? QPageLayout::Landscape : QPageLayout::Portrait);
}

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
  // Beim ersten Gebrauch das Papierformat, das das Programm zuletzt gewählt hat.
  static const bool eingestellt =
      (PapierEinstellen(drucker, EingesetzteDienste().Speicher ? GemerktesPapier() : TPapier{}),
       true);
  (void)eingestellt;
  return drucker;
}

void TQtDruckPlattform::Papierformat(QWidget* vater) {
  QPageSetupDialog dialog(&ProgrammDrucker(), vater);
  if (dialog.exec() == QDialog::Accepted) PapierMerken(PapierVon(ProgrammDrucker()));
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

bool TQtDruckPlattform::FensterBildDrucken(QWidget* fenster, QWidget* vater) {
  if (!fenster) return false;
  QPrinter& drucker = ProgrammDrucker();
  QPrintDialog dialog(&drucker, vater);
  if (dialog.exec() != QDialog::Accepted) return false;
  const QPixmap bild = fenster->grab();
  QPainter maler;
  if (bild.isNull() || !maler.begin(&drucker)) return false;
  const QRect seite = maler.viewport();
  const double gross = drucker.resolution() / 96.0;
  const double s = std::min(
      {gross, seite.width() / double(bild.width()), seite.height() / double(bild.height())});
  maler.drawPixmap(QRect(0, 0, int(bild.width() * s), int(bild.height() * s)), bild);
  return maler.end();
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

// PDF-Blätter haben das Papierformat des Druckers, ohne unbedruckbaren Rand, bei 600 Punkten;
// tamrel-cli rechnet mit dem gemerkten Papier ebenso (PapierMasse).
TDruckerMasse TQtDruckPlattform::PdfMasse() {
  const TDruckerMasse m = PapierMasse(PapierVon(ProgrammDrucker()), 600);
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
