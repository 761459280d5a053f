#include "app/fenster/KWFormUnit.h"

#include <QBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProxyStyle>
#include <QPushButton>

#include "ui/fenster/KueFormUnit.h"

namespace {
// Verdeckt jedes Zeichen des Kennworts mit "*".
class TSternStil : public QProxyStyle {
 public:
  int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                QStyleHintReturn* rueckgabe) const override {
    if (hint == SH_LineEdit_PasswordCharacter) return '*';
    return QProxyStyle::styleHint(hint, option, widget, rueckgabe);
  }
};
}  // namespace

TKWForm::TKWForm(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Kennworteingabe"));
  auto* text = new QLabel(QStringLiteral("Geben Sie bitte das Kennwort ein!"), this);
  KWFeld = new QLineEdit(this);
  auto* stil = new TSternStil;
  stil->setParent(KWFeld);
  KWFeld->setStyle(stil);
  KWFeld->setEchoMode(QLineEdit::Password);
  KWFeld->setMaxLength(20);
  KWFeld->setValidator(new TWin1252Pruefer(KWFeld));
  OkKnopf = new QPushButton(QStringLiteral("Ok"), this);
  AbbrechenKnopf = new QPushButton(QStringLiteral("Abbrechen"), this);
  OkKnopf->setDefault(true);
  connect(OkKnopf, &QPushButton::clicked, this, &QDialog::accept);
  connect(AbbrechenKnopf, &QPushButton::clicked, this, &QDialog::reject);
  auto* knoepfe = new QHBoxLayout;
  knoepfe->addStretch();
  knoepfe->addWidget(OkKnopf);
  knoepfe->addWidget(AbbrechenKnopf);
  auto* spalte = new QVBoxLayout(this);
  spalte->addWidget(text);
  spalte->addWidget(KWFeld);
  spalte->addLayout(knoepfe);
  KWFeld->setFocus();
}

std::optional<std::string> KennwortAbfragen(QWidget* parent) {
  TKWForm form(parent);
  if (form.exec() != QDialog::Accepted) return std::nullopt;
  return form.KWFeld->text().toStdString();
}
