#include "ui/fenster/StatistikFormUnit.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>

#include "model/FensterArtUnit.h"
#include "model/KopplUnit.h"
#include "model/SchulUnit.h"
#include "ui/ElementFensterUnit.h"
#include "ui/fenster/FaStatFormUnit.h"
#include "ui/FensterSchliessenUnit.h"
#include "ui/fenster/KlStatFormUnit.h"
#include "ui/fenster/KoStatFormUnit.h"
#include "ui/fenster/LeStatFormUnit.h"
#include "ui/fenster/PopupMenueUnit.h"
#include "ui/fenster/QtFensterHilfeUnit.h"
#include "ui/fenster/QtFensterPlatzUnit.h"
#include "ui/fenster/QtUmschaltUnit.h"
#include "ui/fenster/RaStatFormUnit.h"
#include "ui/StatistikUnit.h"
#include "ui/fenster/UVStatFormUnit.h"

namespace {
// Spaltenbreiten der Statistiken: Zahlen schmal, Kürzel mittel, Info breit.
int SpaltenBreite(const std::string& titel, TKuerzelArt art) {
  if (art == uvt) return titel == "F/L" ? 38 : titel == "UV-Tab." ? 50 : 87;
  if (titel == "Info") return 180;
  if (titel == "Lehrer" || titel == "Klasse" || titel == "Fach" || titel == "Kopplung" ||
      titel == "Raum")
    return 80;
  return 56;
}
}  // namespace

TStatistikForm::TStatistikForm(TFenster* TSchule::*platz) : TEinzelForm(platz) {
  StatGrid = FensterGitter(this, "StatGrid");
  StatGrid->SetRowSelect(true);
  StatGrid->SetMultiSelect(true);
  StatGrid->SetFixedCols(0);
  StatGrid->SetFixedRows(1);
  connect(StatGrid, &TQuonGrid::MausDruck, this, [this](const TGridMaus& m) {
    fMouseX = m.Pos.x();
    fMouseY = m.Pos.y();
    FensterUmschaltMerken(m.Umschalt & umTasten);
  });
  connect(StatGrid, &TQuonGrid::MausLos, this, [this](const TGridMaus& m) { MausLos(m); });
  connect(StatGrid, &TQuonGrid::DoppelKlick, this, [this](const TGridMaus& m) { DoppelKlick(m); });
  PositioniereFenster(*this, NeuerFormIndex());
}

TStatistikForm::~TStatistikForm() {
  Abmelden();
}

void TStatistikForm::IStatForm() {
  if (!SchuleVorhanden()) return;
  const std::vector<std::string> titel = StatTitel(StatArt());
  const std::vector<TElement*> elemente = StatElemente(StatArt());
  const int n = static_cast<int>(elemente.size());
  StatGrid->DeSelectAll();
  StatGrid->SetColCount(static_cast<int>(titel.size()));
  StatGrid->SetRowCount(std::max(n, 1) + 1);
  for (int c = 0; c < static_cast<int>(titel.size()); ++c) {
    StatGrid->SetCells(c, 0, QString::fromStdString(titel[static_cast<std::size_t>(c)]));
    StatGrid->SetColWidths(c, SpaltenBreite(titel[static_cast<std::size_t>(c)], StatArt()));
  }
  if (n == 0) {
    for (int c = 0; c < StatGrid->ColCount(); ++c) StatGrid->SetCells(c, 1, QString());
    StatGrid->SetObjects(0, 1, nullptr);
  }
  for (int r = 1; r <= n; ++r) {
    StatGrid->SetObjects(0, r, elemente[static_cast<std::size_t>(r - 1)]);
    ZeileAendern(r);
  }
  setWindowTitle(QString::fromStdString(Titel()));
  if (!Angemeldet()) Anmelden();
  Groesse();
  StatGrid->viewport()->update();
}

void TStatistikForm::ZeileAendern(int Row) {
  TElement* e = Element(Row);
  if (!e) return;
  const std::vector<std::string> zeile = StatZeile(*e);
  for (int c = 0; c < static_cast<int>(zeile.size()) && c < StatGrid->ColCount(); ++c)
    StatGrid->SetCells(c, Row, QString::fromStdString(zeile[static_cast<std::size_t>(c)]));
  StatGrid->viewport()->update();
}

void TStatistikForm::FensterRefresh() {
  for (int r = 1; r < StatGrid->RowCount(); ++r) ZeileAendern(r);
}

TElement* TStatistikForm::Element(int row) const {
  if (row < 1 || row >= StatGrid->RowCount() || !SchuleVorhanden()) return nullptr;
  auto* e = static_cast<TElement*>(StatGrid->Objects(0, row));
  if (!e) return nullptr;
  // Nur Elemente, die es noch gibt.
  const std::vector<TElement*> alle = StatElemente(StatArt());
  return std::find(alle.begin(), alle.end(), e) != alle.end() ? e : nullptr;
}

int TStatistikForm::ZeileVon(const TElement* element) const {
  for (int r = 1; r < StatGrid->RowCount(); ++r)
    if (element && StatGrid->Objects(0, r) == element) return r;
  return 0;
}

// Breite: alle Spalten mit Gitterlinie, Rollbalken und Rahmen; Höhe: bis in den Arbeitsbereich,
// mindestens zwei Zeilen.
void TStatistikForm::Groesse() {
  const int linie = StatGrid->GridLineWidth();
  const int balken = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
  int b = 2 * StatGrid->frameWidth() + balken;
  for (int c = 0; c < StatGrid->ColCount(); ++c) b += StatGrid->ColWidths(c) + linie;
  QScreen* schirm = screen() ? screen() : QGuiApplication::primaryScreen();
  const QRect arbeit = schirm ? schirm->availableGeometry() : QRect(0, 0, 1024, 768);
  int zeilen = StatGrid->RowCount();
  auto hoehe = [&](int z) {
    int h = 2 * StatGrid->frameWidth();
    for (int r = 0; r < z; ++r) h += StatGrid->RowHeights(r) + linie;
    return h;
  };
  // Der untere Rahmen zählt mit; vor dem ersten Zeigen kennt ihn nur der Fenstermanager.
  const int unten = std::max(frameGeometry().bottom() - geometry().bottom(), 8);
  while (zeilen > 2 && geometry().top() + hoehe(zeilen) + unten > arbeit.bottom()) --zeilen;
  resize(b, hoehe(zeilen));
}

// Mit der Statistik schließt auch ihr Kursmenü.
void TStatistikForm::BeimAbmelden() {
  if (StatPopupMenu) StatPopupMenu->Schliessen();
}

void TStatistikForm::DoppelKlick(const TGridMaus& m) {
  const TZelle z = StatGrid->MouseToCell(QPoint(fMouseX, fMouseY));
  TElement* e = Element(z.Row);
  // Eine Zeile ohne Element (leere Schule) tut nichts.
  if (!e) return;
  // UV-Statistik: das Fenster der Tabelle in der gewählten Fensterart, mit Shift ein neues.
  if (StatArt() == uvt) {
    ElementFensterOeffnen(e, Schule().fFensterArt, m.Umschalt & umShift);
    return;
  }
  const TFensterArt wahl = (m.Umschalt & umShift) ? TFensterArt::DFenster : TFensterArt::GFenster;
  Schule().fFensterArt = wahl;
  ElementFensterOeffnen(e, wahl, 0);
}

void TStatistikForm::MausLos(const TGridMaus& m) {
  fMouseX = m.Pos.x();
  fMouseY = m.Pos.y();
  if (StatArt() != kop || m.Knopf != Qt::RightButton || Schule().fAktivesFenster != this) return;
  auto* kopplung = dynamic_cast<TKopplung*>(Element(m.Row));
  if (!kopplung) return;
  TMenue menue;
  kopplung->ErzeugeKopplMenu(menue, (m.Umschalt & umShift) != 0);
  if (menue.empty()) return;
  MenueOeffnen(StatPopupMenu, std::move(menue), this, StatGrid->viewport()->mapToGlobal(m.Pos));
  emit MenueGeoeffnet();
}

std::string TStatistikForm::InhaltAlsText() const {
  std::vector<int> zeilen = StatGrid->AusgewaehlteZeilen();
  std::sort(zeilen.begin(), zeilen.end());
  std::vector<TElement*> elemente;
  for (int r = 1; r < StatGrid->RowCount(); ++r) elemente.push_back(Element(r));
  return StatistikAlsText(elemente, zeilen);
}

void TStatistikForm::DoCopy() {
  Ablage().SetzeText(InhaltAlsText());
  if (TFenster* viewer = Schule().fZwischenForm) viewer->FensterUpdate();
}

void TStatistikForm::AllesAuswaehlen() {
  StatGrid->SelectAll();
}

std::string TStatistikForm::Titel() const {
  const TFensterArtEintrag* e = FensterArtEintrag(FensterArt());
  return e && e->Titel ? e->Titel : std::string();
}

TStatistikForm* StatistikZeigen(TKuerzelArt art) {
  if (!SchuleVorhanden()) return nullptr;
  TFenster* TSchule::*platz = art == leh   ? &TSchule::fLeStatForm
                              : art == kla ? &TSchule::fKlStatForm
                              : art == fac ? &TSchule::fFaStatForm
                              : art == kop ? &TSchule::fKoStatForm
                              : art == rau ? &TSchule::fRaStatForm
                              : art == uvt ? &TSchule::fUVStatForm
                                           : nullptr;
  if (!platz) return nullptr;
  if (auto* offen = dynamic_cast<TStatistikForm*>(Schule().*platz)) {
    offen->show();
    offen->raise();
    offen->activateWindow();
    return offen;
  }
  TDirtyBewahrer bewahrer;
  TStatistikForm* form = nullptr;
  switch (art) {
    case leh:
      form = new TLeStatForm;
      break;
    case kla:
      form = new TKlStatForm;
      break;
    case fac:
      form = new TFaStatForm;
      break;
    case kop:
      form = new TKoStatForm;
      break;
    case uvt:
      form = new TUVStatForm;
      break;
    default:
      form = new TRaStatForm;
      break;
  }
  form->IStatForm();
  form->show();
  return form;
}
