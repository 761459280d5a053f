#include "ui/fenster/ZwischenFormUnit.h"

#include <QCloseEvent>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "model/SchulUnit.h"
#include "ui/FensterSchliessenUnit.h"
#include "ui/fenster/QtUmschaltUnit.h"
#include "ui/fenster/QtFensterPlatzUnit.h"

TZwischenForm::TZwischenForm() {
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(QStringLiteral("Zwischenablage"));
  Inhalt = new QPlainTextEdit(this);
  Inhalt->setObjectName(QStringLiteral("Inhalt"));
  Inhalt->setReadOnly(true);
  Inhalt->setLineWrapMode(QPlainTextEdit::NoWrap);
  Inhalt->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  Inhalt->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  auto* spalte = new QVBoxLayout(this);
  spalte->setContentsMargins(0, 0, 0, 0);
  spalte->addWidget(Inhalt);
  resize(480, 300);
}

TZwischenForm::~TZwischenForm() {
  Abmelden();
}

TZwischenForm* TZwischenForm::Zeigen() {
  if (!SchuleVorhanden()) return nullptr;
  TSchule& schule = Schule();
  TDirtyBewahrer bewahrer;
  auto* form = dynamic_cast<TZwischenForm*>(schule.fZwischenForm);
  if (!form) {
    form = new TZwischenForm;
    const int index = NeuerFormIndex();
    schule.fZwischenForm = form;
    schule.FensterAnmelden(form);
    form->fAngemeldet = true;
    PositioniereFenster(*form, index);
    form->FensterUpdate();
  }
  form->show();
  form->raise();
  form->activateWindow();
  return form;
}

int TZwischenForm::FensterArt() const {
  return FensterArt::Zwischenablage;
}

void TZwischenForm::FensterUpdate() {
  const std::string text = Ablage().Text();
  if (text.empty()) return;
  Inhalt->setPlainText(QString::fromStdString(text));
}

TFensterLage TZwischenForm::Lage() const {
  return FormLage(*this);
}

std::string TZwischenForm::InhaltAlsText() const {
  return Inhalt->toPlainText().toStdString();
}

void TZwischenForm::Abmelden() {
  if (!fAngemeldet) return;
  fAngemeldet = false;
  if (!SchuleVorhanden()) return;
  TSchule& schule = Schule();
  if (schule.fZwischenForm == this) schule.fZwischenForm = nullptr;
  schule.FensterAbmelden(this);
}

void TZwischenForm::Schliessen() {
  if (fIntern) return;
  fIntern = true;
  Abmelden();
  close();
}

void TZwischenForm::closeEvent(QCloseEvent* event) {
  if (!fIntern && MenuOffen()) {
    event->ignore();
    return;
  }
  // Mit Alt schließen sich alle Fenster ("Fenster schließen" mit Alt).
  if (!fIntern && SchuleVorhanden()) {
    const unsigned umschalt = FensterDienst() ? FensterDienst()->Umschalttasten().value_or(0u) : 0u;
    fIntern = true;
    MitAltAlleSchliessen(Schule(), umschalt, this);
  }
  fIntern = true;
  Abmelden();
  event->accept();
}

bool TZwischenForm::event(QEvent* event) {
  if (event->type() == QEvent::WindowActivate && fAngemeldet && SchuleVorhanden())
    Schule().FensterAktivieren(this);
  if (event->type() == QEvent::Resize) raise();
  return QWidget::event(event);
}
