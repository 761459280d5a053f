#include "ui/fenster/AuTabFormUnit.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "model/ToolsUnit.h"
#include "settings/VoreinstellungUnit.h"

TAuTabForm::TAuTabForm(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Voreinstellung für die Automatik"));
  const TStandard& s = Standard();
  auto* haupt = new QHBoxLayout(this);
  TabGrid = new TQuonGrid(this);
  TabGrid->setObjectName(QStringLiteral("TabGrid"));
  TabGrid->SetColCount(8);
  TabGrid->SetRowCount(17);
  TabGrid->SetFixedCols(1);
  TabGrid->SetFixedRows(1);
  TabGrid->SetDefaultColWidth(44);
  TabGrid->SetDefaultRowHeight(20);
  TabGrid->SetColWidths(0, 70);
  const int woche = std::clamp(s.fAktuelleWoche, 1, 54);
  for (int t = 1; t <= 7; ++t)
    TabGrid->SetCells(t, 0, QString::fromStdString(U8(s.fTagBez[t].str())));
  for (int h = 1; h <= 16; ++h)
    TabGrid->SetCells(0, h, QString::fromStdString(U8(s.fStdBez[woche][h].str())));
  const QSize g = TabGrid->GesamtGroesse();
  TabGrid->setFixedSize(g.width() + 2 * TabGrid->frameWidth(),
                        g.height() + 2 * TabGrid->frameWidth());
  TabGrid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  TabGrid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  haupt->addWidget(TabGrid);
  auto* rechts = new QVBoxLayout;
  rechts->addWidget(new QLabel(QStringLiteral("Tabelle Nr.:"), this));
  TabSpin = new QSpinBox(this);
  TabSpin->setObjectName(QStringLiteral("TabSpin"));
  TabSpin->setRange(1, 4);
  rechts->addWidget(TabSpin);
  rechts->addWidget(new QLabel(QStringLiteral("Reihenfolge der\nSetzungen und\nMehrfachstunden-\n"
                                              "position bei der\nautomatischen\nPlanerstellung"),
                               this));
  rechts->addStretch();
  OkKnopf = new QPushButton(QStringLiteral("Ok"), this);
  CancelKnopf = new QPushButton(QStringLiteral("Abbrechen"), this);
  WechselnKnopf = new QPushButton(QStringLiteral("Wechseln"), this);
  rechts->addWidget(OkKnopf);
  rechts->addWidget(CancelKnopf);
  rechts->addWidget(WechselnKnopf);
  haupt->addLayout(rechts);
  fWechselMenue = new QMenu(this);
  for (const std::string& e : WechselEintraege()) {
    QAction* a = fWechselMenue->addAction(QString::fromStdString(e));
    a->setEnabled(WechselWaehlbar(e));
    connect(a, &QAction::triggered, this, [this, e] { Wechseln(e); });
  }
  connect(WechselnKnopf, &QPushButton::clicked, this, [this] {
    fWechselMenue->popup(WechselnKnopf->mapToGlobal(QPoint(0, WechselnKnopf->height())));
  });
  connect(TabSpin, &QSpinBox::valueChanged, this, [this] { TabGrid->viewport()->update(); });
  connect(OkKnopf, &QPushButton::clicked, this, [this] {
    fKopie.Uebernehmen();
    accept();
  });
  connect(CancelKnopf, &QPushButton::clicked, this, &QDialog::reject);
  TabGrid->SetZeichner([this](QPainter& p, int col, int row, const QRect& rect,
                              const TZellZustand& z) { Zeichne(p, col, row, rect, z); });
  connect(TabGrid, &TQuonGrid::MausDruck, this, [this](const TGridMaus& m) { MausDruck(m); });
  connect(TabGrid, &TQuonGrid::ZiehenUeber, this,
          [](const TGridMaus& m, TZiehZiel* ziel) { ziel->Akzeptiert = m.Col >= 1 && m.Row >= 1; });
  connect(TabGrid, &TQuonGrid::ZiehenEnde, this,
          [this](const TGridMaus& m, bool abgelegt) { ZiehenEnde(m, abgelegt); });
}

void TAuTabForm::Wechseln(const std::string& ziel) {
  if (!WechselWaehlbar(ziel)) return;
  fWechselZiel = ziel;
  fKopie.Uebernehmen();
  accept();
}

int TAuTabForm::Tabelle() const {
  return TabSpin->value();
}

QPoint TAuTabForm::ZellPunkt(int tag, int std) const {
  return TabGrid->CellRect(tag, std).center();
}

QPoint TAuTabForm::StreifenPunkt(int tag, int std, bool oben) const {
  const QRect r = TabGrid->CellRect(tag, std);
  return QPoint(r.right() - StreifenBreite / 2, oben ? r.top() + 2 : r.bottom() - 2);
}

void TAuTabForm::Zeichne(QPainter& p, int col, int row, const QRect& rect, const TZellZustand& z) {
  if (z.Fest || col < 1 || row < 1) return;
  const int tab = Tabelle();
  p.fillRect(rect, z.Ausgewaehlt ? palette().color(QPalette::Highlight) : QColor(Qt::white));
  p.setPen(Qt::black);
  p.drawText(rect.adjusted(2, 0, -StreifenBreite, 0), Qt::AlignLeft | Qt::AlignVCenter,
             QString::number(fKopie.Ordnung(tab, row, col)));
  const QRect streifen(rect.right() - StreifenBreite + 1, rect.top(), StreifenBreite,
                       rect.height());
  p.fillRect(streifen, QColor(220, 220, 220));
  const int h = std::max(2, rect.height() / 3);
  if (row > 1)
    p.fillRect(QRect(streifen.left() + 1, streifen.top(), streifen.width() - 2, h),
               fKopie.VonOben(tab, row, col) ? QColor(255, 0, 0) : QColor(Qt::black));
  if (row < 16)
    p.fillRect(QRect(streifen.left() + 1, streifen.bottom() - h + 1, streifen.width() - 2, h),
               fKopie.NachUnten(tab, row, col) ? QColor(255, 0, 0) : QColor(Qt::black));
}

void TAuTabForm::MausDruck(const TGridMaus& m) {
  if (m.Col < 1 || m.Row < 1 || m.Knopf != Qt::LeftButton) return;
  const QRect r = TabGrid->CellRect(m.Col, m.Row);
  if (m.Pos.x() > r.right() - StreifenBreite) {
    if (m.Pos.y() < r.center().y())
      fKopie.SchalteVonOben(Tabelle(), m.Row, m.Col);
    else
      fKopie.SchalteNachUnten(Tabelle(), m.Row, m.Col);
    TabGrid->viewport()->update();
    return;
  }
  fStartTag = m.Col;
  fStartStd = m.Row;
  TabGrid->BeginDrag(false);
}

void TAuTabForm::ZiehenEnde(const TGridMaus& m, bool abgelegt) {
  if (abgelegt && fStartTag >= 1 && m.Col >= 1 && m.Row >= 1)
    fKopie.Tausche(Tabelle(), fStartStd, fStartTag, m.Row, m.Col);
  fStartTag = fStartStd = 0;
  TabGrid->viewport()->update();
}
