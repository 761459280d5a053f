#include "ui/fenster/SVFormUnit.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPainter>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>

#include "model/SchulUnit.h"
#include "model/ToolsUnit.h"
#include "settings/StandardUnit.h"
#include "ui/fenster/QtTextUnit.h"
#include "ui/fenster/QtUmschaltUnit.h"
#include "ui/fenster/QtFensterPlatzUnit.h"
#include "ui/fenster/QuonGridUnit.h"

namespace {

// Ein Buchstabe des Tagescodes als Zeichen an der Stelle k (1 = erste Stunde).
void Symbol(QPainter& p, const QRect& zelle, int k, char c, const QColor& grund) {
  const int links = zelle.left() + 7 * k - 6, rechts = zelle.left() + 7 * k;
  const QRect voll(QPoint(links, zelle.top() + 5), QPoint(rechts, zelle.top() + 13));
  const QRect balken(QPoint(links, zelle.top() + 8), QPoint(rechts, zelle.top() + 11));
  p.setPen(Qt::black);
  switch (c) {
    case 'E':
      p.setBrush(grund);
      p.drawEllipse(voll);
      break;
    case 'G':
      p.setBrush(grund);
      p.drawRect(voll);
      break;
    case 'K':
      p.setBrush(Qt::black);
      p.drawEllipse(voll);
      break;
    case 'L':
      p.setBrush(Qt::black);
      p.drawRect(voll);
      break;
    case 'F':
      p.fillRect(balken, Qt::black);
      break;
    case 'U':
      p.fillRect(balken, Qt::red);
      break;
    case 'S':
      p.fillRect(voll, QColor(128, 128, 0));
      break;
    default:
      break;
  }
}

}  // namespace

TSVForm::TSVForm() : TEinzelForm(&TSchule::fSVForm) {
  setWindowTitle(QStringLiteral("Stundenverteilung"));
  KueGroup = new QGroupBox(this);
  auto* radios = new QHBoxLayout(KueGroup);
  auto* gruppe = new QButtonGroup(this);
  int nr = 0;
  for (auto [radio, text] : {std::pair{&LeRadio, "Lehrer"}, std::pair{&KlRadio, "Klassen"},
                             std::pair{&RaRadio, "Räume"}}) {
    *radio = new QRadioButton(QString::fromUtf8(text), KueGroup);
    radios->addWidget(*radio);
    gruppe->addButton(*radio, nr++);
  }
  LeRadio->setChecked(true);
  connect(gruppe, &QButtonGroup::idClicked, this, [this] { FuelleSVGrid(); });

  SVGrid = new TQuonGrid(this);
  SVGrid->setObjectName(QStringLiteral("SVGrid"));
  SVGrid->SetFixedCols(0);
  SVGrid->SetFixedRows(1);
  SVGrid->SetRowSelect(true);
  SVGrid->SetMultiSelect(false);
  SVGrid->SetDefaultRowHeight(18);
  SVGrid->SetZeichner(
      [this](QPainter& p, int col, int row, const QRect& rect, const TZellZustand& zustand) {
        const int tage = static_cast<int>(fZeilen.empty() ? 0 : fZeilen.front().Tage.size());
        if (row < 1 || col < 1 || col > tage || row > static_cast<int>(fZeilen.size())) return;
        const std::string& code =
            fZeilen[static_cast<std::size_t>(row - 1)].Tage[static_cast<std::size_t>(col - 1)];
        const QColor grund = zustand.Ausgewaehlt ? palette().highlight().color() : Qt::white;
        p.save();
        p.setRenderHint(QPainter::Antialiasing, false);
        for (std::size_t k = 0; k < code.size(); ++k)
          Symbol(p, rect, static_cast<int>(k) + 1, code[k], grund);
        p.restore();
      });
  connect(SVGrid, &TQuonGrid::DoppelKlick, this, [this](const TGridMaus& m) {
    fMouseX = m.Pos.x();
    fMouseY = m.Pos.y();
    ZeileDoppelKlick(m.Row);
  });
  connect(SVGrid, &TQuonGrid::MausDruck, this, [this](const TGridMaus& m) {
    fMouseX = m.Pos.x();
    fMouseY = m.Pos.y();
    FensterUmschaltMerken(m.Umschalt & 7u);
  });
  auto* spalte = new QVBoxLayout(this);
  spalte->setContentsMargins(4, 4, 4, 4);
  spalte->addWidget(KueGroup);
  spalte->addWidget(SVGrid, 1);
}

TSVForm* TSVForm::ZeigeSVForm() {
  if (!SchuleVorhanden()) return nullptr;
  TSchule& schule = Schule();
  TDirtyBewahrer bewahrer;
  auto* form = dynamic_cast<TSVForm*>(schule.fSVForm);
  if (!form) {
    form = new TSVForm;
    const int index = form->Anmelden();
    form->ISVForm();
    PositioniereFenster(*form, index);
  }
  if (form->isMinimized()) form->showNormal();
  form->show();
  form->raise();
  form->activateWindow();
  return form;
}

int TSVForm::Gruppe() const {
  return KlRadio->isChecked() ? 1 : RaRadio->isChecked() ? 2 : 0;
}

int TSVForm::DruckArt() const {
  static const int kArt[3] = {0, 1, 4};
  return kArt[Gruppe()];
}

void TSVForm::ISVForm() {
  if (!SchuleVorhanden()) return;
  const TStandard& st = Standard();
  const int tage = std::clamp(st.fMaxTageNeu, 1, 7);
  SVGrid->SetColCount(tage + 2);
  const int kuerzelBreite = 60, sprBreite = 50;
  SVGrid->SetColWidths(0, kuerzelBreite);
  for (int t = 1; t <= tage; ++t) SVGrid->SetColWidths(t, SVTagBreite());
  SVGrid->SetColWidths(tage + 1, sprBreite);
  const int breite = kuerzelBreite + tage * SVTagBreite() + sprBreite + (tage + 2);
  resize(breite + 40, height());
  FuelleSVGrid();
}

void TSVForm::FuelleSVGrid() {
  if (!SchuleVorhanden()) return;
  const TStandard& st = Standard();
  const int tage = std::clamp(st.fMaxTageNeu, 1, 7);
  fZeilen = SVZeilen(Gruppe());
  SVGrid->Leeren();
  SVGrid->SetRowCount(1 + std::max<int>(1, static_cast<int>(fZeilen.size())));
  SVGrid->SetCells(0, 0, QStringLiteral("Kürzel"));
  for (int t = 1; t <= tage; ++t) SVGrid->SetCells(t, 0, AnsiText(st.fTagBez[t].str()));
  SVGrid->SetCells(tage + 1, 0, QStringLiteral("Sprstd."));
  int row = 1;
  for (const TSVZeile& z : fZeilen) {
    SVGrid->SetObjects(0, row, z.Element);
    SVGrid->SetCells(0, row, AnsiText(z.Kuerzel));
    SVGrid->SetCells(tage + 1, row, QString::number(z.SpringStd));
    ++row;
  }
  const int grid = SVGridHoehe(SVGrid->RowCount(), SVGrid->DefaultRowHeight());
  const int hoehe = std::max(100, grid + 73);
  resize(width(), hoehe);
  SVGrid->viewport()->update();
}

void TSVForm::ZeileDoppelKlick(int row) {
  // Kopfzeile und die leere Zeile einer leeren Liste öffnen nichts.
  if (row < 1 || row > static_cast<int>(fZeilen.size())) return;
  TPlanElement* e = fZeilen[static_cast<std::size_t>(row - 1)].Element;
  TDirtyBewahrer bewahrer;
  if (e)
    if (TFensterDienst* d = FensterDienst()) d->PlanFensterZeigen(e);
}

void TSVForm::FensterRefresh() {
  if (fRefreshVorgemerkt) return;
  fRefreshVorgemerkt = true;
  QTimer::singleShot(0, this, [this] {
    fRefreshVorgemerkt = false;
    ISVForm();
  });
}

int TSVForm::FensterArt() const {
  return FensterArt::Stundenverteilung;
}

std::string TSVForm::InhaltAlsText() const {
  std::string text;
  for (int r = 0; r < SVGrid->RowCount(); ++r) {
    for (int c = 0; c < SVGrid->ColCount(); ++c) {
      if (c) text += '\t';
      if (r >= 1 && c >= 1 && r <= static_cast<int>(fZeilen.size()) &&
          c <= static_cast<int>(fZeilen[static_cast<std::size_t>(r - 1)].Tage.size()))
        text += fZeilen[static_cast<std::size_t>(r - 1)].Tage[static_cast<std::size_t>(c - 1)];
      else
        text += SVGrid->Cells(c, r).toStdString();
    }
    text += "\r\n";
  }
  return text;
}

void TSVForm::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  if (height() < 100) resize(width(), 100);
}
