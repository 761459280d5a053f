#include "ui/fenster/HandbuchFormUnit.h"

#include <QAbstractTextDocumentLayout>
#include <QFile>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QVBoxLayout>

namespace {
// Wo das Programm das Handbuch und seine Bilder eingebunden hat.
const QString kHandbuch = QStringLiteral(":/handbuch/Handbuch.md");
const QString kOrdner = QStringLiteral(":/handbuch");
}  // namespace

THandbuchForm::THandbuchForm(QWidget* eltern) : QWidget(eltern, Qt::Window) {
  setWindowTitle(QStringLiteral("Tamrel-Handbuch"));
  setObjectName(QStringLiteral("Handbuch"));
  fBrowser = new QTextBrowser(this);
  fBrowser->setOpenExternalLinks(true);
  fBrowser->setSearchPaths({kOrdner});
  auto* lage = new QVBoxLayout(this);
  lage->setContentsMargins(0, 0, 0, 0);
  lage->addWidget(fBrowser);
  QFile datei(kHandbuch);
  if (datei.open(QIODevice::ReadOnly)) {
    fBrowser->document()->setMarkdown(QString::fromUtf8(datei.readAll()));
    fHatText = true;
  } else {
    fBrowser->setPlainText(
        QStringLiteral("Das Handbuch ist in dieses Programm nicht eingebunden."));
  }
  resize(820, 900);
}

THandbuchForm* THandbuchForm::Zeigen(QWidget* eltern, const std::string& abschnitt) {
  if (!sInstanz) sInstanz = new THandbuchForm(eltern);  // gehört eltern
  THandbuchForm* form = sInstanz;
  form->show();
  form->raise();
  form->activateWindow();
  form->Springen(QString::fromStdString(abschnitt));
  return form;
}

void THandbuchForm::Springen(const QString& abschnitt) {
  QTextDocument* doc = fBrowser->document();
  QTextBlock ziel = doc->begin();
  if (!abschnitt.isEmpty()) {
    for (QTextBlock b = doc->begin(); b.isValid(); b = b.next())
      if (b.blockFormat().headingLevel() > 0 && b.text().trimmed() == abschnitt) {
        ziel = b;
        break;
      }
  }
  fBrowser->setTextCursor(QTextCursor(ziel));
  // Die Überschrift oben im Fenster, nicht nur irgendwo sichtbar.
  const qreal oben = doc->documentLayout()->blockBoundingRect(ziel).top();
  fBrowser->verticalScrollBar()->setValue(static_cast<int>(oben));
}

QString THandbuchForm::AktuellerAbschnitt() const {
  for (QTextBlock b = fBrowser->textCursor().block(); b.isValid(); b = b.previous())
    if (b.blockFormat().headingLevel() > 0) return b.text().trimmed();
  return {};
}
