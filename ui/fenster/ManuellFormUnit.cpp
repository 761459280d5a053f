#include "ui/fenster/ManuellFormUnit.h"

#include <QAction>
#include <QApplication>
#include <QFrame>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>

#include "model/KlassenUnit.h"
#include "model/KopplUnit.h"
#include "model/KursUnit.h"
#include "model/LehrerUnit.h"
#include "model/RaumUnit.h"
#include "model/SchulUnit.h"
#include "planning/TauschFrageUnit.h"
#include "settings/StandardUnit.h"
#include "ui/ManuellLageUnit.h"
#include "ui/fenster/PopupMenueUnit.h"
#include "ui/fenster/QtFensterPlatzUnit.h"
#include "ui/fenster/QtManZeichenUnit.h"
#include "output/PlanZelleUnit.h"
#include "ui/fenster/QtPlanZelleUnit.h"
#include "ui/fenster/QtTextUnit.h"
#include "ui/fenster/QtUmschaltUnit.h"

namespace {

std::size_t Index(int tag, int std) {
  return static_cast<std::size_t>((tag - 1) * MaxStunden + (std - 1));
}

// Die Ecke einer Tafel: "L" Lehrer, "K" Klasse, "A" Raum.
QString Ecke(const TPlanElement* e) {
  if (!e) return QString();
  switch (e->Art()) {
    case leh:
      return T("L");
    case kla:
      return T("K");
    case rau:
      return T("A");
    default:
      return QString();
  }
}

QString Ueberschrift(const TPlanElement* e) {
  if (!e) return T("–");
  const char* art = e->Art() == leh ? "Lehrer " : e->Art() == kla ? "Klasse " : "Raum ";
  QString text = T(art) + AnsiText(e->fKuerzel.str());
  if (!e->fInfo.str().empty() && e->fInfo.str() != e->fKuerzel.str())
    text += T("  ") + AnsiText(e->fInfo.str());
  return text;
}

void SetzeText(QLabel* feld, const QString& text) {
  if (feld->text() != text) feld->setText(text);
}
}  // namespace

// ---- Aufbau ----

TManuellForm::TManuellForm() {
  // Alt schließt hier nicht alle Fenster mit.
  AltSchliesstAlle(false);
  setObjectName(T("ManuellForm"));
  setWindowTitle(T("Manuell"));
  fMenueZeit.setSingleShot(true);
  connect(&fMenueZeit, &QTimer::timeout, this, [this] { WartendesMenueZeigen(); });
  Aufbauen();
}

TManuellForm::~TManuellForm() {
  Abmelden();
}

QPushButton* TManuellForm::SpaltenKnopf(QWidget* eltern, const char* text, QLabel*& feld,
                                        void (TManuellForm::*klick)()) {
  auto* knopf = new QPushButton(T(text), eltern);
  knopf->setFocusPolicy(Qt::NoFocus);
  connect(knopf, &QPushButton::clicked, this, [this, klick] { (this->*klick)(); });
  feld = new QLabel(eltern);
  feld->setAlignment(Qt::AlignCenter);
  feld->setFrameShape(QFrame::Panel);
  feld->setFrameShadow(QFrame::Sunken);
  return knopf;
}

void TManuellForm::Aufbauen() {
  auto* haupt = new QHBoxLayout(this);
  haupt->setContentsMargins(4, 4, 4, 4);
  haupt->setSpacing(6);

  auto* links = new QWidget(this);
  links->setObjectName(T("LinkeSpalte"));
  links->setFixedWidth(112);
  auto* spalte = new QVBoxLayout(links);
  spalte->setContentsMargins(0, 0, 0, 0);
  spalte->setSpacing(2);
  auto* kopf = new QLabel(T("aktueller Kurs"), links);
  kopf->setAlignment(Qt::AlignCenter);
  QFont fett = kopf->font();
  fett.setBold(true);
  kopf->setFont(fett);
  spalte->addWidget(kopf);
  auto zahl = [&](const char* text, QLabel*& feld) {
    auto* zeile = new QHBoxLayout;
    zeile->addWidget(new QLabel(T(text), links));
    feld = new QLabel(links);
    feld->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    feld->setFrameShape(QFrame::Panel);
    feld->setFrameShadow(QFrame::Sunken);
    feld->setMinimumWidth(32);
    zeile->addWidget(feld);
    spalte->addLayout(zeile);
  };
  zahl("Stunden", StundenFeld);
  zahl("Rest", RestFeld);
  spalte->addSpacing(6);
  const struct {
    const char* Text;
    QPushButton** Knopf;
    QLabel** Feld;
    void (TManuellForm::*Klick)();
  } knoepfe[] = {{"Lehrer", &LehrerKnopf, &LehrerFeld, &TManuellForm::LehrerKnopfClick},
                 {"Fach", &FachKnopf, &FachFeld, &TManuellForm::FachKnopfClick},
                 {"Klasse", &KlasseKnopf, &KlasseFeld, &TManuellForm::KlasseKnopfClick},
                 {"Kopplung", &KopplungKnopf, &KopplungFeld, &TManuellForm::KopplungKnopfClick},
                 {"Raum", &RaumKnopf, &RaumFeld, &TManuellForm::RaumKnopfClick}};
  for (const auto& k : knoepfe) {
    *k.Knopf = SpaltenKnopf(links, k.Text, *k.Feld, k.Klick);
    spalte->addWidget(*k.Knopf);
    spalte->addWidget(*k.Feld);
    spalte->addSpacing(4);
  }
  auto* zeige = new QLabel(T("Zeige"), links);
  zeige->setAlignment(Qt::AlignCenter);
  spalte->addWidget(zeige);
  ZeigeKnopf = new QPushButton(links);
  ZeigeKnopf->setFocusPolicy(Qt::NoFocus);
  connect(ZeigeKnopf, &QPushButton::clicked, this, [this] { ZeigeKnopfClick(); });
  spalte->addWidget(ZeigeKnopf);
  spalte->addSpacing(4);
  auto* bearbeite = new QLabel(T("Bearbeite"), links);
  bearbeite->setAlignment(Qt::AlignCenter);
  spalte->addWidget(bearbeite);
  KursKnopf = new QPushButton(T("Kurs"), links);
  KursKnopf->setFocusPolicy(Qt::NoFocus);
  connect(KursKnopf, &QPushButton::clicked, this, [this] { KursKnopfClick(); });
  spalte->addWidget(KursKnopf);
  spalte->addStretch(1);
  haupt->addWidget(links);

  fTafelFlaeche = new QWidget(this);
  fTafelGitter = new QGridLayout(fTafelFlaeche);
  fTafelGitter->setContentsMargins(0, 0, 0, 0);
  fTafelGitter->setSpacing(4);
  haupt->addWidget(fTafelFlaeche, 1);

  for (int i = 0; i < ManMaxTafeln; ++i) {
    const int nr = i + 1;
    TTafel& t = fTafeln[static_cast<std::size_t>(i)];
    t.Rahmen = new QFrame(fTafelFlaeche);
    t.Rahmen->setObjectName(T("Tafel") + QString::number(nr));
    t.Rahmen->setFrameShape(QFrame::Panel);
    t.Rahmen->setLineWidth(2);
    auto* lay = new QVBoxLayout(t.Rahmen);
    lay->setContentsMargins(3, 3, 3, 3);
    lay->setSpacing(2);
    t.Ueberschrift = new QLabel(t.Rahmen);
    t.Ueberschrift->setFont(fett);
    lay->addWidget(t.Ueberschrift);
    t.Grid = new TQuonGrid(t.Rahmen);
    t.Grid->setObjectName(T("TafelGrid") + QString::number(nr));
    t.Grid->SetMultiSelect(true);
    t.Grid->SetFixedCols(1);
    t.Grid->SetFixedRows(1);
    lay->addWidget(t.Grid, 1);
    t.Grid->SetZeichner(
        [this, nr](QPainter& p, int col, int row, const QRect& rect, const TZellZustand& z) {
          if (!z.Fest) ZeichneZelle(nr, p, col, row, rect, z.Ausgewaehlt);
        });
    connect(t.Grid, &TQuonGrid::MausDruck, this,
            [this, nr](const TGridMaus& m) { MausDruck(nr, m); });
    connect(t.Grid, &TQuonGrid::MausLos, this, [this, nr](const TGridMaus& m) { MausLos(nr, m); });
    connect(t.Grid, &TQuonGrid::DoppelKlick, this,
            [this, nr](const TGridMaus& m) { DoppelKlick(nr, m); });
    connect(t.Grid, &TQuonGrid::ZiehenUeber, this,
            [this, nr](const TGridMaus& m, TZiehZiel* ziel) { ZiehenUeber(nr, m, ziel); });
    connect(t.Grid, &TQuonGrid::ZiehenEnde, this,
            [this, nr](const TGridMaus& m, bool abgelegt) { ZiehenEnde(nr, m, abgelegt); });
    connect(t.Grid, &TQuonGrid::AuswahlGeaendert, this, [this, nr] { AuswahlAngleichen(nr); });
    connect(t.Grid, &TQuonGrid::Gescrollt, this, [this, nr] { RollenAngleichen(nr); });
    t.Rahmen->installEventFilter(this);
    t.Ueberschrift->installEventFilter(this);
    t.Grid->installEventFilter(this);
  }
}

TManuellForm* TManuellForm::IManuellForm(const std::vector<TKurs*>& kursListe, bool ohneKonflikte) {
  if (!SchuleVorhanden()) return nullptr;
  TSchule& schule = Schule();
  if (auto* offen = dynamic_cast<TManuellForm*>(schule.fManuellForm)) {
    if (offen->isMinimized()) offen->showNormal();
    offen->raise();
    offen->activateWindow();
    return offen;
  }
  if (kursListe.empty()) return nullptr;
  TDirtyBewahrer bewahrer;
  auto* form = new TManuellForm;
  form->fPlanung = std::make_unique<TManuellPlanung>(kursListe, ohneKonflikte);
  form->fPlanung->fAnzeigen = [form] { form->Anzeigen(); };
  // Die Befehle gelten nun dem Protokoll; es ist noch leer.
  if (TFensterDienst* d = FensterDienst()) {
    d->ProtokollBefehle(true);
    d->UndoBefehleFreigeben(false);
  }
  form->SchulPlatz(&TSchule::fManuellForm);
  form->Anmelden();
  schule.fToolArt = TToolArt::SchiebTool;
  form->fPlanung->KonflUpdate(TToolArt::SchiebTool);
  form->FensterUpdate();
  form->Platzieren();
  form->show();
  form->raise();
  form->activateWindow();
  schule.FensterAktivieren(form);
  return form;
}

void TManuellForm::Platzieren() {
  QScreen* schirm = QGuiApplication::primaryScreen();
  const QRect a = schirm ? schirm->availableGeometry() : QRect(0, 0, 1024, 768);
  TRechteck palette;
  if (QWidget* p = PaletteFenster(); p && p->isVisible()) {
    const QRect r = p->frameGeometry();
    palette = {r.left(), r.top(), r.width(), r.height()};
  }
  const TRechteck r = ManuellFensterRechteck({a.left(), a.top(), a.width(), a.height()}, palette);
  // Das Rechteck gilt für den Rahmen; innen bleibt, was Titelzeile und Rand übrig lassen.
  const QRect aussen = frameGeometry();
  const QRect innen = geometry();
  const int rand = std::max(0, aussen.width() - innen.width());
  const int kopf = std::max(0, aussen.height() - innen.height());
  resize(std::max(200, r.Breite - rand), std::max(150, r.Hoehe - kopf));
  move(r.Links, r.Oben);
}

void TManuellForm::BeimAbmelden() {
  fMenueZeit.stop();
  fWartendesMenue = nullptr;
  if (ManPopupMenu) ManPopupMenu->Schliessen();
  // Das Protokoll verschwindet mit der Logik; damit endet die Aufzeichnung.
  fPlanung.reset();
  if (!Angemeldet()) return;
  if (TFensterDienst* d = FensterDienst()) d->ProtokollBefehle(false);
}

bool TManuellForm::SchliessenErlaubt() {
  return !fPlanung || fPlanung->SchliessenErlaubt();
}

// ---- TFenster ----

int TManuellForm::FensterArt() const {
  return FensterArt::Manuell;
}

void TManuellForm::FensterUpdate() {
  if (!fPlanung) return;
  fPlanung->VerweisePruefen();
  Anordnen();
  TafelnEinrichten();
  Anzeigen();
}

void TManuellForm::FensterRefresh() {
  if (!fPlanung) return;
  fPlanung->KonflUpdate(SchuleVorhanden() ? Schule().fToolArt : TToolArt::ZeigTool);
  fPlanung->PlanRefresh();
  fInhaltVeraltet = true;
  LinksFuellen();
  for (int nr = 1; nr <= TafelZahl(); ++nr) Tafel(nr)->Grid->viewport()->update();
}

void TManuellForm::KursGeloescht(TKurs* /*kurs*/) {
  // Die Schule hat den Kurs schon aus Liste und Protokoll genommen.
  if (!fPlanung) return;
  if (fPlanung->fKurse.ListeZahlElemente() == 0) {
    Schliessen();
    return;
  }
  fPlanung->VerweisePruefen();
  Anzeigen();
}

void TManuellForm::AllesAuswaehlen() {
  if (TTafel* t = Tafel(fPlanung ? fPlanung->fAktiv : 1)) t->Grid->SelectAll();
}

void TManuellForm::Blaettern(int richtung, unsigned umschalt) {
  if (!fPlanung) return;
  TDirtyBewahrer bewahrer;
  fPlanung->Blaettern(richtung, (umschalt & umShift) != 0);
}

// ---- Anzeige ----

int TManuellForm::TafelZahl() const {
  return ManTafelZahl(Standard().fManArt);
}

TManuellForm::TTafel* TManuellForm::Tafel(int nr) {
  if (nr < 1 || nr > ManMaxTafeln) return nullptr;
  return &fTafeln[static_cast<std::size_t>(nr - 1)];
}

const TManuellForm::TTafel* TManuellForm::Tafel(int nr) const {
  if (nr < 1 || nr > ManMaxTafeln) return nullptr;
  return &fTafeln[static_cast<std::size_t>(nr - 1)];
}

TQuonGrid* TManuellForm::TafelGrid(int nr) const {
  const TTafel* t = Tafel(nr);
  return t ? t->Grid : nullptr;
}

QFrame* TManuellForm::TafelRahmen(int nr) const {
  const TTafel* t = Tafel(nr);
  return t ? t->Rahmen : nullptr;
}

QLabel* TManuellForm::TafelUeberschrift(int nr) const {
  const TTafel* t = Tafel(nr);
  return t ? t->Ueberschrift : nullptr;
}

TPlanElement* TManuellForm::TafelElement(int nr) const {
  if (!fPlanung || nr < 1 || nr > TafelZahl()) return nullptr;
  return fPlanung->fTafeln[static_cast<std::size_t>(nr - 1)];
}

void TManuellForm::Anordnen() {
  const int art = Standard().fManArt;
  const int n = TafelZahl();
  if (art == fAnordnung) return;
  fAnordnung = art;
  for (TTafel& t : fTafeln) fTafelGitter->removeWidget(t.Rahmen);
  for (int i = 0; i < ManMaxTafeln; ++i) {
    TTafel& t = fTafeln[static_cast<std::size_t>(i)];
    if (i >= n) {
      t.Rahmen->hide();
      continue;
    }
    const TTafelPlatz platz = ManTafelPlatz(art, i);
    fTafelGitter->addWidget(t.Rahmen, platz.Zeile, platz.Spalte);
    t.Rahmen->show();
  }
}

// Raster der Tafeln: Tage und Stunden der Einstellungen, Beschriftungen der aktuellen Woche.
void TManuellForm::TafelnEinrichten() {
  const TStandard& s = Standard();
  const int tage = std::clamp(s.fMaxTageNeu, 1, MaxTage);
  const int stunden = std::clamp(s.fPlnStd, 1, MaxStunden);
  const int woche = s.fAktuelleWoche;
  const QFont schrift = PlanSchrift();
  for (int nr = 1; nr <= ManMaxTafeln; ++nr) {
    TTafel& t = *Tafel(nr);
    TQuonGrid* g = t.Grid;
    g->SetColCount(tage + 1);
    g->SetRowCount(stunden + 1);
    g->setFont(schrift);
    g->SetDefaultColWidth(s.PlnMaxBreite());
    g->SetDefaultRowHeight(PlanZeilenHoehe());
    g->SetColWidths(0, s.fPlnStdBreite);
    g->SetRowHeights(0, s.fPlnHoehe);
    for (int h = 1; h <= stunden; ++h)
      g->SetCells(0, h,
                  woche >= 1 && woche <= MaxWochen ? AnsiText(s.fStdBez[woche][h].str()) : "");
    for (int d = 1; d <= tage; ++d) g->SetCells(d, 0, AnsiText(s.fTagBez[d].str()));
    g->SetzeZiehCursor(TamrelCursor(zGriff));
  }
  fInhaltVeraltet = true;
}

void TManuellForm::Anzeigen() {
  if (!fPlanung) return;
  LinksFuellen();
  const TStandard& s = Standard();
  for (int nr = 1; nr <= TafelZahl(); ++nr) {
    TTafel& t = *Tafel(nr);
    const TPlanElement* e = TafelElement(nr);
    SetzeText(t.Ueberschrift, Ueberschrift(e));
    t.Grid->SetCells(0, 0, Ecke(e));
    const int tage = t.Grid->ColCount() - 1;
    if (s.fNebenEinander && e)
      for (int d = 1; d <= tage; ++d) t.Grid->SetColWidths(d, PlanSpaltenBreite(PlanArt(*e)));
    else
      for (int d = 1; d <= tage; ++d) t.Grid->SetColWidths(d, s.PlnMaxBreite() + 2 * ZellRand);
    const bool aktiv = nr == fPlanung->fAktiv;
    t.Rahmen->setFrameShadow(aktiv ? QFrame::Raised : QFrame::Sunken);
    t.Rahmen->setLineWidth(aktiv ? 3 : 1);
  }
  fInhaltVeraltet = true;
  for (int nr = 1; nr <= ManMaxTafeln; ++nr) Tafel(nr)->Grid->viewport()->update();
  if (SchuleVorhanden()) CursorAnpassen(Schule().fToolArt, Umschalt());
}

void TManuellForm::LinksFuellen() {
  if (!fPlanung) return;
  const TManuellPlanung& p = *fPlanung;
  const TKurs* k = p.fKurs;
  auto kuerzel = [](const TElement* e) { return e ? AnsiText(e->fKuerzel.str()) : T("ohne"); };
  SetzeText(StundenFeld, QString::number(p.Stunden()));
  SetzeText(RestFeld, QString::number(p.Rest()));
  SetzeText(LehrerFeld, kuerzel(k ? k->fLehrer : nullptr));
  SetzeText(FachFeld, kuerzel(k ? k->fFach : nullptr));
  SetzeText(KlasseFeld, kuerzel(p.fKlasse));
  SetzeText(KopplungFeld, kuerzel(p.fKopplung));
  SetzeText(RaumFeld, kuerzel(p.fRaum));
  KopplungKnopf->setEnabled(k && k->fKopplung);
  // Rot: die Konflikte aller gekoppelten Kurse werden gezeigt.
  const bool rot = p.fKopplung && p.fAlleKonflikte && !p.fOhneKonflikte;
  KopplungFeld->setStyleSheet(rot ? T("color: red;") : QString());
  ZeigeKnopf->setText(Standard().fManZeigKopp ? T("Kopplung") : T("Le/Kl"));
}

void TManuellForm::InhaltAuffrischen() {
  if (!fInhaltVeraltet || !fPlanung) return;
  fInhaltVeraltet = false;
  fPlanung->VerweisePruefen();
  const TStandard& s = Standard();
  for (int nr = 1; nr <= ManMaxTafeln; ++nr) {
    TTafel& t = *Tafel(nr);
    const TPlanElement* e = nr <= TafelZahl() ? TafelElement(nr) : nullptr;
    const int tage = t.Grid->ColCount() - 1;
    const int stunden = t.Grid->RowCount() - 1;
    t.Inhalt = e ? PlanFuellen(*e, s.fAktuelleWoche, tage, stunden)
                 : TPlanInhalt(leh, s.fAktuelleWoche, tage, stunden);
    // Die Marken der Zellen wie in den Planfenstern: "*sperrung*", darüber "N" für eine Stunde.
    for (int d = 1; d <= tage; ++d)
      for (int h = 1; h <= stunden; ++h) {
        TKurs* kurs = t.Inhalt.Kurs(d, h);
        t.Grid->SetObjects(d, h, kurs);
        t.Grid->SetCells(d, h,
                         kurs                      ? T("N")
                         : t.Inhalt.Gesperrt(d, h) ? T("*sperrung*")
                                                   : QString());
      }
  }
}

bool TManuellForm::DatenZelle(int nr, int col, int row) const {
  const TTafel* t = Tafel(nr);
  return t && col >= 1 && col < t->Grid->ColCount() && row >= 1 && row < t->Grid->RowCount();
}

TKurs* TManuellForm::ZellKurs(int nr, int tag, int std) {
  if (!DatenZelle(nr, tag, std) || nr > TafelZahl()) return nullptr;
  InhaltAuffrischen();
  return Tafel(nr)->Inhalt.Kurs(tag, std);
}

bool TManuellForm::Markiert(int tag, int std) const {
  if (tag < 1 || tag > MaxTage || std < 1 || std > MaxStunden) return false;
  return fMarken[Index(tag, std)];
}

std::vector<std::pair<int, int>> TManuellForm::MarkierteZellen() const {
  std::vector<std::pair<int, int>> zellen;
  for (int h = 1; h <= MaxStunden; ++h)
    for (int t = 1; t <= MaxTage; ++t)
      if (fMarken[Index(t, h)]) zellen.emplace_back(t, h);
  return zellen;
}

QPoint TManuellForm::ZellPunkt(int nr, int tag, int std) const {
  const TTafel* t = Tafel(nr);
  return t ? t->Grid->CellRect(tag, std).center() : QPoint();
}

QPoint TManuellForm::UnterZelle(int nr, int col, int row) const {
  const TTafel* t = Tafel(nr);
  const QRect r = t->Grid->CellRect(col, row);
  return t->Grid->viewport()->mapToGlobal(QPoint(r.left(), r.top() + r.height() / 2));
}

TManZeichen TManuellForm::Zeichen(int nr, int tag, int std) {
  if (!fPlanung || !DatenZelle(nr, tag, std)) return {};
  InhaltAuffrischen();
  const TTafel& t = *Tafel(nr);
  return fPlanung->Zeichen(TafelElement(nr), t.Inhalt.Kurs(tag, std), t.Inhalt.Gesperrt(tag, std),
                           tag, std);
}

void TManuellForm::ZeichneZelle(int nr, QPainter& painter, int col, int row, const QRect& rect,
                                bool ausgewaehlt) {
  if (!fPlanung || nr > TafelZahl()) return;
  InhaltAuffrischen();
  const TPlanElement* e = TafelElement(nr);
  const TTafel& t = *Tafel(nr);
  if (!t.Inhalt.Enthaelt(col, row)) return;
  TKurs* kurs = t.Inhalt.Kurs(col, row);
  const bool gesperrt = t.Inhalt.Gesperrt(col, row);
  const bool markiert = ausgewaehlt || Markiert(col, row);
  const TKuerzelArt art = e ? PlanArt(*e) : leh;
  const TPlanZelle z = PlanZelleBauen(art, kurs, Standard().fAktuelleWoche, col, row,
                                      Standard().fManZeigKopp, gesperrt, markiert);
  ZeichnePlanZelle(painter, rect, z, t.Grid->font(), t.Grid->palette());
  if (e) ZeichneManZeichen(painter, rect, fPlanung->Zeichen(e, kurs, gesperrt, col, row));
}

// ---- Marken und Auswahl ----

void TManuellForm::Deselect() {
  fMarken.fill(false);
  for (int nr = 1; nr <= ManMaxTafeln; ++nr) Tafel(nr)->Grid->viewport()->update();
}

// Jede Zelle mit einer Stunde des aktuellen Kurses in der gezeigten Woche.
void TManuellForm::MarkiereKurs() {
  if (!fPlanung || !fPlanung->fKurs) return;
  const int woche = Standard().fAktuelleWoche;
  for (const TSetzung* s : fPlanung->fKurs->fSetzungen)
    if (s->fWoche == woche && s->fTag >= 1 && s->fTag <= MaxTage && s->fStunde >= 1 &&
        s->fStunde <= MaxStunden)
      fMarken[Index(s->fTag, s->fStunde)] = true;
  for (int nr = 1; nr <= ManMaxTafeln; ++nr) Tafel(nr)->Grid->viewport()->update();
}

void TManuellForm::AuswahlAngleichen(int nr) {
  if (fAngleichen) return;
  fAngleichen = true;
  const TQuonGrid* quelle = Tafel(nr)->Grid;
  const std::vector<TZelle> auswahl = quelle->AusgewaehlteZellen();
  for (int i = 1; i <= ManMaxTafeln; ++i) {
    if (i == nr) continue;
    TQuonGrid* g = Tafel(i)->Grid;
    g->DeSelectAll();
    for (const TZelle& z : auswahl)
      if (z.Col < g->ColCount() && z.Row < g->RowCount()) g->SetSelectCell(z.Col, z.Row, true);
  }
  fAngleichen = false;
}

void TManuellForm::RollenAngleichen(int nr) {
  if (fAngleichen) return;
  fAngleichen = true;
  const TQuonGrid* quelle = Tafel(nr)->Grid;
  for (int i = 1; i <= ManMaxTafeln; ++i) {
    if (i == nr) continue;
    TQuonGrid* g = Tafel(i)->Grid;
    g->SetTopRow(quelle->TopRow());
    g->SetLeftCol(quelle->LeftCol());
  }
  fAngleichen = false;
}

// ---- Umschalttasten und Zeiger ----

unsigned TManuellForm::Umschalt() const {
  return FensterUmschalt() & umTasten;
}

void TManuellForm::UmschaltMerken(TUmschaltMenge umschalt) {
  FensterUmschaltMerken(umschalt & umTasten);
}

void TManuellForm::CursorAnpassen(TToolArt tool, unsigned umschalt) {
  const int nummer = ZeigerNummer(FensterArt::Manuell, tool, umschalt, 0);
  if (nummer == zUnveraendert) return;
  for (TTafel& t : fTafeln) t.Grid->SetzeCursor(TamrelCursor(nummer));
}

// ---- Ereignisse ----

void TManuellForm::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (SchuleVorhanden()) CursorAnpassen(Schule().fToolArt, Umschalt());
}

bool TManuellForm::eventFilter(QObject* objekt, QEvent* event) {
  if (fPlanung && event->type() == QEvent::MouseButtonPress) {
    // Ein Klick auf Tafel, Überschrift oder Raster macht die Tafel aktiv.
    for (int nr = 1; nr <= TafelZahl(); ++nr) {
      const TTafel& t = *Tafel(nr);
      if (objekt == t.Rahmen || objekt == t.Ueberschrift || objekt == t.Grid) {
        fPlanung->TafelAktivieren(nr);
        break;
      }
    }
  }
  return QWidget::eventFilter(objekt, event);
}

// ---- Menüs ----

void TManuellForm::MenueZeigen(TMenue menue, const QPoint& bildschirmPos) {
  fMenueZeit.stop();
  fWartendesMenue = nullptr;
  if (menue.empty()) return;
  if (ManPopupMenu) delete ManPopupMenu.data();
  auto* popup = new TPopupMenue(std::move(menue), this);
  ManPopupMenu = popup;
  connect(popup, &TPopupMenue::Geschlossen, popup, &QObject::deleteLater);
  popup->Popup(bildschirmPos);
  emit MenueGeoeffnet();
}

void TManuellForm::MenueSpaeter(std::function<void()> zeigen) {
  fWartendesMenue = std::move(zeigen);
  fMenueZeit.start(QApplication::doubleClickInterval());
}

void TManuellForm::WartendesMenueZeigen() {
  fMenueZeit.stop();
  std::function<void()> zeigen = std::move(fWartendesMenue);
  fWartendesMenue = nullptr;
  if (zeigen) zeigen();
}

void TManuellForm::KnopfMenue(QPushButton* knopf, TMenue menue) {
  MenueZeigen(std::move(menue), knopf->mapToGlobal(QPoint(knopf->width(), 0)));
}

bool TManuellForm::PaletteListe(TKuerzelArt art, QPushButton* knopf) {
  TFensterDienst* dienst = FensterDienst();
  if (!dienst || !fPlanung) return false;
  const QPoint pos = knopf->mapToGlobal(QPoint(knopf->width(), 0));
  const std::optional<TFensterDienst::TElementWahl> wahl =
      dienst->ElementWaehlen(art, false, pos.x(), pos.y());
  if (!wahl) return false;
  TPlanElement* e = nullptr;
  if (wahl->Gewaehlt && (art == leh || art == kla || art == rau))
    e = static_cast<TPlanElement*>(wahl->Element);
  if (fPlanung && e) fPlanung->TafelZeigen(e);
  return true;
}

void TManuellForm::LehrerKnopfClick() {
  if (!fPlanung || !fPlanung->fKurs) return;
  if ((Umschalt() & umCtrl) && PaletteListe(leh, LehrerKnopf)) return;
  KnopfMenue(LehrerKnopf, fPlanung->LehrerMenue());
}

void TManuellForm::FachKnopfClick() {
  if (!fPlanung || !fPlanung->fKurs) return;
  KnopfMenue(FachKnopf, fPlanung->FachMenue());
}

void TManuellForm::KlasseKnopfClick() {
  if (!fPlanung || !fPlanung->fKurs) return;
  if ((Umschalt() & umCtrl) && PaletteListe(kla, KlasseKnopf)) return;
  KnopfMenue(KlasseKnopf, fPlanung->KlassenMenue());
}

void TManuellForm::KopplungKnopfClick() {
  if (!fPlanung || !fPlanung->fKurs) return;
  KnopfMenue(KopplungKnopf, fPlanung->KopplungsMenue());
}

void TManuellForm::RaumKnopfClick() {
  if (!fPlanung || !fPlanung->fKurs) return;
  if ((Umschalt() & umCtrl) && PaletteListe(rau, RaumKnopf)) return;
  KnopfMenue(RaumKnopf, fPlanung->RaumMenue());
}

void TManuellForm::ZeigeKnopfClick() {
  TStandard& s = Standard();
  s.fManZeigKopp = !s.fManZeigKopp;
  Anzeigen();
}

void TManuellForm::KursKnopfClick() {
  if (!fPlanung) return;
  KnopfMenue(KursKnopf, fPlanung->KursMenue());
}

// ---- Maus ----

void TManuellForm::MausDruck(int nr, const TGridMaus& m) {
  UmschaltMerken(m.Umschalt);
  if (!fPlanung) return;
  fPlanung->TafelAktivieren(nr);
  if (m.Doppelt || !DatenZelle(nr, m.Col, m.Row) || nr > TafelZahl()) return;
  Deselect();
  if (!SchuleVorhanden() || Schule().fToolArt != TToolArt::SchiebTool || m.Knopf != Qt::LeftButton)
    return;
  if (!(m.Umschalt & umCtrl)) {
    if (!fPlanung->EigeneStunde(TafelElement(nr), m.Col, m.Row) || !ZellKurs(nr, m.Col, m.Row))
      return;
    fStartX = fFirstX = m.Col;
    fStartY = fFirstY = m.Row;
    MarkiereKurs();
    Tafel(nr)->Grid->BeginDrag(true);
    return;
  }
  // Probe: welche Stunden dieser Tafel könnten in die gedrückte Zelle wandern?
  InhaltAuffrischen();
  const TPlanInhalt& plan = Tafel(nr)->Inhalt;
  for (const auto& [t, h] :
       fPlanung->Probe([&plan](int t, int h) { return plan.Kurs(t, h); }, plan.Tage(),
                       plan.Stunden(), m.Col, m.Row, (m.Umschalt & umShift) != 0))
    fMarken[Index(t, h)] = true;
  for (int i = 1; i <= ManMaxTafeln; ++i) Tafel(i)->Grid->viewport()->update();
}

void TManuellForm::MausLos(int nr, const TGridMaus& m) {
  UmschaltMerken(m.Umschalt);
  const bool nachDoppelKlick = fNachDoppelKlick;
  fNachDoppelKlick = false;
  if (ManPopupMenu) delete ManPopupMenu.data();
  if (!fPlanung || nachDoppelKlick || !DatenZelle(nr, m.Col, m.Row) || nr > TafelZahl()) return;
  const TToolArt tool = Schule().fToolArt;
  const int tag = m.Col, std = m.Row;
  TKurs* kurs = ZellKurs(nr, tag, std);
  TPlanElement* element = TafelElement(nr);
  const QPoint pos = UnterZelle(nr, tag, std);
  if (tool == TToolArt::ZeigTool && m.Knopf == Qt::RightButton && kurs) {
    MenueZeigen(fPlanung->StundenMenue(element, tag, std, (m.Umschalt & umShift) != 0), pos);
    return;
  }
  const bool schieb = tool == TToolArt::SchiebTool && m.Knopf == Qt::LeftButton &&
                      !(m.Umschalt & umCtrl) && !fPlanung->EigeneStunde(element, tag, std);
  const bool setz = tool == TToolArt::SetzTool && m.Knopf == Qt::LeftButton;
  if ((schieb || setz) && fPlanung->HatKonflikte(tag, std)) {
    // Erst nach der Doppelklickzeit: ein Doppelklick setzt statt dessen.
    MenueSpaeter([this, tag, std, pos] {
      if (fPlanung) MenueZeigen(fPlanung->KonfliktMenue(tag, std), pos);
    });
  }
}

void TManuellForm::DoppelKlick(int nr, const TGridMaus& m) {
  UmschaltMerken(m.Umschalt);
  fMenueZeit.stop();
  fWartendesMenue = nullptr;
  if (ManPopupMenu) delete ManPopupMenu.data();
  fNachDoppelKlick = true;
  if (!fPlanung || !DatenZelle(nr, m.Col, m.Row) || nr > TafelZahl()) return;
  const int tag = m.Col, std = m.Row;
  TKurs* kurs = ZellKurs(nr, tag, std);
  Deselect();
  switch (Schule().fToolArt) {
    case TToolArt::ZeigTool:
      if (kurs && kurs != fPlanung->fKurs) fPlanung->Zeigen(kurs);
      return;
    case TToolArt::SetzTool:
      fPlanung->Setzen(tag, std);
      return;
    case TToolArt::SchiebTool:
      fPlanung->SchiebSetzen(tag, std);
      return;
    case TToolArt::LoeschTool:
      if (kurs) fPlanung->Loeschen(kurs, tag, std, (m.Umschalt & umCtrl) != 0);
      return;
    case TToolArt::FixTool:
      if (kurs) fPlanung->Fixieren(kurs, tag, std);
      return;
  }
}

void TManuellForm::ZiehenUeber(int nr, const TGridMaus& m, TZiehZiel* ziel) {
  TQuonGrid* g = Tafel(nr)->Grid;
  if (!ziel->Akzeptiert) {
    // Über den Kopfzellen oder hinter dem sichtbaren Bereich: eine Zeile bzw. Spalte weiter.
    int c = m.Col;
    int r = m.Row;
    const int letzteZeile = g->TopRow() + g->VisibleRowCount() - 1;
    const int letzteSpalte = g->LeftCol() + g->VisibleColCount() - 1;
    const QRect unten = g->CellRect(0, letzteZeile);
    const QRect rechts = g->CellRect(letzteSpalte, 0);
    if (r == 0 && g->TopRow() > 1) {
      g->SetTopRow(g->TopRow() - 1);
      r = g->TopRow();
    } else if (!unten.isEmpty() && m.Pos.y() > unten.bottom() && letzteZeile < g->RowCount() - 1) {
      g->SetTopRow(g->TopRow() + 1);
      r = g->TopRow() + g->VisibleRowCount() - 1;
    }
    if (c == 0 && g->LeftCol() > 1) {
      g->SetLeftCol(g->LeftCol() - 1);
      c = g->LeftCol();
    } else if (!rechts.isEmpty() && m.Pos.x() > rechts.right() &&
               letzteSpalte < g->ColCount() - 1) {
      g->SetLeftCol(g->LeftCol() + 1);
      c = g->LeftCol() + g->VisibleColCount() - 1;
    }
    ziel->Col = c;
    ziel->Row = r;
    ziel->Akzeptiert = DatenZelle(nr, c, r);
  }
  if (!ziel->Akzeptiert || (ziel->Col == fStartX && ziel->Row == fStartY)) return;
  g->DeSelectAll();
  g->SetSelectCell(ziel->Col, ziel->Row, true);
  fStartX = ziel->Col;
  fStartY = ziel->Row;
  g->ScrollToCell(fStartX, fStartY);
}

void TManuellForm::ZiehenEnde(int nr, const TGridMaus& m, bool abgelegt) {
  UmschaltMerken(m.Umschalt);
  const int zielX = fStartX, zielY = fStartY, startX = fFirstX, startY = fFirstY;
  fStartX = fStartY = fFirstX = fFirstY = -1;
  if (abgelegt && fPlanung && DatenZelle(nr, zielX, zielY) && DatenZelle(nr, startX, startY)) {
    if (!(m.Umschalt & umAlt))
      fPlanung->Ablegen(zielX, zielY, startX, startY);
    else if (zielX != startX || zielY != startY)
      StundenTauschen(startX, startY, zielX, zielY);
  }
  Deselect();
}
