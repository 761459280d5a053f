#include "ui/fenster/KueFormUnit.h"

#include <QBoxLayout>
#include <QButtonGroup>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "model/DienstUnit.h"
#include "model/ElementUnit.h"
#include "model/ToolsUnit.h"
#include "ui/KuerzelUnit.h"
#include "ui/fenster/QtTextUnit.h"

QValidator::State TWin1252Pruefer::validate(QString& eingabe, int& /*pos*/) const {
  return Utf8InWin1252Darstellbar(eingabe.toStdString()) ? Acceptable : Invalid;
}

// ---- Kürzel ändern ----

TKueAendForm::TKueAendForm(TElement* element, QWidget* parent)
    : QDialog(parent), fElement(element) {
  setWindowTitle(QStringLiteral("Kürzel ändern"));
  KueFeld = new QLineEdit(AnsiText(element->fKuerzel.str()), this);
  KueFeld->setValidator(new TWin1252Pruefer(KueFeld));
  OkKnopf = new QPushButton(QStringLiteral("Ok"), this);
  AbbrechenKnopf = new QPushButton(QStringLiteral("Abbrechen"), this);
  OkKnopf->setDefault(true);
  connect(KueFeld, &QLineEdit::textChanged, this,
          [this](const QString& t) { OkKnopf->setEnabled(!t.isEmpty()); });
  connect(OkKnopf, &QPushButton::clicked, this, [this] { OkKnopfClick(); });
  connect(AbbrechenKnopf, &QPushButton::clicked, this, &QDialog::reject);
  auto* knoepfe = new QHBoxLayout;
  knoepfe->addStretch();
  knoepfe->addWidget(OkKnopf);
  knoepfe->addWidget(AbbrechenKnopf);
  auto* spalte = new QVBoxLayout(this);
  spalte->addWidget(KueFeld);
  spalte->addLayout(knoepfe);
  KueFeld->selectAll();
  KueFeld->setFocus();
}

void TKueAendForm::OkKnopfClick() {
  if (KueFeld->text().isEmpty()) return;
  if (KuerzelAendern(fElement, Ansi(KueFeld->text())) == TKuerzelAenderung::Doppelt) {
    KueFeld->setFocus();
    return;
  }
  accept();
}

// ---- Kürzel ----

TKueForm::TKueForm(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Kürzel"));
  auto* gruppe = new QGroupBox(QStringLiteral("Kürzelart"), this);
  auto* radios = new QVBoxLayout(gruppe);
  auto* radioGruppe = new QButtonGroup(this);
  const std::pair<QRadioButton**, const char*> arten[] = {
      {&LeRadio, "Lehrer"}, {&KlRadio, "Klassen"}, {&KoRadio, "Kopplungen"},
      {&FaRadio, "Fächer"}, {&RaRadio, "Räume"},   {&UVRadio, "UVTabellen"}};
  int art = 0;
  for (const auto& [radio, text] : arten) {
    *radio = new QRadioButton(QString::fromUtf8(text), gruppe);
    radios->addWidget(*radio);
    radioGruppe->addButton(*radio, art);
    connect(*radio, &QRadioButton::clicked, this, [this, art] {
      ArtZeigen(art);
      Fokus();
    });
    ++art;
  }
  radios->addStretch();

  KueGrid = new TQuonGrid(this);
  KueGrid->SetColCount(1);
  KueGrid->SetRowCount(1);
  KueGrid->SetFixedCols(0);
  KueGrid->SetFixedRows(0);
  KueGrid->SetRowSelect(true);
  KueGrid->SetMultiSelect(false);
  KueGrid->SetDefaultColWidth(150);
  KueGrid->SetDefaultRowHeight(KueGrid->fontMetrics().height() + 6);
  KueGrid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  KueGrid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  KueGrid->setFixedWidth(150 + KueGrid->frameWidth() * 2 + 20);
  KueGrid->setMinimumHeight(16 * KueGrid->DefaultRowHeight());
  connect(KueGrid, &TQuonGrid::MausDruck, this, [this](const TGridMaus& m) { GridDruck(m); });
  connect(KueGrid, &TQuonGrid::MausLos, this, [this](const TGridMaus& m) { GridLos(m); });
  connect(KueGrid, &TQuonGrid::ZiehenEnde, this,
          [this](const TGridMaus& m, bool abgelegt) { GridZiehenEnde(m, abgelegt); });
  connect(KueGrid, &TQuonGrid::DoppelKlick, this, [this](const TGridMaus& m) {
    if (m.Row < 0 || !KueGrid->Objects(0, m.Row)) return;
    NachMaus(m.Row);
    AendernKnopfClick();
  });

  KueFeld = new QLineEdit(this);
  KueFeld->setValidator(new TWin1252Pruefer(KueFeld));
  connect(KueFeld, &QLineEdit::textChanged, this, [this] { KueFeldChange(); });
  NeuKnopf = new QPushButton(QStringLiteral("Neues"), this);
  AendernKnopf = new QPushButton(QStringLiteral("Ändern"), this);
  LoeschKnopf = new QPushButton(QStringLiteral("Löschen"), this);
  SortKnopf = new QPushButton(QStringLiteral("Sortieren"), this);
  OkKnopf = new QPushButton(QStringLiteral("Ok"), this);
  for (QPushButton* k : {NeuKnopf, AendernKnopf, LoeschKnopf, SortKnopf}) k->setAutoDefault(false);
  OkKnopf->setDefault(true);
  connect(NeuKnopf, &QPushButton::clicked, this, [this] { NeuKnopfClick(); });
  connect(AendernKnopf, &QPushButton::clicked, this, [this] { AendernKnopfClick(); });
  connect(LoeschKnopf, &QPushButton::clicked, this, [this] { LoeschKnopfClick(); });
  connect(SortKnopf, &QPushButton::clicked, this, [this] { SortKnopfClick(); });
  connect(OkKnopf, &QPushButton::clicked, this, [this] { OkKnopfClick(); });

  auto* rechts = new QVBoxLayout;
  rechts->addWidget(KueFeld);
  for (QPushButton* k : {NeuKnopf, AendernKnopf, LoeschKnopf, SortKnopf}) rechts->addWidget(k);
  rechts->addStretch();
  rechts->addWidget(OkKnopf);
  auto* zeile = new QHBoxLayout(this);
  zeile->addWidget(gruppe);
  zeile->addWidget(KueGrid);
  zeile->addLayout(rechts);

  LeRadio->setChecked(true);
  ArtZeigen(0);
}

void TKueForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  Fokus();
}

void TKueForm::Fokus() {
  KueFeld->setFocus();
}

std::vector<TElement*> TKueForm::ZeilenElemente() const {
  std::vector<TElement*> v;
  for (int r = 0; r < KueGrid->RowCount(); ++r)
    if (auto* e = static_cast<TElement*>(KueGrid->Objects(0, r))) v.push_back(e);
  return v;
}

void TKueForm::Fuellen() {
  const std::vector<TElement*> liste = KuerzelListe(fArt);
  KueGrid->DeSelectAll();
  KueGrid->Leeren();
  KueGrid->SetRowCount(std::max<int>(1, static_cast<int>(liste.size())));
  for (std::size_t i = 0; i < liste.size(); ++i) {
    KueGrid->SetCells(0, static_cast<int>(i), AnsiText(liste[i]->fKuerzel.str()));
    KueGrid->SetObjects(0, static_cast<int>(i), liste[i]);
  }
}

void TKueForm::KeineWahl() {
  KueGrid->DeSelectAll();
  fElement = nullptr;
}

void TKueForm::ZeileWaehlen(int zeile) {
  KueGrid->DeSelectAll();
  KueGrid->SetSelectRow(zeile, true);
  KueGrid->FocusCell(0, zeile);
  fElement = static_cast<TElement*>(KueGrid->Objects(0, zeile));
}

void TKueForm::ArtZeigen(int art) {
  if (art == fArt || art < 0 || art >= KuerzelArten) return;
  fArt = art;
  Fuellen();
  NeuKnopf->setEnabled(false);
  AendernKnopf->setEnabled(false);
  LoeschKnopf->setEnabled(false);
  const QSignalBlocker sperre(KueFeld);
  KueFeld->clear();
  KeineWahl();
}

void TKueForm::KueFeldChange() {
  const QString text = KueFeld->text();
  if (text.isEmpty()) {
    NeuKnopf->setEnabled(false);
    AendernKnopf->setEnabled(false);
    LoeschKnopf->setEnabled(false);
    KeineWahl();
    return;
  }
  // Verglichen wird das Kürzel, wie es entstünde: auf 11 Zeichen gekürzt.
  const int zeile = KuerzelSuchen(ZeilenElemente(), Ansi(text));
  if (zeile < 0) {
    NeuKnopf->setEnabled(true);
    AendernKnopf->setEnabled(false);
    LoeschKnopf->setEnabled(false);
    KeineWahl();
    return;
  }
  ZeileWaehlen(zeile);
  NeuKnopf->setEnabled(false);
  AendernKnopf->setEnabled(true);
  LoeschKnopf->setEnabled(true);
}

void TKueForm::NeuKnopfClick() {
  TElement* e = KuerzelNeu(fArt, Ansi(KueFeld->text()));
  if (e) {
    const bool leereZeile = KueGrid->RowCount() == 1 && !KueGrid->Objects(0, 0);
    const int zeile = leereZeile ? 0 : KueGrid->RowCount();
    if (!leereZeile) KueGrid->SetRowCount(zeile + 1);
    KueGrid->SetCells(0, zeile, AnsiText(e->fKuerzel.str()));
    KueGrid->SetObjects(0, zeile, e);
    KueGrid->ScrollToCell(0, zeile);
  }
  KueFeld->clear();
  KeineWahl();
  Fokus();
}

void TKueForm::AendernKnopfClick() {
  if (!fElement) return;
  TElement* e = fElement;
  TKueAendForm dialog(e, this);
  dialog.exec();
  for (int r = 0; r < KueGrid->RowCount(); ++r)
    if (KueGrid->Objects(0, r) == e) KueGrid->SetCells(0, r, AnsiText(e->fKuerzel.str()));
  KueFeld->setText(AnsiText(e->fKuerzel.str()));
  Fokus();
}

void TKueForm::LoeschKnopfClick() {
  if (!fElement) return;
  TElement* e = fElement;
  if (KuerzelLoeschen(e)) {
    KueGrid->DeSelectAll();
    Fuellen();
    fElement = nullptr;
  }
  KueFeld->clear();
  Fokus();
}

void TKueForm::SortKnopfClick() {
  if (ZeilenElemente().size() > 1) {
    Dialog().MeldungsFensterZeigen("Die Kürzel werden sortiert.");
    KuerzelSortieren(fArt);
    Fuellen();
    Dialog().MeldungsFensterSchliessen();
    KueFeld->clear();
    KeineWahl();
  }
  Fokus();
}

void TKueForm::OkKnopfClick() {
  if (NeuKnopf->isEnabled()) {
    NeuKnopfClick();
    return;
  }
  accept();
}

void TKueForm::reject() {
  OkKnopfClick();
}

// ---- Maus: Zeile wählen, Zeile ziehen ----

void TKueForm::GridDruck(const TGridMaus& maus) {
  if (maus.Knopf != Qt::LeftButton || maus.Doppelt) return;
  fRow = maus.Row;
  if (fRow >= 0 && KueGrid->Objects(0, fRow)) KueGrid->BeginDrag(false);
}

void TKueForm::GridLos(const TGridMaus& maus) {
  if (maus.Knopf != Qt::LeftButton) return;
  NachMaus(maus.Row);
}

void TKueForm::GridZiehenEnde(const TGridMaus& maus, bool abgelegt) {
  if (abgelegt && maus.Row >= 0 && fRow >= 0 && maus.Row != fRow &&
      KuerzelVerschieben(fArt, fRow, maus.Row))
    Fuellen();
  NachMaus(abgelegt ? maus.Row : fRow);
}

// Nach einem Klick oder Ziehen: die Zeile unter der Maus gewählt, ihr Kürzel im Feld.
void TKueForm::NachMaus(int zeile) {
  TElement* e = zeile >= 0 ? static_cast<TElement*>(KueGrid->Objects(0, zeile)) : nullptr;
  {
    const QSignalBlocker sperre(KueFeld);
    KueFeld->setText(e ? AnsiText(e->fKuerzel.str()) : QString());
  }
  if (e) {
    ZeileWaehlen(zeile);
    NeuKnopf->setEnabled(false);
    AendernKnopf->setEnabled(true);
    LoeschKnopf->setEnabled(true);
  } else {
    KeineWahl();
    NeuKnopf->setEnabled(false);
    AendernKnopf->setEnabled(false);
    LoeschKnopf->setEnabled(false);
  }
  Fokus();
}
