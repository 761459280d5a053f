#include "ui/fenster/QtUmschaltUnit.h"

#include <QGuiApplication>
#include <QKeyEvent>

#include "model/DienstUnit.h"
#include "ui/QuonAuswahlUnit.h"
#include "ui/fenster/PopupMenueUnit.h"
#include "ui/fenster/QuonGridUnit.h"

unsigned FensterUmschalt() {
  if (const TFensterDienst* dienst = FensterDienst())
    if (const std::optional<unsigned> umschalt = dienst->Umschalttasten()) return *umschalt;
  return TQuonGrid::Umschalt(QGuiApplication::keyboardModifiers(), Qt::NoButton) & umTasten;
}

void FensterUmschaltMerken(unsigned umschalt) {
  if (TFensterDienst* dienst = FensterDienst()) dienst->UmschalttastenSetzen(umschalt);
}

unsigned TastenUmschalt(const QKeyEvent* taste) {
  TUmschaltMenge m = 0;
  const Qt::KeyboardModifiers tasten = taste->modifiers();
  if (tasten & Qt::ShiftModifier) m |= umShift;
  if (tasten & Qt::AltModifier) m |= umAlt;
  if (tasten & Qt::ControlModifier) m |= umCtrl;
  TUmschaltMenge bit = 0;
  switch (taste->key()) {
    case Qt::Key_Shift:
      bit = umShift;
      break;
    case Qt::Key_Alt:
      bit = umAlt;
      break;
    case Qt::Key_Control:
      bit = umCtrl;
      break;
    default:
      return m;
  }
  if (taste->type() == QEvent::KeyRelease)
    m &= ~bit;
  else
    m |= bit;
  return m;
}

bool MenuOffen() {
  return TPopupMenue::OffeneMenues() > 0;
}
