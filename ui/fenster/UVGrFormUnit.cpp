#include "ui/fenster/UVGrFormUnit.h"

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

TUVGrForm::TUVGrForm(QWidget* parent) : TFensterBasis(parent) {
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
    if (!UVTab()) return;
    const std::string utf8 = t.toStdString();
    if (!KursFeld::InfoZulaessig(utf8)) {
      Dialog().Piep();
      InfoFeld->setText(T(U8(UVTab()->fInfo.str())));
      return;
    }
    UVTab()->SetInfo(Utf8ZuWin1252(utf8));
    if (TFenster* st = Schule().fUVStatForm) st->FensterRefresh();
  });
  connect(FachRadio, &QRadioButton::clicked, this, [this] { ArtRadioClick(true); });
  connect(LehrerRadio, &QRadioButton::clicked, this, [this] { ArtRadioClick(false); });
  for (QWidget* w : findChildren<QWidget*>()) w->installEventFilter(this);
  PositioniereFenster(*this, NeuerFormIndex());
}

TUVTab* TUVGrForm::UVTab() const {
  return static_cast<TUVTab*>(Element());
}

void TUVGrForm::IUVGrForm(TUVTab* tab) {
  if (!tab || Schliesst()) return;
  const bool neu = tab != UVTab();
  ElementPlatz(tab, &TElement::fGrDatFenster);
  setWindowTitle(T(Titel()));
  // Unter der neuen Überschrift ins Fenstermenü.
  Anmelden(neu);
  InfoFeld->setText(T(U8(UVTab()->fInfo.str())));
  Fuellen();
  InfoFeld->selectAll();
}

void TUVGrForm::Fuellen() {
  if (!UVTab()) return;
  fFuellt = true;
  const bool fach = UVTab()->fIstFach;
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
    for (TElement* e : UVListe(*UVTab(), links)) liste->addItem(T(U8(e->fKuerzel.str())));
  }
  if (!InfoFeld->hasFocus()) InfoFeld->setText(T(U8(UVTab()->fInfo.str())));
  fFuellt = false;
}

void TUVGrForm::ArtRadioClick(bool istFach) {
  if (!UVTab() || fFuellt) return;
  // Das UV-Fenster der Tabelle baut sich dabei sofort in der neuen Art auf.
  UVArtSetzen(*UVTab(), istFach);
  Fuellen();
}

void TUVGrForm::ListenKnopfClick(bool links) {
  if (!UVTab()) return;
  TUVTab* tab = UVTab();
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
  if (UVTab() != tab) return;
  TElement* letztes = nullptr;
  for (TElement* e : gewaehlt) {
    if (!e || e->Art() != art) continue;
    UVElementAufnehmen(*tab, e);
    letztes = e;
  }
  if (!UVTab()) return;
  Fuellen();
  if (!letztes) return;
  const std::vector<TElement*> liste = UVListe(*UVTab(), links);
  QListWidget* w = links ? LinksListe : RechtsListe;
  for (std::size_t i = 0; i < liste.size(); ++i)
    if (liste[i] == letztes) {
      w->setCurrentRow(static_cast<int>(i));
      w->scrollToItem(w->item(static_cast<int>(i)));
    }
}

void TUVGrForm::ListeDoppelKlick(bool links, int zeile) {
  if (!UVTab() || Schule().fToolArt != TToolArt::LoeschTool) return;
  const std::vector<TElement*> liste = UVListe(*UVTab(), links);
  if (zeile < 1 || zeile > static_cast<int>(liste.size())) return;
  UVElementEntfernen(*UVTab(), liste[static_cast<std::size_t>(zeile - 1)]);
  if (UVTab()) Fuellen();
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
  return UVTab() ? U8("Grunddaten " + UVTab()->fKuerzel.str()) : windowTitle().toStdString();
}

void TUVGrForm::FensterUpdate() {
  if (!UVTab() || Schliesst()) return;
  // Das Kürzel kann umbenannt sein: die Überschrift folgt ihm.
  setWindowTitle(T(Titel()));
  Fuellen();
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
