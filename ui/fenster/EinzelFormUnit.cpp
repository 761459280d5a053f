#include "ui/fenster/EinzelFormUnit.h"

#include <QCloseEvent>
#include <QKeyEvent>

#include "model/SchulUnit.h"
#include "ui/FensterSchliessenUnit.h"
#include "ui/fenster/QtFensterPlatzUnit.h"
#include "ui/fenster/QtUmschaltUnit.h"

TEinzelForm::TEinzelForm(TFenster* TSchule::*platz) : QWidget(nullptr, Qt::Window), fPlatz(platz) {
  setAttribute(Qt::WA_DeleteOnClose);
}

TEinzelForm::~TEinzelForm() {
  Abmelden();
}

int TEinzelForm::Anmelden() {
  const int index = NeuerFormIndex();
  if (fAngemeldet || !SchuleVorhanden()) return index;
  TSchule& schule = Schule();
  schule.*fPlatz = this;
  schule.FensterAnmelden(this);
  fAngemeldet = true;
  return index;
}

void TEinzelForm::Abmelden() {
  if (!fAngemeldet) return;
  if (SchuleVorhanden()) BeimAbmelden();
  fAngemeldet = false;
  if (SchuleVorhanden()) Schule().FensterAbmelden(this);
}

TFensterLage TEinzelForm::Lage() const {
  return FormLage(*this);
}

void TEinzelForm::Schliessen() {
  if (fIntern) return;
  fIntern = true;
  Abmelden();
  close();
}

void TEinzelForm::closeEvent(QCloseEvent* event) {
  if (!fIntern) {
    if (MenuOffen()) {
      event->ignore();
      return;
    }
    if (SchuleVorhanden()) MitAltAlleSchliessen(Schule(), FensterUmschalt(), this);
    fIntern = true;
    Abmelden();
  }
  event->accept();
}

bool TEinzelForm::event(QEvent* event) {
  if (event->type() == QEvent::WindowActivate && fAngemeldet && SchuleVorhanden())
    Schule().FensterAktivieren(this);
  return QWidget::event(event);
}

void TEinzelForm::keyPressEvent(QKeyEvent* event) {
  FensterUmschaltMerken(TastenUmschalt(event));
  QWidget::keyPressEvent(event);
}

void TEinzelForm::keyReleaseEvent(QKeyEvent* event) {
  FensterUmschaltMerken(TastenUmschalt(event));
  QWidget::keyReleaseEvent(event);
}
