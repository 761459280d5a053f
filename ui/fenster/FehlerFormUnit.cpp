#include "ui/fenster/FehlerFormUnit.h"

#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QVBoxLayout>

#include "model/SchulUnit.h"
#include "model/ToolsUnit.h"
#include "planning/PruefUnit.h"
#include "ui/fenster/QtFensterPlatzUnit.h"

TFehlerForm::TFehlerForm() : TEinzelForm(&TSchule::fFehlerForm) {
  setWindowTitle(QStringLiteral("Fehler"));
  Inhalt = new QPlainTextEdit(this);
  Inhalt->setObjectName(QStringLiteral("Inhalt"));
  // Reiner Text: Kürzel werden nie als Auszeichnung gelesen.
  Inhalt->setReadOnly(true);
  Inhalt->setLineWrapMode(QPlainTextEdit::NoWrap);
  Inhalt->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  Inhalt->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  Inhalt->viewport()->installEventFilter(this);
  auto* spalte = new QVBoxLayout(this);
  spalte->setContentsMargins(0, 0, 0, 0);
  spalte->addWidget(Inhalt);
  resize(480, 260);
}

TFehlerForm* TFehlerForm::FehlerInit() {
  if (!SchuleVorhanden()) return nullptr;
  TSchule& schule = Schule();
  auto* form = dynamic_cast<TFehlerForm*>(schule.fFehlerForm);
  if (!form) {
    TDirtyBewahrer bewahrer;
    form = new TFehlerForm;
    PositioniereFenster(*form, form->Anmelden());
  }
  form->show();
  form->raise();
  return form;
}

void TFehlerForm::NeuerFehler(const std::string& s) {
  // Das Fenster kommt beim ersten Befund; weitere Zeilen hängen sich nur an.
  auto* form = SchuleVorhanden() ? dynamic_cast<TFehlerForm*>(Schule().fFehlerForm) : nullptr;
  if (!form) form = FehlerInit();
  if (!form) return;
  form->fZeilen.push_back(s);
  form->Inhalt->appendPlainText(QString::fromStdString(Win1252ZuUtf8(s)));
}

void TFehlerForm::ZeileDoppelKlick(int zeile) {
  if (zeile < 0 || zeile >= static_cast<int>(fZeilen.size()) || !SchuleVorhanden()) return;
  TPlanElement* e = FehlerElement(Schule(), fZeilen[static_cast<std::size_t>(zeile)]);
  if (!e) return;
  TDirtyBewahrer bewahrer;
  if (TFensterDienst* d = FensterDienst()) d->PlanFensterZeigen(e);
}

int TFehlerForm::FensterArt() const {
  return FensterArt::Fehler;
}

std::string TFehlerForm::InhaltAlsText() const {
  // Mit einer Auswahl die ausgewählten Zeichen, sonst alle Zeilen; Zeilenenden CR LF.
  if (const QTextCursor c = Inhalt->textCursor(); c.hasSelection()) {
    QString auswahl = c.selectedText();
    auswahl.replace(QChar::ParagraphSeparator, QStringLiteral("\r\n"));
    return auswahl.toStdString();
  }
  std::string text;
  for (const std::string& z : fZeilen) text += Win1252ZuUtf8(z) + "\r\n";
  return text;
}

bool TFehlerForm::eventFilter(QObject* objekt, QEvent* event) {
  if (objekt == Inhalt->viewport() && event->type() == QEvent::MouseButtonDblClick) {
    const auto* maus = static_cast<QMouseEvent*>(event);
    const QPoint pos = maus->position().toPoint();
    const QTextCursor c = Inhalt->cursorForPosition(pos);
    // Unter der letzten Zeile liegt keine Zeile.
    const QRect r = Inhalt->cursorRect(c);
    if (pos.y() >= r.top() && pos.y() <= r.bottom()) ZeileDoppelKlick(c.blockNumber());
    return true;
  }
  return QWidget::eventFilter(objekt, event);
}
