#include "ui/fenster/VWahlFormUnit.h"

#include <QApplication>
#include <QBoxLayout>
#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>

#include "model/KursUnit.h"
#include "model/LehrerUnit.h"
#include "model/KlassenUnit.h"
#include "model/RaumUnit.h"
#include "model/SchulUnit.h"
#include "settings/StandardUnit.h"
#include "substitution/VertretungUnit.h"
#include "ui/fenster/QtUmschaltUnit.h"
#include "ui/fenster/PopupMenueUnit.h"
#include "ui/fenster/QtPlanZelleUnit.h"
#include "ui/fenster/QtFensterPlatzUnit.h"
#include "ui/fenster/QtTextUnit.h"

void VWahlZeigen(TVertretung& v) {
  TVWahlForm* form = TVWahlForm::Holen();
  if (!form) return;
  form->IVWahlForm(&v);
  form->show();
  form->raise();
  form->activateWindow();
}

// ---- TVWahlGrid ----

TVWahlGrid::TVWahlGrid(std::vector<int> breiten, QWidget* parent)
    : QWidget(parent), fBreiten(std::move(breiten)) {
  SetzeZeilen(0);
}

int TVWahlGrid::Links(int spalte) const {
  int x = 0;
  for (int c = 0; c < spalte && c < static_cast<int>(fBreiten.size()); ++c) x += fBreiten[c];
  return x;
}

int TVWahlGrid::Spalte(int x) const {
  for (int c = 0; c < static_cast<int>(fBreiten.size()); ++c)
    if (x < Links(c + 1)) return x >= 0 ? c : -1;
  return -1;
}

QRect TVWahlGrid::ZellRechteck(int spalte, int zeile) const {
  return {Links(spalte), zeile * kHoehe, fBreiten[static_cast<std::size_t>(spalte)], kHoehe};
}

QSize TVWahlGrid::sizeHint() const {
  return {Links(static_cast<int>(fBreiten.size())) + 1, std::max(fZeilen, 1) * kHoehe + 1};
}

void TVWahlGrid::SetzeZeilen(int n) {
  fZeilen = n;
  if (fAuswahl >= n) fAuswahl = n - 1;
  setFixedSize(sizeHint());
  update();
}

void TVWahlGrid::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), Qt::white);
  for (int r = 0; r < fZeilen; ++r)
    for (int c = 0; c < static_cast<int>(fBreiten.size()); ++c) {
      const QRect z = ZellRechteck(c, r);
      p.save();
      p.setClipRect(z);
      if (fZeichnen) fZeichnen(p, r, c, z);
      p.restore();
      p.setPen(QColor(192, 192, 192));
      p.drawLine(z.topRight(), z.bottomRight());
      p.drawLine(z.bottomLeft(), z.bottomRight());
    }
}

void TVWahlGrid::mousePressEvent(QMouseEvent* event) {
  const int zeile = ZeileAn(event->pos().y());
  if (zeile >= 0 && zeile < fZeilen) {
    fAuswahl = zeile;
    update();
  }
}

void TVWahlGrid::mouseReleaseEvent(QMouseEvent* event) {
  const int zeile = ZeileAn(event->pos().y());
  const int spalte = Spalte(event->pos().x());
  if (zeile < 0 || zeile >= fZeilen || spalte < 0) return;
  emit Losgelassen(zeile, spalte, event->pos().x() - Links(spalte), event->button(),
                   event->modifiers());
}

void TVWahlGrid::mouseDoubleClickEvent(QMouseEvent* event) {
  const int zeile = ZeileAn(event->pos().y());
  const int spalte = Spalte(event->pos().x());
  if (zeile < 0 || zeile >= fZeilen || spalte < 0) return;
  emit Doppelklick(zeile, spalte);
}

// ---- TVWahlForm: Aufbau ----

TVWahlForm::TVWahlForm() : TEinzelForm(&TSchule::fVWahlForm) {
  setWindowTitle(QStringLiteral("Vertretungswahl"));
  const TStandard& st = Standard();

  StdFeld = new QLabel(this);
  StdFeld->setObjectName(QStringLiteral("StdFeld"));
  StdFeld->setStyleSheet(QStringLiteral("color: rgb(255,0,0); font-weight: bold;"));

  // Gruppe "Vertretung".
  auto* vertretung = new QGroupBox(QStringLiteral("Vertretung"), this);
  LehrerKnopf = new QPushButton(QStringLiteral("Lehrer"), vertretung);
  FachKnopf = new QPushButton(QStringLiteral("Fach"), vertretung);
  RaumKnopf = new QPushButton(QStringLiteral("Raum"), vertretung);
  LehrerFeld = new QLabel(vertretung);
  FachFeld = new QLabel(vertretung);
  RaumFeld = new QLabel(vertretung);
  FreiKnopf = new QPushButton(QStringLiteral("Frei"), vertretung);
  LoeschenKnopf = new QPushButton(QStringLiteral("Löschen"), vertretung);
  WieKnopf = new QPushButton(QStringLiteral("Wie am"), vertretung);
  AnrechnenCheck = new QCheckBox(QStringLiteral("Anrechnen"), vertretung);
  InfoFeldL = new QLineEdit(vertretung);
  InfoFeldS = new QLineEdit(vertretung);
  InfoFeldL->setMaxLength(81);
  InfoFeldS->setMaxLength(81);
  LBemKnopf = new QPushButton(QStringLiteral("Lehrer"), vertretung);
  SBemKnopf = new QPushButton(QStringLiteral("Schüler"), vertretung);
  StattMenuKnopf = new QPushButton(QStringLiteral("statt ..."), vertretung);
  auto* raster = new QGridLayout(vertretung);
  raster->addWidget(LehrerKnopf, 0, 0);
  raster->addWidget(LehrerFeld, 0, 1);
  raster->addWidget(FachKnopf, 1, 0);
  raster->addWidget(FachFeld, 1, 1);
  raster->addWidget(RaumKnopf, 2, 0);
  raster->addWidget(RaumFeld, 2, 1);
  raster->addWidget(FreiKnopf, 0, 2);
  raster->addWidget(LoeschenKnopf, 1, 2);
  raster->addWidget(WieKnopf, 2, 2);
  raster->addWidget(AnrechnenCheck, 0, 3);
  raster->addWidget(StattMenuKnopf, 1, 3);
  raster->addWidget(LBemKnopf, 3, 0);
  raster->addWidget(InfoFeldL, 3, 1, 1, 3);
  raster->addWidget(SBemKnopf, 4, 0);
  raster->addWidget(InfoFeldS, 4, 1, 1, 3);

  StattBox = new QGroupBox(QStringLiteral("statt"), this);
  StattFeld = new QLabel(StattBox);
  StattKnopf = new QPushButton(QStringLiteral("zeigen"), StattBox);
  auto* sb = new QHBoxLayout(StattBox);
  sb->addWidget(StattFeld, 1);
  sb->addWidget(StattKnopf);
  VerlegtBox = new QGroupBox(QStringLiteral("verlegt auf"), this);
  VerlegtFeld = new QLabel(VerlegtBox);
  VerlegtKnopf = new QPushButton(QStringLiteral("zeigen"), VerlegtBox);
  auto* vb = new QHBoxLayout(VerlegtBox);
  vb->addWidget(VerlegtFeld, 1);
  vb->addWidget(VerlegtKnopf);

  // Gruppe "Tagesplan".
  auto* tagesplan = new QGroupBox(QStringLiteral("Tagesplan"), this);
  PlnKuerzelFeld = new QLabel(tagesplan);
  PlnRaumFeld = new QLabel(tagesplan);
  PlnKuerzelFeld->setCursor(Qt::PointingHandCursor);
  PlnRaumFeld->setCursor(Qt::PointingHandCursor);
  PlnKuerzelFeld->installEventFilter(this);
  PlnRaumFeld->installEventFilter(this);
  LehrerplanRadio = new QRadioButton(QStringLiteral("Lehrerplan"), tagesplan);
  KlassenplanRadio = new QRadioButton(QStringLiteral("Klassenplan"), tagesplan);
  auto* planRadio = new QButtonGroup(this);
  planRadio->addButton(LehrerplanRadio, 0);
  planRadio->addButton(KlassenplanRadio, 1);
  PlanGrid = new TVWahlGrid({50, 145}, tagesplan);
  PlanGrid->SetzeZeilen(16);
  auto* tp = new QVBoxLayout(tagesplan);
  auto* kopf = new QHBoxLayout;
  kopf->addWidget(PlnKuerzelFeld);
  kopf->addWidget(PlnRaumFeld);
  kopf->addStretch();
  tp->addLayout(kopf);
  auto* radios = new QHBoxLayout;
  radios->addWidget(LehrerplanRadio);
  radios->addWidget(KlassenplanRadio);
  tp->addLayout(radios);
  tp->addWidget(PlanGrid);
  tp->addStretch();

  // Die Kandidaten.
  auto* auswahl = new QGroupBox(this);
  RaumauswahlRadio = new QRadioButton(QStringLiteral("Raumauswahl"), auswahl);
  LehrerauswahlRadio = new QRadioButton(QStringLiteral("Lehrerauswahl"), auswahl);
  auto* auswahlRadio = new QButtonGroup(this);
  auswahlRadio->addButton(RaumauswahlRadio, 0);
  auswahlRadio->addButton(LehrerauswahlRadio, 1);
  LehrerAuswahlKnopf = new QPushButton(auswahl);
  VStdKnopf = new QPushButton(auswahl);
  FreieCheck = new QCheckBox(auswahl);
  RandCheck = new QCheckBox(QStringLiteral("Randstunden"), auswahl);
  LehrerGrid = new TVWahlGrid({76, 127, 73}, auswahl);
  RaumGrid = new TVWahlGrid({76, 185}, auswahl);
  fLehrerRolle = new QScrollArea(auswahl);
  fLehrerRolle->setWidget(LehrerGrid);
  fRaumRolle = new QScrollArea(auswahl);
  fRaumRolle->setWidget(RaumGrid);
  for (QScrollArea* rolle : {fLehrerRolle, fRaumRolle}) {
    rolle->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    rolle->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  }
  fLehrerRolle->setFixedWidth(LehrerGrid->sizeHint().width() + 22);
  fRaumRolle->setFixedWidth(RaumGrid->sizeHint().width() + 22);
  auto* ap = new QVBoxLayout(auswahl);
  auto* modus = new QHBoxLayout;
  modus->addWidget(RaumauswahlRadio);
  modus->addWidget(LehrerauswahlRadio);
  ap->addLayout(modus);
  auto* knoepfe = new QHBoxLayout;
  knoepfe->addWidget(LehrerAuswahlKnopf);
  knoepfe->addWidget(VStdKnopf);
  ap->addLayout(knoepfe);
  auto* haken = new QHBoxLayout;
  haken->addWidget(FreieCheck);
  haken->addWidget(RandCheck);
  ap->addLayout(haken);
  ap->addWidget(fLehrerRolle);
  ap->addWidget(fRaumRolle);
  ap->addStretch();

  auto* links = new QVBoxLayout;
  links->addWidget(StdFeld);
  links->addWidget(vertretung);
  links->addWidget(StattBox);
  links->addWidget(VerlegtBox);
  links->addWidget(tagesplan);
  links->addStretch();
  auto* ganz = new QHBoxLayout(this);
  ganz->addLayout(links);
  ganz->addWidget(auswahl);

  // Zeichnen.
  PlanGrid->fZeichnen = [this](QPainter& p, int r, int c, const QRect& z) {
    if (r >= static_cast<int>(fPlan.size())) return;
    const TVWahlPlanZeile& zeile = fPlan[static_cast<std::size_t>(r)];
    if (c == 0) {
      p.fillRect(z, palette().color(QPalette::Button));
    } else if (zeile.Kurs) {
      p.fillRect(z, FarbeVon(zeile.Kurs->fColor));
    } else {
      p.fillRect(z, zeile.Marke == '*' ? QColor(Qt::white) : QColor(128, 128, 128));
    }
    p.setPen(zeile.Rot ? QColor(255, 0, 0) : QColor(Qt::black));
    if (c == 0) {
      p.drawText(z.adjusted(2, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, AnsiText(zeile.Stunde));
    } else if (zeile.Kurs) {
      for (int i = 0; i < 3; ++i)
        p.drawText(QRect(z.left() + (i == 0   ? 2
                                     : i == 1 ? 50
                                              : 100),
                         z.top(), 48, z.height()),
                   Qt::AlignLeft | Qt::AlignVCenter,
                   AnsiText(zeile.Texte[static_cast<std::size_t>(i)]));
    }
  };
  const auto listeZeichnen = [this](const std::vector<TVWahlZeile>& liste, TVWahlGrid* grid) {
    return [this, &liste, grid](QPainter& p, int r, int c, const QRect& z) {
      if (r >= static_cast<int>(liste.size())) return;
      const TVWahlZeile& zeile = liste[static_cast<std::size_t>(r)];
      const bool gewaehlt = r == grid->fAuswahl;
      if (gewaehlt && c != 1) p.fillRect(z, palette().color(QPalette::Highlight));
      if (c == 1) {
        ZeichneStreifen(p, z, zeile);
        return;
      }
      QFont f = font();
      if (zeile.Frei) {
        f.setBold(true);
        f.setItalic(true);
      }
      if (c == 0 && zeile.Unterstrichen) f.setUnderline(true);
      p.setFont(f);
      p.setPen(zeile.Frei ? QColor(255, 0, 0)
               : gewaehlt ? palette().color(QPalette::HighlightedText)
                          : QColor(Qt::black));
      if (c == 0)
        p.drawText(z.adjusted(2, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
                   AnsiText(zeile.Kuerzel));
      else
        p.drawText(z.adjusted(0, 0, -3, 0), Qt::AlignRight | Qt::AlignVCenter,
                   AnsiText(zeile.Konto));
    };
  };
  LehrerGrid->fZeichnen = listeZeichnen(fLehrer, LehrerGrid);
  RaumGrid->fZeichnen = listeZeichnen(fRaeume, RaumGrid);

  // Ereignisse.
  connect(LehrerKnopf, &QPushButton::clicked, this, &TVWahlForm::LehrerKnopfClick);
  connect(RaumKnopf, &QPushButton::clicked, this, &TVWahlForm::RaumKnopfClick);
  connect(FachKnopf, &QPushButton::clicked, this, &TVWahlForm::FachKnopfClick);
  connect(FreiKnopf, &QPushButton::clicked, this, [this] {
    fWahl.Frei();
    FensterRefresh();
  });
  connect(LoeschenKnopf, &QPushButton::clicked, this, [this] {
    fWahl.Loeschen();
    FensterRefresh();
  });
  connect(AnrechnenCheck, &QCheckBox::clicked, this, [this](bool an) {
    fWahl.Anrechnen(an);
    FensterRefresh();
  });
  connect(WieKnopf, &QPushButton::clicked, this, [this] {
    if (!fWahl.fVertretung || !isActiveWindow()) return;
    TMenue menue;
    fWahl.fVertretung->ErzeugeWieMenu(menue);
    MenueZeigen(std::move(menue), WieKnopf->mapToGlobal(QPoint(0, WieKnopf->height())));
  });
  connect(LBemKnopf, &QPushButton::pressed, this, [this] {
    fWahl.fRechts = (QApplication::keyboardModifiers() & Qt::ControlModifier) != 0;
  });
  connect(SBemKnopf, &QPushButton::pressed, this, [this] {
    fWahl.fRechts = (QApplication::keyboardModifiers() & Qt::ControlModifier) != 0;
  });
  connect(LBemKnopf, &QPushButton::clicked, this, [this] { BemKnopfClick(false); });
  connect(SBemKnopf, &QPushButton::clicked, this, [this] { BemKnopfClick(true); });
  const auto infoGeaendert = [this](QLineEdit* feld, bool schueler) {
    return [this, feld, schueler](const QString& text) {
      TVertretung* v = fWahl.fVertretung;
      if (!v) return;
      TBemString& bem = schueler ? v->fSInfo : v->fLInfo;
      const std::string utf8 = text.toStdString();
      // Was Windows-1252 nicht fassen kann, nimmt das Feld nicht an.
      if (!Utf8InWin1252Darstellbar(utf8)) {
        feld->setText(AnsiText(bem.str()));
        QApplication::beep();
        return;
      }
      bem = Utf8ZuWin1252(utf8);
      Schule().SetDirty(true);
    };
  };
  connect(InfoFeldL, &QLineEdit::textEdited, this, infoGeaendert(InfoFeldL, false));
  connect(InfoFeldS, &QLineEdit::textEdited, this, infoGeaendert(InfoFeldS, true));
  connect(StattKnopf, &QPushButton::clicked, this, [this] {
    if (fWahl.fVertretung && fWahl.fVertretung->fZu) IVWahlForm(fWahl.fVertretung->fZu);
  });
  connect(VerlegtKnopf, &QPushButton::clicked, this, [this] {
    if (fWahl.fVertretung && fWahl.fVertretung->fVon) IVWahlForm(fWahl.fVertretung->fVon);
  });
  connect(StattMenuKnopf, &QPushButton::clicked, this, &TVWahlForm::StattMenuKnopfClick);
  connect(planRadio, &QButtonGroup::idClicked, this, [this](int id) {
    Standard().fVertrPlnAuswahl = id;
    TagesPlanAendern();
  });
  connect(auswahlRadio, &QButtonGroup::idClicked, this, [this](int id) {
    fWahl.fLehrerModus = id == 1;
    ModusZeigen();
  });
  connect(LehrerAuswahlKnopf, &QPushButton::clicked, this, [this] {
    TMenue menue;
    for (int i = 0; i < 3; ++i) {
      TMenueEintrag e;
      e.Text = TVWahl::AuswahlText(i);
      e.Haken = Standard().fVertrLeAuswahl == i;
      e.Aktion = [this, i] {
        Standard().fVertrLeAuswahl = i;
        LehrerAuswahlKnopf->setText(T(TVWahl::AuswahlText(i)));
        LehrerListeAendern();
      };
      menue.push_back(std::move(e));
    }
    MenueZeigen(std::move(menue),
                LehrerAuswahlKnopf->mapToGlobal(QPoint(0, LehrerAuswahlKnopf->height())));
  });
  connect(VStdKnopf, &QPushButton::clicked, this, [this] {
    TMenue menue;
    for (int i = 0; i < 3; ++i) {
      TMenueEintrag e;
      e.Text = TVWahl::VStdText(i);
      e.Haken = Standard().fVertrVStdAuswahl == i;
      e.Aktion = [this, i] {
        Standard().fVertrVStdAuswahl = i;
        VStdKnopf->setText(T(TVWahl::VStdText(i)));
        LehrerListeAendern();
      };
      menue.push_back(std::move(e));
    }
    MenueZeigen(std::move(menue), VStdKnopf->mapToGlobal(QPoint(0, VStdKnopf->height())));
  });
  connect(FreieCheck, &QCheckBox::clicked, this, [this](bool an) {
    Standard().fVertrFreiCheck = an;
    if (fWahl.fLehrerModus)
      LehrerListeAendern();
    else
      RaumListeAendern();
  });
  connect(RandCheck, &QCheckBox::clicked, this, [this](bool an) {
    Standard().fVertrRandCheck = an;
    LehrerListeAendern();
  });
  connect(LehrerGrid, &TVWahlGrid::Losgelassen, this,
          [this](int zeile, int spalte, int, Qt::MouseButton knopf, Qt::KeyboardModifiers tasten) {
            LehrerGridLos(zeile, spalte, knopf, tasten);
          });
  connect(LehrerGrid, &TVWahlGrid::Doppelklick, this,
          [this](int zeile, int) { LehrerGridDoppel(zeile); });
  connect(RaumGrid, &TVWahlGrid::Doppelklick, this,
          [this](int zeile, int) { RaumGridDoppel(zeile); });
  connect(RaumGrid, &TVWahlGrid::Losgelassen, this,
          [this](int zeile, int, int, Qt::MouseButton, Qt::KeyboardModifiers tasten) {
            fWahl.fRow = zeile;
            if (!(tasten & Qt::ShiftModifier) || zeile >= static_cast<int>(fRaeume.size())) return;
            if (TFensterDienst* d = FensterDienst())
              d->PlanFensterZeigen(fRaeume[static_cast<std::size_t>(zeile)].Element);
          });
  connect(PlanGrid, &TVWahlGrid::Losgelassen, this,
          [this](int zeile, int, int, Qt::MouseButton knopf, Qt::KeyboardModifiers) {
            const int h = TVWahl::PlanStunde(zeile + 1);
            if (knopf != Qt::RightButton || h == 0 || h > static_cast<int>(fPlan.size())) return;
            TKurs* kurs = fPlan[static_cast<std::size_t>(h - 1)].Kurs;
            if (!kurs) return;
            TMenue menue;
            kurs->ErzeugeKopplungsMenu(menue, true, fWahl.fWoche, fWahl.fTag, h);
            MenueZeigen(std::move(menue),
                        PlanGrid->mapToGlobal(PlanGrid->ZellRechteck(1, zeile).bottomLeft()));
          });

  LehrerAuswahlKnopf->setText(T(TVWahl::AuswahlText(st.fVertrLeAuswahl)));
  VStdKnopf->setText(T(TVWahl::VStdText(st.fVertrVStdAuswahl)));
  setFocusPolicy(Qt::StrongFocus);
}

TVWahlForm::~TVWahlForm() {
  Abmelden();
}

TVWahlForm* TVWahlForm::Holen() {
  if (!SchuleVorhanden()) return nullptr;
  TSchule& schule = Schule();
  if (auto* form = dynamic_cast<TVWahlForm*>(schule.fVWahlForm)) return form;
  TDirtyBewahrer bewahrer;
  auto* form = new TVWahlForm;
  form->Anmelden();
  GespeichertSetzen(*form, Standard().fVertrLeLeft, Standard().fVertrLeTop);
  return form;
}

// ---- Anzeigen ----

void TVWahlForm::IVWahlForm(TVertretung* vertretung) {
  fWahl.IVWahlForm(vertretung);
  if (!fWahl.fVertretung) return;
  const TStandard& st = Standard();
  StdFeld->setText(T(fWahl.StdText()));
  FreieCheck->setChecked(st.fVertrFreiCheck);
  (st.fVertrPlnAuswahl == 1 ? KlassenplanRadio : LehrerplanRadio)->setChecked(true);
  (fWahl.fLehrerModus ? LehrerauswahlRadio : RaumauswahlRadio)->setChecked(true);
  VertretungAendern();
  ModusZeigen();
}

void TVWahlForm::ModusZeigen() {
  const TStandard& st = Standard();
  const bool lehrer = fWahl.fLehrerModus;
  fLehrerRolle->setVisible(lehrer);
  fRaumRolle->setVisible(!lehrer);
  for (QWidget* w : std::initializer_list<QWidget*>{LehrerAuswahlKnopf, VStdKnopf, RandCheck,
                                                    StattBox, VerlegtBox})
    w->setVisible(lehrer);
  FreieCheck->setText(T(fWahl.FreieText()));
  if (lehrer) {
    RandCheck->setChecked(st.fVertrRandCheck);
    LehrerAuswahlKnopf->setText(T(TVWahl::AuswahlText(st.fVertrLeAuswahl)));
    VStdKnopf->setText(T(TVWahl::VStdText(st.fVertrVStdAuswahl)));
    LehrerListeAendern();
  } else {
    RaumListeAendern();
  }
}

void TVWahlForm::VertretungAendern() {
  TVertretung* v = fWahl.fVertretung;
  if (!v) return;
  LehrerFeld->setText(T(fWahl.LehrerText()));
  FachFeld->setText(T(fWahl.FachText()));
  RaumFeld->setText(T(fWahl.RaumText()));
  if (!InfoFeldL->hasFocus()) InfoFeldL->setText(AnsiText(v->fLInfo.str()));
  if (!InfoFeldS->hasFocus()) InfoFeldS->setText(AnsiText(v->fSInfo.str()));
  AnrechnenCheck->setChecked(v->fAngerechnet);
  StattFeld->setText(T(fWahl.StattText()));
  StattKnopf->setEnabled(v->fZu != nullptr);
  VerlegtFeld->setText(T(fWahl.VerlegtText()));
  VerlegtKnopf->setEnabled(v->fVon != nullptr);
  StattMenuKnopf->setVisible(fWahl.StattMenuSichtbar());
  TagesPlanAendern();
}

void TVWahlForm::TagesPlanAendern() {
  fPlan = fWahl.TagesPlan();
  const TPlanElement* e = fWahl.PlanElement();
  PlnKuerzelFeld->setText(e ? AnsiText(e->fKuerzel.str()) : QString());
  const TRaum* stamm = nullptr;
  if (e && e->Art() == leh) stamm = static_cast<const TLehrer*>(e)->fRaum;
  if (e && e->Art() == kla) stamm = static_cast<const TKlasse*>(e)->fRaum;
  PlnRaumFeld->setText(stamm ? AnsiText(stamm->fKuerzel.str()) : QString());
  PlanGrid->fAuswahl = fWahl.fStd - 1;
  PlanGrid->update();
}

void TVWahlForm::LehrerListeAendern() {
  const int oben = fLehrerRolle->verticalScrollBar()->value();
  fLehrer = fWahl.LehrerListe();
  LehrerGrid->SetzeZeilen(static_cast<int>(fLehrer.size()));
  fLehrerRolle->verticalScrollBar()->setValue(oben);
  HoeheAnpassen();
}

void TVWahlForm::RaumListeAendern() {
  const int oben = fRaumRolle->verticalScrollBar()->value();
  fRaeume = fWahl.RaumListe();
  RaumGrid->SetzeZeilen(static_cast<int>(fRaeume.size()));
  fRaumRolle->verticalScrollBar()->setValue(oben);
  HoeheAnpassen();
}

void TVWahlForm::HoeheAnpassen() {
  const int zeilen = fWahl.fLehrerModus ? LehrerGrid->Zeilen() : RaumGrid->Zeilen();
  int unten = 100000;
  if (const QScreen* schirm = screen()) unten = schirm->availableGeometry().bottom();
  const int kopf = 130;  // Rahmen, Auswahlknöpfe und Häkchen über der Liste
  const int n = TVWahl::SichtbareZeilen(zeilen, y(), kopf, TVWahlGrid::kHoehe, unten);
  for (QScrollArea* rolle : {fLehrerRolle, fRaumRolle})
    rolle->setFixedHeight(n * TVWahlGrid::kHoehe + 2 * rolle->frameWidth() + 1);
}

void TVWahlForm::ZeichneStreifen(QPainter& p, const QRect& r, const TVWahlZeile& z) const {
  p.setRenderHint(QPainter::Antialiasing, true);
  for (int k = 1; k <= 16; ++k) {
    const TVWahlStunde& s = z.Streifen[static_cast<std::size_t>(k - 1)];
    const int x = r.left() + 7 * k - 6;
    const QRect slot(x, r.top() + 4, 6, 6);
    const QColor farbe = s.Rot ? QColor(255, 0, 0) : QColor(Qt::black);
    if (s.Gruen) {
      p.fillRect(QRect(x, r.top() + 2, 6, r.height() - 4), QColor(0, 255, 0));
    } else if (s.Zeichen == 'E' || s.Zeichen == 'G') {
      p.setPen(farbe);
      p.setBrush(Qt::white);
      p.drawEllipse(slot);
    } else if (s.Zeichen == 'K' || s.Zeichen == 'L') {
      p.setPen(farbe);
      p.setBrush(farbe);
      p.drawEllipse(slot);
    } else if (s.Zeichen == 'S') {
      p.fillRect(QRect(x, r.top() + 2, 6, r.height() - 4), QColor(128, 128, 0));
    } else {
      p.fillRect(QRect(x, r.center().y() - 1, 6, 2), Qt::black);
    }
  }
  p.setRenderHint(QPainter::Antialiasing, false);
  if (fWahl.fStd >= 1 && fWahl.fStd <= 16) {
    const int x = r.left() + 7 * fWahl.fStd - 3;
    p.setPen(QColor(255, 0, 0));
    p.drawLine(x, r.top(), x, r.bottom());
  }
}

// ---- Knöpfe und Raster ----

std::optional<TFensterDienst::TElementWahl> TVWahlForm::Auswahl(TKuerzelArt art, bool mitOhne,
                                                                QWidget* unter) {
  TFensterDienst* dienst = FensterDienst();
  if (!dienst) return std::nullopt;
  const QPoint pos = unter->mapToGlobal(QPoint(0, unter->height()));
  ++fMenueOffen;
  auto wahl = dienst->ElementWaehlen(art, mitOhne, pos.x(), pos.y());
  --fMenueOffen;
  return wahl;
}

void TVWahlForm::MenueZeigen(TMenue menue, const QPoint& pos) {
  if (menue.empty()) return;
  TPopupMenue popup(std::move(menue), this);
  ++fMenueOffen;
  popup.Exec(pos);
  --fMenueOffen;
  FensterRefresh();
}

void TVWahlForm::LehrerKnopfClick() {
  if (const auto wahl = Auswahl(leh, true, LehrerKnopf)) fWahl.LehrerWahl(*wahl);
  FensterRefresh();
}

void TVWahlForm::RaumKnopfClick() {
  if (const auto wahl = Auswahl(rau, true, RaumKnopf)) fWahl.RaumWahl(*wahl);
  FensterRefresh();
}

void TVWahlForm::FachKnopfClick() {
  if (const auto wahl = Auswahl(fac, false, FachKnopf)) fWahl.FachWahl(*wahl);
  FensterRefresh();
}

void TVWahlForm::BemKnopfClick(bool schueler) {
  const bool ersetzen = fWahl.fRechts;
  QPushButton* knopf = schueler ? SBemKnopf : LBemKnopf;
  TMenue menue = TVWahl::BemMenu();
  for (TMenueEintrag& e : menue)
    e.Aktion = [this, schueler, ersetzen, i = e.Wert] { fWahl.Bemerkung(schueler, i, ersetzen); };
  MenueZeigen(std::move(menue), knopf->mapToGlobal(QPoint(0, knopf->height())));
}

void TVWahlForm::StattMenuKnopfClick() {
  MenueZeigen(fWahl.ZeitStattMenu(),
              StattMenuKnopf->mapToGlobal(QPoint(0, StattMenuKnopf->height())));
}

void TVWahlForm::LehrerGridLos(int zeile, int spalte, Qt::MouseButton knopf,
                               Qt::KeyboardModifiers tasten) {
  fWahl.fRow = zeile;
  if (knopf != Qt::LeftButton || spalte != 0 || zeile >= static_cast<int>(fLehrer.size())) return;
  const TVWahlZeile& z = fLehrer[static_cast<std::size_t>(zeile)];
  auto* lehrer = static_cast<TLehrer*>(z.Element);
  if (!isActiveWindow()) return;
  if (z.Unterstrichen) {
    MenueZeigen(fWahl.KlassenStattMenu(lehrer),
                LehrerGrid->mapToGlobal(LehrerGrid->ZellRechteck(0, zeile).bottomLeft()));
  } else if (tasten & Qt::ShiftModifier) {
    if (TFensterDienst* d = FensterDienst()) d->PlanFensterZeigen(lehrer);
  }
}

void TVWahlForm::LehrerGridDoppel(int zeile) {
  if (zeile < 0 || zeile >= static_cast<int>(fLehrer.size())) return;
  fWahl.LehrerEintragen(static_cast<TLehrer*>(fLehrer[static_cast<std::size_t>(zeile)].Element));
  FensterRefresh();
}

void TVWahlForm::RaumGridDoppel(int zeile) {
  if (zeile < 0 || zeile >= static_cast<int>(fRaeume.size())) return;
  fWahl.RaumEintragen(static_cast<TRaum*>(fRaeume[static_cast<std::size_t>(zeile)].Element));
  FensterRefresh();
}

// ---- TFenster ----

void TVWahlForm::FensterUpdate() {
  FensterRefresh();
}

void TVWahlForm::FensterRefresh() {
  if (!fWahl.fVertretung) return;
  VertretungAendern();
  if (fWahl.fLehrerModus)
    LehrerListeAendern();
  else
    RaumListeAendern();
}

void TVWahlForm::Blaettern(int richtung, unsigned /*umschalt*/) {
  TVertretung* n = fWahl.Nachbar(richtung);
  if (!n) return;
  IVWahlForm(n);
  // Der Tagesplan zeigt die Zeile der neuen Vertretung.
  Schule().FensterMelden(TModellAenderung::Gezeigt(n));
}

void TVWahlForm::KursGeloescht(TKurs* /*kurs*/) {
  // Der Tagesplan kann eine Stunde des Kurses zeigen: neu aus dem Modell, in dem der Kurs keine
  // Stunde mehr hat.
  if (fWahl.fVertretung) TagesPlanAendern();
}

void TVWahlForm::BeimAbmelden() {
  fWahl.Loesen();
  if (!Angemeldet()) return;
  Standard().fVertrLeLeft = x();
  Standard().fVertrLeTop = y();
}

namespace {
// Die Umschalttasten des Ereignisses für das Hauptfenster (Bit 0 Shift, Bit 1 Alt, Bit 2 Strg).
void UmschaltMelden(const QKeyEvent* event) {
  TFensterDienst* d = FensterDienst();
  if (!d) return;
  unsigned u = 0;
  if (event->modifiers() & Qt::ShiftModifier) u |= 1u;
  if (event->modifiers() & Qt::AltModifier) u |= 2u;
  if (event->modifiers() & Qt::ControlModifier) u |= 4u;
  d->UmschalttastenSetzen(u);
}
}  // namespace

void TVWahlForm::keyReleaseEvent(QKeyEvent* event) {
  UmschaltMelden(event);
  QWidget::keyReleaseEvent(event);
}

void TVWahlForm::keyPressEvent(QKeyEvent* event) {
  UmschaltMelden(event);
  if (event->key() == Qt::Key_Left || event->key() == Qt::Key_Right) {
    Blaettern(event->key() == Qt::Key_Left ? -1 : 1, 0);
    return;
  }
  QWidget::keyPressEvent(event);
}

bool TVWahlForm::eventFilter(QObject* objekt, QEvent* event) {
  // Klick auf die Beschriftungen des Tagesplans: das Planfenster des Elements bzw. seines
  // Stammraums.
  if (event->type() == QEvent::MouseButtonRelease &&
      (objekt == PlnKuerzelFeld || objekt == PlnRaumFeld)) {
    TPlanElement* e = fWahl.PlanElement();
    if (e && objekt == PlnRaumFeld)
      e = e->Art() == leh   ? static_cast<TPlanElement*>(static_cast<TLehrer*>(e)->fRaum)
          : e->Art() == kla ? static_cast<TPlanElement*>(static_cast<TKlasse*>(e)->fRaum)
                            : nullptr;
    if (TFensterDienst* d = FensterDienst(); d && e) d->PlanFensterZeigen(e);
  }
  return QWidget::eventFilter(objekt, event);
}
