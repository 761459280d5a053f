#include "settings/HTMLStandardFormUnit.h"

#include <QBoxLayout>
#include <QLabel>

THTMLStandardForm::THTMLStandardForm(QWidget* vater)
    : TStandardForm("Voreinstellung für HTML-Farben", vater) {
  auto* obsolet = new QLabel(StdQ("obsolet"), this);
  QFont f = obsolet->font();
  f.setBold(true);
  obsolet->setFont(f);
  Inhalt()->addWidget(obsolet);
  Inhalt()->addWidget(new QLabel(StdQ("Benutzen Sie die beigefügte Datei \"tamrel.css\""), this));
}
