#include "settings/fenster/KennwortFormUnit.h"

#include <QBoxLayout>
#include <QLabel>
#include <QLineEdit>

#include "model/ToolsUnit.h"
#include "settings/KennwortUnit.h"
#include "ui/fenster/QtTextUnit.h"

TKennwortForm::TKennwortForm(QWidget* vater)
    : TStandardForm("Voreinstellung für das Kennwort", vater) {
  Inhalt()->addWidget(new QLabel(T("Geben Sie das neue Kennwort ein!"), this));
  KWFeld = new QLineEdit(this);
  KWFeld->setObjectName(T("KWFeld"));
  KWFeld->setMaxLength(static_cast<int>(kKennwortLaenge));
  Inhalt()->addWidget(KWFeld);
}

void TKennwortForm::Uebernehmen() {
  KennwortSetzen(Utf8ZuWin1252(KWFeld->text().toStdString()));
}
