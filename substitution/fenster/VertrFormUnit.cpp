#include "substitution/fenster/VertrFormUnit.h"

#include "ui/fenster/VWahlFormUnit.h"

#include <QApplication>
#include <QBoxLayout>
#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QResizeEvent>
#include <QScreen>
#include <QSpinBox>
#include <QStyle>
#include <algorithm>
#include <cmath>

#include "model/DatumUnit.h"
#include "model/KopplUnit.h"
#include "model/SchulUnit.h"
#include "settings/StandardUnit.h"
#include "substitution/fenster/FehlFormUnit.h"
#include "substitution/FehlUnit.h"
#include "substitution/KalenderUnit.h"
#include "substitution/VertrUnit.h"
#include "ui/FensterVerwaltungUnit.h"
#include "ui/fenster/PopupMenueUnit.h"
#include "ui/fenster/QtUmschaltUnit.h"
#include "ui/fenster/QtFensterPlatzUnit.h"
#include "ui/fenster/QtTextUnit.h"

namespace {
QFont Schrift(const TSchrift& s) {
  QFont f(QString::fromStdString(s.Name), s.Groesse);
  f.setBold(s.Fett);
  f.setItalic(s.Kursiv);
  f.setUnderline(s.Unterstrichen);
  return f;
}

}  // namespace

// ---- TVertrForm ----

TVertrForm::TVertrForm() : TEinzelForm(&TSchule::fVertrForm) {
  setObjectName(QStringLiteral("VertrForm"));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(4, 4, 4, 4);
  VertrGrid = new TQuonGrid(this);
  VertrGrid->setObjectName(QStringLiteral("VertrGrid"));
  VertrGrid->SetColCount(11);
  VertrGrid->SetRowCount(2);
  VertrGrid->SetFixedCols(0);
  VertrGrid->SetFixedRows(1);
  VertrGrid->SetRowSelect(true);
  VertrGrid->SetMultiSelect(true);
  VertrGrid->installEventFilter(this);
  VertrGrid->SetZeichner([this](QPainter& p, int c, int r, const QRect& rect,
                                const TZellZustand& z) { Zeichnen(p, c, r, rect, z); });
  layout->addWidget(VertrGrid, 1);

  auto* unten = new QHBoxLayout;
  auto* fuer = new QGroupBox(T("für"), this);
  auto* fuerLayout = new QVBoxLayout(fuer);
  DatumFeld = new QLabel(fuer);
  DatumFeld->setObjectName(QStringLiteral("DatumFeld"));
  DatumFeld->setStyleSheet(QStringLiteral("color: red; font-weight: bold;"));
  fuerLayout->addWidget(DatumFeld);
  InaktivCheck = new QCheckBox(T("inaktive Vertretungen"), fuer);
  fuerLayout->addWidget(InaktivCheck);
  unten->addWidget(fuer);

  auto* sortBox = new QGroupBox(T("sortiert nach"), this);
  auto* sortLayout = new QGridLayout(sortBox);
  SortGroup = new QButtonGroup(this);
  const char* sortTexte[] = {"Klassen", "fehl. Lehrern/Räumen", "vertr. Lehrern/Räumen", "Stunden"};
  for (int i = 0; i < 4; ++i) {
    auto* radio = new QRadioButton(T(sortTexte[i]), sortBox);
    SortGroup->addButton(radio, i);
    sortLayout->addWidget(radio, i / 2, i % 2);
  }
  unten->addWidget(sortBox);

  auto* knoepfe = new QGridLayout;
  LehrerKnopf = new QPushButton(T("fehlender Lehrer"), this);
  KlassenKnopf = new QPushButton(T("fehlende Klasse"), this);
  RaumKnopf = new QPushButton(T("Raumänderung"), this);
  AdHocSetzKnopf = new QPushButton(T("Ad hoc setzen"), this);
  AdHocLoeschKnopf = new QPushButton(T("Ad hoc löschen"), this);
  knoepfe->addWidget(LehrerKnopf, 0, 0);
  knoepfe->addWidget(KlassenKnopf, 1, 0);
  knoepfe->addWidget(RaumKnopf, 2, 0);
  knoepfe->addWidget(AdHocSetzKnopf, 0, 1);
  knoepfe->addWidget(AdHocLoeschKnopf, 1, 1);
  unten->addLayout(knoepfe);
  layout->addLayout(unten);

  for (QPushButton* k : {LehrerKnopf, KlassenKnopf, RaumKnopf}) {
    k->setFocusPolicy(Qt::NoFocus);
    k->installEventFilter(this);
  }
  connect(LehrerKnopf, &QPushButton::clicked, this, [this] { FehlKnopfClick(leh, fMitStrg); });
  connect(KlassenKnopf, &QPushButton::clicked, this, [this] { FehlKnopfClick(kla, fMitStrg); });
  connect(RaumKnopf, &QPushButton::clicked, this, [this] { FehlKnopfClick(rau, fMitStrg); });
  connect(AdHocSetzKnopf, &QPushButton::clicked, this, [this] { AdHocSetzKnopfClick(); });
  connect(AdHocLoeschKnopf, &QPushButton::clicked, this, [this] { AdHocLoeschKnopfClick(); });
  connect(SortGroup, &QButtonGroup::idClicked, this, [this](int i) { SortGroupClick(i); });
  connect(InaktivCheck, &QCheckBox::clicked, this, [this] { InaktivCheckClick(); });
  connect(VertrGrid, &TQuonGrid::MausDruck, this,
          [](const TGridMaus& m) { FensterUmschaltMerken(m.Umschalt & umTasten); });
  connect(VertrGrid, &TQuonGrid::MausLos, this, [this](const TGridMaus& m) { MausLos(m); });
  connect(VertrGrid, &TQuonGrid::DoppelKlick, this, [this](const TGridMaus& m) { DoppelKlick(m); });

  const TStandard& st = Standard();
  GespeichertSetzen(*this, st.fVertrLeft, st.fVertrTop);
  setWindowTitle(T(Titel()));
}

TVertrForm::~TVertrForm() {
  Abmelden();
}

void TVertrForm::IVertrForm(TDateTime datum) {
  if (!SchuleVorhanden()) return;
  TDirtyBewahrer bewahrer;
  const TDateTime d = TagMittags(datum);
  if (PlanversionFolgen(d)) {
    if (TFensterVerwaltung* v = Fensterverwaltung()) v->ZustandMelden();
    if (!Angemeldet()) Anmelden();
    Schule().AlleFensterUpdate();
  }
  fDatum = d;
  DatumFeld->setText(T(U8(DatumText(d, "ddd, d\".\" mmm yyyy"))));
  const TStandard& st = Standard();
  InaktivCheck->setChecked(st.fVertrInaktivCheck);
  if (QAbstractButton* b = SortGroup->button(std::clamp(st.fVertrSortArt, 0, 3)))
    b->setChecked(true);
  VertrSortieren(st.fVertrSortArt);
  VertrGrid->setFont(Schrift(st.fDepFont));
  VertrGrid->SetDefaultRowHeight(st.fDepHoehe);
  const QFontMetrics mass(font());
  const std::array<int, 11> breiten = VertrSpaltenBreiten(
      d, [&mass](const std::string& text) { return mass.horizontalAdvance(T(text)); });
  for (int c = 0; c < 11; ++c) {
    VertrGrid->SetColWidths(c, breiten[static_cast<std::size_t>(c)]);
    VertrGrid->SetCells(c, 0, T(VertrKopf()[static_cast<std::size_t>(c)]));
  }
  if (!Angemeldet()) Anmelden();
  FensterUpdate();
}

void TVertrForm::FensterUpdate() {
  if (!SchuleVorhanden()) return;
  // Die Auswahl folgt den Vertretungen, nicht den Zeilen.
  std::vector<TVertretung*> gewaehlt;
  for (int r : VertrGrid->AusgewaehlteZeilen())
    if (TVertretung* v = Vertretung(r)) gewaehlt.push_back(v);
  fZeilen = VertrZeilen(fDatum, Standard().fVertrInaktivCheck);
  fAnzahl = static_cast<int>(fZeilen.size());
  VertrGrid->DeSelectAll();
  VertrGrid->SetRowCount(std::max(fAnzahl, 1) + 1);
  for (int c = 0; c < 11; ++c) VertrGrid->SetCells(c, 1, QString());
  VertrGrid->SetObjects(1, 1, nullptr);
  for (int i = 0; i < fAnzahl; ++i) {
    TVertretung* v = fZeilen[static_cast<std::size_t>(i)];
    for (int c = 1; c <= 10; ++c) VertrGrid->SetCells(c, i + 1, T(VertrZelle(*v, c)));
    VertrGrid->SetObjects(1, i + 1, v);
    if (std::find(gewaehlt.begin(), gewaehlt.end(), v) != gewaehlt.end())
      VertrGrid->SetSelectRow(i + 1, true);
  }
  Groesse();
  VertrGrid->viewport()->update();
}

void TVertrForm::Geaendert(const TModellAenderung& aenderung) {
  if (aenderung.Art == TModellAenderung::TArt::Tag) {
    // Eine Vertretung des gezeigten Tages entstand oder verschwand.
    if (aenderung.Datum == fDatum) FensterUpdate();
  } else if (aenderung.Art == TModellAenderung::TArt::VertretungGezeigt) {
    // Die Vertretungswahl blättert: der Tagesplan zeigt die Zeile ihrer Vertretung.
    for (int i = 1; i <= ZeilenZahl(); ++i)
      if (Vertretung(i) == aenderung.Vertretung) MarkiereZeile(i);
  }
}

void TVertrForm::FensterRefresh() {
  FensterUpdate();
}

TVertretung* TVertrForm::Vertretung(int row) const {
  if (row < 1 || row > fAnzahl || row >= VertrGrid->RowCount()) return nullptr;
  auto* v = static_cast<TVertretung*>(VertrGrid->Objects(1, row));
  // Nur Vertretungen, die es noch gibt.
  return v && Schule().fVertretungsMenge.ListeElemEnthalten(v) ? v : nullptr;
}

void TVertrForm::MarkiereZeile(int i) {
  if (i < 1 || i >= VertrGrid->RowCount()) return;
  VertrGrid->DeSelectAll();
  VertrGrid->SetSelectRow(i, true);
  VertrGrid->SetRow(i);
  VertrGrid->ScrollToCell(1, i);
}

int TVertrForm::ZeilenZahl() const {
  return VertrGrid->RowCount();
}

// Breite: alle Spalten mit Linie, Rahmen und Rollbalken; Höhe: so viele Zeilen, wie zwischen
// den oberen Rand und den unteren Rand des Arbeitsbereichs passen, mindestens zwei.
void TVertrForm::Groesse() {
  const int linie = VertrGrid->GridLineWidth();
  const int balken = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
  const QMargins rand = layout()->contentsMargins();
  int b = 2 * VertrGrid->frameWidth() + balken + rand.left() + rand.right();
  for (int c = 0; c < VertrGrid->ColCount(); ++c) b += VertrGrid->ColWidths(c) + linie;
  QScreen* schirm = screen() ? screen() : QGuiApplication::primaryScreen();
  const QRect arbeit = schirm ? schirm->availableGeometry() : QRect(0, 0, 1024, 768);
  auto hoehe = [&](int zeilen) {
    int h = 2 * VertrGrid->frameWidth() + 122 + rand.top() + rand.bottom();
    for (int r = 0; r < zeilen; ++r) h += VertrGrid->RowHeights(r) + linie;
    return h;
  };
  int zeilen = VertrGrid->RowCount();
  const int unten = std::max(frameGeometry().bottom() - geometry().bottom(), 8);
  while (zeilen > 2 && geometry().top() + hoehe(zeilen) + unten > arbeit.bottom()) --zeilen;
  resize(std::max(b, minimumSizeHint().width()), hoehe(zeilen));
}

void TVertrForm::Zeichnen(QPainter& p, int col, int row, const QRect& rect,
                          const TZellZustand& zustand) {
  if (row < 1) return;
  TVertretung* v = Vertretung(row);
  if (!v) return;
  const bool adHoc = VertrAdHoc(*v);
  const QPalette& pal = palette();
  p.fillRect(rect, zustand.Ausgewaehlt ? pal.color(QPalette::Highlight)
                   : adHoc             ? pal.color(QPalette::Button)
                                       : QColor(Qt::white));
  if (col == 0) {
    QColor farbe;
    switch (VertrMarke(*v)) {
      case TVertrMarke::Gruen:
        farbe = QColor(0, 128, 0);
        break;
      case TVertrMarke::Rot:
        farbe = QColor(Qt::red);
        break;
      case TVertrMarke::Blau:
        farbe = QColor(Qt::blue);
        break;
      case TVertrMarke::Keine:
        return;
    }
    const int d = std::max(4, std::min(rect.width(), rect.height()) - 6);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(farbe);
    p.drawEllipse(QRect(rect.center().x() - d / 2, rect.center().y() - d / 2, d, d));
    return;
  }
  QColor farbe;
  switch (VertrZellFarbe(*v, col)) {
    case TVertrFarbe::Blau:
      farbe = QColor(Qt::blue);
      break;
    case TVertrFarbe::Rot:
      farbe = QColor(Qt::red);
      break;
    case TVertrFarbe::Petrol:
      farbe = QColor(0, 128, 128);
      break;
    case TVertrFarbe::Schwarz:
      farbe = zustand.Ausgewaehlt ? pal.color(QPalette::HighlightedText) : QColor(Qt::black);
      break;
  }
  QFont f = VertrGrid->font();
  f.setBold(VertrZellFett(*v, col));
  p.setFont(f);
  p.setPen(farbe);
  p.drawText(rect.adjusted(1, 1, 0, 0), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
             VertrGrid->Cells(col, row));
}

void TVertrForm::SortGroupClick(int index) {
  TDirtyBewahrer bewahrer;
  VertrSortieren(index);
  FensterUpdate();
}

void TVertrForm::InaktivCheckClick() {
  Standard().fVertrInaktivCheck = InaktivCheck->isChecked();
  FensterUpdate();
}

void TVertrForm::AdHocSetzKnopfClick() {
  std::vector<TVertretung*> auswahl;
  for (int r : VertrGrid->AusgewaehlteZeilen())
    if (TVertretung* v = Vertretung(r)) auswahl.push_back(v);
  VertrAdHoc(auswahl, true);
  VertrGrid->DeSelectAll();
  FensterUpdate();
}

void TVertrForm::AdHocLoeschKnopfClick() {
  std::vector<TVertretung*> auswahl;
  for (int r : VertrGrid->AusgewaehlteZeilen())
    if (TVertretung* v = Vertretung(r)) auswahl.push_back(v);
  VertrAdHoc(auswahl, false);
  VertrGrid->DeSelectAll();
  FensterUpdate();
}

void TVertrForm::FehlDialogOeffnen(TKuerzelArt art, TFehl* fehl) {
  if (fFehlDialog) {
    fFehlDialog(art, fehl);
  } else {
    TFehlForm form(this);
    form.IFehlForm(fDatum, art, fehl);
    form.exec();
  }
  if (SchuleVorhanden()) FensterUpdate();
}

void TVertrForm::FehlKnopfClick(TKuerzelArt art, bool mitStrg) {
  fMitStrg = false;
  if (!mitStrg) {
    FehlDialogOeffnen(art, nullptr);
    return;
  }
  TMenue menue = VertrFehlMenue(art, fDatum);
  if (menue.empty()) return;
  for (TMenueEintrag& e : menue) {
    auto* f = static_cast<TFehl*>(e.Objekt);
    e.Aktion = [this, f] { FehlWahl(f); };
  }
  QPushButton* knopf = art == leh ? LehrerKnopf : art == kla ? KlassenKnopf : RaumKnopf;
  MenueZeigen(std::move(menue), knopf->mapToGlobal(QPoint(0, knopf->height())));
}

void TVertrForm::FehlWahl(TFehl* fehl) {
  // Die Abwesenheit muss es noch geben.
  for (TKuerzelArt art : {leh, kla, rau})
    for (TFehl* f : VertrFehlAmTag(art, fDatum))
      if (f == fehl) {
        FehlDialogOeffnen(f->fElement->Art(), f);
        return;
      }
}

void TVertrForm::MenueZeigen(TMenue menue, const QPoint& bildschirm) {
  if (VertrPopup) VertrPopup->Schliessen();
  auto* popup = new TPopupMenue(std::move(menue), this);
  VertrPopup = popup;
  connect(popup, &TPopupMenue::Geschlossen, popup, &QObject::deleteLater);
  popup->Popup(bildschirm);
}

void TVertrForm::DoppelKlick(const TGridMaus& m) {
  if (Schule().fAktivesFenster != this) return;
  TVertretung* v = Vertretung(m.Row);
  if (!v) return;
  if (Schule().fToolArt == TToolArt::LoeschTool) {
    if (VertrLoeschenFragen(v)) IVertrForm(fDatum);
  } else if (v->fGueltig) {
    if (auto& haken = VWahlZeigenHaken())
      haken(*v);
    else
      VWahlZeigen(*v);
  } else {
    VertrKlassenAbwesendMelden();
  }
}

void TVertrForm::MausLos(const TGridMaus& m) {
  fRow = m.Row;
  if (m.Knopf != Qt::RightButton || Schule().fAktivesFenster != this) return;
  TVertretung* v = Vertretung(m.Row);
  if (!v || !v->fKurs) return;
  TMenue menue;
  if (m.Col == 3 && v->fKurs->fKlassen.ListeZahlElemente() > 1)
    v->fKurs->ErzeugeKlassenMenu(menue, true);
  else if (m.Col == 5 && v->fKurs->fKopplung)
    v->fKurs->fKopplung->ErzeugeKopplMenu(menue, true);
  else if (m.Col == 7)
    v->ErzeugeInfoMenu(menue);
  if (menue.empty()) return;
  MenueZeigen(std::move(menue), VertrGrid->viewport()->mapToGlobal(m.Pos));
}

void TVertrForm::Blaettern(int richtung, unsigned /*umschalt*/) {
  TSchule& s = Schule();
  if (s.fVWahlForm) s.fVWahlForm->Schliessen();
  IVertrForm(VertrBlaettern(fDatum, richtung));
}

void TVertrForm::AllesAuswaehlen() {
  for (int r = 1; r <= fAnzahl; ++r) VertrGrid->SetSelectRow(r, true);
  VertrGrid->viewport()->update();
}

void TVertrForm::BeimAbmelden() {
  if (VertrPopup) VertrPopup->Schliessen();
  if (!Angemeldet()) return;
  TStandard& st = Standard();
  st.fVertrLeft = pos().x();
  st.fVertrTop = pos().y();
}

bool TVertrForm::eventFilter(QObject* objekt, QEvent* event) {
  if (event->type() == QEvent::MouseButtonPress &&
      (objekt == LehrerKnopf || objekt == KlassenKnopf || objekt == RaumKnopf))
    fMitStrg = (static_cast<QMouseEvent*>(event)->modifiers() & Qt::ControlModifier) != 0;
  if (objekt == VertrGrid && event->type() == QEvent::KeyPress) {
    const int taste = static_cast<QKeyEvent*>(event)->key();
    if (taste == Qt::Key_Left || taste == Qt::Key_Right) {
      Blaettern(taste == Qt::Key_Left ? -1 : 1, 0);
      return true;
    }
  }
  return QWidget::eventFilter(objekt, event);
}

void TVertrForm::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Left || event->key() == Qt::Key_Right) {
    Blaettern(event->key() == Qt::Key_Left ? -1 : 1, 0);
    return;
  }
  TEinzelForm::keyPressEvent(event);
}

// Zieht der Benutzer am Rand, rastet die Höhe auf ganze Zeilen ein.
void TVertrForm::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  if (!event->spontaneous() || fEinrasten) return;
  const int h =
      VertrEingerasteteHoehe(height(), VertrGrid->DefaultRowHeight() + VertrGrid->GridLineWidth());
  if (h == height()) return;
  fEinrasten = true;
  resize(width(), h);
  fEinrasten = false;
}

// ---- TVertrDatForm ----

TVertrDatForm::TVertrDatForm(QWidget* parent) : QDialog(parent) {
  setWindowTitle(T("Datum für den Vertretungsplan"));
  auto* layout = new QVBoxLayout(this);
  auto* felder = new QGridLayout;
  const TDatum heute = ZahlZuDatum(Heute());
  auto feld = [&](const char* text, int spalte, int von, int bis, int wert) {
    felder->addWidget(new QLabel(T(text), this), 0, spalte);
    auto* f = new QSpinBox(this);
    f->setRange(von, bis);
    f->setValue(std::clamp(wert, von, bis));
    felder->addWidget(f, 1, spalte);
    return f;
  };
  TagFeld = feld("Tag", 0, 1, 31, heute.Tag);
  MonatFeld = feld("Monat", 1, 1, 12, heute.Monat);
  JahrFeld = feld("Jahr", 2, 1994, 2039, heute.Jahr);
  layout->addLayout(felder);
  WoTagFeld = new QLabel(this);
  WoTagFeld->setObjectName(QStringLiteral("WoTagFeld"));
  layout->addWidget(WoTagFeld);
  auto* knoepfe = new QHBoxLayout;
  OkKnopf = new QPushButton(T("Ok"), this);
  AbbrechenKnopf = new QPushButton(T("Abbrechen"), this);
  OkKnopf->setDefault(true);
  knoepfe->addWidget(OkKnopf);
  knoepfe->addWidget(AbbrechenKnopf);
  layout->addLayout(knoepfe);
  for (QSpinBox* f : {TagFeld, MonatFeld, JahrFeld})
    connect(f, &QSpinBox::valueChanged, this, [this] { Berichtigen(); });
  connect(OkKnopf, &QPushButton::clicked, this, &QDialog::accept);
  connect(AbbrechenKnopf, &QPushButton::clicked, this, &QDialog::reject);
  Berichtigen();
}

void TVertrDatForm::Berichtigen() {
  if (fBerichtigt) return;
  fBerichtigt = true;
  int t = TagFeld->value(), m = MonatFeld->value(), j = JahrFeld->value();
  const TDateTime d = VertrDatum(t, m, j);
  TagFeld->setValue(t);
  WoTagFeld->setText(T(U8(Standard().fTagName[WochenTag(d)].str())));
  fBerichtigt = false;
}

TDateTime TVertrDatForm::HolDatum() {
  int t = TagFeld->value(), m = MonatFeld->value(), j = JahrFeld->value();
  return VertrDatum(t, m, j);
}

// ---- Befehle ----

std::function<std::optional<TDateTime>()>& VertrDatumWahl() {
  static std::function<std::optional<TDateTime>()> wahl;
  return wahl;
}

void VertretungZeigen(TDateTime datum) {
  if (!SchuleVorhanden()) return;
  TDirtyBewahrer bewahrer;
  const TDateTime d = TagMittags(datum);
  bool anderTag = false;
  if (!VertretungNoetig(d, anderTag)) {
    if (anderTag) VertretungAndererTag();
    return;
  }
  TSchule& s = Schule();
  auto* f = dynamic_cast<TVertrForm*>(s.fVertrForm);
  if (!f) f = new TVertrForm();
  f->IVertrForm(d);
  f->show();
  f->raise();
  f->activateWindow();
}

void VertretungAndererTag() {
  std::optional<TDateTime> d;
  if (auto& wahl = VertrDatumWahl()) {
    d = wahl();
  } else {
    TVertrDatForm form(PaletteFenster());
    if (form.exec() == QDialog::Accepted) d = form.HolDatum();
  }
  if (d) VertretungZeigen(*d);
}
