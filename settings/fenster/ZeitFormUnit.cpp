#include "settings/fenster/ZeitFormUnit.h"

#include <QBoxLayout>
#include <QFormLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QSpinBox>
#include <QStyledItemDelegate>
#include <QTableWidget>

#include "model/ToolsUnit.h"
#include "ui/fenster/QtTextUnit.h"

namespace {
// Die Maske einer Bezeichnung: 15 Stellen, die erste muss belegt sein.
class TZeitDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  QWidget* createEditor(QWidget* vater, const QStyleOptionViewItem& option,
                        const QModelIndex& index) const override {
    QWidget* w = QStyledItemDelegate::createEditor(vater, option, index);
    if (auto* e = qobject_cast<QLineEdit*>(w)) e->setInputMask(QStringLiteral("Xxxxxxxxxxxxxxx"));
    return w;
  }
};
}  // namespace

TZeitForm::TZeitForm(QWidget* vater) : TStandardForm("Voreinstellung für Zeiten", vater) {
  const TStandard& s = Standard();
  auto* version = new QFormLayout;
  VersionFeld = ZahlFeld(this, 1, std::max(1, s.fMaxWocheNeu), "VersionFeld");
  VersionFeld->setValue(s.fAktuelleWoche);
  version->addRow(T("Planversion"), VersionFeld);
  Inhalt()->addLayout(version);
  auto* tafeln = new QHBoxLayout;
  Inhalt()->addLayout(tafeln);
  for (int t = 0; t < 2; ++t) {
    QTableWidget* g = new QTableWidget(8, 4, this);
    ZeitGrid[t] = g;
    g->setObjectName(T(t == 0 ? "ZeitGrid1" : "ZeitGrid2"));
    g->setHorizontalHeaderLabels({T("Stunde"), T("Zeit"), T("Beginn"), T("Ende")});
    g->verticalHeader()->hide();
    g->setItemDelegateForColumn(1, new TZeitDelegate(g));
    g->setColumnWidth(0, 50);
    g->setColumnWidth(1, 130);
    g->setColumnWidth(2, 55);
    g->setColumnWidth(3, 55);
    // Alle acht Stunden mit allen vier Spalten, ohne Rollbalken.
    g->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    g->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    g->setFixedWidth(50 + 130 + 2 * 55 + 2 * g->frameWidth() + 4);
    g->setFixedHeight(g->horizontalHeader()->sizeHint().height() +
                      8 * g->verticalHeader()->defaultSectionSize() + 2 * g->frameWidth() + 2);
    for (int z = 0; z < 8; ++z) {
      auto* nummer = new QTableWidgetItem(QString::number(t * 8 + z + 1));
      nummer->setFlags(Qt::ItemIsEnabled);
      g->setItem(z, 0, nummer);
      for (int sp = 1; sp <= 3; ++sp) g->setItem(z, sp, new QTableWidgetItem);
    }
    connect(g, &QTableWidget::itemChanged, this, [this, t](QTableWidgetItem* item) {
      if (fFuellen || item->column() < 1) return;
      if (item->column() == 1)
        ZeitGeaendert(t * 8 + item->row() + 1, item->text());
      else
        UhrzeitGeaendert(t * 8 + item->row() + 1, item->column() == 2, item->text());
    });
    tafeln->addWidget(g);
  }
  connect(VersionFeld, &QSpinBox::valueChanged, this, [this] { VersionFeldChange(); });
  VersionFeldChange();
}

void TZeitForm::VersionFeldChange() {
  fFuellen = true;
  const int v = VersionFeld->value();
  for (int h = 1; h <= 16; ++h) {
    QTableWidget* g = ZeitGrid[(h - 1) / 8];
    const int z = (h - 1) % 8;
    g->item(z, 1)->setText(QString::fromStdString(Win1252ZuUtf8(fZeiten.Bezeichnung(v, h))));
    g->item(z, 2)->setText(QString::fromStdString(fZeiten.Beginn(v, h)));
    g->item(z, 3)->setText(QString::fromStdString(fZeiten.Ende(v, h)));
  }
  fFuellen = false;
}

void TZeitForm::ZeitGeaendert(int std, const QString& text) {
  const std::string utf8 = text.toStdString();
  if (!Utf8InWin1252Darstellbar(utf8)) {
    // Zeichen, die die Bezeichnung nicht fassen kann, werden abgewiesen.
    Dialog().Piep();
    VersionFeldChange();
    return;
  }
  fZeiten.Setze(VersionFeld->value(), std, Utf8ZuWin1252(utf8));
  VersionFeldChange();  // eine Bezeichnung mit Uhrzeiten füllt Beginn und Ende
}

void TZeitForm::UhrzeitGeaendert(int std, bool beginn, const QString& text) {
  const int v = VersionFeld->value();
  const std::string t = text.toStdString();
  if (!(beginn ? fZeiten.SetzeBeginn(v, std, t) : fZeiten.SetzeEnde(v, std, t))) Dialog().Piep();
  VersionFeldChange();
}

void TZeitForm::Uebernehmen() {
  fZeiten.Uebernehmen();
}
