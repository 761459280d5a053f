#include "app/fenster/StartFormUnit.h"

#include <QBoxLayout>
#include <QEventLoop>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTimer>

#include "model/GlobalUnit.h"
#include "ui/fenster/SymbolUnit.h"
#include "ui/fenster/UeberFormUnit.h"

TStartForm::TStartForm()
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
  setObjectName(QStringLiteral("StartForm"));
  setAttribute(Qt::WA_DeleteOnClose, false);
  setAutoFillBackground(true);
  auto* bild = new QLabel(this);
  bild->setPixmap(SymbolBild(TSymbol::Programm, 96));
  bild->setAlignment(Qt::AlignCenter);
  auto* titel = new QLabel(QString::fromUtf8(ProgrammTitel), this);
  QFont gross = titel->font();
  gross.setBold(true);
  gross.setPointSizeF(gross.pointSizeF() * 2.0);
  titel->setFont(gross);
  titel->setAlignment(Qt::AlignCenter);
  auto* datum = new QLabel(QString::fromUtf8(VersionsDatum), this);
  datum->setAlignment(Qt::AlignCenter);
  auto* spalte = new QVBoxLayout(this);
  spalte->setContentsMargins(32, 24, 32, 24);
  spalte->addWidget(bild);
  spalte->addWidget(titel);
  spalte->addWidget(datum);
  spalte->addSpacing(12);
  for (const QString& zeile : BeschreibungsZeilen()) {
    auto* l = new QLabel(zeile, this);
    l->setAlignment(Qt::AlignCenter);
    spalte->addWidget(l);
  }
  setStyleSheet(QStringLiteral("#StartForm { border: 1px solid palette(dark); }"));
  adjustSize();
  if (QScreen* schirm = QGuiApplication::primaryScreen()) {
    const QRect frei = schirm->availableGeometry();
    move(frei.center() - rect().center());
  }
}

void TStartForm::ZeigenUndWarten(int ms) {
  show();
  raise();
  QEventLoop schleife;
  QTimer::singleShot(std::max(0, ms), &schleife, &QEventLoop::quit);
  schleife.exec(QEventLoop::ExcludeUserInputEvents);
  close();
}
