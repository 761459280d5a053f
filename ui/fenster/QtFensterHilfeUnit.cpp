#include "ui/fenster/QtFensterHilfeUnit.h"

#include <QKeyEvent>
#include <QVBoxLayout>

#include "model/DienstUnit.h"
#include "ui/fenster/QuonGridUnit.h"

TQuonGrid* FensterGitter(QWidget* fenster, const char* name) {
  auto* layout = new QVBoxLayout(fenster);
  layout->setContentsMargins(0, 0, 0, 0);
  auto* gitter = new TQuonGrid(fenster);
  gitter->setObjectName(QString::fromUtf8(name));
  layout->addWidget(gitter);
  return gitter;
}

TPopupMenue* MenueOeffnen(QPointer<TPopupMenue>& platz, TMenue menue, QWidget* vater,
                          const QPoint& bildschirmPos) {
  if (platz) delete platz.data();
  auto* popup = new TPopupMenue(std::move(menue), vater);
  platz = popup;
  QObject::connect(popup, &TPopupMenue::Geschlossen, popup, &QObject::deleteLater);
  popup->Popup(bildschirmPos);
  return popup;
}

bool PfeilBlaettern(const QKeyEvent& taste) {
  const int richtung = taste.key() == Qt::Key_Left ? -1 : taste.key() == Qt::Key_Right ? 1 : 0;
  if (richtung == 0) return false;
  if (TFensterDienst* dienst = FensterDienst()) dienst->VorigerNaechster(richtung);
  return true;
}
