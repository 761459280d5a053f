#include "ui/fenster/ZwischenFormUnit.h"

#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "model/SchulUnit.h"
#include "ui/fenster/QtFensterPlatzUnit.h"

TZwischenForm::TZwischenForm() : TEinzelForm(&TSchule::fZwischenForm) {
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

TZwischenForm* TZwischenForm::Zeigen() {
  if (!SchuleVorhanden()) return nullptr;
  TSchule& schule = Schule();
  TDirtyBewahrer bewahrer;
  auto* form = dynamic_cast<TZwischenForm*>(schule.fZwischenForm);
  if (!form) {
    form = new TZwischenForm;
    PositioniereFenster(*form, form->Anmelden());
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

std::string TZwischenForm::InhaltAlsText() const {
  return Inhalt->toPlainText().toStdString();
}

bool TZwischenForm::event(QEvent* event) {
  if (event->type() == QEvent::Resize) raise();
  return TEinzelForm::event(event);
}
