#include "output/fenster/PrevFormUnit.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QGuiApplication>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QWheelEvent>
#include <QGroupBox>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>

#include <algorithm>
#include <iterator>

#include "output/QtSeitenBildUnit.h"

namespace {
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
  void wheelEvent(QWheelEvent* e) override {
    // Strg+Mausrad zoomt; sonst rollt die Tafel.
    if (e->modifiers() & Qt::ControlModifier) {
      if (e->angleDelta().y() != 0) fForm->StufeWeiter(e->angleDelta().y() > 0);
      e->accept();
      return;
    }
    e->ignore();
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
  auto* groesse = new QLabel(QStringLiteral("Größe"), ansicht);
  ZoomFeld = new QComboBox(ansicht);
  ZoomFeld->setObjectName(QStringLiteral("ZoomFeld"));
  ZoomFeld->addItem(QStringLiteral("ganze Seite"), StufeGanzeSeite);
  ZoomFeld->addItem(QStringLiteral("Seitenbreite"), StufeSeitenbreite);
  for (int p : VorschauProzente) ZoomFeld->addItem(QStringLiteral("%1 %").arg(p), p);
  spalte->insertWidget(2, groesse);
  spalte->insertWidget(3, ZoomFeld);
  spalte->addStretch();
  // Die Knöpfe behalten ihre Größe; allen übrigen Platz bekommt die Seite.
  ansicht->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
  haupt->addWidget(ansicht, 0);
  fTafel = new QScrollArea(this);
  fTafel->setObjectName(QStringLiteral("Tafel"));
  fTafel->setWidgetResizable(false);
  fTafel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  fTafel->setBackgroundRole(QPalette::Dark);
  fInhalt = new QWidget;
  fFlaeche = new TFlaeche(this, fInhalt);
  fTafel->setWidget(fInhalt);
  haupt->addWidget(fTafel, 1);
  setWindowFlag(Qt::WindowMaximizeButtonHint, true);
  // Groß genug, um eine Seite zu lesen: drei Viertel des Arbeitsbereichs.
  QScreen* schirm = QGuiApplication::primaryScreen();
  const QRect arbeit = schirm ? schirm->availableGeometry() : QRect(0, 0, 1024, 768);
  resize(std::max(640, arbeit.width() * 3 / 4), std::max(480, arbeit.height() * 9 / 10));

  connect(ZoomFeld, &QComboBox::activated, this,
          [this](int i) { StufeSetzen(ZoomFeld->itemData(i).toInt()); });
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

double TPreviewForm::Dpi() const {
  return std::max(1, logicalDpiX());
}

void TPreviewForm::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  // Ganze Seite und Seitenbreite folgen dem Fenster; Prozentstufen bleiben so groß.
  Anordnen();
}

void TPreviewForm::Anordnen() {
  if (!fFlaeche) return;
  const TDruckerMasse m = fSeiten ? fSeiten->Masse() : A4Masse();
  // Der ganze Platz der Tafel ohne Bildlaufleisten; bei Seitenbreite kommt eine senkrechte hinzu,
  // ohne dass die Seite breiter wird als der Platz neben ihr.
  const int rahmen = 2 * fTafel->frameWidth();
  const QSize platz(std::max(1, fTafel->width() - rahmen), std::max(1, fTafel->height() - rahmen));
  int breite = platz.width();
  const int hoehe = platz.height();
  if (fStufe == StufeSeitenbreite)
    breite -= fTafel->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, fTafel);
  const TVorschauLage l = VorschauGroesse(m, fStufe, breite, hoehe, Dpi());
  fFlaeche->setGeometry(l.Links, l.Oben, l.Breite, l.Hoehe);
  fInhalt->resize(std::max(breite, l.Links + l.Breite + 5), std::max(hoehe, l.Oben + l.Hoehe + 5));
  fFlaeche->update();
}

void TPreviewForm::StufeSetzen(int stufe) {
  fStufe = stufe;
  fZoom = stufe != StufeGanzeSeite;
  fFlaeche->setCursor(fZoom ? Qt::SizeAllCursor : Qt::CrossCursor);
  Anordnen();
  ZoomFeldZeigen();
}

void TPreviewForm::StufeWeiter(bool groesser) {
  const TDruckerMasse m = fSeiten ? fSeiten->Masse() : A4Masse();
  const TVorschauLage jetzt{fFlaeche->x(), fFlaeche->y(), fFlaeche->width(), fFlaeche->height()};
  const int prozent = fStufe > 0 ? fStufe : VorschauProzent(m, jetzt, Dpi());
  if (!groesser && prozent <= VorschauProzente[0]) {
    StufeSetzen(StufeGanzeSeite);
    return;
  }
  StufeSetzen(VorschauStufeWeiter(prozent, groesser));
}

void TPreviewForm::ZoomFeldZeigen() {
  // Die festen Stufen; eine Stufe aus dem Klick steht als eigener Eintrag dahinter.
  const int fest = 2 + static_cast<int>(std::size(VorschauProzente));
  while (ZoomFeld->count() > fest) ZoomFeld->removeItem(ZoomFeld->count() - 1);
  int i = ZoomFeld->findData(fStufe);
  if (i < 0) {
    ZoomFeld->addItem(QStringLiteral("%1 %").arg(fStufe), fStufe);
    i = ZoomFeld->count() - 1;
  }
  ZoomFeld->setCurrentIndex(i);
}

void TPreviewForm::Einpassen() {
  fZoom = false;
  StufeSetzen(StufeGanzeSeite);
}

void TPreviewForm::Loslassen(QPoint p) {
  if (fZoom) {
    Einpassen();
  } else {
    // 2,5fach: der Punkt unter der Ecke des Rahmens landet 25 Punkte von der linken oberen Ecke
    // der Tafel.
    const TDruckerMasse m = fSeiten ? fSeiten->Masse() : A4Masse();
    const TVorschauLage alt{fFlaeche->x(), fFlaeche->y(), fFlaeche->width(), fFlaeche->height()};
    const TVorschauLage neu = VorschauZoom(alt, p.x(), p.y());
    const int prozent = std::max(1, VorschauProzent(m, {0, 0, neu.Breite, neu.Hoehe}, Dpi()));
    fStufe = prozent;
    fZoom = true;
    fFlaeche->setCursor(Qt::SizeAllCursor);
    Anordnen();
    ZoomFeldZeigen();
    fTafel->horizontalScrollBar()->setValue(fFlaeche->x() + static_cast<int>(p.x() * 2.5) - 25);
    fTafel->verticalScrollBar()->setValue(fFlaeche->y() + static_cast<int>(p.y() * 2.5) - 25);
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
