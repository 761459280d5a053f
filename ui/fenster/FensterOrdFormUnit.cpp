#include "ui/fenster/FensterOrdFormUnit.h"

#include <QBoxLayout>
#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QToolButton>

#include "settings/StandardUnit.h"
#include "ui/FensterOrdUnit.h"

namespace {
// Das Bild einer Anordnung: der Bildschirm mit ihren Kaskaden.
QPixmap Bild(int ord) {
  QPixmap p(64, 48);
  p.fill(Qt::white);
  QPainter m(&p);
  m.setPen(Qt::black);
  m.drawRect(0, 0, 63, 47);
  const int spalten = (ord == 2 || ord == 4) ? 2 : 1;
  const int zeilen = (ord == 3 || ord == 4) ? 2 : 1;
  const int bw = 62 / spalten, bh = 46 / zeilen;
  for (int sp = 0; sp < spalten; ++sp)
    for (int z = 0; z < zeilen; ++z)
      for (int k = 0; k < 3; ++k) {
        const QRect r(1 + sp * bw + 2 + k * 4, 1 + z * bh + 2 + k * 4, bw - 16, bh - 16);
        m.fillRect(r, QColor(0xD8, 0xE4, 0xF8));
        m.drawRect(r);
      }
  return p;
}
}  // namespace

TFensterOrdForm::TFensterOrdForm(QWidget* vater) : QDialog(vater), fOrd(Standard().fFensterOrd) {
  setWindowTitle(QString::fromUtf8("Fensteranordnung"));
  auto* haupt = new QVBoxLayout(this);
  haupt->addWidget(new QLabel(QString::fromUtf8("Anordnung der Fenster auf dem Bildschirm"), this));
  auto* reihe = new QHBoxLayout;
  auto* gruppe = new QButtonGroup(this);
  for (int i = 0; i < 4; ++i) {
    SpeedButton[i] = new QToolButton(this);
    SpeedButton[i]->setObjectName(QStringLiteral("SpeedButton%1").arg(i + 1));
    SpeedButton[i]->setCheckable(true);
    SpeedButton[i]->setIcon(QIcon(Bild(i + 1)));
    SpeedButton[i]->setIconSize(QSize(64, 48));
    SpeedButton[i]->setChecked(fOrd == i + 1);
    gruppe->addButton(SpeedButton[i]);
    reihe->addWidget(SpeedButton[i]);
    connect(SpeedButton[i], &QToolButton::clicked, this, [this, i] { SpeedButtonClick(i + 1); });
  }
  haupt->addLayout(reihe);
  auto* knoepfe = new QDialogButtonBox(this);
  QPushButton* ok = knoepfe->addButton(QString::fromUtf8("Ok"), QDialogButtonBox::AcceptRole);
  ok->setObjectName(QStringLiteral("OkKnopf"));
  QPushButton* abbrechen =
      knoepfe->addButton(QString::fromUtf8("Abbrechen"), QDialogButtonBox::RejectRole);
  abbrechen->setObjectName(QStringLiteral("AbbrechenKnopf"));
  haupt->addWidget(knoepfe);
  connect(ok, &QPushButton::clicked, this, [this] { OkKnopfClick(); });
  connect(abbrechen, &QPushButton::clicked, this, &QDialog::reject);
}

void TFensterOrdForm::SpeedButtonClick(int ord) {
  fOrd = ord;
  if (ord >= 1 && ord <= 4) SpeedButton[ord - 1]->setChecked(true);
}

void TFensterOrdForm::OkKnopfClick() {
  if (FensterOrdUebernehmen(fOrd))
    accept();
  else
    reject();
}
