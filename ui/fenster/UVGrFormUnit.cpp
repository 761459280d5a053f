#include "ui/fenster/UVGrFormUnit.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "model/SchulUnit.h"
#include "ui/FensterSchliessenUnit.h"
#include "ui/KursFeldUnit.h"
#include "ui/fenster/MenuFormUnit.h"
#include "ui/fenster/QtFensterHilfeUnit.h"
#include "ui/fenster/QtFensterPlatzUnit.h"
#include "ui/QuonAuswahlUnit.h"
#include "ui/fenster/QtTextUnit.h"
#include "ui/fenster/QtUmschaltUnit.h"
#include "model/UVTabelleUnit.h"

namespace {
const char* MehrfachTitel(TKuerzelArt art) {
  return art == kla ? "Klassen" : art == leh ? "Lehrer" : "Fächer";
}
}  // namespace

TUVGrForm::TUVGrForm(QWidget* parent) : QWidget(parent, Qt::Window) {
  setAttribute(Qt::WA_DeleteOnClose);
  auto* layout = new QVBoxLayout(this);
  auto* info = new QHBoxLayout;
  info->addWidget(new QLabel(QStringLiteral("Info"), this));
  InfoFeld = new QLineEdit(this);
  InfoFeld->setObjectName(QStringLiteral("InfoFeld"));
  InfoFeld->setMaxLength(31);
  info->addWidget(InfoFeld);
  layout->addLayout(info);
  ArtGruppe = new QGroupBox(QStringLiteral("Zeilen/Spalten"), this);
  auto* art = new QHBoxLayout(ArtGruppe);
  FachRadio = new QRadioButton(QStringLiteral("Klassen/Fächer"), ArtGruppe);
  LehrerRadio = new QRadioButton(QStringLiteral("Lehrer/Klassen"), ArtGruppe);
  art->addWidget(FachRadio);
  art->addWidget(LehrerRadio);
  layout->addWidget(ArtGruppe);
  auto* listen = new QHBoxLayout;
  auto spalte = [this, listen](QLabel*& titel, QListWidget*& liste, QPushButton*& knopf,
                               bool links) {
    auto* v = new QVBoxLayout;
    titel = new QLabel(this);
    liste = new QListWidget(this);
    knopf = new QPushButton(this);
    liste->setObjectName(links ? QStringLiteral("LinksListe") : QStringLiteral("RechtsListe"));
    v->addWidget(titel);
    v->addWidget(liste);
    v->addWidget(knopf);
    listen->addLayout(v);
    connect(knopf, &QPushButton::clicked, this, [this, links] { ListenKnopfClick(links); });
    connect(liste, &QListWidget::itemDoubleClicked, this, [this, links, liste](QListWidgetItem* i) {
      ListeDoppelKlick(links, liste->row(i) + 1);
    });
  };
  spalte(LinksTitel, LinksListe, LinksKnopf, true);
  spalte(RechtsTitel, RechtsListe, RechtsKnopf, false);
  layout->addLayout(listen);
  connect(InfoFeld, &QLineEdit::textEdited, this, [this](const QString& t) {
    if (!fUVTab) return;
    const std::string utf8 = t.toStdString();
    if (!KursFeld::InfoZulaessig(utf8)) {
      Dialog().Piep();
      InfoFeld->setText(T(U8(fUVTab->fInfo.str())));
      return;
    }
    fUVTab->SetInfo(Utf8ZuWin1252(utf8));
    if (TFenster* st = Schule().fUVStatForm) st->FensterRefresh();
  });
  connect(FachRadio, &QRadioButton::clicked, this, [this] { ArtRadioClick(true); });
  connect(LehrerRadio, &QRadioButton::clicked, this, [this] { ArtRadioClick(false); });
  for (QWidget* w : findChildren<QWidget*>()) w->installEventFilter(this);
  PositioniereFenster(*this, NeuerFormIndex());
}

TUVGrForm::~TUVGrForm() {
  if (SchuleVorhanden()) Abmelden();
}

void TUVGrForm::IUVGrForm(TUVTab* tab) {
  if (!tab) return;
  TSchule& schule = Schule();
  const bool warAktiv = schule.fAktivesFenster == this;
  if (fAngemeldet && tab != fUVTab) {
    fAngemeldet = false;
    schule.FensterAbmelden(this);
  }
  if (fUVTab && fUVTab != tab && fUVTab->fGrDatFenster == this) fUVTab->fGrDatFenster = nullptr;
  fUVTab = tab;
  fUVTab->fGrDatFenster = this;
  setWindowTitle(T(Titel()));
  if (!fAngemeldet) {
    schule.FensterAnmelden(this);
    fAngemeldet = true;
    if (warAktiv) schule.FensterAktivieren(this);
  }
  InfoFeld->setText(T(U8(fUVTab->fInfo.str())));
  Fuellen();
  InfoFeld->selectAll();
}

void TUVGrForm::Fuellen() {
  if (!fUVTab) return;
  fFuellt = true;
  const bool fach = fUVTab->fIstFach;
  FachRadio->setChecked(fach);
  LehrerRadio->setChecked(!fach);
  const TUVListenTitel t = UVListenTitel(fach);
  LinksTitel->setText(T(t.Links));
  LinksKnopf->setText(T(t.LinksKnopf));
  RechtsTitel->setText(T(t.Rechts));
  RechtsKnopf->setText(T(t.RechtsKnopf));
  for (bool links : {true, false}) {
    QListWidget* liste = links ? LinksListe : RechtsListe;
    liste->clear();
    for (TElement* e : UVListe(*fUVTab, links)) liste->addItem(T(U8(e->fKuerzel.str())));
  }
  if (!InfoFeld->hasFocus()) InfoFeld->setText(T(U8(fUVTab->fInfo.str())));
  fFuellt = false;
}

void TUVGrForm::ArtRadioClick(bool istFach) {
  if (!fUVTab || fFuellt) return;
  // Das UV-Fenster der Tabelle baut sich dabei sofort in der neuen Art auf.
  UVArtSetzen(*fUVTab, istFach);
  Fuellen();
}

void TUVGrForm::ListenKnopfClick(bool links) {
  if (!fUVTab) return;
  TUVTab* tab = fUVTab;
  const TKuerzelArt art = UVListenArt(tab->fIstFach, links);
  std::vector<TElement*> gewaehlt;
  if (FensterUmschalt() & umCtrl) {
    TMenuForm form(Schule().Elemente(art), QString::fromUtf8(MehrfachTitel(art)), this);
    if (form.exec() == QDialog::Accepted) gewaehlt = form.Ergebnis();
  } else if (TFensterDienst* dienst = FensterDienst()) {
    QPushButton* knopf = links ? LinksKnopf : RechtsKnopf;
    const QPoint pos = knopf->mapToGlobal(QPoint(0, knopf->height()));
    if (auto wahl = dienst->ElementWaehlen(art, false, pos.x(), pos.y());
        wahl && wahl->Gewaehlt && wahl->Element)
      gewaehlt.push_back(wahl->Element);
  }
  // Das Fenster kann inzwischen eine andere Tabelle zeigen oder geschlossen sein.
  if (fUVTab != tab) return;
  TElement* letztes = nullptr;
  for (TElement* e : gewaehlt) {
    if (!e || e->Art() != art) continue;
    UVElementAufnehmen(*tab, e);
    letztes = e;
  }
  if (!fUVTab) return;
  Fuellen();
  if (!letztes) return;
  const std::vector<TElement*> liste = UVListe(*fUVTab, links);
  QListWidget* w = links ? LinksListe : RechtsListe;
  for (std::size_t i = 0; i < liste.size(); ++i)
    if (liste[i] == letztes) {
      w->setCurrentRow(static_cast<int>(i));
      w->scrollToItem(w->item(static_cast<int>(i)));
    }
}

void TUVGrForm::ListeDoppelKlick(bool links, int zeile) {
  if (!fUVTab || Schule().fToolArt != TToolArt::LoeschTool) return;
  const std::vector<TElement*> liste = UVListe(*fUVTab, links);
  if (zeile < 1 || zeile > static_cast<int>(liste.size())) return;
  UVElementEntfernen(*fUVTab, liste[static_cast<std::size_t>(zeile - 1)]);
  if (fUVTab) Fuellen();
}

// ---- Anmelden und Schließen ----

void TUVGrForm::Abmelden() {
  TSchule& schule = Schule();
  if (fAngemeldet) {
    fAngemeldet = false;
    schule.FensterAbmelden(this);
  }
  if (schule.fAktivesFenster == this) schule.FensterAbmelden(this);
  if (fUVTab && fUVTab->fGrDatFenster == this) fUVTab->fGrDatFenster = nullptr;
  fUVTab = nullptr;
}

void TUVGrForm::Schliessen() {
  if (fSchliesst) return;
  fSchliesst = true;
  Abmelden();
  close();
}

void TUVGrForm::closeEvent(QCloseEvent* event) {
  if (!fSchliesst) {
    if (!VonHandSchliessen(event, this)) return;
    fSchliesst = true;
    if (SchuleVorhanden()) Abmelden();
  }
  event->accept();
}

bool TUVGrForm::event(QEvent* event) {
  if (event->type() == QEvent::WindowActivate && fUVTab && SchuleVorhanden())
    Schule().FensterAktivieren(this);
  return QWidget::event(event);
}

bool TUVGrForm::eventFilter(QObject* objekt, QEvent* event) {
  if (event->type() == QEvent::KeyPress && objekt != InfoFeld &&
      PfeilBlaettern(*static_cast<QKeyEvent*>(event)))
    return true;
  return QWidget::eventFilter(objekt, event);
}

// ---- TFenster ----

int TUVGrForm::FensterArt() const {
  return FensterArt::UVDaten;
}

std::string TUVGrForm::Titel() const {
  return fUVTab ? U8("Grunddaten " + fUVTab->fKuerzel.str()) : windowTitle().toStdString();
}

void TUVGrForm::FensterUpdate() {
  if (!fUVTab || fSchliesst) return;
  // Das Kürzel kann umbenannt sein: die Überschrift folgt ihm.
  setWindowTitle(T(Titel()));
  Fuellen();
}

TFensterLage TUVGrForm::Lage() const {
  // Relativ zum Arbeitsbereich, wie die Schuldatei sie erwartet.
  return FormLage(*this);
}

void TUVGrForm::ElementZeigen(TElement* element) {
  if (element && element->Art() == uvt) IUVGrForm(static_cast<TUVTab*>(element));
}

bool TUVGrForm::TextFeldHatFokus() const {
  return InfoFeld && InfoFeld->hasFocus();
}

TUVGrForm* NeuesUVGrFenster(TUVTab* tab) {
  if (!tab) return nullptr;
  TDirtyBewahrer bewahrer;
  auto* f = new TUVGrForm;
  f->IUVGrForm(tab);
  f->show();
  return f;
}
