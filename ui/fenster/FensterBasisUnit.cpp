#include "ui/fenster/FensterBasisUnit.h"

#include <QCloseEvent>

#include "model/SchulUnit.h"
#include "ui/FensterSchliessenUnit.h"
#include "ui/fenster/QtFensterPlatzUnit.h"
#include "ui/fenster/QtUmschaltUnit.h"

namespace {
// Die eingesetzte Schule, wenn sie die ist, bei der das Fenster Platz oder Anmeldung hat (oder
// es noch keine hat); sonst nichts.
TSchule* EigeneSchule(const TSchule* eigene) {
  if (!SchuleVorhanden()) return nullptr;
  TSchule& schule = Schule();
  return !eigene || eigene == &schule ? &schule : nullptr;
}
}  // namespace

TFensterBasis::TFensterBasis(QWidget* parent) : QWidget(parent, Qt::Window) {
  setAttribute(Qt::WA_DeleteOnClose);
}

TFensterBasis::~TFensterBasis() {
  Abmelden();
}

bool TFensterBasis::Angemeldet() const {
  const TSchule* schule = EigeneSchule(fSchule);
  return schule && schule->FensterAngemeldet(this);
}

void TFensterBasis::SchulPlatz(TFenster* TSchule::*platz) {
  if (!SchuleVorhanden()) return;
  PlatzNehmen(nullptr, &(Schule().*platz));
}

void TFensterBasis::PlatzNehmen(TElement* element, TFenster** platz) {
  if (fSchliesst) return;
  TSchule* schule = EigeneSchule(fSchule);
  if (!schule) return;
  if (fPlatz && fPlatz != platz && *fPlatz == this) *fPlatz = nullptr;
  fSchule = schule;
  fPlatz = platz;
  fElement = platz ? element : nullptr;
  if (fPlatz) *fPlatz = this;
}

void TFensterBasis::Anmelden(bool neuEintragen) {
  if (fSchliesst) return;
  TSchule* schule = EigeneSchule(fSchule);
  if (!schule) return;
  const bool angemeldet = schule->FensterAngemeldet(this);
  if (angemeldet && !neuEintragen) return;
  const bool warAktiv = schule->fAktivesFenster == this;
  const TToolArt werkzeug = schule->fToolArt;
  // Das Abmelden leert die Plätze der Schule; der eigene kommt gleich wieder.
  if (angemeldet) schule->FensterAbmelden(this);
  fSchule = schule;
  if (fPlatz) *fPlatz = this;
  schule->FensterAnmelden(this);
  if (!warAktiv) return;
  // Aus- und Eintragen ließen die Palette kurz ohne aktives Fenster: das Werkzeug bleibt.
  schule->fToolArt = werkzeug;
  schule->FensterAktivieren(this);
}

void TFensterBasis::Abmelden() {
  if (fSchliesst) return;
  fSchliesst = true;
  BeimAbmelden();
  if (TSchule* schule = EigeneSchule(fSchule)) {
    if (fPlatz && *fPlatz == this) *fPlatz = nullptr;
    // Auch ein nicht angemeldetes Fenster ist danach nicht mehr das aktive.
    schule->FensterAbmelden(this);
  }
  fSchule = nullptr;
  fPlatz = nullptr;
  fElement = nullptr;
}

TFensterLage TFensterBasis::Lage() const {
  return FormLage(*this);
}

void TFensterBasis::Schliessen() {
  if (fSchliesst) return;
  Abmelden();
  close();
}

void TFensterBasis::closeEvent(QCloseEvent* event) {
  if (!fSchliesst) {
    if (MenuOffen() || !SchliessenErlaubt()) {
      event->ignore();
      return;
    }
    if (fAltSchliesstAlle && SchuleVorhanden())
      MitAltAlleSchliessen(Schule(), FensterUmschalt(), this);
    Abmelden();
  }
  event->accept();
}

bool TFensterBasis::event(QEvent* event) {
  if (event->type() == QEvent::WindowActivate && Angemeldet()) Schule().FensterAktivieren(this);
  return QWidget::event(event);
}
