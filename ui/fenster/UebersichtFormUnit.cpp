#include "ui/fenster/UebersichtFormUnit.h"

#include <QCloseEvent>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <algorithm>

#include "model/FensterArtUnit.h"
#include "model/KursUnit.h"
#include "model/PlanElemUnit.h"
#include "model/RaumUnit.h"
#include "model/SchulUnit.h"
#include "planning/KonfliktUnit.h"
#include "planning/TauschFrageUnit.h"
#include "settings/StandardUnit.h"
#include "ui/fenster/KlasUebFormUnit.h"
#include "ui/FensterSchliessenUnit.h"
#include "ui/fenster/LehrUebFormUnit.h"
#include "ui/PlanAktionUnit.h"
#include "planning/PlanGestenUnit.h"
#include "ui/fenster/PlnFormUnit.h"
#include "ui/fenster/PopupMenueUnit.h"
#include "ui/fenster/QtFensterPlatzUnit.h"
#include "ui/fenster/QtPlanRasterUnit.h"
#include "output/PlanZelleUnit.h"
#include "ui/fenster/QtPlanZelleUnit.h"
#include "ui/fenster/QtTextUnit.h"
#include "ui/fenster/QtUmschaltUnit.h"
#include "ui/fenster/RaumUebFormUnit.h"

TUebersichtForm::TUebersichtForm(TFenster* TSchule::*platz) : TEinzelForm(platz) {
  UeberGrid = PlanRasterAnlegen(*this, QStringLiteral("UeberGrid"));
  UeberGrid->SetZeichner(
      [this](QPainter& p, int col, int row, const QRect& rect, const TZellZustand& zustand) {
        if (!SchuleVorhanden()) return;
        if (zustand.Fest) {
          if (row == 0 && col >= 1) ZeichneKopf(p, rect, col);
          return;
        }
        const bool markiert =
            zustand.Ausgewaehlt || UeberGrid->Cells(col, row) == TPlnForm::MarkeRechts;
        ZeichneZelle(p, rect, col, ZellKurs(col, row), row, markiert);
      });
  UeberWechselKnopf = WechselKnopfAnlegen(*UeberGrid, QStringLiteral("UeberWechselKnopf"));
  connect(UeberWechselKnopf, &QPushButton::clicked, this, [this] { UeberWechselKnopfClick(); });
  connect(UeberGrid, &TQuonGrid::MausDruck, this, [this](const TGridMaus& m) { MausDruck(m); });
  connect(UeberGrid, &TQuonGrid::MausLos, this, [this](const TGridMaus& m) { MausLos(m); });
  connect(UeberGrid, &TQuonGrid::DoppelKlick, this, [this](const TGridMaus& m) { DoppelKlick(m); });
  connect(UeberGrid, &TQuonGrid::ZiehenUeber, this,
          [this](const TGridMaus& m, TZiehZiel* ziel) { ZiehenUeber(m, ziel); });
  connect(UeberGrid, &TQuonGrid::ZiehenEnde, this,
          [this](const TGridMaus& m, bool abgelegt) { ZiehenEnde(m, abgelegt); });
  UeberGrid->installEventFilter(this);
  PositioniereFenster(*this, NeuerFormIndex());
}

// ---- Füllen ----

void TUebersichtForm::IUeberForm() {
  if (!SchuleVorhanden()) return;
  const TStandard& s = Standard();
  TSchule& schule = Schule();
  if (UeberPopupMenu) UeberPopupMenu->Schliessen();
  UeberGrid->SetzeZiehCursor(TamrelCursor(zGriff));
  const TUebersicht ueb = UebersichtFuellen(UebArt());
  fTage = ueb.Tage;
  fStunden = ueb.Stunden;
  fStartX = fStartY = fFirstX = fFirstY = -1;
  UeberGrid->DeSelectAll();
  UeberGrid->SetColCount(ueb.Spalten() + 1);
  UeberGrid->SetRowCount(ueb.Zeilen() + 1);
  const int woche = ueb.Woche;
  UeberGrid->SetCells(0, 0, QStringLiteral(" "));
  for (int z = 1; z <= ueb.Zeilen(); ++z) {
    const auto [t, h] = UebTagStd(z, fStunden);
    const std::string std = woche >= 1 && woche <= MaxWochen ? s.fStdBez[woche][h].str() : "";
    UeberGrid->SetCells(0, z, AnsiText(s.fTagBez[t].str() + " " + std));
  }
  for (int c = 1; c <= ueb.Spalten(); ++c) {
    UeberGrid->SetCells(c, 0, QString());
    UeberGrid->SetObjects(c, 0, ueb.Elemente[static_cast<std::size_t>(c - 1)]);
  }
  PlanBreitenAnpassen();
  const QFont schrift = PlanSchrift();
  setFont(schrift);
  UeberGrid->setFont(schrift);
  const TKuerzelArt art = UebArt();
  const QFontMetrics masse(schrift);
  int breite = PlanSpaltenBreite(art);
  if (!s.fNebenEinander)
    breite = masse.horizontalAdvance(QStringLiteral("[88-88]")) + s.PlnMaxBreite();
  // Die Kopfzellen zeigen Kürzel, Reststunden und Springstunden ganz.
  for (const TPlanElement* e : ueb.Elemente) {
    if (!e) continue;
    const TUebKopf kopf = UebKopfBauen(*e);
    breite = std::max(breite, 1 + masse.horizontalAdvance(QString::fromStdString(kopf.Abstand)) +
                                  masse.horizontalAdvance(QString::fromStdString(kopf.Spring)) +
                                  ZellRand);
  }
  UeberGrid->SetDefaultColWidth(breite);
  UeberGrid->SetDefaultRowHeight(PlanZeilenHoehe());
  UeberGrid->SetColWidths(0, s.fPlnStdBreite + s.fPlnTagBreite);
  UeberGrid->SetRowHeights(0, s.fPlnHoehe);
  UeberWechselKnopf->setGeometry(UeberGrid->CellRect(0, 0).translated(2, 2));
  for (int c = 1; c <= ueb.Spalten(); ++c)
    for (int z = 1; z <= ueb.Zeilen(); ++z) {
      TKurs* k = ueb.Kurs(c, z);
      UeberGrid->SetObjects(c, z, k);
      UeberGrid->SetCells(c, z, TPlnForm::ZellMarke(ueb.Gesperrt(c, z), k != nullptr));
    }
  setWindowTitle(QString::fromStdString(Titel()));
  Anmelden();
  Groesse();
  CursorAnpassen(schule.fToolArt, Umschalt());
  UeberGrid->viewport()->update();
}

// Wie ein Planfenster: bis zum unteren Rand des Arbeitsbereichs und zum rechten Rand.
void TUebersichtForm::Groesse() {
  QScreen* schirm = screen() ? screen() : QGuiApplication::primaryScreen();
  const QRect arbeit = schirm ? schirm->availableGeometry() : QRect(0, 0, 1024, 768);
  const QSize inhalt = UeberGrid->GesamtGroesse();
  const int rahmen = 2 * UeberGrid->frameWidth();
  const int balken = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
  const QRect innen = geometry();
  const int maxB = std::max(200, arbeit.right() - innen.left());
  const int maxH = std::max(100, arbeit.bottom() - innen.top());
  int b = inhalt.width() + rahmen;
  int h = inhalt.height() + rahmen;
  if (h > maxH) b += balken;
  if (b > maxB) h += balken;
  resize(std::min(b, maxB), std::min(h, maxH));
}

// ---- Schließen und Ereignisse ----

void TUebersichtForm::BeimAbmelden() {
  if (UeberPopupMenu) UeberPopupMenu->Schliessen();
}

void TUebersichtForm::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (SchuleVorhanden()) CursorAnpassen(Schule().fToolArt, Umschalt());
}

bool TUebersichtForm::eventFilter(QObject* objekt, QEvent* event) {
  // Tasten merken nur die Umschalttasten (kein Blättern durch Elemente).
  if (objekt == UeberGrid && event->type() == QEvent::KeyPress)
    UmschaltMerken(TastenUmschalt(static_cast<QKeyEvent*>(event)));
  return QWidget::eventFilter(objekt, event);
}

unsigned TUebersichtForm::Umschalt() const {
  return PlanUmschalt();
}

void TUebersichtForm::UmschaltMerken(TUmschaltMenge umschalt) {
  PlanUmschaltMerken(umschalt);
}

void TUebersichtForm::CursorAnpassen(TToolArt tool, unsigned umschalt) {
  const int nummer = ZeigerNummer(FensterArt(), tool, umschalt, 0);
  if (nummer == zUnveraendert) return;
  UeberGrid->SetzeCursor(TamrelCursor(nummer));
}

// ---- Zellen ----

bool TUebersichtForm::DatenZelle(int col, int row) const {
  return col >= 1 && col < UeberGrid->ColCount() && row >= 1 && row < UeberGrid->RowCount();
}

TPlanElement* TUebersichtForm::Element(int spalte) const {
  if (spalte < 1 || spalte >= UeberGrid->ColCount() || !SchuleVorhanden()) return nullptr;
  auto* e = static_cast<TPlanElement*>(UeberGrid->Objects(spalte, 0));
  // Nur Elemente, die es noch gibt (ein gelöschtes füllt das Fenster sofort neu).
  const std::vector<TPlanElement*> alle = UebElemente(UebArt());
  return std::find(alle.begin(), alle.end(), e) != alle.end() ? e : nullptr;
}

int TUebersichtForm::Spalte(const TPlanElement* element) const {
  for (int c = 1; c < UeberGrid->ColCount(); ++c)
    if (UeberGrid->Objects(c, 0) == element) return c;
  return 0;
}

bool TUebersichtForm::Gesperrt(int col, int row) const {
  const TPlanElement* e = Element(col);
  const auto [t, h] = UebTagStd(row, fStunden);
  return e && e->fSperrung.GetWocheTagStd(Standard().fAktuelleWoche, t, h);
}

QString TUebersichtForm::Marke(int spalte, int zeile) const {
  return DatenZelle(spalte, zeile) ? UeberGrid->Cells(spalte, zeile) : QString();
}

TKurs* TUebersichtForm::ZellKurs(int spalte, int zeile) const {
  if (!DatenZelle(spalte, zeile)) return nullptr;
  auto* kurs = static_cast<TKurs*>(UeberGrid->Objects(spalte, zeile));
  if (!kurs) return nullptr;
  TPlanElement* e = Element(spalte);
  return e && e->fKurse.ListeElemEnthalten(kurs) ? kurs : nullptr;
}

QPoint TUebersichtForm::ZellPunkt(int spalte, int zeile) const {
  return UeberGrid->CellRect(spalte, zeile).center();
}

TUebersicht TUebersichtForm::Inhalt() const {
  TUebersicht ueb;
  ueb.Art = UebArt();
  ueb.Woche = Standard().fAktuelleWoche;
  ueb.Tage = fTage;
  ueb.Stunden = fStunden;
  for (int c = 1; c < UeberGrid->ColCount(); ++c) {
    TPlanElement* e = Element(c);
    if (!e) continue;
    TPlanInhalt plan(ueb.Art, ueb.Woche, fTage, fStunden);
    for (int z = 1; z < UeberGrid->RowCount(); ++z) {
      const auto [t, h] = UebTagStd(z, fStunden);
      plan.SetKurs(t, h, ZellKurs(c, z));
      plan.SetGesperrt(t, h, UeberGrid->Cells(c, z) == TPlnForm::MarkeSperrung);
    }
    ueb.Elemente.push_back(e);
    ueb.Plaene.push_back(std::move(plan));
  }
  return ueb;
}

void TUebersichtForm::Deselect() {
  for (int c = 1; c < UeberGrid->ColCount(); ++c)
    for (int z = 1; z < UeberGrid->RowCount(); ++z)
      if (UeberGrid->Cells(c, z) == TPlnForm::MarkeRechts)
        UeberGrid->SetCells(c, z, TPlnForm::ZellMarke(Gesperrt(c, z), ZellKurs(c, z) != nullptr));
  UeberGrid->viewport()->update();
}

void TUebersichtForm::MarkiereKurs(int col, const TKurs* kurs) {
  if (!kurs) return;
  for (int z = 1; z < UeberGrid->RowCount(); ++z)
    if (UeberGrid->Objects(col, z) == kurs) UeberGrid->SetCells(col, z, TPlnForm::MarkeRechts);
  UeberGrid->viewport()->update();
}

std::vector<int> TUebersichtForm::MarkierteZeilen(int col) const {
  std::vector<int> zeilen;
  for (int z = 1; z < UeberGrid->RowCount(); ++z)
    if (UeberGrid->Cells(col, z) == TPlnForm::MarkeRechts) zeilen.push_back(z);
  return zeilen;
}

void TUebersichtForm::UebersichtZelle(const TPlanElement* element, int zeile, TKurs* kurs,
                                      const std::string& /*marke*/) {
  const int c = Spalte(element);
  // Nur Zellen im Raster: eine Stunde hinter fMaxTageNeu oder fPlnStd hat hier keinen Platz.
  if (!c || !DatenZelle(c, zeile)) return;
  UeberGrid->SetObjects(c, zeile, kurs);
  UeberGrid->SetCells(c, zeile, TPlnForm::ZellMarke(Gesperrt(c, zeile), kurs != nullptr));
  UeberGrid->viewport()->update();
}

void TUebersichtForm::KursGeloescht(TKurs* kurs) {
  for (int c = 1; c < UeberGrid->ColCount(); ++c)
    for (int z = 1; z < UeberGrid->RowCount(); ++z)
      if (UeberGrid->Objects(c, z) == kurs) {
        UeberGrid->SetObjects(c, z, nullptr);
        UeberGrid->SetCells(c, z, TPlnForm::ZellMarke(Gesperrt(c, z), false));
      }
  UeberGrid->viewport()->update();
}

void TUebersichtForm::MarkiereRechtsUeb(TKurs* kurs, const TPlanElement* element) {
  UeberGrid->DeSelectAll();
  Deselect();
  const int c = Spalte(element);
  if (!kurs || !c) return;
  for (int z : UebRechtsZeilen(*kurs, Standard().fAktuelleWoche, fTage, fStunden))
    if (DatenZelle(c, z)) UeberGrid->SetCells(c, z, TPlnForm::MarkeRechts);
  UeberGrid->viewport()->update();
}

void TUebersichtForm::MarkiereRechts(TKurs* kurs) {
  if (!kurs) return;
  // Die Spalte des Menüs; sonst die des Elements der Art, zu dem der Kurs gehört.
  TPlanElement* e = Element(fMenuSpalte);
  if (!e || !e->fKurse.ListeElemEnthalten(kurs)) {
    e = nullptr;
    for (int c = 1; c < UeberGrid->ColCount() && !e; ++c)
      if (TPlanElement* x = Element(c); x && x->fKurse.ListeElemEnthalten(kurs)) e = x;
  }
  MarkiereRechtsUeb(kurs, e);
}

void TUebersichtForm::AllesAuswaehlen() {
  UeberGrid->SelectAll();
}

void TUebersichtForm::UeberRefresh() {
  UeberGrid->viewport()->update();
  if (SchuleVorhanden() && isVisible()) CursorAnpassen(Schule().fToolArt, Umschalt());
}

// ---- Zeichnen ----

void TUebersichtForm::ZeichneZelle(QPainter& painter, const QRect& rect, int col, TKurs* kurs,
                                   int row, bool markiert) {
  const auto [t, h] = UebTagStd(row, fStunden);
  const TPlanZelle z =
      PlanZelleBauen(UebArt(), kurs, Standard().fAktuelleWoche, t, h, SchalterO(),
                     UeberGrid->Cells(col, row) == TPlnForm::MarkeSperrung, markiert);
  ZeichnePlanZelle(painter, rect, z, UeberGrid->font(), UeberGrid->palette());
}

void TUebersichtForm::ZeichneKopf(QPainter& painter, const QRect& rect, int col) {
  const TPlanElement* e = Element(col);
  if (!e) return;
  const TUebKopf kopf = UebKopfBauen(*e);
  const QFontMetrics fm(UeberGrid->font());
  painter.fillRect(rect.adjusted(1, 1, -1, -1), UeberGrid->palette().button());
  const int y = rect.top() + 2 + fm.ascent();
  int x = rect.left() + 1;
  painter.setPen(Qt::black);
  painter.drawText(x, y, QString::fromStdString(kopf.Kuerzel));
  x += fm.horizontalAdvance(QString::fromStdString(kopf.Kuerzel));
  painter.setPen(kopf.RestRot ? Qt::red : Qt::black);
  painter.drawText(x, y, QString::fromStdString(kopf.Rest));
  painter.setPen(kopf.SpringRot ? Qt::red : Qt::black);
  painter.drawText(rect.left() + 1 + fm.horizontalAdvance(QString::fromStdString(kopf.Abstand)), y,
                   QString::fromStdString(kopf.Spring));
  painter.setPen(Qt::black);
}

bool TUebersichtForm::SchalterO() const {
  return WechselKnopfO(*UeberWechselKnopf);
}

void TUebersichtForm::UeberWechselKnopfClick() {
  WechselKnopfUmschalten(*UeberWechselKnopf, *UeberGrid);
}

std::string TUebersichtForm::Titel() const {
  const TFensterArtEintrag* e = FensterArtEintrag(FensterArt());
  return e && e->Titel ? e->Titel : std::string();
}

std::vector<TKurs*> TUebersichtForm::AusgewaehlteKurse() const {
  return AuswahlKurse(*UeberGrid, [this](int c, int z) { return ZellKurs(c, z); });
}

std::string TUebersichtForm::InhaltAlsText() const {
  return UebersichtAlsText(Inhalt(), SchalterO(), (Umschalt() & umShift) != 0);
}

void TUebersichtForm::DoCopy() {
  TextAblegen(InhaltAlsText());
}

void TUebersichtForm::ErzeugeSetzMenu(TMenue& menue, TPlanElement* element, int std, int tag) {
  if (!element || element->fSperrung.GetWocheTagStd(Standard().fAktuelleWoche, tag, std)) return;
  for (TKurs* k : element->fKurse.Kopie()) k->ErzeugeSetzMenu(menue, tag, std, UebArt() != rau);
}

// ---- Menüs ----

void TUebersichtForm::MenueZeigen(TMenue menue, const QPoint& bildschirmPos) {
  if (ZellMenueZeigen(*this, UeberPopupMenu, std::move(menue), bildschirmPos))
    emit MenueGeoeffnet();
}

// ---- Maus ----

TMausSchritt TUebersichtForm::Schritt(const TGridMaus& m, int col, int row) const {
  const bool daten = DatenZelle(col, row) && Element(col);
  return MausSchritt(m, daten, daten && ZellKurs(col, row), UebArt() == rau);
}

void TUebersichtForm::MausDruck(const TGridMaus& m) {
  UmschaltMerken(m.Umschalt);
  fMouseX = m.Pos.x();
  fMouseY = m.Pos.y();
  if (m.Doppelt || !DatenZelle(m.Col, m.Row)) return;
  Deselect();
  const TMausSchritt s = Schritt(m, m.Col, m.Row);
  if (DruckHebtAuswahlAuf(s)) {
    UeberGrid->DeSelectAll();
    // Schieben mit Strg oder Umschalt: die ganze Zeile (derselbe Tag und dieselbe Stunde für
    // alle Elemente).
    if (s.Tool == TToolArt::SchiebTool)
      for (int c = 1; c < UeberGrid->ColCount(); ++c)
        UeberGrid->SetCells(c, m.Row, TPlnForm::MarkeRechts);
  }
  switch (AktionBeiDruck(s)) {
    case TPlanAktion::ZiehenBeginnen:
      fStartX = fFirstX = m.Col;
      fStartY = fFirstY = m.Row;
      MarkiereKurs(m.Col, ZellKurs(m.Col, m.Row));
      UeberGrid->BeginDrag(true);
      return;
    case TPlanAktion::Probe:
      for (const auto& [c, z] : UebProbeZellen(Inhalt(), m.Col, m.Row, (m.Umschalt & umAlt) != 0))
        UeberGrid->SetCells(c, z, TPlnForm::MarkeRechts);
      UeberGrid->viewport()->update();
      return;
    default:
      return;
  }
}

void TUebersichtForm::MausLos(const TGridMaus& m) {
  UmschaltMerken(m.Umschalt);
  fMouseX = m.Pos.x();
  fMouseY = m.Pos.y();
  if (UeberPopupMenu) delete UeberPopupMenu.data();
  if (Schule().fAktivesFenster != this) return;
  const TMausSchritt s = Schritt(m, m.Col, m.Row);
  // Das Element der Spalte; die Menüs brauchen eines.
  TPlanElement* element = s.DatenZelle ? Element(m.Col) : nullptr;
  if (!element) return;
  TKurs* kurs = s.HatKurs ? ZellKurs(m.Col, m.Row) : nullptr;
  const auto [tag, std] = UebTagStd(m.Row, fStunden);
  TMenue menue;
  switch (AktionBeiLos(s)) {
    case TPlanAktion::KursMenue: {
      Deselect();
      const TRaum* filter = UebArt() == rau ? static_cast<const TRaum*>(element) : nullptr;
      element->ErzeugePlnMenu(menue, (m.Umschalt & umShift) != 0, tag, std, filter, UebArt());
      MenueZeigen(std::move(menue), UnterZelle(*UeberGrid, m.Col, m.Row));
      return;
    }
    case TPlanAktion::RechtsMenue:
      fMenuSpalte = m.Col;
      ErzeugeRechtsUebMenu(menue, *element);
      MenueZeigen(std::move(menue), UeberGrid->viewport()->mapToGlobal(m.Pos));
      return;
    case TPlanAktion::SetzMenue:
      Deselect();
      fMenuSpalte = m.Col;
      ErzeugeSetzMenu(menue, element, std, tag);
      MenueZeigen(std::move(menue), UnterZelle(*UeberGrid, m.Col, m.Row));
      return;
    case TPlanAktion::RaumSetzMenue:
      Deselect();
      fMenuSpalte = m.Col;
      if (m.Umschalt & umCtrl)
        UeberGrid->SetCells(m.Col, m.Row, TPlnForm::MarkeRechts);
      else
        MarkiereKurs(m.Col, kurs);
      ErzeugeRaumUeberSetzMenu(menue, *kurs, MarkierteZeilen(m.Col), fStunden);
      MenueZeigen(std::move(menue), UnterZelle(*UeberGrid, m.Col, m.Row));
      return;
    case TPlanAktion::AuswahlAufheben:
      Deselect();
      fMenuSpalte = m.Col;
      return;
    default:
      return;
  }
}

void TUebersichtForm::DoppelKlick(const TGridMaus& m) {
  UmschaltMerken(m.Umschalt);
  const TZelle z = UeberGrid->MouseToCell(QPoint(fMouseX, fMouseY));
  const TMausSchritt s = Schritt(m, z.Col, z.Row);
  if (!s.DatenZelle) return;
  TPlanElement* element = Element(z.Col);
  TKurs* kurs = s.HatKurs ? ZellKurs(z.Col, z.Row) : nullptr;
  const auto [tag, std] = UebTagStd(z.Row, fStunden);
  const unsigned u = m.Umschalt;
  switch (AktionBeimDoppelklick(s)) {
    case TPlanAktion::KursPlanFenster:
      kurs->ZeigePlanFenster(tag, std);
      return;
    case TPlanAktion::KursFenster:
      if (TFensterDienst* dienst = FensterDienst()) {
        TDirtyBewahrer bewahrer;
        dienst->NeuesKursFenster(kurs, element);
      }
      return;
    case TPlanAktion::StundenLoeschen:
      // Nur die geklickte Zelle, nicht die Auswahl des Rasters.
      if (kurs) StundeLoeschen(kurs, tag, std, (u & umAlt) != 0);
      return;
    case TPlanAktion::StundenFixieren:
      if (kurs) StundenFixieren({{kurs, tag, std}});
      UeberRefresh();
      return;
    default:
      // Schieben: ein Doppelklick wählt in den Übersichten nichts aus.
      return;
  }
}

void TUebersichtForm::ZiehenUeber(const TGridMaus& m, TZiehZiel* ziel) {
  // Die Zielzelle bleibt in der Startspalte: eine Stunde wandert nur in der Zeit.
  const int r = ziel->Akzeptiert ? ziel->Row : ZiehZeileRollen(*UeberGrid, m, m.Row);
  ziel->Col = fFirstX;
  ziel->Row = r;
  ziel->Akzeptiert = DatenZelle(fFirstX, r);
  ZiehZielWaehlen(*UeberGrid, *ziel, fStartX, fStartY);
}

void TUebersichtForm::ZiehenEnde(const TGridMaus& m, bool abgelegt) {
  UmschaltMerken(m.Umschalt);
  const int zielY = fStartY, startX = fFirstX, startY = fFirstY;
  fStartX = fStartY = fFirstX = fFirstY = -1;
  if (abgelegt && DatenZelle(startX, zielY) && DatenZelle(startX, startY)) {
    const auto [zt, zs] = UebTagStd(zielY, fStunden);
    const auto [st, ss] = UebTagStd(startY, fStunden);
    if (!(m.Umschalt & umShift))
      StundeSchieben(ZellKurs(startX, startY), zt, zs, st, ss, !(m.Umschalt & umAlt));
    else if (zielY != startY)
      StundenTauschen(st, ss, zt, zs);
  }
  UeberGrid->DeSelectAll();
  Deselect();
}

// ---- Öffnen ----

TUebersichtForm* UebersichtZeigen(TKuerzelArt art) {
  if (!SchuleVorhanden()) return nullptr;
  TFenster* TSchule::*platz = art == leh   ? &TSchule::fLehrUebForm
                              : art == kla ? &TSchule::fKlasUebForm
                              : art == rau ? &TSchule::fRaumUebForm
                                           : nullptr;
  if (!platz) return nullptr;
  if (auto* offen = dynamic_cast<TUebersichtForm*>(Schule().*platz)) {
    offen->show();
    offen->raise();
    offen->activateWindow();
    return offen;
  }
  TDirtyBewahrer bewahrer;
  TUebersichtForm* form = nullptr;
  if (art == leh)
    form = new TLehrUebForm;
  else if (art == kla)
    form = new TKlasUebForm;
  else
    form = new TRaumUebForm;
  form->IUeberForm();
  form->show();
  return form;
}
