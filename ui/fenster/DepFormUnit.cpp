#include "ui/fenster/DepFormUnit.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QListWidget>
#include <QPainter>
#include <QScreen>
#include <QStyle>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "model/ElementUnit.h"
#include "model/KursUnit.h"
#include "model/SchulUnit.h"
#include "model/ToolsUnit.h"
#include "planning/OffenGrundUnit.h"
#include "settings/StandardUnit.h"
#include "ui/fenster/MenuFormUnit.h"
#include "ui/fenster/PopupMenueUnit.h"
#include "ui/fenster/QtFensterHilfeUnit.h"
#include "ui/fenster/QtFensterPlatzUnit.h"
#include "ui/fenster/QtPlanZelleUnit.h"
#include "ui/fenster/QtTextUnit.h"
#include "ui/fenster/QtUmschaltUnit.h"

using Deputat::TSpalte;

namespace {
// Die Breite einer Spalte: die der Einstellungen, mindestens so breit, dass ihr Titel und jedes
// Kürzel, das sie zeigen kann, ganz hineinpassen, auch fett (mehrere Klassen oder Räume), mit
// einem Pixel davor und drei dahinter.
int SpaltenBreite(const Deputat::TSpaltenDef& spalte, const QFont& schrift) {
  QFont fett = schrift;
  fett.setBold(true);
  const QFontMetrics masse(fett);
  int breite =
      std::max(spalte.Breite, masse.horizontalAdvance(QString::fromStdString(spalte.Titel)));
  int art = -1;
  switch (spalte.Art) {
    case TSpalte::Lehrer:
      art = leh;
      break;
    case TSpalte::Fach:
      art = fac;
      break;
    case TSpalte::Klasse:
      art = kla;
      break;
    case TSpalte::Kopplung:
      art = kop;
      break;
    case TSpalte::Raum:
      art = rau;
      break;
    default:
      break;
  }
  if (art >= 0 && SchuleVorhanden())
    for (const TElement* e : Schule().Elemente(static_cast<TKuerzelArt>(art)))
      breite = std::max(breite, masse.horizontalAdvance(AnsiText(e->fKuerzel.str())));
  return breite + 4;
}
}  // namespace

TDepForm::TDepForm(QWidget* parent) : TFensterBasis(parent) {
  DepGrid = FensterGitter(this, "DepGrid");
  DepGrid->SetRowSelect(true);
  DepGrid->SetMultiSelect(true);
  DepGrid->SetColSizing(true);
  DepGrid->SetFixedCols(0);
  DepGrid->SetFixedRows(1);
  DepGrid->SetZeichner([this](QPainter& p, int col, int row, const QRect& rect,
                              const TZellZustand& z) { Zeichne(p, col, row, rect, z); });
  connect(DepGrid, &TQuonGrid::MausDruck, this, [this](const TGridMaus& m) { MausDruck(m); });
  connect(DepGrid, &TQuonGrid::MausLos, this, [this](const TGridMaus& m) { MausLos(m); });
  connect(DepGrid, &TQuonGrid::DoppelKlick, this, [this](const TGridMaus& m) { DoppelKlick(m); });
  connect(DepGrid, &TQuonGrid::ZiehenUeber, this,
          [this](const TGridMaus& m, TZiehZiel* ziel) { ZiehenUeber(m, ziel); });
  connect(DepGrid, &TQuonGrid::ZiehenEnde, this,
          [this](const TGridMaus& m, bool abgelegt) { ZiehenEnde(m, abgelegt); });
  DepGrid->installEventFilter(this);
  GruendeListe = new QListWidget(this);
  GruendeListe->setObjectName(QStringLiteral("GruendeListe"));
  GruendeListe->setVisible(false);
  layout()->addWidget(GruendeListe);
  PositioniereFenster(*this, NeuerFormIndex());
}

TDepForm::~TDepForm() {
  Abmelden();
}

// ---- Aufbau ----

void TDepForm::IDepForm() {
  const TStandard& s = Standard();
  const QFont schrift = SchriftVon(s.fDepFont);
  setFont(schrift);
  DepGrid->setFont(schrift);
  fSpalten = Deputat::Spalten();
  DepGrid->SetColCount(static_cast<int>(fSpalten.size()));
  DepGrid->SetRowCount(2);
  DepGrid->Leeren();
  DepGrid->SetDefaultRowHeight(s.fDepHoehe);
  for (std::size_t c = 0; c < fSpalten.size(); ++c) {
    DepGrid->SetColWidths(static_cast<int>(c), SpaltenBreite(fSpalten[c], schrift));
    DepGrid->SetCells(static_cast<int>(c), 0, QString::fromStdString(fSpalten[c].Titel));
  }
  // Die Filter gelten ab dem Öffnen; ein Neuaufbau liest die Tasten nicht wieder.
  if (!Angemeldet()) fFilter = Deputat::FilterAus(FensterUmschalt());
}

void TDepForm::IElementDepForm(TElement* element) {
  if (!element || Schliesst()) return;
  const bool neu = element != Element();
  ElementPlatz(element, &TElement::fDepFenster);
  fAlleKurse = false;
  IDepForm();
  // Ein anderes Element: die Filter gelten wie beim Öffnen nach den Tasten von jetzt.
  if (neu) fFilter = Deputat::FilterAus(FensterUmschalt());
  setWindowTitle(QString::fromStdString(Titel()));
  // Unter der neuen Überschrift ins Fenstermenü.
  Anmelden(neu);
  Fuellen();
  Groesse();
}

void TDepForm::IKursDepForm(const std::vector<TKurs*>& menge) {
  if (Schliesst()) return;
  fAlleKurse = true;
  fEigeneMenge = !menge.empty();
  fMenge = menge;
  IDepForm();
  SchulPlatz(&TSchule::fKursDepForm);
  setWindowTitle(QString::fromStdString(Titel()));
  Anmelden();
  Fuellen();
  Groesse();
}

bool TDepForm::KursLebt(const TKurs* kurs) const {
  if (!kurs) return false;
  if (Element()) return Element()->fKurse.ListeElemEnthalten(const_cast<TKurs*>(kurs));
  return Schule().fKursMenge.ListeElemEnthalten(const_cast<TKurs*>(kurs));
}

void TDepForm::Fuellen() {
  std::vector<TKurs*> kurse;
  if (Element()) {
    kurse = Element()->fKurse.Kopie();
  } else if (fEigeneMenge) {
    // Nur Kurse, die es noch gibt.
    for (TKurs* k : fMenge)
      if (KursLebt(k)) kurse.push_back(k);
    fMenge = kurse;
  } else {
    for (TKurs* k : Schule().fKursMenge) kurse.push_back(k);
  }
  fZeilen = Deputat::Zeilen(kurse, fFilter);
  DepGrid->SetRowCount(std::max(2, ZeilenZahl() + 1));
  for (int r = 1; r < DepGrid->RowCount(); ++r) {
    DepGrid->SetObjects(0, r, nullptr);
    for (int c = 0; c < DepGrid->ColCount(); ++c) DepGrid->SetCells(c, r, QString());
  }
  for (int r = 1; r <= ZeilenZahl(); ++r) {
    DepGrid->SetObjects(0, r, fZeilen[static_cast<std::size_t>(r - 1)]);
    DepGrid->SetCells(0, r, QStringLiteral("X"));
    ZeileAendern(r);
  }
  // Die Auswahl unter die letzte Zeile.
  DepGrid->DeSelectAll();
  DepGrid->viewport()->update();
  GruendeFuellen();
}

// Woran die offenen Stunden der Kurse einer eigenen Liste hängen, in der Folge der Zeilen.
void TDepForm::GruendeFuellen() {
  GruendeListe->clear();
  if (fAlleKurse && fEigeneMenge) {
    const bool einzelWichtig = !Standard().fAuEinzelUnwichtig;
    for (const TKurs* k : fZeilen) {
      const TOffenGruende g = OffenGruende(*k, einzelWichtig);
      if (g.zellen == 0) continue;  // keine offene Stunde (mehr)
      GruendeListe->addItem(
          QString::fromStdString(Win1252ZuUtf8(k->OhneRaumZeile()) + ": " + OffenGruendeText(g)));
    }
  }
  GruendeListe->setVisible(GruendeListe->count() > 0);
}

void TDepForm::ZeileAendern(int row) {
  TKurs* k = ZeilenKurs(row);
  if (!k) return;
  for (std::size_t c = 0; c < fSpalten.size(); ++c)
    DepGrid->SetCells(static_cast<int>(c), row, AnsiText(Deputat::ZellText(*k, fSpalten[c].Art)));
}

// Breite: alle Spalten mit ihren Linien, Rahmen und Rollbalken; Höhe: so viele Zeilen, wie
// unter der Oberkante in den Arbeitsbereich passen, mindestens eine.
void TDepForm::Groesse() {
  const int balken = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
  const int rahmen = 2 * DepGrid->frameWidth();
  int b = rahmen + balken;
  for (int c = 0; c < DepGrid->ColCount(); ++c) b += DepGrid->ColWidths(c) + 1;
  QScreen* schirm = screen() ? screen() : QGuiApplication::primaryScreen();
  const QRect arbeit = schirm ? schirm->availableGeometry() : QRect(0, 0, 1024, 768);
  const int frei = arbeit.bottom() - geometry().top() - rahmen;
  const int zeile = DepGrid->RowHeights(1) + 1;
  const int zeilen = std::clamp((frei - DepGrid->RowHeights(0) - 1) / std::max(1, zeile), 1,
                                std::max(1, DepGrid->RowCount() - 1));
  // Schmaler zeigte es nicht alle Spalten (auch nicht nach dem Wiederherstellen aus der Datei).
  setMinimumWidth(b);
  resize(b, rahmen + DepGrid->RowHeights(0) + 1 + zeilen * zeile);
}

TKurs* TDepForm::ZeilenKurs(int row) const {
  if (row < 1 || row > ZeilenZahl()) return nullptr;
  TKurs* k = fZeilen[static_cast<std::size_t>(row - 1)];
  return KursLebt(k) ? k : nullptr;
}

int TDepForm::SpalteVon(TSpalte art) const {
  for (std::size_t c = 0; c < fSpalten.size(); ++c)
    if (fSpalten[c].Art == art) return static_cast<int>(c);
  return -1;
}

QPoint TDepForm::ZellPunkt(int col, int row) const {
  return DepGrid->CellRect(col, row).center();
}

// ---- Zeichnen ----

void TDepForm::Zeichne(QPainter& p, int col, int row, const QRect& rect, const TZellZustand& z) {
  if (col < 0 || col >= static_cast<int>(fSpalten.size())) return;
  const QPalette& farben = DepGrid->palette();
  TKurs* k = row >= 1 ? ZeilenKurs(row) : nullptr;
  const TSpalte art = fSpalten[static_cast<std::size_t>(col)].Art;
  const Deputat::TZellStil stil = k ? Deputat::Stil(*k, art) : Deputat::TZellStil{};
  QColor grund = Qt::white;
  QColor text = Qt::black;
  if (z.Fest) {
    grund = farben.color(QPalette::Button);
  } else if (z.Ausgewaehlt) {
    grund = farben.color(QPalette::Highlight);
    text = farben.color(QPalette::HighlightedText);
  } else if (k) {
    grund = FarbeVon(k->fColor);
  }
  if (stil.Rot) text = QColor(255, 0, 0);
  p.fillRect(rect, grund);
  if (z.Fest) {
    p.setPen(farben.color(QPalette::Light));
    p.drawLine(rect.topLeft(), rect.topRight());
    p.drawLine(rect.topLeft(), rect.bottomLeft());
    p.setPen(farben.color(QPalette::Dark));
    p.drawLine(rect.bottomLeft(), rect.bottomRight());
    p.drawLine(rect.topRight(), rect.bottomRight());
  }
  QFont f = DepGrid->font();
  f.setBold(stil.Fett);
  p.setFont(f);
  p.setPen(text);
  p.drawText(rect.adjusted(1, 1, 0, 0), Qt::AlignLeft | Qt::AlignTop, DepGrid->Cells(col, row));
}

// ---- Abmelden ----

void TDepForm::BeimAbmelden() {
  if (DepPopupMenu) DepPopupMenu->Schliessen();
  fZeilen.clear();
  fMenge.clear();
}

// ---- TFenster ----

int TDepForm::FensterArt() const {
  if (fAlleKurse || !Element()) return FensterArt::AlleKurse;
  return FensterArt::LehrerDeputat + Element()->Art();
}

std::string TDepForm::Titel() const {
  if (!fAlleKurse && !Element()) return windowTitle().toStdString();
  return U8(Deputat::Titel(fAlleKurse ? nullptr : Element()));
}

void TDepForm::FensterRefresh() {
  if (fNeuaufbauGeplant || Schliesst()) return;
  fNeuaufbauGeplant = true;
  QTimer::singleShot(0, this, [this] {
    fNeuaufbauGeplant = false;
    FensterUpdate();
  });
}

void TDepForm::FensterUpdate() {
  if (Schliesst()) return;
  // Die ausgewählten Kurse bleiben ausgewählt, soweit sie noch im Fenster stehen.
  const std::vector<TKurs*> auswahl = AusgewaehlteKurse();
  auto auswahlZurueck = [this, &auswahl] {
    for (int r = 1; r <= ZeilenZahl(); ++r)
      if (std::find(auswahl.begin(), auswahl.end(), fZeilen[static_cast<std::size_t>(r - 1)]) !=
          auswahl.end())
        DepGrid->SetSelectRow(r, true);
  };
  if (fAlleKurse) {
    if (Schule().fKurseEinsetzen) return;
    IDepForm();
    Fuellen();
    auswahlZurueck();
    return;
  }
  if (!Element()) return;
  IDepForm();
  const QString t = QString::fromStdString(Titel());
  if (t != windowTitle()) {
    // Die Überschrift nennt Deputat und Soll: unter der neuen ins Fenstermenü. Aktiv bleibt
    // es dabei.
    setWindowTitle(t);
    Anmelden(true);
  }
  Fuellen();
  auswahlZurueck();
}

std::vector<TKurs*> TDepForm::AusgewaehlteKurse() const {
  std::vector<TKurs*> kurse;
  for (int r : DepGrid->AusgewaehlteZeilen())
    if (TKurs* k = ZeilenKurs(r); k && std::find(kurse.begin(), kurse.end(), k) == kurse.end())
      kurse.push_back(k);
  return kurse;
}

void TDepForm::ElementZeigen(TElement* element) {
  if (!fAlleKurse) IElementDepForm(element);
}

void TDepForm::AllesAuswaehlen() {
  for (int r = 1; r <= ZeilenZahl(); ++r) DepGrid->SetSelectRow(r, true);
}

void TDepForm::KursGeloescht(TKurs* kurs) {
  fZeilen.erase(std::remove(fZeilen.begin(), fZeilen.end(), kurs), fZeilen.end());
  fMenge.erase(std::remove(fMenge.begin(), fMenge.end(), kurs), fMenge.end());
  if (fZiehKurs == kurs) fZiehKurs = nullptr;
}

// ---- Ereignisse ----

bool TDepForm::eventFilter(QObject* objekt, QEvent* event) {
  if (objekt == DepGrid && event->type() == QEvent::KeyPress) {
    auto* taste = static_cast<QKeyEvent*>(event);
    FensterUmschaltMerken(TastenUmschalt(taste) & umTasten);
    if (PfeilBlaettern(*taste)) return true;
  }
  return QWidget::eventFilter(objekt, event);
}

void TDepForm::MenueZeigen(TMenue menue, int col, int row) {
  if (menue.empty()) return;
  const QRect r = DepGrid->CellRect(col, row);
  MenueOeffnen(DepPopupMenu, std::move(menue), this,
               DepGrid->viewport()->mapToGlobal(QPoint(r.left(), r.top() + r.height() / 2)));
  emit MenueGeoeffnet();
}

void TDepForm::MausDruck(const TGridMaus& m) {
  FensterUmschaltMerken(m.Umschalt & umTasten);
  fZiehSpalte = -1;
  fZiehKurs = nullptr;
  if (m.Doppelt || m.Knopf != Qt::LeftButton || Schule().fToolArt != TToolArt::SchiebTool) return;
  if (m.Col < 0 || m.Col >= static_cast<int>(fSpalten.size())) return;
  TKurs* k = ZeilenKurs(m.Row);
  if (!k || !Deputat::ZiehSpalte(fSpalten[static_cast<std::size_t>(m.Col)].Art)) return;
  fZiehSpalte = m.Col;
  fZiehKurs = k;
  fZiehZeile = m.Row;
  DepGrid->BeginDrag(true);
}

void TDepForm::MausLos(const TGridMaus& m) {
  FensterUmschaltMerken(m.Umschalt & umTasten);
  if (DepPopupMenu) delete DepPopupMenu.data();
  if (m.Col < 0 || m.Col >= static_cast<int>(fSpalten.size())) return;
  const TSpalte art = fSpalten[static_cast<std::size_t>(m.Col)].Art;
  if (m.Row == 0) {
    Deputat::Sortieren(fZeilen, art);
    for (int r = 1; r <= ZeilenZahl(); ++r) {
      DepGrid->SetObjects(0, r, fZeilen[static_cast<std::size_t>(r - 1)]);
      ZeileAendern(r);
    }
    DepGrid->viewport()->update();
    return;
  }
  if (Schule().fAktivesFenster != this) return;
  TKurs* k = ZeilenKurs(m.Row);
  if (!k) return;
  const bool strg = (m.Umschalt & umCtrl) != 0;
  const Deputat::TAktion aktion =
      Deputat::MausAktion(Schule().fToolArt, m.Knopf == Qt::RightButton, strg, art, *k);
  if (aktion == Deputat::TAktion::Nichts) return;
  const int row = m.Row;
  auto zeileWaehlen = [this, row] {
    DepGrid->DeSelectAll();
    if (row <= ZeilenZahl()) DepGrid->SetSelectRow(row, true);
  };
  if (aktion == Deputat::TAktion::KlassenMehrfach || aktion == Deputat::TAktion::RaeumeMehrfach) {
    const bool klassen = aktion == Deputat::TAktion::KlassenMehrfach;
    TMenuForm form(Schule().Elemente(klassen ? kla : rau),
                   klassen ? QStringLiteral("Klassen") : QStringLiteral("Räume"), this);
    const std::vector<TElement*> wahl =
        form.exec() == QDialog::Accepted ? form.Ergebnis() : std::vector<TElement*>{};
    // Der Kurs kann inzwischen fort sein.
    if (KursLebt(k)) Deputat::AktionAusfuehren(aktion, *k, wahl);
    zeileWaehlen();
    return;
  }
  TMenue menue = Deputat::AktionsMenue(aktion, *k);
  if (!menue.empty()) {
    MenueZeigen(std::move(menue), m.Col, m.Row);
  } else {
    Deputat::AktionAusfuehren(aktion, *k);
  }
  zeileWaehlen();
}

void TDepForm::DoppelKlick(const TGridMaus& m) {
  if (Schule().fToolArt != TToolArt::ZeigTool) return;
  TKurs* k = ZeilenKurs(m.Row);
  if (!k) return;
  if (TFensterDienst* dienst = FensterDienst()) {
    TDirtyBewahrer bewahrer;
    dienst->NeuesKursFenster(k, Element());
  }
}

void TDepForm::ZiehenUeber(const TGridMaus& m, TZiehZiel* ziel) {
  const int erste = DepGrid->TopRow();
  const int letzte = erste + DepGrid->VisibleRowCount() - 1;
  if (m.Row == erste && erste > 1) DepGrid->SetTopRow(erste - 1);
  if (m.Row >= letzte && letzte < DepGrid->RowCount() - 1) DepGrid->SetTopRow(erste + 1);
  ziel->Col = fZiehSpalte;
  ziel->Akzeptiert = m.Row >= 1 && ZeilenKurs(m.Row) != nullptr;
  DepGrid->DeSelectAll();
  if (fZiehZeile >= 1) DepGrid->SetSelectRow(fZiehZeile, true);
  if (ziel->Akzeptiert) DepGrid->SetSelectCell(fZiehSpalte, m.Row, true);
}

void TDepForm::ZiehenEnde(const TGridMaus& m, bool abgelegt) {
  TKurs* von = fZiehKurs;
  const int spalte = fZiehSpalte;
  fZiehKurs = nullptr;
  fZiehSpalte = -1;
  fZiehZeile = -1;
  if (!abgelegt || !von || spalte < 0 || !KursLebt(von)) return;
  // Das Ziel ist der Kurs, der beim Loslassen in der Zeile steht; Titelzeile, leere Zeilen und
  // der Startkurs selbst tun nichts.
  TKurs* nach = ZeilenKurs(m.Row);
  if (!nach || nach == von) return;
  Deputat::Uebertragen(*von, *nach, fSpalten[static_cast<std::size_t>(spalte)].Art);
}

// ---- Neue Fenster ----

TDepForm* NeuesDepFenster(TElement* element) {
  if (!element) return nullptr;
  TDirtyBewahrer bewahrer;
  auto* f = new TDepForm;
  f->IElementDepForm(element);
  f->show();
  return f;
}

TDepForm* AlleKurseFenster(const std::vector<TKurs*>& kurse) {
  TDirtyBewahrer bewahrer;
  TSchule& schule = Schule();
  auto* offen = dynamic_cast<TDepForm*>(schule.fKursDepForm);
  TDepForm* f = offen ? offen : new TDepForm;
  f->IKursDepForm(kurse);
  f->show();
  f->raise();
  f->activateWindow();
  return f;
}
