#include "ui/fenster/PlnFormUnit.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QToolButton>
#include <algorithm>

#include "model/KlassenUnit.h"
#include "model/KursUnit.h"
#include "model/LehrerUnit.h"
#include "model/RaumUnit.h"
#include "model/SchulUnit.h"
#include "planning/TauschFrageUnit.h"
#include "settings/StandardUnit.h"
#include "ui/fenster/KlPlnFormUnit.h"
#include "ui/fenster/LePlnFormUnit.h"
#include "ui/PlanAktionUnit.h"
#include "planning/PlanGestenUnit.h"
#include "output/PlanTextUnit.h"
#include "ui/fenster/PopupMenueUnit.h"
#include "ui/fenster/QtFensterPlatzUnit.h"
#include "ui/fenster/QtPlanRasterUnit.h"
#include "ui/fenster/QtTextUnit.h"
#include "ui/fenster/QtUmschaltUnit.h"
#include "output/PlanZelleUnit.h"
#include "ui/fenster/QtPlanZelleUnit.h"
#include "ui/fenster/RaPlnFormUnit.h"

const QString TPlnForm::MarkeNormal = QStringLiteral("N");
const QString TPlnForm::MarkeRechts = QStringLiteral("R");
const QString TPlnForm::MarkeSperrung = QStringLiteral("*sperrung*");

TPlnForm::TPlnForm(QWidget* parent) : TFensterBasis(parent) {
  PlnGrid = PlanRasterAnlegen(*this, QStringLiteral("PlnGrid"));
  PlnGrid->SetZeichner(
      [this](QPainter& p, int col, int row, const QRect& rect, const TZellZustand& zustand) {
        if (zustand.Fest || !PlanElem()) return;
        const bool markiert = zustand.Ausgewaehlt || PlnGrid->Cells(col, row) == MarkeRechts;
        ZeichneZelle(p, rect, col, ZellKurs(col, row), row, markiert);
      });
  PlanWechselKnopf = WechselKnopfAnlegen(*PlnGrid, QStringLiteral("PlanWechselKnopf"));
  connect(PlanWechselKnopf, &QPushButton::clicked, this, [this] { PlanWechselKnopfClick(); });
  connect(PlnGrid, &TQuonGrid::MausDruck, this, [this](const TGridMaus& m) { MausDruck(m); });
  connect(PlnGrid, &TQuonGrid::MausLos, this, [this](const TGridMaus& m) { MausLos(m); });
  connect(PlnGrid, &TQuonGrid::DoppelKlick, this, [this](const TGridMaus& m) { DoppelKlick(m); });
  connect(PlnGrid, &TQuonGrid::ZiehenUeber, this,
          [this](const TGridMaus& m, TZiehZiel* ziel) { ZiehenUeber(m, ziel); });
  connect(PlnGrid, &TQuonGrid::ZiehenEnde, this,
          [this](const TGridMaus& m, bool abgelegt) { ZiehenEnde(m, abgelegt); });
  PlnGrid->installEventFilter(this);
  // Beim Erzeugen: an den Platz nach der Fensteranordnung.
  PositioniereFenster(*this, NeuerFormIndex());
}

TPlnForm::~TPlnForm() {
  Abmelden();
}

TPlanElement* TPlnForm::PlanElem() const {
  return static_cast<TPlanElement*>(Element());
}

// ---- Füllen ----

void TPlnForm::IPlnForm(TPlanElement* element) {
  if (!element || Schliesst()) return;
  const TStandard& s = Standard();
  const bool neu = element != PlanElem();
  if (neu) {
    ElementPlatz(element, &TPlanElement::fPlnFenster);
    // Ein anderes Element: nichts von der Auswahl des vorigen bleibt.
    PlnGrid->DeSelectAll();
  }
  PlnGrid->SetzeZiehCursor(TamrelCursor(zGriff));
  const int tage = std::clamp(s.fMaxTageNeu, 1, MaxTage);
  const int stunden = std::clamp(s.fPlnStd, 1, MaxStunden);
  PlnGrid->SetColCount(tage + 1);
  PlnGrid->SetRowCount(stunden + 1);
  const int woche = s.fAktuelleWoche;
  PlnGrid->SetCells(0, 0, QStringLiteral(" "));
  for (int h = 1; h <= stunden; ++h)
    PlnGrid->SetCells(0, h,
                      woche >= 1 && woche <= MaxWochen ? AnsiText(s.fStdBez[woche][h].str()) : "");
  for (int t = 1; t <= tage; ++t) PlnGrid->SetCells(t, 0, AnsiText(s.fTagBez[t].str()));
  PlanBreitenAnpassen();
  const QFont schrift = PlanSchrift();
  setFont(schrift);
  PlnGrid->setFont(schrift);
  PlnGrid->SetDefaultColWidth(PlanSpaltenBreite(PlanArt()));
  PlnGrid->SetDefaultRowHeight(PlanZeilenHoehe());
  for (int t = 1; t <= tage; ++t)
    for (int h = 1; h <= stunden; ++h) {
      PlnGrid->SetCells(t, h, QString());
      PlnGrid->SetObjects(t, h, nullptr);
    }
  if (s.fNebenEinander)
    for (int t = 1; t <= tage; ++t) PlnGrid->SetColWidths(t, PlanSpaltenBreite(PlanArt()));
  PlnGrid->SetColWidths(0, s.fPlnStdBreite);
  PlnGrid->SetRowHeights(0, s.fPlnHoehe);
  PlanWechselKnopf->setGeometry(PlnGrid->CellRect(0, 0).translated(2, 2));
  setWindowTitle(QString::fromStdString(Titel()));
  // Unter der neuen Überschrift ins Fenstermenü.
  Anmelden(neu);
  Groesse();
  KurseEintragen();
  for (int t = 1; t <= tage; ++t)
    for (int h = 1; h <= stunden; ++h)
      if (Gesperrt(t, h)) PlnGrid->SetCells(t, h, MarkeSperrung);
  CursorAnpassen(Schule().fToolArt, Umschalt());
  PlnGrid->viewport()->update();
}

void TPlnForm::KurseEintragen() {
  for (TKurs* k : PlanElem()->fKurse) PlnKursEintrag(k);
}

void TPlnForm::PlnKursEintrag(TKurs* kurs) {
  if (!kurs || !PlanElem()) return;
  for (const auto& [t, h] : KursZellen(*kurs, *PlanElem(), Standard().fAktuelleWoche,
                                       PlnGrid->ColCount() - 1, PlnGrid->RowCount() - 1)) {
    PlnGrid->SetCells(t, h, MarkeNormal);
    PlnGrid->SetObjects(t, h, kurs);
  }
}

// Höhe bis zum unteren Rand des Arbeitsbereichs, Breite bis zum rechten Rand des Bildschirms;
// mindestens eine Stunde und ein Tag. Fehlen Zeilen oder Spalten, bekommt der Rollbalken Platz.
void TPlnForm::Groesse() {
  QScreen* schirm = screen() ? screen() : QGuiApplication::primaryScreen();
  const QRect arbeit = schirm ? schirm->availableGeometry() : QRect(0, 0, 1024, 768);
  const QRect schreibtisch = schirm ? schirm->virtualGeometry() : arbeit;
  const int rahmen = 2 * PlnGrid->frameWidth();
  const int linie = PlnGrid->GridLineWidth();
  auto hoehe = [&](int zeilen) {
    int h = rahmen;
    for (int r = 0; r <= zeilen; ++r) h += PlnGrid->RowHeights(r) + linie;
    return h;
  };
  auto breite = [&](int spalten) {
    int b = rahmen;
    for (int c = 0; c <= spalten; ++c) b += PlnGrid->ColWidths(c) + linie;
    return b;
  };
  const QRect aussen = frameGeometry();
  const QRect innen = geometry();
  const int untenRand = std::max(0, aussen.bottom() - innen.bottom());
  const int rechtsRand = std::max(0, aussen.right() - innen.right());
  const int alleZeilen = PlnGrid->RowCount() - 1;
  const int alleSpalten = PlnGrid->ColCount() - 1;
  int zeilen = alleZeilen;
  while (zeilen > 1 && innen.top() + hoehe(zeilen) + untenRand > arbeit.bottom() + 1) --zeilen;
  int spalten = alleSpalten;
  while (spalten > 1 && innen.left() + breite(spalten) + rechtsRand > schreibtisch.right() + 1)
    --spalten;
  int h = hoehe(zeilen);
  int b = breite(spalten);
  const int balken = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
  if (zeilen < alleZeilen) b += balken;
  if (spalten < alleSpalten) h += balken;
  resize(b, h);
  RollbalkenWaehlen();
}

// ---- Abmelden ----

void TPlnForm::BeimAbmelden() {
  if (PlnPopupMenu) PlnPopupMenu->Schliessen();
}

// ---- Ereignisse ----

void TPlnForm::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (SchuleVorhanden()) CursorAnpassen(Schule().fToolArt, Umschalt());
}

void TPlnForm::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  RollbalkenWaehlen();
  raise();
}

// Rollbalken nur, wenn der Plan nicht ganz hineinpasst. Ohne diese Wahl blieben Rollbalken, die
// ein kleineres Fenster einmal brauchte, auch im passend großen Fenster stehen (und verdeckten
// die letzte Zeile und Spalte).
void TPlnForm::RollbalkenWaehlen() {
  const QSize inhalt = PlnGrid->GesamtGroesse();
  const int rahmen = 2 * PlnGrid->frameWidth();
  const int balken = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
  const int breite = width() - rahmen;
  const int hoehe = height() - rahmen;
  bool waagrecht = inhalt.width() > breite;
  bool senkrecht = inhalt.height() > hoehe;
  // Braucht eine Richtung einen Rollbalken, nimmt er der anderen Platz.
  waagrecht = waagrecht || (senkrecht && inhalt.width() > breite - balken);
  senkrecht = senkrecht || (waagrecht && inhalt.height() > hoehe - balken);
  PlnGrid->setHorizontalScrollBarPolicy(waagrecht ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
  PlnGrid->setVerticalScrollBarPolicy(senkrecht ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
}

bool TPlnForm::eventFilter(QObject* objekt, QEvent* event) {
  // Das Fenster sieht die Tasten vor dem Raster: links und rechts blättern die Elemente.
  if (objekt == PlnGrid && event->type() == QEvent::KeyPress) {
    auto* taste = static_cast<QKeyEvent*>(event);
    UmschaltMerken(TastenUmschalt(taste));
    const int richtung = taste->key() == Qt::Key_Left ? -1 : taste->key() == Qt::Key_Right ? 1 : 0;
    if (richtung != 0) {
      if (TFensterDienst* dienst = FensterDienst()) dienst->VorigerNaechster(richtung);
      return true;
    }
  }
  return QWidget::eventFilter(objekt, event);
}

// ---- Umschalttasten ----

unsigned TPlnForm::Umschalt() const {
  return PlanUmschalt();
}

void TPlnForm::UmschaltMerken(TUmschaltMenge umschalt) {
  PlanUmschaltMerken(umschalt);
}

void TPlnForm::CursorAnpassen(TToolArt tool, unsigned umschalt) {
  const int nummer =
      ZeigerNummer(FensterArt(), tool, umschalt, PlanElem() ? PlanElem()->RestStd() : 0);
  if (nummer == zUnveraendert) return;
  PlnGrid->SetzeCursor(TamrelCursor(nummer));
}

// ---- Zellen ----

bool TPlnForm::DatenZelle(int col, int row) const {
  return col >= 1 && col < PlnGrid->ColCount() && row >= 1 && row < PlnGrid->RowCount();
}

bool TPlnForm::Gesperrt(int tag, int std) const {
  return PlanElem() && PlanElem()->fSperrung.GetWocheTagStd(Standard().fAktuelleWoche, tag, std);
}

QString TPlnForm::Marke(int tag, int std) const {
  return DatenZelle(tag, std) ? PlnGrid->Cells(tag, std) : QString();
}

TKurs* TPlnForm::ZellKurs(int tag, int std) const {
  if (!PlanElem() || !DatenZelle(tag, std)) return nullptr;
  auto* kurs = static_cast<TKurs*>(PlnGrid->Objects(tag, std));
  // Nur Kurse des Elements: ein Kurs, der das Element verlassen hat (und danach vielleicht
  // gelöscht wurde), wird nicht mehr angefasst.
  return kurs && PlanElem()->fKurse.ListeElemEnthalten(kurs) ? kurs : nullptr;
}

QPoint TPlnForm::ZellPunkt(int tag, int std) const {
  return PlnGrid->CellRect(tag, std).center();
}

QString TPlnForm::ZellMarke(bool gesperrt, bool stunde) {
  return gesperrt ? MarkeSperrung : stunde ? MarkeNormal : QString();
}

TPlanInhalt TPlnForm::Inhalt() const {
  TPlanInhalt plan(PlanArt(), Standard().fAktuelleWoche, PlnGrid->ColCount() - 1,
                   PlnGrid->RowCount() - 1);
  for (int t = 1; t <= plan.Tage(); ++t)
    for (int h = 1; h <= plan.Stunden(); ++h) {
      plan.SetKurs(t, h, ZellKurs(t, h));
      plan.SetGesperrt(t, h, Gesperrt(t, h));
    }
  return plan;
}

void TPlnForm::Deselect() {
  for (int t = 1; t < PlnGrid->ColCount(); ++t)
    for (int h = 1; h < PlnGrid->RowCount(); ++h)
      PlnGrid->SetCells(t, h, Gesperrt(t, h) ? MarkeSperrung : MarkeNormal);
  PlnGrid->viewport()->update();
}

void TPlnForm::MarkiereKurs(const TKurs* kurs) {
  if (!kurs) return;
  for (int t = 1; t < PlnGrid->ColCount(); ++t)
    for (int h = 1; h < PlnGrid->RowCount(); ++h)
      if (PlnGrid->Objects(t, h) == kurs) PlnGrid->SetCells(t, h, MarkeRechts);
  PlnGrid->viewport()->update();
}

std::vector<std::pair<int, int>> TPlnForm::MarkierteZellen() const {
  std::vector<std::pair<int, int>> zellen;
  for (int h = 1; h < PlnGrid->RowCount(); ++h)
    for (int t = 1; t < PlnGrid->ColCount(); ++t)
      if (PlnGrid->Cells(t, h) == MarkeRechts) zellen.emplace_back(t, h);
  return zellen;
}

void TPlnForm::PlanZelle(int tag, int std, TKurs* kurs, const std::string& /*marke*/) {
  if (!DatenZelle(tag, std)) return;
  PlnGrid->SetObjects(tag, std, kurs);
  PlnGrid->SetCells(tag, std, ZellMarke(Gesperrt(tag, std), kurs != nullptr));
  PlnGrid->viewport()->update();
}

void TPlnForm::MarkiereRechts(TKurs* kurs) {
  Deselect();
  if (!kurs) return;
  const int woche = Standard().fAktuelleWoche;
  for (int t = 1; t < PlnGrid->ColCount(); ++t)
    for (int h = 1; h < PlnGrid->RowCount(); ++h)
      if (!kurs->fSetzungUnmoeglich.GetWocheTagStd(woche, t, h))
        PlnGrid->SetCells(t, h, MarkeRechts);
  PlnGrid->viewport()->update();
}

void TPlnForm::AllesAuswaehlen() {
  PlnGrid->SelectAll();
}

void TPlnForm::PlanRefresh() {
  PlnGrid->viewport()->update();
  if (SchuleVorhanden() && isVisible()) CursorAnpassen(Schule().fToolArt, Umschalt());
}

void TPlnForm::FensterUpdate() {
  // Über die Art, damit auch ihre eigenen Schritte (Raumplan: aktuelle Zelle) wieder laufen.
  if (PlanElem()) ElementZeigen(PlanElem());
}

void TPlnForm::ZeichneZelle(QPainter& painter, const QRect& rect, int col, TKurs* kurs, int row,
                            bool markiert) {
  const TPlanZelle z =
      PlanZelleBauen(PlanArt(), kurs, Standard().fAktuelleWoche, col, row, SchalterO(),
                     PlnGrid->Cells(col, row) == MarkeSperrung, markiert);
  ZeichnePlanZelle(painter, rect, z, PlnGrid->font(), PlnGrid->palette());
}

bool TPlnForm::SchalterO() const {
  return WechselKnopfO(*PlanWechselKnopf);
}

void TPlnForm::PlanWechselKnopfClick() {
  WechselKnopfUmschalten(*PlanWechselKnopf, *PlnGrid);
}

std::string TPlnForm::Titel() const {
  return PlanElem() ? "Plan " + U8(PlanElem()->fKuerzel.str()) : windowTitle().toStdString();
}

std::vector<TKurs*> TPlnForm::AusgewaehlteKurse() const {
  return AuswahlKurse(*PlnGrid, [this](int t, int h) { return ZellKurs(t, h); });
}

std::string TPlnForm::InhaltAlsText() const {
  if (!PlanElem()) return {};
  return PlanAlsText(Inhalt(), SchalterO(), (Umschalt() & umShift) != 0);
}

void TPlnForm::DoCopy() {
  TextAblegen(InhaltAlsText());
}

void TPlnForm::ErzeugeSetzMenu(TMenue& menue, int tag, int std) {
  if (!PlanElem() || Gesperrt(tag, std)) return;
  for (TKurs* k : PlanElem()->fKurse.Kopie()) k->ErzeugeSetzMenu(menue, tag, std, PlanArt() != rau);
}

// ---- Menüs ----

void TPlnForm::MenueZeigen(TMenue menue, const QPoint& bildschirmPos) {
  if (ZellMenueZeigen(*this, PlnPopupMenu, std::move(menue), bildschirmPos)) emit MenueGeoeffnet();
}

// ---- Maus ----

TMausSchritt TPlnForm::Schritt(const TGridMaus& m, int col, int row) const {
  const bool daten = PlanElem() && DatenZelle(col, row);
  return MausSchritt(m, daten, daten && ZellKurs(col, row), PlanArt() == rau);
}

void TPlnForm::MausDruck(const TGridMaus& m) {
  UmschaltMerken(m.Umschalt);
  fMouseX = m.Pos.x();
  fMouseY = m.Pos.y();
  // Den Doppelklick hat DoppelKlick schon behandelt.
  if (m.Doppelt || !PlanElem() || !DatenZelle(m.Col, m.Row)) return;
  Deselect();
  const TMausSchritt s = Schritt(m, m.Col, m.Row);
  if (DruckHebtAuswahlAuf(s)) PlnGrid->DeSelectAll();
  switch (AktionBeiDruck(s)) {
    case TPlanAktion::ZiehenBeginnen:
      fStartX = fFirstX = m.Col;
      fStartY = fFirstY = m.Row;
      MarkiereKurs(ZellKurs(m.Col, m.Row));
      PlnGrid->BeginDrag(true);
      return;
    case TPlanAktion::Probe:
      // Welche Stunden könnten in die gedrückte Zelle wandern?
      for (const auto& [t, h] : ProbeZellen(Inhalt(), m.Col, m.Row, (m.Umschalt & umAlt) != 0))
        PlnGrid->SetCells(t, h, MarkeRechts);
      PlnGrid->viewport()->update();
      return;
    default:
      return;
  }
}

void TPlnForm::MausLos(const TGridMaus& m) {
  UmschaltMerken(m.Umschalt);
  fMouseX = m.Pos.x();
  fMouseY = m.Pos.y();
  if (PlnPopupMenu) delete PlnPopupMenu.data();
  if (!PlanElem() || Schule().fAktivesFenster != this) return;
  const TMausSchritt s = Schritt(m, m.Col, m.Row);
  TKurs* kurs = s.HatKurs ? ZellKurs(m.Col, m.Row) : nullptr;
  TMenue menue;
  switch (AktionBeiLos(s)) {
    case TPlanAktion::KursMenue:
      Deselect();
      PlanElem()->ErzeugePlnMenu(menue, (m.Umschalt & umShift) != 0, m.Col, m.Row, RaumFilter(),
                                 PlanArt());
      MenueZeigen(std::move(menue), UnterZelle(*PlnGrid, m.Col, m.Row));
      return;
    case TPlanAktion::RechtsMenue:
      PlanElem()->ErzeugeRechtsMenu(menue);
      MenueZeigen(std::move(menue), PlnGrid->viewport()->mapToGlobal(m.Pos));
      return;
    case TPlanAktion::SetzMenue:
      Deselect();
      ErzeugeSetzMenu(menue, m.Col, m.Row);
      MenueZeigen(std::move(menue), UnterZelle(*PlnGrid, m.Col, m.Row));
      return;
    case TPlanAktion::RaumSetzMenue:
      Deselect();
      if (m.Umschalt & umCtrl)
        PlnGrid->SetCells(m.Col, m.Row, MarkeRechts);
      else
        MarkiereKurs(kurs);
      kurs->ErzeugeRaumSetzMenu(menue, MarkierteZellen());
      MenueZeigen(std::move(menue), UnterZelle(*PlnGrid, m.Col, m.Row));
      return;
    case TPlanAktion::AuswahlAufheben:
      Deselect();
      return;
    default:
      return;
  }
}

void TPlnForm::DoppelKlick(const TGridMaus& m) {
  UmschaltMerken(m.Umschalt);
  if (!PlanElem()) return;
  const TZelle z = PlnGrid->MouseToCell(QPoint(fMouseX, fMouseY));
  const TMausSchritt s = Schritt(m, z.Col, z.Row);
  TKurs* kurs = s.HatKurs ? ZellKurs(z.Col, z.Row) : nullptr;
  const unsigned u = m.Umschalt;
  // Löschen und Fixieren wirken auf die ausgewählten Zellen, aber nie an der doppelt
  // geklickten vorbei: gehört sie nicht zur Auswahl (ein Klick mit Alt wählt nichts aus), gilt
  // sie allein.
  std::vector<TZelle> auswahl = PlnGrid->AusgewaehlteZellen();
  if (std::find(auswahl.begin(), auswahl.end(), z) == auswahl.end()) auswahl = {z};
  switch (AktionBeimDoppelklick(s)) {
    case TPlanAktion::KursPlanFenster:
      kurs->ZeigePlanFenster(z.Col, z.Row);
      return;
    case TPlanAktion::KursFenster:
      if (TFensterDienst* dienst = FensterDienst()) {
        TDirtyBewahrer bewahrer;
        dienst->NeuesKursFenster(kurs, PlanElem());
      }
      return;
    case TPlanAktion::StundenLoeschen:
      for (const TZelle& a : auswahl) {
        // Jede Zelle neu lesen: das Löschen einer Stunde ändert andere Zellen mit.
        if (!PlanElem()) return;
        if (TKurs* k = ZellKurs(a.Col, a.Row)) StundeLoeschen(k, a.Col, a.Row, (u & umAlt) != 0);
      }
      return;
    case TPlanAktion::StundenFixieren: {
      std::vector<TKursZelle> zellen;
      for (const TZelle& a : auswahl)
        if (TKurs* k = ZellKurs(a.Col, a.Row)) zellen.push_back({k, a.Col, a.Row});
      StundenFixieren(zellen);
      PlanRefresh();
      return;
    }
    case TPlanAktion::KursMarkieren:
      Deselect();
      MarkiereKurs(kurs);
      return;
    case TPlanAktion::AuswahlAufheben:
      Deselect();
      return;
    default:
      return;
  }
}

void TPlnForm::ZiehenUeber(const TGridMaus& m, TZiehZiel* ziel) {
  if (!ziel->Akzeptiert) {
    // Über den Kopfzellen oder hinter dem sichtbaren Bereich: eine Zeile bzw. Spalte weiter.
    ziel->Row = ZiehZeileRollen(*PlnGrid, m, m.Row);
    ziel->Col = ZiehSpalteRollen(*PlnGrid, m, m.Col);
    ziel->Akzeptiert = DatenZelle(ziel->Col, ziel->Row);
  }
  ZiehZielWaehlen(*PlnGrid, *ziel, fStartX, fStartY);
}

void TPlnForm::ZiehenEnde(const TGridMaus& m, bool abgelegt) {
  UmschaltMerken(m.Umschalt);
  const int zielX = fStartX, zielY = fStartY, startX = fFirstX, startY = fFirstY;
  fStartX = fStartY = fFirstX = fFirstY = -1;
  if (abgelegt && PlanElem() && DatenZelle(zielX, zielY) && DatenZelle(startX, startY)) {
    if (!(m.Umschalt & umShift)) {
      StundeSchieben(ZellKurs(startX, startY), zielX, zielY, startX, startY, !(m.Umschalt & umAlt));
    } else if (zielX != startX || zielY != startY) {
      StundenTauschen(startX, startY, zielX, zielY);
    }
  }
  if (PlanElem()) Deselect();
}

// ---- Neue Fenster ----

TPlnForm* NeuesPlanFenster(TPlanElement* element) {
  if (!element) return nullptr;
  TDirtyBewahrer bewahrer;
  TPlnForm* form = nullptr;
  switch (element->Art()) {
    case leh: {
      auto* f = new TLePlnForm;
      f->ILePlnForm(static_cast<TLehrer*>(element));
      form = f;
      break;
    }
    case kla: {
      auto* f = new TKlPlnForm;
      f->IKlPlnForm(static_cast<TKlasse*>(element));
      form = f;
      break;
    }
    case rau: {
      auto* f = new TRaPlnForm;
      f->IRaPlnForm(static_cast<TRaum*>(element));
      form = f;
      break;
    }
    default:
      return nullptr;
  }
  form->show();
  return form;
}
