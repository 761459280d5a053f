#include "ui/fenster/KursFormUnit.h"

#include <QEvent>
#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QValidator>
#include <QVBoxLayout>
#include <algorithm>

#include "model/FachUnit.h"
#include "model/KlassenUnit.h"
#include "model/KopplUnit.h"
#include "model/KursUnit.h"
#include "model/LehrerUnit.h"
#include "model/RaumUnit.h"
#include "model/SchulUnit.h"
#include "model/ToolsUnit.h"
#include "settings/StandardUnit.h"
#include "ui/ElementMenueUnit.h"
#include "ui/KursFeldUnit.h"
#include "ui/fenster/QtUmschaltUnit.h"
#include "ui/fenster/PopupMenueUnit.h"
#include "ui/fenster/QtFarbDialogUnit.h"
#include "ui/fenster/QtFensterPlatzUnit.h"
#include "ui/fenster/QtTextUnit.h"
#include "ui/fenster/QuonGridUnit.h"
#include "ui/fenster/SperrQuonGridUnit.h"

namespace {

// Das Hauptfenster als Eltern der Fenster, wenn der Fensterdienst eines ist.
QWidget* Hauptfenster() {
  return PaletteFenster();
}

// Das Infofeld nimmt nur Texte an, die ein Kursinfo fassen kann; was es ablehnt, piept.
class TInfoPruefer : public QValidator {
 public:
  using QValidator::QValidator;
  State validate(QString& text, int& /*pos*/) const override {
    if (KursFeld::InfoZulaessig(text.toStdString())) return Acceptable;
    Dialog().Piep();
    return Invalid;
  }
};

// Die Mauszeiger der Werkzeuge im Kursfenster: die eigenen Zeiger 2 (Löschen) und 4 (Schieben)
// des Programms, sonst der Pfeil.
QCursor WerkzeugCursor(int nummer) {
  return nummer == 2 || nummer == 4 ? TamrelCursor(nummer) : QCursor(Qt::ArrowCursor);
}

void SetzeBereich(QSpinBox* spin, const TZahlBereich& b) {
  spin->setRange(b.Min, b.Max);
  spin->setSingleStep(std::max(1, b.Schritt));
  spin->setValue(b.Wert);
}

void SetzeText(QLineEdit* feld, const QString& text) {
  if (feld->text() != text) feld->setText(text);
}

QLineEdit* NurLesen(QWidget* parent, int zeichen) {
  auto* feld = new QLineEdit(parent);
  feld->setReadOnly(true);
  feld->setFocusPolicy(Qt::NoFocus);
  feld->setFixedWidth(feld->fontMetrics().horizontalAdvance(QLatin1Char('M')) * zeichen + 12);
  return feld;
}

QSpinBox* Spin(QWidget* parent, int von, int bis) {
  auto* spin = new QSpinBox(parent);
  spin->setRange(von, bis);
  spin->setKeyboardTracking(false);
  spin->setAlignment(Qt::AlignRight);
  return spin;
}

TQuonGrid* Liste(QWidget* parent) {
  auto* grid = new TQuonGrid(parent);
  grid->SetFixedCols(0);
  grid->SetFixedRows(0);
  grid->SetColCount(1);
  grid->SetRowCount(1);
  grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  grid->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  const int zeile = grid->fontMetrics().height() + 4;
  const int breite = grid->fontMetrics().horizontalAdvance(T("MMMMMMMMMMM")) / 2 + 40;
  grid->SetDefaultRowHeight(zeile);
  grid->setFixedSize(breite + 2 * grid->frameWidth(), 5 * (zeile + 1) + 2 * grid->frameWidth());
  // Die Spalte füllt die Liste (ohne die Linie am Ende).
  grid->SetDefaultColWidth(breite - grid->GridLineWidth());
  return grid;
}

// Die Zeilen einer Liste mit Texten und Elementen füllen.
template <class L>
void ListeFuellen(TQuonGrid* grid, const std::vector<std::string>& zeilen, const L& elemente) {
  grid->SetRowCount(static_cast<int>(zeilen.size()));
  for (int i = 0; i < static_cast<int>(zeilen.size()); ++i) {
    grid->SetCells(0, i, T(zeilen[static_cast<std::size_t>(i)]));
    grid->SetObjects(0, i,
                     i < elemente.ListeZahlElemente() ? elemente.ListeNrInhalt(i + 1) : nullptr);
  }
}

}  // namespace

TKursForm::TKursForm(QWidget* parent) : TFensterBasis(parent) {
  setAttribute(Qt::WA_QuitOnClose, false);
  setWindowTitle(T("Kurs"));
  Aufbauen();
}

TKursForm::~TKursForm() {
  Abmelden();
}

// ---- Aufbau ----

void TKursForm::Aufbauen() {
  auto* haupt = new QVBoxLayout(this);
  haupt->setSizeConstraint(QLayout::SetFixedSize);

  // Elemente: Lehrer, Fach, Kopplung, Klassen, Räume und die Wahl mit "Kürzel".
  auto* oben = new QHBoxLayout();
  auto gruppe = [this](const char* titel, QWidget* inhalt) {
    auto* g = new QGroupBox(T(titel), this);
    auto* l = new QVBoxLayout(g);
    l->setContentsMargins(6, 4, 6, 6);
    inhalt->setParent(g);
    l->addWidget(inhalt);
    g->installEventFilter(this);
    return g;
  };
  LehrerFeld = NurLesen(this, 6);
  FachFeld = NurLesen(this, 6);
  Kopplfeld = NurLesen(this, 6);
  KlGrid = Liste(this);
  RaGrid = Liste(this);
  LeGruppe = gruppe("Lehrer", LehrerFeld);
  FaGruppe = gruppe("Fach", FachFeld);
  KoGruppe = gruppe("Kopplung", Kopplfeld);
  KlGruppe = gruppe("Klassen", KlGrid);
  RaGruppe = gruppe("Räume", RaGrid);
  auto* felder = new QVBoxLayout();
  felder->addWidget(LeGruppe);
  felder->addWidget(FaGruppe);
  felder->addWidget(KoGruppe);
  felder->addStretch(1);
  oben->addLayout(felder);
  oben->addWidget(KlGruppe, 0, Qt::AlignTop);
  oben->addWidget(RaGruppe, 0, Qt::AlignTop);

  auto* wahl = new QVBoxLayout();
  fRadios = new QButtonGroup(this);
  LeRadio = new QRadioButton(T("Lehrer"), this);
  KlRadio = new QRadioButton(T("Klassen"), this);
  KoRadio = new QRadioButton(T("Kopplung"), this);
  FaRadio = new QRadioButton(T("Fach"), this);
  RaRadio = new QRadioButton(T("Räume"), this);
  int art = 0;
  for (QRadioButton* r : {LeRadio, KlRadio, KoRadio, FaRadio, RaRadio}) {
    fRadios->addButton(r, art);
    wahl->addWidget(r);
    connect(r, &QRadioButton::clicked, this, [this, art] { RadioClick(art); });
    ++art;
  }
  LeRadio->setChecked(true);
  KueKnopf = new QPushButton(T("Kürzel"), this);
  connect(KueKnopf, &QPushButton::clicked, this, [this] { KueKnopfClick(); });
  wahl->addSpacing(6);
  wahl->addWidget(KueKnopf);
  wahl->addStretch(1);
  oben->addLayout(wahl);
  haupt->addLayout(oben);

  for (QWidget* w : {static_cast<QWidget*>(LehrerFeld), static_cast<QWidget*>(FachFeld),
                     static_cast<QWidget*>(Kopplfeld), KlGrid->viewport(), RaGrid->viewport()})
    w->installEventFilter(this);

  // Zahlen.
  auto* zahlen = new QGridLayout();
  auto beschriftung = [this](const char* text) { return new QLabel(T(text), this); };
  StdSpin = Spin(this, 0, KursFeld::MaxWochenStunden);
  VerplantFeld = NurLesen(this, 3);
  VerplantFeld->setAlignment(Qt::AlignRight);
  FaktorSpin = Spin(this, 0, KursFeld::MaxFaktor);
  WertFeld = NurLesen(this, 5);
  WertFeld->setAlignment(Qt::AlignRight);
  SpTSpin = Spin(this, 1, MaxStunden);
  EinzelSpin = Spin(this, 0, MaxTage);
  TabelleSpin = Spin(this, 1, 4);
  zahlen->addWidget(beschriftung("Stunden"), 0, 0);
  zahlen->addWidget(StdSpin, 0, 1);
  zahlen->addWidget(beschriftung("verplant"), 0, 2);
  zahlen->addWidget(VerplantFeld, 0, 3);
  zahlen->addWidget(beschriftung("Faktor"), 0, 4);
  zahlen->addWidget(FaktorSpin, 0, 5);
  zahlen->addWidget(beschriftung("Wert"), 0, 6);
  zahlen->addWidget(WertFeld, 0, 7);
  zahlen->addWidget(beschriftung("Std/Tag"), 1, 0);
  zahlen->addWidget(SpTSpin, 1, 1);
  zahlen->addWidget(beschriftung("Einzelne"), 1, 2);
  zahlen->addWidget(EinzelSpin, 1, 3);
  zahlen->addWidget(beschriftung("Tabelle"), 1, 4);
  zahlen->addWidget(TabelleSpin, 1, 5);
  zahlen->setColumnStretch(8, 1);
  haupt->addLayout(zahlen);
  connect(StdSpin, &QSpinBox::valueChanged, this, &TKursForm::StdSpinChange);
  connect(FaktorSpin, &QSpinBox::valueChanged, this, &TKursForm::FaktorSpinChange);
  connect(SpTSpin, &QSpinBox::valueChanged, this, &TKursForm::SpTSpinChange);
  connect(EinzelSpin, &QSpinBox::valueChanged, this, &TKursForm::EinzelSpinChange);
  connect(TabelleSpin, &QSpinBox::valueChanged, this, &TKursForm::TabelleSpinChange);

  // Schalter.
  auto* schalter = new QHBoxLayout();
  nvpCheck = new QCheckBox(T("nicht verplanen"), this);
  nzlCheck = new QCheckBox(T("nicht zählen Le"), this);
  nzkCheck = new QCheckBox(T("nicht zählen Kl"), this);
  schalter->addWidget(nvpCheck);
  schalter->addWidget(nzlCheck);
  schalter->addWidget(nzkCheck);
  schalter->addStretch(1);
  haupt->addLayout(schalter);
  connect(nvpCheck, &QCheckBox::clicked, this, &TKursForm::nvpCheckClick);
  connect(nzlCheck, &QCheckBox::clicked, this, &TKursForm::nzlCheckClick);
  connect(nzkCheck, &QCheckBox::clicked, this, &TKursForm::nzkCheckClick);

  // Info.
  auto* info = new QHBoxLayout();
  InfoFeld = new QLineEdit(this);
  InfoFeld->setMaxLength(static_cast<int>(TInfoString::Kapazitaet));
  InfoFeld->setValidator(new TInfoPruefer(InfoFeld));
  InfoFeld->setMinimumWidth(
      InfoFeld->fontMetrics().horizontalAdvance(QString(31, QLatin1Char('n'))));
  info->addWidget(beschriftung("Info"));
  info->addWidget(InfoFeld, 1);
  haupt->addLayout(info);
  connect(InfoFeld, &QLineEdit::textChanged, this, &TKursForm::InfoFeldChange);

  // Sperrung und Farbe.
  auto* unten = new QHBoxLayout();
  auto* sperrGruppe = new QGroupBox(T("Sperrung"), this);
  auto* sperrLayout = new QVBoxLayout(sperrGruppe);
  SperrFeld = new TSperrFeld(sperrGruppe);
  SperrGrid = SperrFeld->SperrGrid;
  sperrLayout->addWidget(SperrFeld);
  connect(SperrGrid, &TSperrGrid::SperrungGeaendert, this, &TKursForm::SperrGridChange);
  unten->addWidget(sperrGruppe, 0, Qt::AlignTop);

  auto* farbGruppe = new QGroupBox(T("Farbe"), this);
  auto* farbLayout = new QVBoxLayout(farbGruppe);
  FarbFeld = new QWidget(farbGruppe);
  FarbFeld->setObjectName(QStringLiteral("FarbFeld"));
  FarbFeld->setAutoFillBackground(true);
  FarbFeld->setFixedSize(60, 24);
  FarbKnopf = new QPushButton(T("Ändern"), farbGruppe);
  connect(FarbKnopf, &QPushButton::clicked, this, [this] { FarbKnopfClick(); });
  farbLayout->addWidget(FarbFeld);
  farbLayout->addWidget(FarbKnopf);
  farbLayout->addStretch(1);
  unten->addWidget(farbGruppe, 0, Qt::AlignBottom);
  unten->addStretch(1);
  haupt->addLayout(unten);

  connect(KlGrid, &TQuonGrid::MausDruck, this, [this](const TGridMaus&) { ArtWaehlen(1); });
  connect(KlGrid, &TQuonGrid::DoppelKlick, this, &TKursForm::KlGridDoppelKlick);
  connect(RaGrid, &TQuonGrid::MausDruck, this, &TKursForm::RaGridMausDruck);
  connect(RaGrid, &TQuonGrid::DoppelKlick, this, &TKursForm::RaGridDoppelKlick);
  connect(RaGrid, &TQuonGrid::ZiehenUeber, this, &TKursForm::RaGridZiehenUeber);
  connect(RaGrid, &TQuonGrid::ZiehenEnde, this, [this] { RaGridZiehenEnde(); });
}

// ---- Öffnen, Füllen, Anmelden ----

TKursForm* TKursForm::Oeffnen(TKurs* kurs, TElement* vater) {
  if (!kurs) return nullptr;
  TDirtyBewahrer bewahrer;
  auto* form = dynamic_cast<TKursForm*>(Schule().fKursForm);
  if (!form) {
    form = new TKursForm(Hauptfenster());
    // Wie jedes neue Fenster nach der Fensteranordnung, mit dem Index, den es gleich bekommt.
    PositioniereFenster(*form, NeuerFormIndex());
  }
  form->IKursForm(kurs, vater);
  if (form->isMinimized()) form->showNormal();
  form->show();
  form->raise();
  form->activateWindow();
  return form;
}

void TKursForm::IKursForm(TKurs* kurs, TElement* vater) {
  if (!kurs) return;
  TDirtyBewahrer bewahrer;
  fKurs = kurs;
  fVater = vater;
  fPos = ListenPosition();
  SchulPlatz(&TSchule::fKursForm);
  Anmelden();
  SperrFeld->Fuellen();
  const TKurs* k = kurs;
  SperrGrid->SetzeBereiche(&kurs->fSperrung, &kurs->fBesetzung, [k](int tag, int std) {
    TSperrMarke marke;
    marke.Belegt = true;
    if (const TSetzung* s = k->SetzungFinden(Standard().fAktuelleWoche, tag, std))
      marke.Fixiert = s->fFixiert;
    marke.Gekoppelt = k->fKopplung != nullptr;
    return marke;
  });
  Fuellen();
}

void TKursForm::Fuellen() {
  if (!fKurs) return;
  TDirtyBewahrer bewahrer;
  const bool vorher = fFuellen;
  fFuellen = true;
  TKurs& k = *fKurs;
  SetzeText(LehrerFeld, k.fLehrer ? T(U8(k.fLehrer->fKuerzel.str())) : QString());
  SetzeText(FachFeld, k.fFach ? T(U8(k.fFach->fKuerzel.str())) : QString());
  SetzeText(Kopplfeld, k.fKopplung ? T(U8(k.fKopplung->fKuerzel.str())) : QString());
  ListeFuellen(KlGrid, KursFeld::KlassenZeilen(k), k.fKlassen);
  if (fZiehRaum < 0) ListeFuellen(RaGrid, KursFeld::RaumZeilen(k), k.fRaeume);

  // Steuerzeichen aus älteren Dateien erscheinen als Leerzeichen.
  std::string info = k.fInfo.str();
  for (char& c : info)
    if (static_cast<unsigned char>(c) < 0x20) c = ' ';
  SetzeText(InfoFeld, T(U8(info)));
  // Gesetzte Stunden derselben Wochen, deren Stunden das Stundenfeld zeigt.
  SetzeText(VerplantFeld, QString::number(k.VerplanteStunden(-1)));

  nvpCheck->setChecked(k.fNichtVerplanen);
  nvpCheck->setEnabled(KursFeld::NvpAenderbar(k));
  nzlCheck->setChecked(k.fNichtZaehlenLe);
  nzkCheck->setChecked(k.fNichtZaehlenKl);

  SetzeBereich(FaktorSpin, KursFeld::FaktorBereich(k));
  SetzeBereich(StdSpin, KursFeld::StundenBereich(k));
  SetzeBereich(SpTSpin,
               {std::min(1, k.fStdProTag), std::max(MaxStunden, k.fStdProTag), 1, k.fStdProTag});
  SetzeBereich(EinzelSpin,
               {std::min(0, k.fEinzelStd), std::max(MaxTage, k.fEinzelStd), 1, k.fEinzelStd});
  SetzeBereich(TabelleSpin,
               {std::min(1, k.fTabellenNr), std::max(4, k.fTabellenNr), 1, k.fTabellenNr});
  SetzeText(WertFeld, T(k.WertText(-1)));

  QPalette farbe = FarbFeld->palette();
  farbe.setColor(QPalette::Window, ZuQColor(k.fColor));
  FarbFeld->setPalette(farbe);
  SperrGrid->viewport()->update();
  fFuellen = vorher;
}

bool TKursForm::Auffrischen() const {
  return isVisible();
}

// ---- Kürzel ----

void TKursForm::ArtWaehlen(int art) {
  fArt = art;
  if (QAbstractButton* r = fRadios->button(art)) r->setChecked(true);
}

void TKursForm::RadioClick(int art) {
  ArtWaehlen(art);
  if (isVisible() && isActiveWindow()) KueKnopfClick();
}

bool TKursForm::MenueZeigen(TMenue menue, TElement*& wahl) {
  if (menue.empty()) return false;
  TPopupMenue popup(std::move(menue), this);
  const TMenueEintrag* e = popup.Exec(KueKnopf->mapToGlobal(QPoint(0, KueKnopf->height())));
  if (!e || !e->Objekt) return false;
  wahl = static_cast<TElement*>(e->Objekt);
  return true;
}

bool TKursForm::HauptListe(int kuerzelArt, TElement*& wahl) {
  const auto art = static_cast<TKuerzelArt>(kuerzelArt);
  const QPoint pos = KueKnopf->mapToGlobal(QPoint(0, KueKnopf->height()));
  std::optional<TFensterDienst::TElementWahl> liste;
  if (TFensterDienst* dienst = FensterDienst())
    liste = dienst->ElementWaehlen(art, false, pos.x(), pos.y());
  if (!liste) return MenueZeigen(ElementMenue(art), wahl);
  if (!liste->Gewaehlt) return false;
  wahl = liste->Element;
  return wahl != nullptr;
}

void TKursForm::KueKnopfClick() {
  if (!fKurs) return;
  QPointer<TKursForm> self(this);
  TKurs* kurs = fKurs;
  const int art = fArt;
  TElement* wahl = nullptr;
  bool gewaehlt = false;
  // Die Listen des Fachs oder des Lehrers, sonst (auch wenn diese leer sind) die der Palette.
  if (std::optional<KursFeld::TKuerzelListe> liste = KursFeld::KuerzelListe(*kurs, art))
    gewaehlt =
        liste->Eigene ? MenueZeigen(std::move(liste->Menue), wahl) : HauptListe(liste->Art, wahl);
  // Während des Menüs kann das Fenster einen anderen Kurs bekommen oder geschlossen werden.
  if (!self || fKurs != kurs || !gewaehlt) return;
  KursFeld::ElementWaehlen(*kurs, art, wahl);
  Fuellen();
}

// ---- Felder ----

void TKursForm::StdSpinChange(int wert) {
  if (fFuellen || !fKurs) return;
  KursFeld::StundenAendern(*fKurs, wert, Auffrischen());
  Fuellen();
}

void TKursForm::FaktorSpinChange(int wert) {
  if (fFuellen || !fKurs) return;
  KursFeld::FaktorAendern(*fKurs, wert, Auffrischen());
  Fuellen();
}

void TKursForm::SpTSpinChange(int wert) {
  if (fFuellen || !fKurs) return;
  KursFeld::SpTAendern(*fKurs, wert, Auffrischen());
  Fuellen();
}

void TKursForm::EinzelSpinChange(int wert) {
  if (fFuellen || !fKurs) return;
  KursFeld::EinzelAendern(*fKurs, wert, Auffrischen());
  Fuellen();
}

void TKursForm::TabelleSpinChange(int wert) {
  if (fFuellen || !fKurs) return;
  KursFeld::TabelleAendern(*fKurs, wert, Auffrischen());
  Fuellen();
}

void TKursForm::nvpCheckClick(bool an) {
  if (fFuellen || !fKurs) return;
  KursFeld::NvpAendern(*fKurs, an, Auffrischen());
  Fuellen();
}

void TKursForm::nzlCheckClick(bool an) {
  if (fFuellen || !fKurs) return;
  KursFeld::NzlAendern(*fKurs, an, Auffrischen());
  Fuellen();
}

void TKursForm::nzkCheckClick(bool an) {
  if (fFuellen || !fKurs) return;
  KursFeld::NzkAendern(*fKurs, an, Auffrischen());
  Fuellen();
}

void TKursForm::InfoFeldChange(const QString& text) {
  if (fFuellen || !fKurs) return;
  KursFeld::InfoAendern(*fKurs, text.toStdString(), Auffrischen());
}

void TKursForm::FarbKnopfClick() {
  if (!fKurs) return;
  QPointer<TKursForm> self(this);
  TKurs* kurs = fKurs;
  const std::optional<TColor> farbe = FarbeWaehlen(kurs->fColor, this);
  if (!self || fKurs != kurs || !farbe) return;
  KursFeld::FarbeAendern(*kurs, *farbe, Auffrischen());
  Fuellen();
}

void TKursForm::SperrGridChange(int /*zellen*/) {
  if (!fKurs) return;
  SchuleGeaendert();
  if (SchuleVorhanden())
    if (TFenster* manuell = Schule().fManuellForm) manuell->FensterRefresh();
}

// ---- Löschen und Schieben in den Feldern und Listen ----

void TKursForm::FeldDoppelKlick(QObject* feld) {
  if (!fKurs || !SchuleVorhanden() || Schule().fToolArt != TToolArt::LoeschTool) return;
  if (feld == LehrerFeld)
    KursFeld::LehrerLoeschen(*fKurs);
  else if (feld == Kopplfeld)
    KursFeld::KopplungLoeschen(*fKurs);
  else if (feld == FachFeld)
    KursFeld::FachLoeschen(*fKurs);
  Fuellen();
}

void TKursForm::KlGridDoppelKlick(const TGridMaus& maus) {
  if (!fKurs || Schule().fToolArt != TToolArt::LoeschTool || maus.Row < 0) return;
  auto* klasse = static_cast<TKlasse*>(KlGrid->Objects(0, maus.Row));
  if (klasse) KursFeld::KlasseLoeschen(*fKurs, klasse);
  Fuellen();
}

void TKursForm::RaGridDoppelKlick(const TGridMaus& maus) {
  if (!fKurs || Schule().fToolArt != TToolArt::LoeschTool || maus.Row < 0) return;
  auto* raum = static_cast<TRaum*>(RaGrid->Objects(0, maus.Row));
  if (raum) KursFeld::RaumLoeschen(*fKurs, raum);
  Fuellen();
}

void TKursForm::RaGridMausDruck(const TGridMaus& maus) {
  ArtWaehlen(4);
  if (!fKurs || Schule().fToolArt != TToolArt::SchiebTool) return;
  if (maus.Knopf != Qt::LeftButton || maus.Doppelt || maus.Row < 0) return;
  if (RaGrid->RowCount() < 2 || fKurs->fRaeume.ListeZahlElemente() < 2) return;
  fZiehRaum = maus.Row;
  RaGrid->BeginDrag(true);
}

void TKursForm::RaGridZiehenUeber(const TGridMaus& maus, TZiehZiel* ziel) {
  if (fZiehRaum < 0 || !fKurs) return;
  // Über oder unter den sichtbaren Zeilen: um eine Zeile rollen.
  if (maus.Pos.y() < 0)
    RaGrid->SetTopRow(RaGrid->TopRow() - 1);
  else if (maus.Pos.y() >= RaGrid->viewport()->height())
    RaGrid->SetTopRow(RaGrid->TopRow() + 1);
  int zeile = ziel->Row;
  if (zeile < 0) zeile = RaGrid->MouseToCell(maus.Pos).Row;
  if (zeile < 0 || zeile >= RaGrid->RowCount()) return;
  ziel->Akzeptiert = true;
  if (zeile == fZiehRaum) return;
  if (!KursFeld::RaeumeTauschen(*fKurs, fZiehRaum + 1, zeile + 1)) return;
  const QString text = RaGrid->Cells(0, fZiehRaum);
  void* objekt = RaGrid->Objects(0, fZiehRaum);
  RaGrid->SetCells(0, fZiehRaum, RaGrid->Cells(0, zeile));
  RaGrid->SetObjects(0, fZiehRaum, RaGrid->Objects(0, zeile));
  RaGrid->SetCells(0, zeile, text);
  RaGrid->SetObjects(0, zeile, objekt);
  fZiehRaum = zeile;
  RaGrid->SetRow(zeile);
}

void TKursForm::RaGridZiehenEnde() {
  if (fZiehRaum < 0) return;
  fZiehRaum = -1;
  if (fKurs) {
    fKurs->FensterRefresh();
    Fuellen();
  }
}

// ---- Mauszeiger ----

void TKursForm::CursorAnpassen() {
  if (!SchuleVorhanden()) return;
  const TToolArt tool = Schule().fToolArt;
  const QCursor pfeil = WerkzeugCursor(0);
  auto felder = [this](const QCursor& c) {
    LehrerFeld->setCursor(c);
    FachFeld->setCursor(c);
    Kopplfeld->setCursor(c);
  };
  switch (tool) {
    case TToolArt::ZeigTool:
      felder(pfeil);
      KlGrid->SetzeCursor(pfeil);
      RaGrid->SetzeCursor(pfeil);
      SperrGrid->SetzeCursor(pfeil);
      break;
    case TToolArt::LoeschTool:
      felder(WerkzeugCursor(2));
      KlGrid->SetzeCursor(WerkzeugCursor(2));
      RaGrid->SetzeCursor(WerkzeugCursor(2));
      break;
    case TToolArt::SchiebTool:
      felder(pfeil);
      KlGrid->SetzeCursor(pfeil);
      RaGrid->SetzeCursor(WerkzeugCursor(4));
      break;
    case TToolArt::SetzTool:
    case TToolArt::FixTool:
      break;
  }
}

// ---- TFenster ----

int TKursForm::FensterArt() const {
  return FensterArt::Kurs;
}

void TKursForm::FensterUpdate() {
  if (!fKurs) return;
  TDirtyBewahrer bewahrer;
  SperrFeld->Fuellen();
  Fuellen();
}

void TKursForm::FensterRefresh() {
  Fuellen();
}

bool TKursForm::TextFeldHatFokus() const {
  return focusWidget() == InfoFeld;
}

std::string TKursForm::MarkierterText() const {
  return InfoFeld->selectedText().toStdString();
}

void TKursForm::MarkiertenTextLoeschen() {
  if (InfoFeld->hasSelectedText()) InfoFeld->del();
}

void TKursForm::TextEinsetzen(const std::string& text) {
  // Der Prüfer des Feldes lehnt ab, was ein Kursinfo nicht fassen kann.
  InfoFeld->insert(T(text));
}

void TKursForm::KursGeloescht(TKurs* kurs) {
  if (kurs && kurs == fKurs) Schliessen();
}

void TKursForm::ElementGeloescht(TElement* element) {
  // Geblättert wird dann in der Kursliste der Schule.
  if (element == fVater) fVater = nullptr;
}

std::vector<TKurs*> TKursForm::VaterListe() {
  if (fVater) return fVater->fKurse.Kopie();
  return Schule().fKursMenge.Kopie();
}

int TKursForm::ListenPosition() {
  const std::vector<TKurs*> liste = VaterListe();
  const auto it = std::find(liste.begin(), liste.end(), fKurs);
  return it == liste.end() ? fPos : static_cast<int>(it - liste.begin()) + 1;
}

void TKursForm::Blaettern(int richtung, unsigned /*umschalt*/) {
  if (!fKurs) return;
  TDirtyBewahrer bewahrer;
  TKurs* neu = KursFeld::NachbarKurs(VaterListe(), fKurs, richtung, ListenPosition());
  if (neu && neu != fKurs) IKursForm(neu, fVater);
}

// ---- Ereignisse des Fensters ----

void TKursForm::BeimAbmelden() {
  fKurs = nullptr;
  fVater = nullptr;
  SperrGrid->SetzeBereiche(nullptr, nullptr);
}

void TKursForm::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  // Das Aktivieren selbst meldet TFensterBasis der Schule.
  if (event->type() != QEvent::ActivationChange || !isActiveWindow() || !Angemeldet()) return;
  CursorAnpassen();
}

void TKursForm::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  CursorAnpassen();
}

bool TKursForm::eventFilter(QObject* objekt, QEvent* event) {
  switch (event->type()) {
    case QEvent::Enter:
      CursorAnpassen();
      break;
    case QEvent::MouseButtonPress:
      if (objekt == LehrerFeld || objekt == LeGruppe) ArtWaehlen(0);
      if (objekt == KlGruppe) ArtWaehlen(1);
      if (objekt == Kopplfeld || objekt == KoGruppe) ArtWaehlen(2);
      if (objekt == FachFeld || objekt == FaGruppe) ArtWaehlen(3);
      if (objekt == RaGruppe) ArtWaehlen(4);
      break;
    case QEvent::MouseButtonDblClick:
      if (objekt == LehrerFeld || objekt == FachFeld || objekt == Kopplfeld) {
        FeldDoppelKlick(objekt);
        return true;
      }
      break;
    default:
      break;
  }
  return QWidget::eventFilter(objekt, event);
}
