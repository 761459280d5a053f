#include "substitution/fenster/VStdFormUnit.h"

#include <QApplication>
#include <QBoxLayout>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>

#include "model/SchulUnit.h"
#include "substitution/VStdUnit.h"
#include "ui/fenster/QtFensterPlatzUnit.h"
#include "ui/fenster/QtTextUnit.h"

TVStdForm::TVStdForm(QWidget* parent) : QDialog(parent) {
  setWindowTitle(T("Vertretene Stunden"));
  auto* layout = new QVBoxLayout(this);
  auto* tabellen = new QGridLayout;
  for (int t = 1; t <= 2; ++t) {
    auto* grid = new TQuonGrid(this);
    grid->setObjectName(QStringLiteral("Tabelle%1").arg(t));
    grid->SetColCount(2);
    grid->SetFixedCols(0);
    grid->SetFixedRows(0);
    grid->SetRowSelect(true);
    grid->SetColWidths(0, 60);
    grid->SetColWidths(1, 60);
    grid->SetDefaultRowHeight(18);
    grid->setMinimumSize(140, 300);
    auto* updown = new QSpinBox(this);
    updown->setObjectName(QStringLiteral("UpDown%1").arg(t));
    updown->setRange(-32000, 32000);
    auto* knopf = new QPushButton(T("Rücksetzen"), this);
    tabellen->addWidget(new QLabel(T(t == 1 ? "Tabelle 1" : "Tabelle 2"), this), 0, t - 1);
    tabellen->addWidget(grid, 1, t - 1);
    tabellen->addWidget(updown, 2, t - 1);
    tabellen->addWidget(knopf, 3, t - 1);
    (t == 1 ? Tabelle1 : Tabelle2) = grid;
    (t == 1 ? UpDown1 : UpDown2) = updown;
    (t == 1 ? Ruecksetzen1Knopf : Ruecksetzen2Knopf) = knopf;
    connect(grid, &TQuonGrid::AktuelleZelleGeaendert, this,
            [this, t](int, int row) { ZeileGewaehlt(t, row); });
    connect(updown, &QSpinBox::valueChanged, this, [this, t](int wert) { UpDownClick(t, wert); });
    connect(knopf, &QPushButton::clicked, this, [this, t] { RuecksetzenKnopfClick(t); });
    Fuellen(t);
    grid->FocusCell(0, 0);
    ZeileGewaehlt(t, 0);
  }
  layout->addLayout(tabellen);
  OkKnopf = new QPushButton(T("Ok"), this);
  OkKnopf->setDefault(true);
  layout->addWidget(OkKnopf);
  connect(OkKnopf, &QPushButton::clicked, this, &QDialog::accept);
}

void TVStdForm::Fuellen(int t) {
  TQuonGrid* g = Tabelle(t);
  const std::vector<TVStdZeile> zeilen = VStdZeilen(t);
  g->SetRowCount(std::max<int>(static_cast<int>(zeilen.size()), 1));
  for (int r = 0; r < static_cast<int>(zeilen.size()); ++r) {
    const TVStdZeile& z = zeilen[static_cast<std::size_t>(r)];
    g->SetCells(0, r, T(z.Kuerzel));
    g->SetCells(1, r, T(z.Wert));
    g->SetObjects(0, r, z.Lehrer);
  }
  g->viewport()->update();
}

TLehrer* TVStdForm::Gewaehlt(int t) const {
  TQuonGrid* g = Tabelle(t);
  const int r = g->Row();
  if (r < 0 || r >= g->RowCount()) return nullptr;
  auto* l = static_cast<TLehrer*>(g->Objects(0, r));
  return l && Schule().fLehrerMenge.ListeElemEnthalten(l) ? l : nullptr;
}

void TVStdForm::ZeileGewaehlt(int t, int /*row*/) {
  TLehrer* l = Gewaehlt(t);
  fSetzt = true;
  fWert[static_cast<std::size_t>(t)] = l ? VStdKonto(*l, t) : 0;
  UpDown(t)->setValue(fWert[static_cast<std::size_t>(t)]);
  fWert[static_cast<std::size_t>(t)] = UpDown(t)->value();
  fSetzt = false;
}

void TVStdForm::UpDownClick(int t, int wert) {
  if (fSetzt) return;
  TLehrer* l = Gewaehlt(t);
  const int schritt = wert - fWert[static_cast<std::size_t>(t)];
  fWert[static_cast<std::size_t>(t)] = wert;
  if (!l) return;
  VStdSchritt(*l, t, schritt);
  Tabelle(t)->SetCells(1, Tabelle(t)->Row(), T(StundenText(VStdKonto(*l, t))));
  Tabelle(t)->viewport()->update();
}

void TVStdForm::RuecksetzenKnopfClick(int t) {
  if (!VStdRuecksetzen(Gewaehlt(t), t)) return;
  Fuellen(t);
  ZeileGewaehlt(t, Tabelle(t)->Row());
}

void VStundenZeigen() {
  if (!SchuleVorhanden() || Schule().fLehrerMenge.empty()) return;
  TVStdForm form(PaletteFenster());
  form.exec();
}
