#include "ui/fenster/SperrQuonGridUnit.h"

#include <QFontMetrics>
#include <QGridLayout>
#include <QPainter>
#include <algorithm>

#include "model/ToolsUnit.h"
#include "model/WoBereichsUnit.h"
#include "settings/StandardUnit.h"

namespace {

const QColor SperrGrau(128, 128, 128);

// Ein Raster, das nur beschriftet: ohne Rollbalken, ohne Maus und Fokus.
void NurBeschriftung(TQuonGrid* grid) {
  grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  grid->setFocusPolicy(Qt::NoFocus);
  grid->setAttribute(Qt::WA_TransparentForMouseEvents);
}

void FesteGroesse(TQuonGrid* grid) {
  const int rand = 2 * grid->frameWidth();
  grid->setFixedSize(grid->GesamtGroesse() + QSize(rand, rand));
}

}  // namespace

// ---- TSperrGrid ----

TSperrGrid::TSperrGrid(QWidget* parent) : TQuonGrid(parent) {
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  SetFixedCols(0);
  SetFixedRows(0);
  SetMultiSelect(false);
  connect(this, &TQuonGrid::MausDruck, this, &TSperrGrid::GridDruck);
  connect(this, &TQuonGrid::MausZug, this, &TSperrGrid::GridZug);
  connect(this, &TQuonGrid::MausLos, this, &TSperrGrid::GridLos);
  Anpassen(14, 14);
}

void TSperrGrid::SetzeBereiche(TWochBereich* sperrung, const TWochBereich* besetzung,
                               TMarkenQuelle marken) {
  fZug.Abbrechen();
  fSperrung = sperrung;
  fBesetzung = besetzung;
  fMarken = std::move(marken);
  viewport()->update();
}

void TSperrGrid::Anpassen(int spaltenBreite, int zeilenHoehe) {
  SetColCount(std::clamp(Standard().fMaxTageNeu, 1, MaxTage));
  SetRowCount(MaxStunden);
  SetDefaultColWidth(spaltenBreite);
  SetDefaultRowHeight(zeilenHoehe);
  FesteGroesse(this);
  SetTopRow(0);
  SetLeftCol(0);
  viewport()->update();
}

TZelle TSperrGrid::Zelle(const QPoint& pos) const {
  TZelle z = MouseToCell(pos);
  // Außerhalb: die nächste Zelle am Rand.
  if (z.Col < 0) z.Col = pos.x() < 0 ? 0 : ColCount() - 1;
  if (z.Row < 0) z.Row = pos.y() < 0 ? 0 : RowCount() - 1;
  return z;
}

void TSperrGrid::GridDruck(const TGridMaus& maus) {
  if (maus.Knopf != Qt::LeftButton || maus.Doppelt || !fSperrung) return;
  if (maus.Col < 0 || maus.Row < 0) return;
  fZug.Druck(maus.Col + 1, maus.Row + 1);
  viewport()->update();
}

void TSperrGrid::GridZug(const TGridMaus& maus) {
  if (!fZug.AmZeichnen()) return;
  if (!(maus.Knoepfe & Qt::LeftButton)) return;
  const TZelle z = Zelle(maus.Pos);
  if (fZug.Zug(z.Col + 1, z.Row + 1)) viewport()->update();
}

void TSperrGrid::GridLos(const TGridMaus& maus) {
  if (maus.Knopf != Qt::LeftButton || !fZug.AmZeichnen()) return;
  const TZelle z = Zelle(maus.Pos);
  fZug.Los(z.Col + 1, z.Row + 1);
  const int zellen = fSperrung ? SperrungUmschalten(*fSperrung, fBesetzung, fZug.Rechteck()) : 0;
  viewport()->update();
  emit SperrungGeaendert(zellen);
}

QRect TSperrGrid::GummiRechteck() const {
  if (!fZug.AmZeichnen()) return {};
  const TSperrRechteck& r = fZug.Rechteck();
  return ZellRechteck(r.TagVon(), r.StdVon()).united(ZellRechteck(r.TagBis(), r.StdBis()));
}

void TSperrGrid::ZelleZeichnen(QPainter& painter, int col, int row, const QRect& rect,
                               const TZellZustand& /*zustand*/) {
  painter.save();
  painter.setClipRect(rect);
  const QColor grund = palette().color(QPalette::Base);
  painter.fillRect(rect, grund);
  const int woche = Standard().fAktuelleWoche;
  const int tag = col + 1;
  const int std = row + 1;
  if (fBesetzung && fBesetzung->GetWocheTagStd(woche, tag, std)) {
    const TSperrMarke marke = fMarken ? fMarken(tag, std) : TSperrMarke{true, false, false};
    painter.setRenderHint(QPainter::Antialiasing, !marke.Fixiert);
    painter.setPen(QPen(Qt::red, 1));
    painter.setBrush(marke.Gekoppelt ? QBrush(Qt::red) : QBrush(grund));
    const QRect m = rect.adjusted(2, 2, -3, -3);
    if (marke.Fixiert)
      painter.drawRect(m);
    else
      painter.drawEllipse(m);
  } else if (fSperrung && fSperrung->GetWocheTagStd(woche, tag, std)) {
    painter.fillRect(rect.adjusted(1, 1, -1, -1), SperrGrau);
  }
  painter.restore();
}

void TSperrGrid::paintEvent(QPaintEvent* event) {
  TQuonGrid::paintEvent(event);
  QPainter p(viewport());
  // Ohne Fokusrahmen: die aktuelle Zelle hat hier keine Bedeutung.
  if (hasFocus()) {
    const QRect aktuell = CellRect(Col(), Row());
    if (!aktuell.isEmpty()) ZelleZeichnen(p, Col(), Row(), aktuell, {});
  }
  const QRect gummi = GummiRechteck();
  if (gummi.isEmpty()) return;
  p.setCompositionMode(QPainter::CompositionMode_Difference);
  p.setPen(QPen(Qt::white, 1));
  p.setBrush(Qt::NoBrush);
  p.drawRect(gummi.adjusted(0, 0, -1, -1));
}

// ---- TSperrFeld ----

TSperrFeld::TSperrFeld(QWidget* parent) : QWidget(parent) {
  TagGrid = new TQuonGrid(this);
  TagGrid->setObjectName(QStringLiteral("TagGrid"));
  NurBeschriftung(TagGrid);
  TagGrid->SetRowCount(1);
  TagGrid->SetFixedRows(1);
  TagGrid->SetFixedCols(0);
  SperrGrid = new TSperrGrid(this);
  SperrGrid->setObjectName(QStringLiteral("SperrGrid"));
  StdGrid = new TQuonGrid(this);
  StdGrid->setObjectName(QStringLiteral("StdGrid"));
  NurBeschriftung(StdGrid);
  StdGrid->SetColCount(1);
  StdGrid->SetFixedCols(1);
  StdGrid->SetFixedRows(0);

  auto* gitter = new QGridLayout(this);
  gitter->setContentsMargins(0, 0, 0, 0);
  gitter->setSpacing(0);
  gitter->addWidget(TagGrid, 0, 0, Qt::AlignLeft | Qt::AlignBottom);
  gitter->addWidget(SperrGrid, 1, 0, Qt::AlignLeft | Qt::AlignTop);
  gitter->addWidget(StdGrid, 1, 1, Qt::AlignLeft | Qt::AlignTop);
  gitter->setColumnStretch(2, 1);
  gitter->setRowStretch(2, 1);
  Fuellen();
}

void TSperrFeld::Fuellen() {
  const TStandard& s = Standard();
  const int tage = std::clamp(s.fMaxTageNeu, 1, MaxTage);
  const int woche = std::clamp(s.fAktuelleWoche, 1, MaxWochen);
  const QFontMetrics fm(font());
  int tagBreite = 0;
  for (int t = 1; t <= tage; ++t)
    tagBreite =
        std::max(tagBreite, fm.horizontalAdvance(QString::fromStdString(U8(s.fTagBez[t].str()))));
  int stdBreite = 0;
  for (int h = 1; h <= MaxStunden; ++h)
    stdBreite = std::max(
        stdBreite, fm.horizontalAdvance(QString::fromStdString(U8(s.fStdBez[woche][h].str()))));
  const int spalte = std::max(14, tagBreite + 4);
  const int zeile = std::max(14, fm.height() + 1);

  SperrGrid->Anpassen(spalte, zeile);

  TagGrid->SetColCount(tage);
  TagGrid->SetDefaultColWidth(spalte);
  TagGrid->SetDefaultRowHeight(zeile + 2);
  for (int t = 1; t <= tage; ++t)
    TagGrid->SetCells(t - 1, 0, QString::fromStdString(U8(s.fTagBez[t].str())));
  FesteGroesse(TagGrid);

  StdGrid->SetRowCount(MaxStunden);
  StdGrid->SetDefaultColWidth(std::max(14, stdBreite + 6));
  StdGrid->SetDefaultRowHeight(zeile);
  for (int h = 1; h <= MaxStunden; ++h)
    StdGrid->SetCells(0, h - 1, QString::fromStdString(U8(s.fStdBez[woche][h].str())));
  FesteGroesse(StdGrid);
  updateGeometry();
}
