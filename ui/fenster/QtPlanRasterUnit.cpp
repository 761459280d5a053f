#include "ui/fenster/QtPlanRasterUnit.h"

#include <QPushButton>
#include <QVBoxLayout>
#include <QWidget>
#include <algorithm>

#include "model/DienstUnit.h"
#include "model/SchulUnit.h"
#include "ui/fenster/PopupMenueUnit.h"
#include "ui/fenster/QtUmschaltUnit.h"

TQuonGrid* PlanRasterAnlegen(QWidget& fenster, const QString& name) {
  auto* layout = new QVBoxLayout(&fenster);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  auto* raster = new TQuonGrid(&fenster);
  raster->setObjectName(name);
  raster->SetMultiSelect(true);
  raster->SetColSizing(true);
  raster->SetFixedCols(1);
  raster->SetFixedRows(1);
  layout->addWidget(raster);
  return raster;
}

QPushButton* WechselKnopfAnlegen(TQuonGrid& raster, const QString& name) {
  auto* knopf = new QPushButton(QStringLiteral("o"), raster.viewport());
  knopf->setObjectName(name);
  knopf->setFocusPolicy(Qt::NoFocus);
  return knopf;
}

bool WechselKnopfO(const QPushButton& knopf) {
  return knopf.text() == QStringLiteral("o");
}

void WechselKnopfUmschalten(QPushButton& knopf, TQuonGrid& raster) {
  knopf.setText(WechselKnopfO(knopf) ? QStringLiteral("x") : QStringLiteral("o"));
  raster.viewport()->update();
}

unsigned PlanUmschalt() {
  return FensterUmschalt() & umTasten;
}

void PlanUmschaltMerken(TUmschaltMenge umschalt) {
  FensterUmschaltMerken(umschalt & umTasten);
}

TMausSchritt MausSchritt(const TGridMaus& m, bool datenZelle, bool hatKurs, bool raumPlan) {
  TMausSchritt s;
  s.Tool = Schule().fToolArt;
  s.Taste = m.Knopf == Qt::LeftButton    ? TMausTaste::Links
            : m.Knopf == Qt::RightButton ? TMausTaste::Rechts
                                         : TMausTaste::Andere;
  s.Umschalt = m.Umschalt;
  s.DatenZelle = datenZelle;
  s.HatKurs = datenZelle && hatKurs;
  s.RaumPlan = raumPlan;
  return s;
}

bool ZellMenueZeigen(QWidget& fenster, QPointer<TPopupMenue>& offen, TMenue menue,
                     const QPoint& bildschirmPos) {
  if (menue.empty()) return false;
  SpaltenUmbrechen(menue, ElementSpaltenLaenge(static_cast<int>(menue.size())));
  if (offen) delete offen.data();
  auto* popup = new TPopupMenue(std::move(menue), &fenster);
  offen = popup;
  QObject::connect(popup, &TPopupMenue::Geschlossen, popup, &QObject::deleteLater);
  popup->Popup(bildschirmPos);
  return true;
}

QPoint UnterZelle(const TQuonGrid& raster, int col, int row) {
  const QRect r = raster.CellRect(col, row);
  return raster.viewport()->mapToGlobal(QPoint(r.left(), r.top() + r.height() / 2));
}

int ZiehZeileRollen(TQuonGrid& raster, const TGridMaus& m, int row) {
  const int letzteZeile = raster.TopRow() + raster.VisibleRowCount() - 1;
  const QRect unten = raster.CellRect(0, letzteZeile);
  if (row == 0 && raster.TopRow() > 1) {
    raster.SetTopRow(raster.TopRow() - 1);
    return raster.TopRow();
  }
  if (!unten.isEmpty() && m.Pos.y() > unten.bottom() && letzteZeile < raster.RowCount() - 1) {
    raster.SetTopRow(raster.TopRow() + 1);
    return raster.TopRow() + raster.VisibleRowCount() - 1;
  }
  return row;
}

int ZiehSpalteRollen(TQuonGrid& raster, const TGridMaus& m, int col) {
  const int letzteSpalte = raster.LeftCol() + raster.VisibleColCount() - 1;
  const QRect rechts = raster.CellRect(letzteSpalte, 0);
  if (col == 0 && raster.LeftCol() > 1) {
    raster.SetLeftCol(raster.LeftCol() - 1);
    return raster.LeftCol();
  }
  if (!rechts.isEmpty() && m.Pos.x() > rechts.right() && letzteSpalte < raster.ColCount() - 1) {
    raster.SetLeftCol(raster.LeftCol() + 1);
    return raster.LeftCol() + raster.VisibleColCount() - 1;
  }
  return col;
}

void ZiehZielWaehlen(TQuonGrid& raster, const TZiehZiel& ziel, std::int32_t& startX,
                     std::int32_t& startY) {
  if (!ziel.Akzeptiert || (ziel.Col == startX && ziel.Row == startY)) return;
  raster.DeSelectAll();
  raster.SetSelectCell(ziel.Col, ziel.Row, true);
  startX = ziel.Col;
  startY = ziel.Row;
  raster.ScrollToCell(startX, startY);
}

std::vector<TKurs*> AuswahlKurse(const TQuonGrid& raster,
                                 const std::function<TKurs*(int, int)>& zellKurs) {
  std::vector<TKurs*> kurse;
  for (const TZelle& z : raster.AusgewaehlteZellen())
    if (TKurs* k = zellKurs(z.Col, z.Row);
        k && std::find(kurse.begin(), kurse.end(), k) == kurse.end())
      kurse.push_back(k);
  return kurse;
}

void TextAblegen(const std::string& text) {
  Ablage().SetzeText(text);
  if (TFenster* viewer = Schule().fZwischenForm) viewer->FensterUpdate();
}
