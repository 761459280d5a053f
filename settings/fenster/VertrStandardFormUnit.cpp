#include "settings/fenster/VertrStandardFormUnit.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QStyledItemDelegate>
#include <QTableWidget>

#include "settings/StandardUnit.h"
#include "settings/VoreinstellungUnit.h"
#include "ui/fenster/QtTextUnit.h"

namespace {
// Begrenzt die Eingabe einer Spalte auf ihre Länge.
class TLaengenDelegate : public QStyledItemDelegate {
 public:
  TLaengenDelegate(int laenge, QObject* vater) : QStyledItemDelegate(vater), fLaenge(laenge) {}
  QWidget* createEditor(QWidget* vater, const QStyleOptionViewItem& option,
                        const QModelIndex& index) const override {
    QWidget* w = QStyledItemDelegate::createEditor(vater, option, index);
    if (auto* e = qobject_cast<QLineEdit*>(w)) e->setMaxLength(fLaenge);
    return w;
  }

 private:
  int fLaenge;
};

std::string Text(const QTableWidgetItem* item) {
  return item ? Ansi(item->text()) : std::string();
}
}  // namespace

TVertrStandardForm::TVertrStandardForm(QWidget* vater)
    : TStandardForm("Voreinstellung für Vertretungen", vater) {
  const TStandard& s = Standard();
  BemGrid = new QTableWidget(20, 2, this);
  BemGrid->setObjectName(T("BemGrid"));
  BemGrid->setHorizontalHeaderLabels({T("Bemerkungen für Vertretungen"), T("Grund")});
  BemGrid->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
  BemGrid->setItemDelegateForColumn(0, new TLaengenDelegate(31, BemGrid));
  BemGrid->setItemDelegateForColumn(1, new TLaengenDelegate(1, BemGrid));
  for (int i = 1; i <= 20; ++i) {
    BemGrid->setItem(i - 1, 0, new QTableWidgetItem(AnsiText(s.fBemBez[i].str())));
    BemGrid->setItem(i - 1, 1, new QTableWidgetItem(AnsiText(s.fGrund[i].str())));
  }
  BemGrid->setMinimumSize(360, 420);
  Inhalt()->addWidget(BemGrid);
  FreiCheck = new QCheckBox(T("Das Wort \"frei\" bei Freistunden eintragen"), this);
  FreiCheck->setObjectName(T("FreiCheck"));
  FreiCheck->setChecked(s.fVFrei);
  BemAutoCheck = new QCheckBox(T("Bemerkungen automatisch erzeugen"), this);
  BemAutoCheck->setObjectName(T("BemAutoCheck"));
  BemAutoCheck->setChecked(s.fVBemAuto);
  Inhalt()->addWidget(FreiCheck);
  Inhalt()->addWidget(BemAutoCheck);
}

void TVertrStandardForm::Uebernehmen() {
  std::vector<std::string> bem, grund;
  for (int i = 0; i < 20; ++i) {
    bem.push_back(Text(BemGrid->item(i, 0)));
    grund.push_back(Text(BemGrid->item(i, 1)));
  }
  VertretungsvorgabenUebernehmen(bem, grund, FreiCheck->isChecked(), BemAutoCheck->isChecked());
}
