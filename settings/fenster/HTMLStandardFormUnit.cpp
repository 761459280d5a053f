#include "settings/fenster/HTMLStandardFormUnit.h"

#include <QBoxLayout>
#include <QLabel>

#include "ui/fenster/QtTextUnit.h"

THTMLStandardForm::THTMLStandardForm(QWidget* vater)
    : TStandardForm("Voreinstellung für HTML-Farben", vater) {
  auto* obsolet = new QLabel(T("obsolet"), this);
  QFont f = obsolet->font();
  f.setBold(true);
  obsolet->setFont(f);
  Inhalt()->addWidget(obsolet);
  Inhalt()->addWidget(new QLabel(T("Benutzen Sie die beigefügte Datei \"tamrel.css\""), this));
}
