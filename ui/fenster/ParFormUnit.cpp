#include "ui/fenster/ParFormUnit.h"

#include <QPainter>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>

#include "model/SchulUnit.h"
#include "model/ToolsUnit.h"
#include "settings/StandardUnit.h"
#include "ui/ElementMenueUnit.h"
#include "ui/fenster/QtTextUnit.h"
#include "ui/fenster/QtUmschaltUnit.h"
#include "ui/fenster/ParStartFormUnit.h"
#include "ui/fenster/ParSuchFormUnit.h"
#include "ui/fenster/PopupMenueUnit.h"
#include "ui/fenster/QtFensterPlatzUnit.h"
#include "ui/fenster/QuonGridUnit.h"

namespace {

constexpr int kKopfBreite = 30;

}  // namespace

TParForm::TParForm() : TEinzelForm(&TSchule::fParForm) {
  setWindowTitle(QStringLiteral("Parallele Kopplungen"));
  const TStandard& st = Standard();
  fMitFach = st.fParMitFach;
  fTabelle = std::make_unique<TParTabelle>(st.fParZeilen, st.fParSpalten, st.fParUeber);
  ParGrid = new TQuonGrid(this);
  ParGrid->setObjectName(QStringLiteral("ParGrid"));
  ParGrid->SetFixedCols(1);
  ParGrid->SetFixedRows(1);
  ParGrid->SetMultiSelect(false);
  ParGrid->SetDefaultRowHeight(20);
  ParGrid->SetZeichner([this](QPainter& p, int col, int row, const QRect& rect,
                              const TZellZustand&) { Zeichne(p, col, row, rect); });
  connect(ParGrid, &TQuonGrid::MausDruck, this, [this](const TGridMaus& m) { MausDruck(m); });
  connect(ParGrid, &TQuonGrid::DoppelKlick, this, [this](const TGridMaus& m) { DoppelKlick(m); });
  connect(ParGrid, &TQuonGrid::ZiehenUeber, this, [this](const TGridMaus& m, TZiehZiel* ziel) {
    // Über den Kopfzellen oder hinter dem sichtbaren Bereich: eine Zeile bzw. Spalte weiter.
    int c = m.Col, r = m.Row;
    const int letzteZeile = ParGrid->TopRow() + ParGrid->VisibleRowCount() - 1;
    const int letzteSpalte = ParGrid->LeftCol() + ParGrid->VisibleColCount() - 1;
    const QRect unten = ParGrid->CellRect(0, letzteZeile);
    const QRect rechts = ParGrid->CellRect(letzteSpalte, 0);
    if (r == 0 && ParGrid->TopRow() > 1) {
      ParGrid->SetTopRow(ParGrid->TopRow() - 1);
      r = ParGrid->TopRow();
    } else if (!unten.isEmpty() && m.Pos.y() > unten.bottom() &&
               letzteZeile < ParGrid->RowCount() - 1) {
      ParGrid->SetTopRow(ParGrid->TopRow() + 1);
      r = ParGrid->TopRow() + ParGrid->VisibleRowCount() - 1;
    }
    if (c == 0 && ParGrid->LeftCol() > 1) {
      ParGrid->SetLeftCol(ParGrid->LeftCol() - 1);
      c = ParGrid->LeftCol();
    } else if (!rechts.isEmpty() && m.Pos.x() > rechts.right() &&
               letzteSpalte < ParGrid->ColCount() - 1) {
      ParGrid->SetLeftCol(ParGrid->LeftCol() + 1);
      c = ParGrid->LeftCol() + ParGrid->VisibleColCount() - 1;
    }
    ziel->Col = c;
    ziel->Row = r;
    // Nur Zellen der Tabelle nehmen eine Kopplung auf, keine Kopfzellen.
    ziel->Akzeptiert = c >= 1 && r >= 1 && c < ParGrid->ColCount() && r < ParGrid->RowCount();
  });
  connect(ParGrid, &TQuonGrid::ZiehenEnde, this,
          [this](const TGridMaus& m, bool abgelegt) { ZiehenEnde(m, abgelegt); });
  auto* spalte = new QVBoxLayout(this);
  spalte->setContentsMargins(2, 2, 2, 2);
  spalte->addWidget(ParGrid, 1);
}

TParForm* TParForm::ParItemClick(QWidget* parent) {
  if (!SchuleVorhanden()) return nullptr;
  if (auto* offen = dynamic_cast<TParForm*>(Schule().fParForm)) {
    offen->show();
    offen->raise();
    offen->activateWindow();
    return offen;
  }
  TParStartForm start(parent);
  if (start.exec() != QDialog::Accepted) return nullptr;
  return ZeigeParForm();
}

TParForm* TParForm::ZeigeParForm() {
  if (!SchuleVorhanden()) return nullptr;
  TSchule& schule = Schule();
  auto* form = dynamic_cast<TParForm*>(schule.fParForm);
  if (!form) {
    form = new TParForm;
    const int index = form->Anmelden();
    form->IParForm();
    PositioniereFenster(*form, index);
  }
  if (form->isMinimized()) form->showNormal();
  form->show();
  form->raise();
  form->activateWindow();
  return form;
}

void TParForm::IParForm() {
  const int zeilen = fTabelle->Zeilen(), spalten = fTabelle->Spalten();
  ParGrid->SetColCount(spalten + 1);
  ParGrid->SetRowCount(zeilen + 1);
  const int breite = fMitFach ? 120 : 60;
  ParGrid->SetColWidths(0, kKopfBreite);
  for (int c = 1; c <= spalten; ++c) {
    ParGrid->SetColWidths(c, breite);
    ParGrid->SetCells(c, 0, QStringLiteral("Spalte ") + QString::number(c));
  }
  ParGrid->SetCells(0, 0, QStringLiteral("Konfl."));
  fTabelle->AlleSchnitte();
  // Das Fenster wächst mit dem Raster bis 500 × 300 Bildpunkte.
  // Rahmen und Ränder des Fensters, dazu Platz für die Rollbalken.
  const int rand =
      2 * ParGrid->frameWidth() + 16 + style()->pixelMetric(QStyle::PM_ScrollBarExtent);
  const int w = std::min(500, kKopfBreite + spalten * (breite + 1) + rand);
  const int h = std::min(300, (zeilen + 1) * (ParGrid->DefaultRowHeight() + 1) + rand);
  resize(w, h);
  ParGrid->viewport()->update();
}

QPoint TParForm::ZellPunkt(int r, int c) const {
  return ParGrid->CellRect(c, r).center();
}

void TParForm::Zeichne(QPainter& p, int col, int row, const QRect& rect) {
  if (row < 1) return;
  p.save();
  const QRect innen = rect.adjusted(3, 0, -2, 0);
  if (col == 0) {
    // Konfliktzahl der Zeile; alles außer "0" rot.
    const int n = fTabelle->BerechneSchnitt(row);
    p.setPen(n ? Qt::red : Qt::black);
    p.drawText(innen, Qt::AlignVCenter | Qt::AlignLeft, QString::number(n));
  } else if (fTabelle->Kopplung(row, col)) {
    QFont f = p.font();
    f.setUnderline(fTabelle->Fest(row, col));
    p.setFont(f);
    p.setPen(fTabelle->ZelleRot(row, col) ? Qt::red : Qt::black);
    p.drawText(innen, Qt::AlignVCenter | Qt::AlignLeft,
               AnsiText(fTabelle->ZellText(row, col, fMitFach)));
  }
  p.restore();
}

void TParForm::Geaendert() {
  ParGrid->viewport()->update();
}

void TParForm::ZeigeMenue(TMenue menue, const QPoint& pos) {
  if (ParPopupMenu) delete ParPopupMenu.data();
  auto* popup = new TPopupMenue(std::move(menue), this);
  ParPopupMenu = popup;
  connect(popup, &TPopupMenue::Geschlossen, popup, &QObject::deleteLater);
  popup->Popup(ParGrid->viewport()->mapToGlobal(pos));
  emit MenueGeoeffnet();
}

void TParForm::MausDruck(const TGridMaus& m) {
  FensterUmschaltMerken(m.Umschalt & 7u);
  const int r = m.Row, c = m.Col;
  if (r < 1 || c < 0 || r > fTabelle->Zeilen() || c > fTabelle->Spalten()) return;
  const TToolArt tool = SchuleVorhanden() ? Schule().fToolArt : TToolArt::ZeigTool;
  if (m.Knopf == Qt::RightButton && tool == TToolArt::ZeigTool) {
    if (c == 0) {
      ZeigeMenue(fTabelle->FaecherMenue(r), m.Pos);
    } else if (TKopplung* k = fTabelle->Kopplung(r, c)) {
      TMenue menue;
      k->ErzeugeKopplMenu(menue, false);
      for (TMenueEintrag& e : menue)
        e.Aktion = [kurs = static_cast<TKurs*>(e.Objekt), k] {
          TDirtyBewahrer bewahrer;
          if (TFensterDienst* d = FensterDienst()) d->NeuesKursFenster(kurs, k);
        };
      ZeigeMenue(std::move(menue), m.Pos);
    }
    return;
  }
  if (m.Knopf != Qt::LeftButton) return;
  if (tool == TToolArt::SetzTool) {
    if (c >= 1) {
      TMenue menue = ElementMenue(kop);
      for (TMenueEintrag& e : menue)
        e.Aktion = [this, r, c, k = static_cast<TKopplung*>(e.Objekt)] {
          // Die Kopplung kann gelöscht sein, während das Menü offen war.
          if (!SchuleVorhanden() || !Schule().fKopplMenge.ListeElemEnthalten(k)) return;
          if (fTabelle->Setze(r, c, k)) Geaendert();
        };
      ZeigeMenue(std::move(menue), m.Pos);
    } else if (fTabelle->BerechneSchnitt(r) != 0) {
      ZeigeMenue(fTabelle->KonfliktMenue(r), m.Pos);
    } else {
      TMenue menue = fTabelle->ZeitMenue(r);
      if (menue.empty()) return;
      for (TMenueEintrag& tag : menue)
        for (TMenueEintrag& std : tag.Untermenue)
          std.Aktion = [this, r, t = tag.Wert, h = std.Wert] {
            TBeschaeftigt sanduhr;
            fTabelle->SetzeZeile(r, t, h);
            Geaendert();
          };
      ZeigeMenue(std::move(menue), m.Pos);
    }
    return;
  }
  if (tool == TToolArt::SchiebTool && c >= 1 && fTabelle->Kopplung(r, c)) {
    fStartR = r;
    fStartC = c;
    fKopieren = m.Tasten & Qt::ShiftModifier;
    ParGrid->BeginDrag(false);
  }
}

void TParForm::DoppelKlick(const TGridMaus& m) {
  const int r = m.Row, c = m.Col;
  if (r < 1 || c < 1 || !SchuleVorhanden()) return;
  const TToolArt tool = Schule().fToolArt;
  if (tool == TToolArt::LoeschTool && fTabelle->Leere(r, c)) Geaendert();
  if (tool == TToolArt::FixTool && fTabelle->FixUmschalten(r, c)) Geaendert();
}

void TParForm::ZiehenEnde(const TGridMaus& m, bool abgelegt) {
  if (!abgelegt || fStartR < 1) return;
  if (fTabelle->Ziehe(fStartR, fStartC, m.Row, m.Col, fKopieren)) Geaendert();
  fStartR = fStartC = 0;
}

void TParForm::SucheLoesung() {
  TParSuchForm suche(*fTabelle, this);
  suche.exec();
  Geaendert();
}

int TParForm::FensterArt() const {
  return FensterArt::ParalleleKopplungen;
}

void TParForm::FensterUpdate() {
  fTabelle->AlleSchnitte();
  Geaendert();
}

void TParForm::FensterRefresh() {
  FensterUpdate();
}

std::string TParForm::InhaltAlsText() const {
  std::string text = "Konfl.";
  for (int c = 1; c <= fTabelle->Spalten(); ++c) text += "\tSpalte " + std::to_string(c);
  text += "\r\n";
  for (int r = 1; r <= fTabelle->Zeilen(); ++r) {
    text += std::to_string(fTabelle->Schnitt(r));
    for (int c = 1; c <= fTabelle->Spalten(); ++c)
      text += "\t" + Win1252ZuUtf8(fTabelle->ZellText(r, c, fMitFach));
    text += "\r\n";
  }
  return text;
}
