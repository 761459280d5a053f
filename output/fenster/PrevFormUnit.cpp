#include "output/fenster/PrevFormUnit.h"

#include <QBoxLayout>
#include <QFrame>
#include <QGroupBox>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>

#include "output/QtSeitenBildUnit.h"

namespace {
constexpr int kTafelBreite = 484, kTafelHoehe = 395;
constexpr int kRahmenBreite = 150, kRahmenHoehe = 120;
}  // namespace

// Die Malfläche: zeigt die Seite und den Zoomrahmen.
class TPreviewForm::TFlaeche : public QWidget {
 public:
  TFlaeche(TPreviewForm* form, QWidget* vater) : QWidget(vater), fForm(form) {
    setCursor(Qt::CrossCursor);
  }
  bool fZiehen = false;
  QPoint fMaus;

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.setPen(Qt::black);
    p.drawRect(0, 0, width() - 1, height() - 1);
    p.fillRect(1, 1, width() - 2, height() - 2, Qt::white);
    const TPrevPrinter* seiten = fForm->fSeiten;
    const int n = fForm->AktuelleSeite();
    if (seiten && n >= 1 && n <= seiten->PageCount()) {
      const TDruckerMasse& m = seiten->Masse();
      const TRechteck r = VorschauSeite(m, width());
      p.save();
      p.setRenderHint(QPainter::Antialiasing);
      p.setRenderHint(QPainter::TextAntialiasing);
      p.setClipRect(r.Links, r.Oben, r.Rechts - r.Links, r.Unten - r.Oben);
      p.translate(r.Links, r.Oben);
      const double s = static_cast<double>(width()) / std::max(m.BlattBreite, 1);
      p.scale(s, s);
      SeiteAbspielen(p, seiten->Seite(n), m);
      p.restore();
    }
    if (fZiehen) {
      p.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
      p.setPen(QPen(Qt::white));
      p.drawRect(fMaus.x(), fMaus.y(), kRahmenBreite, kRahmenHoehe);
    }
  }
  void mousePressEvent(QMouseEvent* e) override {
    if (e->button() != Qt::LeftButton) return;
    fZiehen = !fForm->fZoom;
    fMaus = e->position().toPoint();
    update();
  }
  void mouseMoveEvent(QMouseEvent* e) override {
    if (!fZiehen) return;
    fMaus = e->position().toPoint();
    update();
  }
  void mouseReleaseEvent(QMouseEvent* e) override {
    if (e->button() != Qt::LeftButton) return;
    fZiehen = false;
    fForm->Loslassen(e->position().toPoint());
  }

 private:
  TPreviewForm* fForm;
};

TPreviewForm::TPreviewForm(QWidget* vater) : QDialog(vater) {
  setWindowTitle(QStringLiteral("Voransicht"));
  auto* haupt = new QHBoxLayout(this);
  auto* ansicht = new QGroupBox(QStringLiteral("Ansicht"), this);
  auto* spalte = new QVBoxLayout(ansicht);
  auto* zeile = new QHBoxLayout;
  zeile->addWidget(new QLabel(QStringLiteral("Seite"), ansicht));
  NrFeld = new QLineEdit(QStringLiteral("1"), ansicht);
  NrFeld->setObjectName(QStringLiteral("NrFeld"));
  NrFeld->setValidator(new QIntValidator(1, 9999, NrFeld));
  NrFeld->setMaximumWidth(60);
  zeile->addWidget(NrFeld);
  spalte->addLayout(zeile);
  NextKnopf = new QPushButton(QStringLiteral("nächste Seite"), ansicht);
  CancelKnopf = new QPushButton(QStringLiteral("Abbrechen"), ansicht);
  DruckKnopf = new QPushButton(QStringLiteral("Drucken"), ansicht);
  PdfKnopf = new QPushButton(QStringLiteral("Als PDF speichern…"), ansicht);
  for (QPushButton* k : {NextKnopf, CancelKnopf, DruckKnopf, PdfKnopf}) {
    k->setAutoDefault(false);
    spalte->addWidget(k);
  }
  spalte->addStretch();
  haupt->addWidget(ansicht);
  fTafel = new QFrame(this);
  fTafel->setFixedSize(kTafelBreite, kTafelHoehe);
  fTafel->setFrameShape(QFrame::StyledPanel);
  fFlaeche = new TFlaeche(this, fTafel);
  haupt->addWidget(fTafel);

  connect(NextKnopf, &QPushButton::clicked, this, [this] { NextKnopfClick(); });
  connect(CancelKnopf, &QPushButton::clicked, this, [this] {
    fErgebnis = TVorschauErgebnis::Abbrechen;
    reject();
  });
  connect(DruckKnopf, &QPushButton::clicked, this, [this] { DruckKnopfClick(); });
  connect(PdfKnopf, &QPushButton::clicked, this, [this] { PdfKnopfClick(); });
  connect(NrFeld, &QLineEdit::editingFinished, this, [this] {
    if (fVorschau) fVorschau->SetzeSeite(NrFeld->text().toInt());
    DisplayPage(AktuelleSeite());
  });
}

TPreviewForm::~TPreviewForm() = default;

QWidget* TPreviewForm::Flaeche() const {
  return fFlaeche;
}

void TPreviewForm::IPreviewForm(TPrevPrinter& seiten) {
  fSeiten = &seiten;
  fVorschau = std::make_unique<TVorschau>(seiten.PageCount());
  Einpassen();
  DisplayPage(1);
}

void TPreviewForm::Einpassen() {
  const TVorschauLage l = VorschauEinpassen(fSeiten ? fSeiten->PageSize() : TPunkt{210, 297},
                                            kTafelBreite, kTafelHoehe);
  fFlaeche->setGeometry(l.Links, l.Oben, l.Breite, l.Hoehe);
  fFlaeche->setCursor(Qt::CrossCursor);
  fZoom = false;
}

void TPreviewForm::Loslassen(QPoint p) {
  if (fZoom) {
    Einpassen();
  } else {
    const TVorschauLage alt{fFlaeche->x(), fFlaeche->y(), fFlaeche->width(), fFlaeche->height()};
    const TVorschauLage neu = VorschauZoom(alt, p.x(), p.y());
    fFlaeche->hide();
    fFlaeche->setGeometry(neu.Links, neu.Oben, neu.Breite, neu.Hoehe);
    fFlaeche->show();
    fFlaeche->setCursor(Qt::SizeAllCursor);
    fZoom = true;
  }
  DisplayPage(AktuelleSeite());
}

int TPreviewForm::AktuelleSeite() const {
  return fVorschau ? fVorschau->Seite() : 0;
}

void TPreviewForm::DisplayPage(int n) {
  if (fVorschau) fVorschau->SetzeSeite(n);
  NrFeld->setText(QString::number(AktuelleSeite()));
  fFlaeche->update();
}

void TPreviewForm::NextKnopfClick() {
  if (!fVorschau || !fVorschau->Naechste()) {
    fErgebnis = TVorschauErgebnis::Abbrechen;
    reject();
    return;
  }
  DisplayPage(fVorschau->Seite());
}

void TPreviewForm::DruckKnopfClick() {
  fErgebnis = TVorschauErgebnis::Drucken;
  accept();
}

void TPreviewForm::PdfKnopfClick() {
  fErgebnis = TVorschauErgebnis::Pdf;
  accept();
}
