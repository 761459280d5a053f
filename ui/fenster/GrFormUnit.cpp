#include "ui/fenster/GrFormUnit.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>
#include <optional>

#include "model/FachUnit.h"
#include "model/KlassenUnit.h"
#include "model/KopplUnit.h"
#include "model/KursUnit.h"
#include "model/LehrerUnit.h"
#include "model/RaumUnit.h"
#include "model/SchulUnit.h"
#include "settings/StandardUnit.h"
#include "ui/KursFeldUnit.h"
#include "ui/fenster/MenuFormUnit.h"
#include "ui/fenster/PopupMenueUnit.h"
#include "ui/fenster/QtFensterHilfeUnit.h"
#include "ui/fenster/QtFensterPlatzUnit.h"
#include "ui/fenster/QtTextUnit.h"
#include "ui/fenster/QtUmschaltUnit.h"
#include "ui/fenster/SperrQuonGridUnit.h"

namespace {
QString KuerzelOderOhne(const TElement* e) {
  return e ? AnsiText(e->fKuerzel.str()) : QStringLiteral("ohne");
}

// Die Auswahlliste der Art unter dem Knopf; nichts bei Abbruch oder ohne Fensterdienst.
std::optional<TFensterDienst::TElementWahl> Waehle(TKuerzelArt art, bool mitOhne, QWidget* knopf) {
  TFensterDienst* dienst = FensterDienst();
  if (!dienst) return std::nullopt;
  const QPoint pos = knopf->mapToGlobal(QPoint(0, knopf->height()));
  std::optional<TFensterDienst::TElementWahl> wahl =
      dienst->ElementWaehlen(art, mitOhne, pos.x(), pos.y());
  if (!wahl || !wahl->Gewaehlt) return std::nullopt;
  return wahl;
}

// Ein Fach aus der Liste, mit Strg mehrere aus der Mehrfachwahl "Fächer".
std::vector<TFach*> FaecherWaehlen(QWidget* knopf, QWidget* eltern) {
  std::vector<TFach*> faecher;
  if (FensterUmschalt() & umCtrl) {
    TMenuForm form(Schule().Elemente(fac), QStringLiteral("Fächer"), eltern);
    if (form.exec() == QDialog::Accepted)
      for (TElement* e : form.Ergebnis()) faecher.push_back(static_cast<TFach*>(e));
  } else if (auto wahl = Waehle(fac, false, knopf); wahl && wahl->Element) {
    faecher.push_back(static_cast<TFach*>(wahl->Element));
  }
  return faecher;
}
}  // namespace

// ---- "Kurse übernehmen" ----

TUebernehmenForm::TUebernehmenForm(TKlasse* klasse, QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Kurse übernehmen"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(
      new QLabel(QStringLiteral("Eventuell vorhandene alte Kurse\nwerden gelöscht."), this));
  auto* zeile = new QHBoxLayout;
  zeile->addWidget(new QLabel(QStringLiteral("Übernehmen von"), this));
  KlassenFeld = new QPushButton(this);
  KlassenFeld->setObjectName(QStringLiteral("KlassenFeld"));
  zeile->addWidget(KlassenFeld);
  layout->addLayout(zeile);
  OhneRadio = new QRadioButton(QStringLiteral("ohne Kopplungen"), this);
  ErgaenzenRadio = new QRadioButton(QStringLiteral("in Kopplungen Klasse ergänzen"), this);
  EigeneRadio = new QRadioButton(QStringLiteral("eigene Kurse statt Kopplungen"), this);
  OhneRadio->setChecked(true);
  layout->addWidget(OhneRadio);
  layout->addWidget(ErgaenzenRadio);
  layout->addWidget(EigeneRadio);
  KlassenraumCheck = new QCheckBox(QStringLiteral("Klassenraum ergänzen"), this);
  layout->addWidget(KlassenraumCheck);
  auto* knoepfe = new QHBoxLayout;
  OkKnopf = new QPushButton(QStringLiteral("Ok"), this);
  CancelKnopf = new QPushButton(QStringLiteral("Abbrechen"), this);
  knoepfe->addStretch();
  knoepfe->addWidget(OkKnopf);
  knoepfe->addWidget(CancelKnopf);
  layout->addLayout(knoepfe);
  connect(OkKnopf, &QPushButton::clicked, this, &QDialog::accept);
  connect(CancelKnopf, &QPushButton::clicked, this, &QDialog::reject);
  connect(KlassenFeld, &QPushButton::clicked, this, [this] {
    if (auto wahl = Waehle(kla, false, KlassenFeld); wahl && wahl->Element)
      SetzeQuelle(static_cast<TKlasse*>(wahl->Element));
  });
  SetzeQuelle(klasse);
}

void TUebernehmenForm::SetzeQuelle(TKlasse* quelle) {
  fQuelle = quelle;
  KlassenFeld->setText(KuerzelOderOhne(quelle));
}

GrundDaten::TUebernahme TUebernehmenForm::Art() const {
  if (ErgaenzenRadio->isChecked()) return GrundDaten::TUebernahme::KlasseInKopplungen;
  if (EigeneRadio->isChecked()) return GrundDaten::TUebernahme::EigeneKurse;
  return GrundDaten::TUebernahme::OhneKopplungen;
}

// ---- Datenfenster ----

TGrForm::TGrForm(QWidget* parent) : TFensterBasis(parent) {
  // Alt schließt hier nicht alle Fenster mit.
  AltSchliesstAlle(false);
  new QVBoxLayout(this);
  PositioniereFenster(*this, NeuerFormIndex());
}

TGrForm::~TGrForm() {
  Abmelden();
}

void TGrForm::IGrForm(TElement* element) {
  if (!element || Schliesst()) return;
  const bool neu = element != Element();
  const bool andereArt = !Element() || Element()->Art() != element->Art();
  ElementPlatz(element, &TElement::fGrDatFenster);
  if (neu && (andereArt || !fInhalt)) Aufbauen();
  setWindowTitle(QString::fromStdString(Titel()));
  // Unter der neuen Überschrift ins Fenstermenü.
  Anmelden(neu);
  Fuellen();
  adjustSize();
}

// Die rechte Maustaste auf einer Zeile der Liste öffnet ihr Kontextmenü.
void TGrForm::KontextMenueAn(QListWidget* liste) {
  liste->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(liste, &QWidget::customContextMenuRequested, this, [this, liste](const QPoint& pos) {
    const QModelIndex i = liste->indexAt(pos);
    if (i.isValid()) ListenMenue(liste, i.row() + 1, liste->viewport()->mapToGlobal(pos));
  });
}

void TGrForm::ListenMenue(QListWidget* liste, int zeile, const QPoint& bildschirmPos) {
  if (!Element() || !SchuleVorhanden() || Schule().fToolArt != TToolArt::ZeigTool) return;
  TElement* mit = nullptr;
  if (liste == FachListe && Element()->Art() == leh)
    mit = static_cast<TLehrer*>(Element())->fFaecher.ListeNrInhalt(zeile);
  else if (liste == LehrerListe && Element()->Art() == fac)
    mit = static_cast<TFach*>(Element())->fLehrer.ListeNrInhalt(zeile);
  else if (liste == KlassenListe && Element()->Art() == fac)
    mit = static_cast<TFach*>(Element())->fKlassen.ListeNrInhalt(zeile);
  if (!mit) return;
  TMenue menue = GrundDaten::KurseMit(*Element(), *mit);
  if (menue.empty()) return;
  TElement* vater = Element();
  for (TMenueEintrag& e : menue)
    e.Aktion = [kurs = static_cast<TKurs*>(e.Objekt), vater] {
      // Der Kurs kann gelöscht sein, während das Menü offen war.
      if (!SchuleVorhanden() || !Schule().fKursMenge.ListeElemEnthalten(kurs)) return;
      if (TFensterDienst* d = FensterDienst()) d->NeuesKursFenster(kurs, vater);
    };
  MenueOeffnen(fPlanMenue, std::move(menue), this, bildschirmPos);
}

// Die Steuerelemente nach der Art des Elements.
void TGrForm::Aufbauen() {
  if (fInhalt) {
    if (SperrFeld) SperrFeld->SperrGrid->SetzeBereiche(nullptr, nullptr);
    delete fInhalt;
  }
  InfoFeld = nullptr;
  SollFeld = IstFeld = FachSummen = nullptr;
  SollAufKnopf = SollAbKnopf = RaumKnopf = NeuesFachKnopf = Lehrer1Knopf = Lehrer2Knopf =
      NeuerKursKnopf = StdAufKnopf = StdAbKnopf = UebernehmenKnopf = nullptr;
  FachListe = KursListe = LehrerListe = KlassenListe = nullptr;
  FreierTagCheck = EinfachCheck = nullptr;
  SperrFeld = nullptr;
  fInhalt = new QWidget(this);
  layout()->addWidget(fInhalt);
  auto* haupt = new QHBoxLayout(fInhalt);
  auto* links = new QVBoxLayout;
  haupt->addLayout(links);
  const TKuerzelArt art = Element()->Art();
  const bool soll = art == leh || art == kla;
  if (soll) {
    auto* g = new QGridLayout;
    g->addWidget(new QLabel(QStringLiteral("Soll"), fInhalt), 0, 0);
    SollFeld = new QLabel(fInhalt);
    SollFeld->setObjectName(QStringLiteral("SollFeld"));
    g->addWidget(SollFeld, 0, 1);
    SollAufKnopf = new QPushButton(QStringLiteral("▲"), fInhalt);
    SollAbKnopf = new QPushButton(QStringLiteral("▼"), fInhalt);
    SollAufKnopf->setFixedWidth(24);
    SollAbKnopf->setFixedWidth(24);
    g->addWidget(SollAufKnopf, 0, 2);
    g->addWidget(SollAbKnopf, 0, 3);
    g->addWidget(new QLabel(QStringLiteral("Ist"), fInhalt), 1, 0);
    IstFeld = new QLabel(fInhalt);
    IstFeld->setObjectName(QStringLiteral("IstFeld"));
    g->addWidget(IstFeld, 1, 1, 1, 3);
    g->addWidget(new QLabel(QStringLiteral("Raum"), fInhalt), 2, 0);
    RaumKnopf = new QPushButton(fInhalt);
    RaumKnopf->setObjectName(QStringLiteral("RaumKnopf"));
    g->addWidget(RaumKnopf, 2, 1, 1, 3);
    links->addLayout(g);
    connect(SollAufKnopf, &QPushButton::clicked, this, [this] { SollKnopfClick(1); });
    connect(SollAbKnopf, &QPushButton::clicked, this, [this] { SollKnopfClick(-1); });
    connect(RaumKnopf, &QPushButton::clicked, this, [this] { RaumKnopfClick(); });
  }
  if (art == leh) {
    auto* box = new QGroupBox(QStringLiteral("Fächer"), fInhalt);
    auto* v = new QVBoxLayout(box);
    FachListe = new QListWidget(box);
    FachListe->setObjectName(QStringLiteral("FachListe"));
    FachListe->setFont(QFont(QStringLiteral("Monospace")));
    v->addWidget(FachListe);
    NeuesFachKnopf = new QPushButton(QStringLiteral("Neues Fach"), box);
    v->addWidget(NeuesFachKnopf);
    links->addWidget(box);
    FreierTagCheck = new QCheckBox(QStringLiteral("freier Tag"), fInhalt);
    links->addWidget(FreierTagCheck);
    connect(NeuesFachKnopf, &QPushButton::clicked, this, [this] { NeuesFachKnopfClick(); });
    connect(FachListe, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* i) { FachListeDoppelKlick(FachListe->row(i) + 1); });
    KontextMenueAn(FachListe);
    connect(FreierTagCheck, &QCheckBox::toggled, this, [this](bool an) {
      if (fFuellt || !Element()) return;
      static_cast<TLehrer*>(Element())->fFreierTag = an;
      SchuleGeaendert();
    });
  }
  if (art == kla) {
    auto* lehrer = new QHBoxLayout;
    lehrer->addWidget(new QLabel(QStringLiteral("Lehrer"), fInhalt));
    Lehrer1Knopf = new QPushButton(fInhalt);
    Lehrer2Knopf = new QPushButton(fInhalt);
    lehrer->addWidget(Lehrer1Knopf);
    lehrer->addWidget(Lehrer2Knopf);
    links->addLayout(lehrer);
    auto* box = new QGroupBox(QStringLiteral("Kurse"), fInhalt);
    auto* v = new QVBoxLayout(box);
    KursListe = new QListWidget(box);
    KursListe->setObjectName(QStringLiteral("KursListe"));
    KursListe->setFont(QFont(QStringLiteral("Monospace")));
    v->addWidget(KursListe);
    auto* k = new QHBoxLayout;
    NeuerKursKnopf = new QPushButton(QStringLiteral("Neuer Kurs"), box);
    StdAufKnopf = new QPushButton(QStringLiteral("▲"), box);
    StdAbKnopf = new QPushButton(QStringLiteral("▼"), box);
    StdAufKnopf->setFixedWidth(24);
    StdAbKnopf->setFixedWidth(24);
    k->addWidget(NeuerKursKnopf);
    k->addWidget(StdAufKnopf);
    k->addWidget(StdAbKnopf);
    v->addLayout(k);
    links->addWidget(box);
    UebernehmenKnopf = new QPushButton(QStringLiteral("Übernehmen"), fInhalt);
    links->addWidget(UebernehmenKnopf);
    EinfachCheck = new QCheckBox(QStringLiteral("einfach"), fInhalt);
    links->addWidget(EinfachCheck);
    connect(Lehrer1Knopf, &QPushButton::clicked, this, [this] { LehrerKnopfClick(1); });
    connect(Lehrer2Knopf, &QPushButton::clicked, this, [this] { LehrerKnopfClick(2); });
    connect(NeuerKursKnopf, &QPushButton::clicked, this, [this] { NeuerKursKnopfClick(); });
    connect(StdAufKnopf, &QPushButton::clicked, this, [this] { StdKnopfClick(1); });
    connect(StdAbKnopf, &QPushButton::clicked, this, [this] { StdKnopfClick(-1); });
    connect(UebernehmenKnopf, &QPushButton::clicked, this, [this] { UebernehmenKnopfClick(); });
    connect(KursListe, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* i) { KursListeDoppelKlick(KursListe->row(i) + 1); });
    connect(EinfachCheck, &QCheckBox::toggled, this, [this](bool an) {
      if (fFuellt || !Element()) return;
      static_cast<TKlasse*>(Element())->fKopDop = !an;
      SchuleGeaendert();
      Fuellen();
    });
  }
  if (art == fac) {
    auto* lb = new QGroupBox(QStringLiteral("Lehrer"), fInhalt);
    auto* lv = new QVBoxLayout(lb);
    LehrerListe = new QListWidget(lb);
    LehrerListe->setFont(QFont(QStringLiteral("Monospace")));
    lv->addWidget(LehrerListe);
    auto* kb = new QGroupBox(QStringLiteral("Klassen"), fInhalt);
    auto* kv = new QVBoxLayout(kb);
    KlassenListe = new QListWidget(kb);
    KlassenListe->setFont(QFont(QStringLiteral("Monospace")));
    kv->addWidget(KlassenListe);
    auto* beide = new QHBoxLayout;
    beide->addWidget(lb);
    beide->addWidget(kb);
    links->addLayout(beide);
    FachSummen = new QLabel(fInhalt);
    links->addWidget(FachSummen);
    KontextMenueAn(LehrerListe);
    KontextMenueAn(KlassenListe);
    auto planZeigen = [](TPlanElement* e) {
      if (TFensterDienst* d = FensterDienst(); d && e) d->PlanFensterZeigen(e);
    };
    connect(LehrerListe, &QListWidget::itemDoubleClicked, this,
            [this, planZeigen](QListWidgetItem* i) {
              auto* f = static_cast<TFach*>(Element());
              planZeigen(f->fLehrer.ListeNrInhalt(LehrerListe->row(i) + 1));
            });
    connect(KlassenListe, &QListWidget::itemDoubleClicked, this,
            [this, planZeigen](QListWidgetItem* i) {
              auto* f = static_cast<TFach*>(Element());
              planZeigen(f->fKlassen.ListeNrInhalt(KlassenListe->row(i) + 1));
            });
  }
  if (art == leh || art == kla || art == rau) {
    auto* box = new QGroupBox(QStringLiteral("Sperrung"), fInhalt);
    auto* v = new QVBoxLayout(box);
    SperrFeld = new TSperrFeld(box);
    v->addWidget(SperrFeld);
    haupt->addWidget(box, 0, Qt::AlignTop);
    // Rechts auf einer besetzten Zelle: das Planmenü des Elements statt eines Rechtecks.
    connect(SperrFeld->SperrGrid, &TQuonGrid::MausDruck, this, [this](const TGridMaus& m) {
      auto* p = dynamic_cast<TPlanElement*>(Element());
      if (!p || m.Knopf != Qt::RightButton) return;
      const int tag = m.Col + 1, std = m.Row + 1;
      if (!p->fBesetzung.GetWocheTagStd(Standard().fAktuelleWoche, tag, std)) return;
      TMenue menue;
      p->ErzeugePlnMenu(menue, (m.Umschalt & umShift) != 0, tag, std,
                        p->Art() == rau ? static_cast<TRaum*>(p) : nullptr, p->Art());
      if (menue.empty()) return;
      MenueOeffnen(fPlanMenue, std::move(menue), this,
                   SperrFeld->SperrGrid->viewport()->mapToGlobal(m.Pos));
    });
    connect(SperrFeld->SperrGrid, &TSperrGrid::SperrungGeaendert, this, [this](int) {
      SchuleGeaendert();
      if (auto* p = dynamic_cast<TPlanElement*>(Element()); p && p->fPlnFenster)
        p->fPlnFenster->FensterRefresh();
      TSchule& schule = Schule();
      TFenster* uebersicht = Element()->Art() == leh   ? schule.fLehrUebForm
                             : Element()->Art() == kla ? schule.fKlasUebForm
                                                       : schule.fRaumUebForm;
      for (TFenster* w : {uebersicht, schule.fManuellForm, schule.fSVForm})
        if (w) w->FensterRefresh();
    });
  }
  auto* info = new QHBoxLayout;
  info->addWidget(new QLabel(QStringLiteral("Info"), fInhalt));
  InfoFeld = new QLineEdit(fInhalt);
  InfoFeld->setObjectName(QStringLiteral("InfoFeld"));
  InfoFeld->setMaxLength(31);
  info->addWidget(InfoFeld);
  links->addLayout(info);
  links->addStretch();
  connect(InfoFeld, &QLineEdit::textEdited, this, [this](const QString& t) {
    if (!Element()) return;
    const std::string utf8 = t.toStdString();
    if (!KursFeld::InfoZulaessig(utf8)) {
      Dialog().Piep();
      InfoFeld->setText(AnsiText(Element()->fInfo.str()));
      return;
    }
    Element()->SetInfo(Utf8ZuWin1252(utf8));
    if (Element()->Art() == leh)
      if (TFenster* st = Schule().fLeStatForm) st->FensterRefresh();
  });
  for (QWidget* w : fInhalt->findChildren<QWidget*>()) w->installEventFilter(this);
}

void TGrForm::Fuellen() {
  if (!Element()) return;
  fFuellt = true;
  const TKuerzelArt art = Element()->Art();
  if (InfoFeld && !InfoFeld->hasFocus()) {
    InfoFeld->setText(AnsiText(Element()->fInfo.str()));
    InfoFeld->selectAll();
  }
  if (art == leh || art == kla) {
    auto* e = static_cast<TSollElement*>(Element());
    SollFeld->setText(AnsiText(GrundDaten::SollText(*e)));
    IstFeld->setText(AnsiText(GrundDaten::IstText(*e) + "  " + GrundDaten::IstWertText(*e)));
    TRaum* raum = art == leh ? static_cast<TLehrer*>(e)->fRaum : static_cast<TKlasse*>(e)->fRaum;
    RaumKnopf->setText(KuerzelOderOhne(raum));
  }
  if (art == leh) {
    auto* l = static_cast<TLehrer*>(Element());
    FachListe->clear();
    for (const std::string& z : GrundDaten::FachZeilen(*l)) FachListe->addItem(AnsiText(z));
    FreierTagCheck->setChecked(l->fFreierTag);
  }
  if (art == kla) {
    auto* k = static_cast<TKlasse*>(Element());
    Lehrer1Knopf->setText(KuerzelOderOhne(k->fLehrer1));
    Lehrer2Knopf->setText(KuerzelOderOhne(k->fLehrer2));
    const int aktuell = KursListe->currentRow();
    KursListe->clear();
    for (const GrundDaten::TKursZeile& z : GrundDaten::KursZeilen(*k)) {
      auto* item = new QListWidgetItem(AnsiText(z.Text), KursListe);
      if (z.Rot) item->setForeground(QColor(255, 0, 0));
    }
    if (aktuell >= 0 && aktuell < KursListe->count()) KursListe->setCurrentRow(aktuell);
    EinfachCheck->setChecked(!k->fKopDop);
  }
  if (art == fac) {
    auto* f = static_cast<TFach*>(Element());
    auto rechts = [](std::int64_t w) {
      std::string t = ZahlText(w);
      if (t.size() < 4) t.insert(0, 4 - t.size(), ' ');
      return t;
    };
    LehrerListe->clear();
    for (const TLehrer* l : f->fLehrer)
      LehrerListe->addItem(AnsiText(rechts(f->LehrerSumme(l)) + " " + l->fKuerzel.str()));
    KlassenListe->clear();
    for (const TKlasse* k : f->fKlassen)
      KlassenListe->addItem(AnsiText(rechts(f->KlassenSumme(k)) + " " + k->fKuerzel.str()));
    FachSummen->setText(AnsiText("Klassen ( " + StundenText(f->StundenSumme(-1, false, kla)) +
                                 " ) " + StundenText(f->FaktorSumme(-1, false, kla)) +
                                 "   Lehrer ( " + StundenText(f->StundenSumme(-1, false, leh)) +
                                 " ) " + StundenText(f->FaktorSumme(-1, false, leh))));
  }
  if (SperrFeld) {
    auto* p = static_cast<TPlanElement*>(Element());
    SperrFeld->Fuellen();
    SperrFeld->SperrGrid->SetzeBereiche(&p->fSperrung, &p->fBesetzung, [p](int tag, int std) {
      TSperrMarke marke;
      marke.Belegt = true;
      if (TKurs* k = p->FindeKurs(Standard().fAktuelleWoche, tag, std)) {
        marke.Gekoppelt = k->fKopplung != nullptr;
        if (const TSetzung* s = k->SetzungFinden(Standard().fAktuelleWoche, tag, std))
          marke.Fixiert = s->fFixiert;
      }
      return marke;
    });
  }
  fFuellt = false;
}

// ---- Handlungen ----

void TGrForm::SollKnopfClick(int richtung) {
  auto* e = dynamic_cast<TSollElement*>(Element());
  if (!e) return;
  e->AendereSoll(richtung < 0 ? -1 : 1);
  SchuleGeaendert();
  Fuellen();
}

TKurs* TGrForm::GewaehlterKurs() const {
  if (!KursListe || !Element()) return nullptr;
  return Element()->fKurse.ListeNrInhalt(KursListe->currentRow() + 1);
}

void TGrForm::StdKnopfClick(int richtung) {
  if (TKurs* k = GewaehlterKurs()) {
    if (!GrundDaten::StundenSchritt(*k, richtung)) Dialog().Piep();
    if (Element()) Fuellen();
  }
}

void TGrForm::RaumKnopfClick() {
  auto* e = dynamic_cast<TSollElement*>(Element());
  if (!e) return;
  const auto wahl = Waehle(rau, true, RaumKnopf);
  if (!wahl || Element() != e) return;
  GrundDaten::StammraumWaehlen(*e, static_cast<TRaum*>(wahl->Element));
  if (Element()) Fuellen();
}

void TGrForm::LehrerKnopfClick(int nummer) {
  auto* k = dynamic_cast<TKlasse*>(Element());
  if (!k) return;
  const auto wahl = Waehle(leh, true, nummer == 2 ? Lehrer2Knopf : Lehrer1Knopf);
  if (!wahl || Element() != k) return;
  GrundDaten::KlassenLehrerSetzen(*k, nummer, static_cast<TLehrer*>(wahl->Element));
  if (Element()) Fuellen();
}

void TGrForm::NeuesFachKnopfClick() {
  auto* l = dynamic_cast<TLehrer*>(Element());
  if (!l) return;
  const std::vector<TFach*> faecher = FaecherWaehlen(NeuesFachKnopf, this);
  if (Element() != l) return;
  int zeile = 0;
  for (TFach* f : faecher) zeile = GrundDaten::FachDazu(*l, f);
  if (!Element()) return;
  Fuellen();
  if (zeile > 0) {
    FachListe->setCurrentRow(zeile - 1);
    FachListe->scrollToItem(FachListe->currentItem());
  }
}

void TGrForm::NeuerKursKnopfClick() {
  auto* k = dynamic_cast<TKlasse*>(Element());
  if (!k) return;
  const std::vector<TFach*> faecher = FaecherWaehlen(NeuerKursKnopf, this);
  if (Element() != k) return;
  TKurs* neu = nullptr;
  for (TFach* f : faecher) neu = GrundDaten::NeuerKlassenKurs(*k, f);
  if (!Element()) return;
  Fuellen();
  for (int i = 1; neu && i <= k->fKurse.ListeZahlElemente(); ++i)
    if (k->fKurse.ListeNrInhalt(i) == neu) KursListe->setCurrentRow(i - 1);
}

void TGrForm::KursListeDoppelKlick(int zeile) {
  if (!Element() || Schule().fToolArt != TToolArt::LoeschTool) return;
  TKurs* k = Element()->fKurse.ListeNrInhalt(zeile);
  if (!k || !k->fSetzungen.empty()) return;
  Schule().KursLoeschen(k);
  if (Element()) Fuellen();
}

void TGrForm::FachListeDoppelKlick(int zeile) {
  auto* l = dynamic_cast<TLehrer*>(Element());
  if (!l || Schule().fToolArt != TToolArt::LoeschTool) return;
  if (TFach* f = l->fFaecher.ListeNrInhalt(zeile)) l->FachEntfernen(f);
  if (Element()) Fuellen();
}

void TGrForm::UebernehmenKnopfClick() {
  auto* k = dynamic_cast<TKlasse*>(Element());
  if (!k || GrundDaten::StopMeldung(*k)) return;
  TUebernehmenForm dialog(k, this);
  if (dialog.exec() != QDialog::Accepted) return;
  // Das Element kann während des Dialogs verschwunden sein.
  if (Element() != k) return;
  GrundDaten::KurseUebernehmen(*k, dialog.Quelle(), dialog.Art(),
                               dialog.KlassenraumCheck->isChecked());
  if (Element()) Fuellen();
}

// ---- Abmelden ----

void TGrForm::BeimAbmelden() {
  if (SperrFeld) SperrFeld->SperrGrid->SetzeBereiche(nullptr, nullptr);
}

bool TGrForm::eventFilter(QObject* objekt, QEvent* event) {
  if (event->type() == QEvent::KeyPress && objekt != InfoFeld &&
      PfeilBlaettern(*static_cast<QKeyEvent*>(event)))
    return true;
  return QWidget::eventFilter(objekt, event);
}

// ---- TFenster ----

int TGrForm::FensterArt() const {
  return Element() ? FensterArt::LehrerDaten + Element()->Art() : FensterArt::LehrerDaten;
}

std::string TGrForm::Titel() const {
  return Element() ? U8(GrundDaten::Titel(Element())) : windowTitle().toStdString();
}

void TGrForm::FensterUpdate() {
  if (!Element() || Schliesst()) return;
  // Das Kürzel kann umbenannt sein: die Überschrift folgt ihm.
  setWindowTitle(QString::fromStdString(Titel()));
  Fuellen();
}

void TGrForm::ElementZeigen(TElement* element) {
  IGrForm(element);
}

bool TGrForm::TextFeldHatFokus() const {
  return InfoFeld && InfoFeld->hasFocus();
}

std::string TGrForm::MarkierterText() const {
  return InfoFeld ? InfoFeld->selectedText().toStdString() : std::string();
}

void TGrForm::MarkiertenTextLoeschen() {
  if (!InfoFeld || !InfoFeld->hasSelectedText()) return;
  InfoFeld->del();
  emit InfoFeld->textEdited(InfoFeld->text());
}

void TGrForm::TextEinsetzen(const std::string& text) {
  if (!InfoFeld) return;
  InfoFeld->insert(QString::fromStdString(text));
  emit InfoFeld->textEdited(InfoFeld->text());
}

TGrForm* NeuesGrFenster(TElement* element) {
  if (!element) return nullptr;
  TDirtyBewahrer bewahrer;
  auto* f = new TGrForm;
  f->IGrForm(element);
  f->show();
  return f;
}
