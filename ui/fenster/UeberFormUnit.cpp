#include "ui/fenster/UeberFormUnit.h"

#include <QBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

#include "model/GlobalUnit.h"
#include "ui/fenster/SymbolUnit.h"

const QStringList& BeschreibungsZeilen() {
  static const QStringList zeilen = {QStringLiteral("Ein Programm für"),
                                     QStringLiteral("Unterrichtsverteilung"),
                                     QStringLiteral("für"),
                                     QStringLiteral("Stundenplan"),
                                     QStringLiteral("und"),
                                     QStringLiteral("Vertretungsplan")};
  return zeilen;
}

namespace {
constexpr int kSprung = 800;  // nach so vielen Bildpunkten zurück an den Anfang
constexpr int kPause = 200;   // Takte Pause am Anfang
}  // namespace

TUeberLauf::TUeberLauf(QWidget* parent) : QWidget(parent) {
  fPause = kPause;
  fTimer.setInterval(25);
  connect(&fTimer, &QTimer::timeout, this, [this] { Takt(); });
  fTimer.start();
  setCursor(Qt::PointingHandCursor);
}

void TUeberLauf::Takt() {
  if (fPause > 0) {
    --fPause;
    return;
  }
  ++fVerschiebung;
  if (fVerschiebung >= kSprung) {
    fVerschiebung = 0;
    fPause = kPause;
  }
  update();
}

void TUeberLauf::paintEvent(QPaintEvent* /*event*/) {
  QPainter p(this);
  p.fillRect(rect(), palette().color(QPalette::Base));
  p.setPen(palette().color(QPalette::Text));
  QFont f = font();
  f.setPointSizeF(f.pointSizeF() * 1.3);
  p.setFont(f);
  const int zeile = QFontMetrics(f).height() + 4;
  // Die Beschreibung steht zuerst oben im Feld (während der Pause zu lesen) und rollt dann
  // nach oben heraus.
  int y = 8 - fVerschiebung;
  for (const QString& t : BeschreibungsZeilen()) {
    p.drawText(QRect(0, y, width(), zeile), Qt::AlignCenter, t);
    y += zeile;
  }
}

void TUeberLauf::mousePressEvent(QMouseEvent* /*event*/) {
  emit Geklickt();
}

TUeberForm::TUeberForm(const std::string& dateiName, QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Über WinTamrel"));
  fBild = new QLabel(this);
  fBild->setPixmap(SymbolBild(TSymbol::Programm, 64));
  fBild->installEventFilter(this);
  auto* titel = new QLabel(QString::fromUtf8(ProgrammTitel), this);
  QFont gross = titel->font();
  gross.setBold(true);
  gross.setPointSizeF(gross.pointSizeF() * 1.5);
  titel->setFont(gross);
  auto* datum = new QLabel(QString::fromUtf8(VersionsDatum), this);
  auto* datei = new QLabel(QString::fromStdString(dateiName), this);
  datei->setObjectName(QStringLiteral("DateiLabel"));
  fLauf = new TUeberLauf(this);
  connect(fLauf, &TUeberLauf::Geklickt, this, &QDialog::accept);

  auto* kopf = new QVBoxLayout;
  kopf->addWidget(titel);
  kopf->addWidget(datum);
  kopf->addWidget(datei);
  auto* oben = new QHBoxLayout;
  oben->addWidget(fBild);
  oben->addLayout(kopf);
  oben->addStretch();
  auto* spalte = new QVBoxLayout(this);
  spalte->addLayout(oben);
  spalte->addWidget(fLauf);
  setFixedSize(sizeHint());
}

void TUeberForm::mousePressEvent(QMouseEvent* /*event*/) {
  accept();
}

bool TUeberForm::eventFilter(QObject* objekt, QEvent* event) {
  if (objekt == fBild && event->type() == QEvent::MouseButtonPress) {
    accept();
    return true;
  }
  return QDialog::eventFilter(objekt, event);
}
