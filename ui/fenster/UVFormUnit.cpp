#include "ui/fenster/UVFormUnit.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>
#include <QStyle>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "model/KlassenUnit.h"
#include "model/KursUnit.h"
#include "model/SchulUnit.h"
#include "settings/StandardUnit.h"
#include "ui/ElementFensterUnit.h"
#include "ui/fenster/PopupMenueUnit.h"
#include "ui/fenster/QtFensterHilfeUnit.h"
#include "ui/fenster/QtFensterPlatzUnit.h"
#include "ui/fenster/QtPlanZelleUnit.h"
#include "ui/fenster/QtTextUnit.h"
#include "ui/fenster/QtUmschaltUnit.h"

TUVForm::TUVForm(QWidget* parent) : TFensterBasis(parent) {
  UVGrid = FensterGitter(this, "UVGrid");
  UVGrid->SetRowSelect(false);
  UVGrid->SetMultiSelect(true);
  UVGrid->SetFixedCols(1);
  UVGrid->SetFixedRows(1);
  UVWechselKnopf = new QToolButton(UVGrid);
  UVWechselKnopf->setObjectName(QStringLiteral("UVWechselKnopf"));
  UVWechselKnopf->setText(QStringLiteral("o"));
  UVWechselKnopf->setToolTip(QStringLiteral("Kopplung oder Lehrer/Fach anzeigen"));
  UVWechselKnopf->setFocusPolicy(Qt::NoFocus);
  connect(UVWechselKnopf, &QToolButton::clicked, this, [this] {
    UVWechselKnopf->setText(SchalterO() ? QStringLiteral("x") : QStringLiteral("o"));
    UVGrid->viewport()->update();
  });
  UVGrid->SetZeichner([this](QPainter& p, int col, int row, const QRect& rect,
                             const TZellZustand& z) { Zeichne(p, col, row, rect, z); });
  connect(UVGrid, &TQuonGrid::MausDruck, this, [this](const TGridMaus& m) {
    fMouseX = m.Pos.x();
    fMouseY = m.Pos.y();
    FensterUmschaltMerken(m.Umschalt & umTasten);
  });
  connect(UVGrid, &TQuonGrid::MausLos, this, [this](const TGridMaus& m) { MausLos(m); });
  connect(UVGrid, &TQuonGrid::DoppelKlick, this, [this](const TGridMaus& m) { DoppelKlick(m); });
  UVGrid->installEventFilter(this);
  PositioniereFenster(*this, NeuerFormIndex());
}

TUVForm::~TUVForm() {
  Abmelden();
}

TUVTab* TUVForm::UVTab() const {
  return static_cast<TUVTab*>(Element());
}

bool TUVForm::SchalterO() const {
  return UVWechselKnopf->text() == QLatin1String("o");
}

// ---- Aufbau ----

void TUVForm::IUVForm(TUVTab* tab) {
  if (!tab || Schliesst()) return;
  const bool neu = tab != UVTab();
  ElementPlatz(tab, &TElement::fDepFenster);
  const QString titel = T(Titel());
  const bool neuerTitel = titel != windowTitle();
  setWindowTitle(titel);
  // Unter der neuen Überschrift ins Fenstermenü.
  Anmelden(neu || neuerTitel);
  const QFont schrift = PlanSchrift();
  setFont(schrift);
  UVGrid->setFont(schrift);
  fRaster.Aufbauen(*UVTab());
  Uebertragen();
  Groesse();
}

// Das Raster der Logik in das Raster des Fensters: Köpfe mit ihren Elementen, Datenzellen mit
// ihrem Kurs und einer (nicht gezeigten) Marke.
void TUVForm::Uebertragen() {
  const TStandard& s = Standard();
  const bool fach = fRaster.IstFach();
  UVGrid->DeSelectAll();
  UVGrid->SetColCount(fRaster.Spalten() + 1);
  UVGrid->SetRowCount(fRaster.Zeilen() + 1);
  UVGrid->Leeren();
  UVGrid->SetDefaultRowHeight(s.fPlnHoehe);
  UVGrid->SetDefaultColWidth((fach ? s.PlnLeKoBreite() : s.PlnFaKoBreite()) + s.fPlnWertBreite);
  UVGrid->SetColWidths(0, (fach ? s.fPlnKlBreite : s.fPlnLeBreite) + s.fPlnWertBreite);
  UVGrid->SetCells(0, 0, T(UVEcke(fach)));
  for (int c = 1; c <= fRaster.Spalten(); ++c) {
    TElement* e = fRaster.SpaltenKopf(c);
    UVGrid->SetObjects(c, 0, e);
    UVGrid->SetCells(c, 0, e ? T(U8(e->fKuerzel.str())) : QString());
  }
  for (int r = 1; r <= fRaster.Zeilen(); ++r) {
    TElement* e = fRaster.ZeilenKopf(r);
    UVGrid->SetObjects(0, r, e);
    UVGrid->SetCells(0, r, e ? T(U8(e->fKuerzel.str())) : QString());
    for (int c = 1; c <= fRaster.Spalten(); ++c) {
      TKurs* k = fRaster.Kurs(c, r);
      UVGrid->SetObjects(c, r, k);
      UVGrid->SetCells(c, r, k ? QStringLiteral("X") : QString());
    }
  }
  UVWechselKnopf->setGeometry(UVGrid->frameWidth() + 2, UVGrid->frameWidth() + 2,
                              std::max(8, UVGrid->ColWidths(0) - 2),
                              std::max(8, UVGrid->RowHeights(0) - 2));
  UVWechselKnopf->raise();
  UVGrid->viewport()->update();
}

// So hoch wie die Zeilen, solange es über dem Unterrand des Arbeitsbereichs bleibt (mindestens
// zwei Zeilen), so breit wie die Spalten, solange es rechts auf den Schirm passt (mindestens eine
// Datenspalte).
void TUVForm::Groesse() {
  const int linie = UVGrid->GridLineWidth();
  const int rahmen = 2 * UVGrid->frameWidth();
  const int balken = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
  QScreen* schirm = screen() ? screen() : QGuiApplication::primaryScreen();
  const QRect arbeit = schirm ? schirm->availableGeometry() : QRect(0, 0, 1024, 768);
  const QRect schirmFlaeche = schirm ? schirm->geometry() : arbeit;
  int b = rahmen + balken;
  for (int c = 0; c < UVGrid->ColCount(); ++c) {
    const int neu = b + UVGrid->ColWidths(c) + linie;
    if (c >= 2 && geometry().left() + neu > schirmFlaeche.right()) break;
    b = neu;
  }
  int h = rahmen + balken;
  for (int r = 0; r < UVGrid->RowCount(); ++r) {
    const int neu = h + UVGrid->RowHeights(r) + linie;
    if (r >= 2 && geometry().top() + neu > arbeit.bottom()) break;
    h = neu;
  }
  resize(b, h);
}

// ---- Operationen ----

void TUVForm::KursEinfuegen(TKurs* kurs) {
  if (fRaster.KursEinfuegen(kurs)) Uebertragen();
}

void TUVForm::KursLoeschen(TKurs* kurs) {
  fRaster.KursLoeschen(kurs);
  Uebertragen();
}

void TUVForm::SpalteEinfuegen(int col, TKlasse* klasse) {
  if (!fRaster.SpalteEinfuegen(col, klasse)) return;
  UVGrid->InsertCol(col);
  UVGrid->SetObjects(col, 0, klasse);
  UVGrid->SetCells(col, 0, T(U8(klasse->fKuerzel.str())));
  Groesse();
}

void TUVForm::ZeileEinfuegen(int row, TKlasse* klasse) {
  if (!fRaster.ZeileEinfuegen(row, klasse)) return;
  UVGrid->InsertRow(row);
  UVGrid->SetObjects(0, row, klasse);
  UVGrid->SetCells(0, row, T(U8(klasse->fKuerzel.str())));
  Groesse();
}

void TUVForm::DoCopy() {
  Ablage().SetzeText(InhaltAlsText());
  if (TFenster* viewer = Schule().fZwischenForm) viewer->FensterUpdate();
}

QPoint TUVForm::ZellPunkt(int col, int row) const {
  return UVGrid->CellRect(col, row).center();
}

// ---- Zeichnen ----

void TUVForm::Zeichne(QPainter& p, int col, int row, const QRect& rect, const TZellZustand& z) {
  const TStandard& s = Standard();
  const QPalette& farben = UVGrid->palette();
  const QColor rot(255, 0, 0);
  auto punktLinie = [&p, &rect, &s] {
    p.setPen(QPen(Qt::black, 1, Qt::DotLine));
    const int x = rect.left() + s.fPlnWertBreite;
    p.drawLine(x, rect.top(), x, rect.bottom());
  };
  if (z.Fest) {
    if (col == 0 && row == 0) return;  // die Ecke deckt der Knopf
    p.fillRect(rect, farben.color(QPalette::Button));
    p.setPen(farben.color(QPalette::Light));
    p.drawLine(rect.topLeft(), rect.topRight());
    p.drawLine(rect.topLeft(), rect.bottomLeft());
    p.setPen(farben.color(QPalette::Dark));
    p.drawLine(rect.bottomLeft(), rect.bottomRight());
    p.drawLine(rect.topRight(), rect.bottomRight());
    const TUVKopfBild kopf =
        UVKopfBild(row == 0 ? fRaster.SpaltenKopf(col) : fRaster.ZeilenKopf(row));
    p.setFont(UVGrid->font());
    if (!kopf.MitRest) {
      p.setPen(Qt::black);
      p.drawText(rect.adjusted(1, 1, 0, 0), Qt::AlignLeft | Qt::AlignTop, T(kopf.Kuerzel));
      return;
    }
    p.setPen(kopf.RestRot ? rot : QColor(Qt::black));
    p.drawText(rect.adjusted(1, 1, 0, 0), Qt::AlignLeft | Qt::AlignTop, T(kopf.Rest));
    p.setPen(Qt::black);
    p.drawText(rect.adjusted(s.fPlnWertBreite + 4, 1, 0, 0), Qt::AlignLeft | Qt::AlignTop,
               T(kopf.Kuerzel));
    punktLinie();
    return;
  }
  const TUVZellBild bild = UVZellBild(fRaster, col, row, SchalterO());
  QColor text = Qt::black;
  if (z.Ausgewaehlt) {
    p.fillRect(rect, farben.color(QPalette::Highlight));
    text = farben.color(QPalette::HighlightedText);
  } else {
    p.fillRect(rect, bild.MitKurs ? FarbeVon(bild.Farbe) : QColor(Qt::white));
  }
  if (!bild.MitKurs) return;
  QFont f = UVGrid->font();
  f.setBold(bild.Fett);
  f.setItalic(bild.Kursiv);
  p.setFont(f);
  p.setPen(bild.WertRot ? rot : text);
  p.drawText(rect.adjusted(1, 1, 0, 0), Qt::AlignLeft | Qt::AlignTop, T(bild.Wert));
  p.setPen(text);
  p.drawText(rect.adjusted(s.fPlnWertBreite + 4, 1, 0, 0), Qt::AlignLeft | Qt::AlignTop,
             T(bild.Name));
  punktLinie();
}

// ---- Abmelden ----

void TUVForm::BeimAbmelden() {
  if (UVPopupMenu) UVPopupMenu->Schliessen();
  fRaster = TUVRaster();
}

// ---- TFenster ----

int TUVForm::FensterArt() const {
  return FensterArt::UVTabelle;
}

std::string TUVForm::Titel() const {
  return UVTab() ? UVTitel(*UVTab()) : windowTitle().toStdString();
}

void TUVForm::FensterUpdate() {
  if (Schliesst() || !UVTab()) return;
  IUVForm(UVTab());
}

// Kursänderungen: neu zeichnen; einmal, sobald die Ereignisschleife wieder läuft, das Raster mit
// den geänderten Kursen abgleichen (viele Änderungen in Folge kosten so nur einen Abgleich).
void TUVForm::FensterRefresh() {
  if (Schliesst()) return;
  // Die Listen der Tabelle sofort: ein entferntes Element wird gleich danach zerstört.
  if (UVTab() && fRaster.ListenAbgleichen(*UVTab())) {
    Uebertragen();
    Groesse();
  }
  UVGrid->viewport()->update();
  if (fAbgleichGeplant) return;
  fAbgleichGeplant = true;
  QTimer::singleShot(0, this, [this] {
    fAbgleichGeplant = false;
    if (Schliesst() || !UVTab() || !fRaster.Nachfuehren()) return;
    const std::vector<TKurs*> auswahl = AusgewaehlteKurse();
    Uebertragen();
    for (TKurs* k : auswahl) KursZellenWaehlen(k);
  });
}

std::vector<TKurs*> TUVForm::AusgewaehlteKurse() const {
  std::vector<std::pair<int, int>> zellen;
  for (const TZelle& z : UVGrid->AusgewaehlteZellen()) zellen.emplace_back(z.Col, z.Row);
  return UVKurse(fRaster, zellen);
}

std::string TUVForm::InhaltAlsText() const {
  return UVAlsText(fRaster, SchalterO());
}

void TUVForm::KursGeloescht(TKurs* kurs) {
  KursLoeschen(kurs);
}

void TUVForm::ElementZeigen(TElement* element) {
  if (element && element->Art() == uvt) IUVForm(static_cast<TUVTab*>(element));
}

void TUVForm::AllesAuswaehlen() {
  for (int r = 1; r <= fRaster.Zeilen(); ++r)
    for (int c = 1; c <= fRaster.Spalten(); ++c) UVGrid->SetSelectCell(c, r, true);
}

// ---- Ereignisse ----

bool TUVForm::eventFilter(QObject* objekt, QEvent* event) {
  if (objekt == UVGrid &&
      (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease)) {
    auto* taste = static_cast<QKeyEvent*>(event);
    FensterUmschaltMerken(TastenUmschalt(taste) & umTasten);
    if (event->type() == QEvent::KeyPress && PfeilBlaettern(*taste)) return true;
  }
  return QWidget::eventFilter(objekt, event);
}

void TUVForm::MenueZeigen(TMenue menue, int col, int row) {
  if (menue.empty()) return;
  const QRect r = UVGrid->CellRect(col, row);
  MenueOeffnen(UVPopupMenu, std::move(menue), this,
               UVGrid->viewport()->mapToGlobal(QPoint(r.left(), r.top() + r.height() / 2)));
  emit MenueGeoeffnet();
}

void TUVForm::KursZellenWaehlen(const TKurs* kurs) {
  for (const auto& [c, r] : fRaster.ZellenVon(kurs)) UVGrid->SetSelectCell(c, r, true);
}

void TUVForm::MausLos(const TGridMaus& m) {
  fMouseX = m.Pos.x();
  fMouseY = m.Pos.y();
  FensterUmschaltMerken(m.Umschalt & umTasten);
  if (fNachDoppelKlick) {
    fNachDoppelKlick = false;
    return;
  }
  if (UVPopupMenu) delete UVPopupMenu.data();
  if (!UVTab() || m.Col < 1 || m.Row < 1) return;
  TSchule& schule = Schule();
  TKurs* k = fRaster.Kurs(m.Col, m.Row);
  const bool istFach = fRaster.IstFach();
  switch (schule.fToolArt) {
    case TToolArt::ZeigTool: {
      if (schule.fAktivesFenster != this || m.Knopf != Qt::LeftButton) return;
      UVGrid->DeSelectAll();
      if (!k) return;
      TMenue menue;
      k->ErzeugeKursMenu(menue, (m.Umschalt & umShift) != 0);
      KursZellenWaehlen(k);
      MenueZeigen(std::move(menue), m.Col, m.Row);
      return;
    }
    case TToolArt::SetzTool: {
      const QRect r = UVGrid->CellRect(m.Col, m.Row);
      TMenue menue;
      if (k && m.Pos.x() < r.left() + r.width() / 2) {
        k->ErzeugeStundenMenu(menue);
      } else if (k) {
        if (!k->fSetzungen.empty()) return;
        menue = UVKursWahlMenue(*k, istFach);
      } else {
        menue = UVSetzMenue(fRaster, m.Col, m.Row, [this](TKurs* neu) {
          Uebertragen();
          KursZellenWaehlen(neu);
        });
      }
      MenueZeigen(std::move(menue), m.Col, m.Row);
      return;
    }
    default:
      return;
  }
}

void TUVForm::DoppelKlick(const TGridMaus& m) {
  fNachDoppelKlick = true;
  if (!UVTab() || m.Col < 0 || m.Row < 0) return;
  const bool strg = (m.Umschalt & umCtrl) != 0;
  const bool shift = (m.Umschalt & umShift) != 0;
  TSchule& schule = Schule();
  auto elementFenster = [&schule, shift](TElement* e) {
    if (!e) return;
    const TFensterArt wahl = shift ? TFensterArt::DFenster : TFensterArt::GFenster;
    schule.fFensterArt = wahl;
    ElementFensterOeffnen(e, wahl, 0);
  };
  if (m.Row == 0 && m.Col >= 1) {
    if (strg && !fRaster.IstFach()) {
      SpalteEinfuegen(m.Col + 1, fRaster.KlasseVon(m.Col, 1));
      return;
    }
    elementFenster(fRaster.SpaltenKopf(m.Col));
    return;
  }
  if (m.Col == 0 && m.Row >= 1) {
    if (strg && fRaster.IstFach()) {
      ZeileEinfuegen(m.Row + 1, fRaster.KlasseVon(1, m.Row));
      return;
    }
    elementFenster(fRaster.ZeilenKopf(m.Row));
    return;
  }
  if (m.Col < 1 || m.Row < 1) return;
  TKurs* k = fRaster.Kurs(m.Col, m.Row);
  TKlasse* klasse = fRaster.KlasseVon(m.Col, m.Row);
  switch (schule.fToolArt) {
    case TToolArt::ZeigTool: {
      if (!k) {
        k = UVNeuerKurs(fRaster, m.Col, m.Row);
        if (!k) return;
        Uebertragen();
        KursZellenWaehlen(k);
      }
      if (TFensterDienst* dienst = FensterDienst()) {
        const bool dirty = schule.fDirty;
        dienst->NeuesKursFenster(k, klasse);
        schule.SetDirty(dirty);
      }
      return;
    }
    case TToolArt::LoeschTool: {
      if (!k) return;
      std::vector<TKurs*> auswahl = AusgewaehlteKurse();
      if (std::find(auswahl.begin(), auswahl.end(), k) == auswahl.end()) auswahl.push_back(k);
      UVLoeschen(*k, auswahl, fRaster.IstFach(), strg);
      UVGrid->viewport()->update();
      return;
    }
    default:
      return;
  }
}

TUVForm* NeuesUVFenster(TUVTab* tab) {
  if (!tab) return nullptr;
  TDirtyBewahrer bewahrer;
  auto* f = new TUVForm;
  f->IUVForm(tab);
  f->show();
  return f;
}
