#include "ui/fenster/PaletteUnit.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QDir>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QToolButton>

#include "ui/fenster/AutomatFormUnit.h"
#include "ui/HauptfensterUnit.h"
#include "model/SchulLebenUnit.h"
#include "model/SchulUnit.h"
#include "persistence/DateiSpeicherungUnit.h"
#include "settings/StandardUnit.h"
#include "ui/fenster/CursorUnit.h"
#include "ui/ElementFensterUnit.h"
#include "ui/fenster/HintergrundFormUnit.h"
#include "ui/fenster/KursFormUnit.h"
#include "ui/fenster/ManuellFormUnit.h"
#include "ui/fenster/ParFormUnit.h"
#include "ui/fenster/PopupMenueUnit.h"
#include "ui/fenster/QtFensterPlatzUnit.h"
#include "ui/fenster/QtTextUnit.h"
#include "ui/fenster/QtUmschaltUnit.h"
#include "persistence/SchulHalterUnit.h"

namespace {

TUmschaltMenge Umschalt(Qt::KeyboardModifiers tasten) {
  TUmschaltMenge m = 0;
  if (tasten & Qt::ShiftModifier) m |= umShift;
  if (tasten & Qt::AltModifier) m |= umAlt;
  if (tasten & Qt::ControlModifier) m |= umCtrl;
  return m;
}

}  // namespace

TTamrelPalette::TTamrelPalette(QWidget* parent) : QMainWindow(parent) {
  fStartDir = QDir::currentPath().toStdString() + "/";
  setWindowTitle(QString::fromUtf8(ProgrammTitel));
  setAttribute(Qt::WA_QuitOnClose, true);
  // Das Hintergrundfenster lebt so lange wie die Palette; gezeigt wird es nach den Einstellungen.
  fHintergrund = std::make_unique<THintergrund>();
  MenuesAnlegen();
  KnoepfeAnlegen();
  AendereForm();

  // Die Schule erst nach den Einstellungen; die Verwaltung ist dann schon der Fensterdienst, und
  // die Palette hört ihr zu.
  fVerwaltung.HauptfensterSetzen(this);
  TDienste dienste = EingesetzteDienste();
  dienste.Fenster = &fVerwaltung;
  DiensteEinsetzen(dienste);
  fHalter = std::make_unique<TSchulHalter>();
  fSpeicherung = std::make_unique<TDateiSpeicherung>(
      [this](const std::string& vorschlag, const std::string& ordner) {
        return SichernPfadErfragen(vorschlag, ordner);
      });
  fErinnerung = std::make_unique<TSpeicherErinnerung>();

  // Lage aus den Einstellungen; außerhalb des Bildschirms wird sie 0.
  const QRect schirm = QGuiApplication::primaryScreen()
                           ? QGuiApplication::primaryScreen()->geometry()
                           : QRect(0, 0, 1024, 768);
  move(PaletteKoordinate(Standard().fPaletteLinks, schirm.width()),
       PaletteKoordinate(Standard().fPaletteTop, schirm.height()));

  qApp->installEventFilter(this);
  // Fenster und Dialoge ohne eigene Lage erscheinen neben der Palette, nicht unter ihr.
  new TFensterPlatzWaechter(this);
  connect(qApp, &QGuiApplication::applicationStateChanged, this,
          [this](Qt::ApplicationState zustand) {
            fAktiv = zustand == Qt::ApplicationActive;
            if (!fAktiv) return;
            for (TFenster* fenster : fVerwaltung.Fenster())
              if (auto* widget = dynamic_cast<QWidget*>(fenster)) widget->repaint();
          });
  connect(qApp, &QGuiApplication::commitDataRequest, this, [this] { fFertig = true; });
  fLeerlauf.setInterval(500);
  connect(&fLeerlauf, &QTimer::timeout, this, [this] { Leerlauf(); });
  fLeerlauf.start();
  NachSchulwechsel();
}

TTamrelPalette::~TTamrelPalette() {
  qApp->removeEventFilter(this);
  fLeerlauf.stop();
  if (fOffenesMenue) delete fOffenesMenue.data();
  // Die Fenster schließen, solange die Palette noch ganz ist: sie melden sich bei ihr ab.
  fHalter->Schule().AlleFensterSchliessen();
  fHalter.reset();
  // Nach der Schule: nur abmelden, wenn die Verwaltung noch der eingesetzte Fensterdienst ist.
  TDienste dienste = EingesetzteDienste();
  fVerwaltung.HauptfensterSetzen(nullptr);
  if (dienste.Fenster == &fVerwaltung) {
    dienste.Fenster = nullptr;
    DiensteEinsetzen(dienste);
  }
}

// ---- Freigaben ----

void TTamrelPalette::SetzeAn(const QString& pfad, bool an) {
  QAction* a = Befehl(pfad);
  if (!a) {
    // Ein Pfad, den es nicht gibt, ist ein Schreibfehler im Programm.
    fUnbekanntePfade.push_back(pfad);
    Q_ASSERT_X(false, "TTamrelPalette::SetzeAn", qPrintable(T("unbekannter Menüpfad ") + pfad));
    return;
  }
  const bool fehlt = std::find(fFehlende.begin(), fFehlende.end(), a) != fFehlende.end();
  a->setEnabled(an && !fehlt);
}

void TTamrelPalette::SetzeAn(QToolButton* knopf, bool an) {
  if (knopf) knopf->setEnabled(an);
}

// Die Menüs, die eine offene Schule brauchen, und die Dateibefehle.
void TTamrelPalette::SchulMenues() {
  const TSchulFreigabe s = SchulFreigabe(fHalter->Offen());
  SetzeAn(T("Datei/Neu"), s.Neu);
  SetzeAn(T("Datei/Öffnen..."), s.Neu);
  SetzeAn(T("Datei/Datei schließen"), s.MitSchule);
  SetzeAn(T("Datei/Sichern unter..."), s.MitSchule);
  SetzeAn(T("Datei/Sichern"), s.Sichern);
  SetzeAn(T("Datei/Import..."), s.Import);
  for (const char* pfad :
       {"Datei/Drucken", "Datei/Export", "Daten/Kürzel...", "Daten/UV-Statistik", "Daten/Pläne",
        "Daten/Übersichten", "Daten/Vertretung", "Daten/Prüfen", "Bearbeiten/Ausschneiden",
        "Bearbeiten/Kopieren", "Bearbeiten/Einsetzen", "Daten/Kurse"})
    SetzeAn(T(pfad), s.MitSchule);
  SetzeAn(T("Daten/Parallele Kopplungen"), s.MitSchule);
}

void TTamrelPalette::AktualisierePalette() {
  TSchule& schule = Schule();
  TPaletteFreigabe alt = fFreigabe;
  alt.Werkzeug = schule.fToolArt;
  alt.FensterArt = schule.fFensterArt;
  TFreigabeLage lage;
  lage.AktiveArt = schule.fAktivesFenster ? schule.fAktivesFenster->FensterArt() : 0;
  lage.Versionen = Standard().fMaxWocheNeu;
  fFreigabe = NeueFreigabe(alt, lage);
  const TPaletteFreigabe& f = fFreigabe;
  schule.fToolArt = f.Werkzeug;
  schule.fFensterArt = f.FensterArt;

  SetzeAn(Knopf(T("PfeilLinksKnopf")), f.VorNaechster);
  SetzeAn(Knopf(T("PfeilRechtsKnopf")), f.VorNaechster);
  SetzeAn(Knopf(T("ZeigKnopf")), f.Zeigen);
  SetzeAn(Knopf(T("SetzKnopf")), f.Setzen);
  SetzeAn(Knopf(T("LoeschKnopf")), f.Loeschen);
  SetzeAn(Knopf(T("SchiebKnopf")), f.Schieben);
  SetzeAn(Knopf(T("FixKnopf")), f.Fixieren);
  SetzeAn(Knopf(T("NeueUEKnopf")), f.NeuerKurs);
  SetzeAn(Knopf(T("UELoeschKnopf")), f.KursLoeschen);
  SetzeAn(Knopf(T("ManuellKnopf")), f.Manuell);
  SetzeAn(Knopf(T("AutomatKnopf")), f.Automatik);
  SetzeAn(T("Datei/Fenster schließen"), f.FensterSchliessen);
  SetzeAn(T("Datei/Fenster drucken..."),
          f.FensterDrucken && FensterDruck(lage.AktiveArt).Druck != TFensterDruck::Keiner);
  SetzeAn(T("Bearbeiten/Alles auswählen"), f.AllesAuswaehlen);
  SetzeAn(T("Bearbeiten/Voreinstellungen/Planversionen"), f.Planversionen);
  SetzeAn(T("Daten/Prüfen/Versionsunterschiede"), f.Versionsunterschiede);
  SetzeAn(T("Bearbeiten/Werkzeuge/Neuer Kurs"), f.WzNeuerKurs);
  SetzeAn(T("Bearbeiten/Werkzeuge/Kurs löschen"), f.WzKursLoeschen);
  SetzeAn(T("Bearbeiten/Werkzeuge/Setzen"), f.WzSetzen);
  SetzeAn(T("Bearbeiten/Werkzeuge/Löschen"), f.WzLoeschen);
  SetzeAn(T("Bearbeiten/Werkzeuge/Schieben"), f.WzSchieben);
  SetzeAn(T("Bearbeiten/Werkzeuge/Fixieren"), f.WzFixieren);
  SetzeAn(T("Bearbeiten/Werkzeuge/Manuell"), f.WzManuell);
  SetzeAn(T("Bearbeiten/Werkzeuge/Automatik"), f.WzAutomatik);

  // Gedrückte Knöpfe und Häkchen nach Werkzeug und Fensterart.
  const std::pair<TToolArt, const char*> werkzeuge[] = {{TToolArt::ZeigTool, "Zeigen"},
                                                        {TToolArt::SetzTool, "Setzen"},
                                                        {TToolArt::LoeschTool, "Löschen"},
                                                        {TToolArt::SchiebTool, "Schieben"},
                                                        {TToolArt::FixTool, "Fixieren"}};
  const char* knoepfe[] = {"ZeigKnopf", "SetzKnopf", "LoeschKnopf", "SchiebKnopf", "FixKnopf"};
  for (int i = 0; i < 5; ++i) {
    const bool an = werkzeuge[i].first == f.Werkzeug;
    Knopf(T(knoepfe[i]))->setChecked(an);
    Befehl(T("Bearbeiten/Werkzeuge/") + T(werkzeuge[i].second))->setChecked(an);
  }
  const std::pair<TFensterArt, std::pair<const char*, const char*>> arten[] = {
      {TFensterArt::GFenster, {"GrDatKnopf", "Grunddaten"}},
      {TFensterArt::DFenster, {"DepKnopf", "Deputat"}},
      {TFensterArt::PFenster, {"PlanKnopf", "Plan"}}};
  for (const auto& [art, namen] : arten) {
    const bool an = art == f.FensterArt;
    Knopf(T(namen.first))->setChecked(an);
    Befehl(T("Bearbeiten/Werkzeuge/") + T(namen.second))->setChecked(an);
  }

  // Häkchen im Fenstermenü: nur beim aktiven Fenster.
  for (const auto& [fenster, eintrag] : fFensterEintraege)
    eintrag->setChecked(fenster == schule.fAktivesFenster);
  FensterTitelAnpassen();

  SchulMenues();
  VersKnopfAnpassen();
  AdjustCursor(Umschalt());
}

void TTamrelPalette::VersKnopfAnpassen() {
  const TStandard& s = Standard();
  fVersKnopf->setText(QString::number(s.fAktuelleWoche));
  QPalette p = fVersKnopf->palette();
  p.setColor(QPalette::ButtonText, s.fEineWoche ? Qt::black : Qt::red);
  fVersKnopf->setPalette(p);
}

void TTamrelPalette::TitelAnpassen() {
  setWindowTitle(QString::fromStdString(fHalter->Titel()));
}

// Nach "Neu", "Öffnen...", "Datei schließen": Menüs, Knöpfe und Titel zur neuen Lage.
void TTamrelPalette::NachSchulwechsel() {
  fVerwaltung.Vergessen();
  fFensterEintraege.clear();
  const QList<QAction*> eintraege = fFensterMenue->actions();
  for (int i = 4; i < eintraege.size(); ++i) {
    fFensterMenue->removeAction(eintraege[i]);
    delete eintraege[i];
  }
  TitelAnpassen();
  AktualisierePalette();
}

// ---- Tasten und Leerlauf ----

void TTamrelPalette::UmschaltMerken(Qt::KeyboardModifiers tasten) {
  fVerwaltung.UmschalttastenSetzen(::Umschalt(tasten));
}

bool TTamrelPalette::eventFilter(QObject* objekt, QEvent* event) {
  switch (event->type()) {
    case QEvent::ShortcutOverride:
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
      auto* taste = static_cast<QKeyEvent*>(event);
      fVerwaltung.UmschalttastenSetzen(TastenUmschalt(taste));
      if (event->type() == QEvent::ShortcutOverride) break;
      // Die Pfeiltasten links und rechts blättern, solange die Palette selbst aktiv ist.
      if (event->type() == QEvent::KeyPress && objekt->isWidgetType() &&
          static_cast<QWidget*>(objekt)->window() == this && !MenuOffen() &&
          !QApplication::activePopupWidget()) {
        if (taste->key() == Qt::Key_Left) {
          if (QToolButton* k = Knopf(T("PfeilLinksKnopf")); k->isEnabled()) k->click();
          return true;
        }
        if (taste->key() == Qt::Key_Right) {
          if (QToolButton* k = Knopf(T("PfeilRechtsKnopf")); k->isEnabled()) k->click();
          return true;
        }
      }
      break;
    }
    case QEvent::MouseButtonPress:
      if (auto* knopf = qobject_cast<QToolButton*>(objekt); knopf && knopf->window() == this)
        UmschaltMerken(static_cast<QMouseEvent*>(event)->modifiers());
      break;
    default:
      break;
  }
  return QMainWindow::eventFilter(objekt, event);
}

void TTamrelPalette::Leerlauf() {
  if (QApplication::activeModalWidget() || QApplication::activePopupWidget() || MenuOffen()) return;
  if (fFertig) {
    if (QApplication::activeWindow() && !fSpeicherMeldungDa) {
      fFertig = false;
      close();
    }
    return;
  }
  if (fSpeicherMeldungDa || !fHalter->Offen()) return;
  fSpeicherMeldungDa = true;
  fErinnerung->Leerlauf(Schule(), *fSpeicherung);
  fSpeicherMeldungDa = false;
}

void TTamrelPalette::closeEvent(QCloseEvent* event) {
  // Solange ein Aufklappmenü offen ist, schließt sich nichts.
  if (MenuOffen()) {
    event->ignore();
    return;
  }
  if (!fHalter->Schliessen(*fSpeicherung, true)) {
    event->ignore();
    return;
  }
  NachSchulwechsel();
  EinstellungenSichern(pos().x(), pos().y());
  event->accept();
  ProgrammBeenden();
}

void TTamrelPalette::ProgrammBeenden() {
  // Mit der Palette endet das Programm: das Hintergrundfenster und die übrigen Fenster der
  // obersten Ebene (etwa das Handbuch) gehen mit, und die Ereignisschleife endet.
  fHintergrund->hide();
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w != this && w->isVisible()) w->close();
  QCoreApplication::quit();
}

// ---- Knöpfe ----

void TTamrelPalette::VorigerKnopfClick() {
  Blaettern(-1, Umschalt());
  AktualisierePalette();
}

void TTamrelPalette::NaechsterKnopfClick() {
  Blaettern(1, Umschalt());
  AktualisierePalette();
}

void TTamrelPalette::FensterArtKnopfClick(TFensterArt art) {
  FensterArtWaehlen(art, Umschalt());
  AktualisierePalette();
}

void TTamrelPalette::WerkzeugKnopfClick(TToolArt tool) {
  TSchule& schule = Schule();
  schule.fToolArt = tool;
  if (schule.fManuellForm && (tool == TToolArt::SetzTool || tool == TToolArt::SchiebTool))
    schule.fManuellForm->FensterRefresh();
  AktualisierePalette();
}

void TTamrelPalette::NeueUEKnopfClick() {
  Schule().NeuerKurs();
  AktualisierePalette();
}

void TTamrelPalette::UELoeschKnopfClick() {
  Schule().KursEntfernen();
  AktualisierePalette();
}

void TTamrelPalette::ManuellKnopfClick() {
  Schule().ManuellRechnung((Umschalt() & umCtrl) != 0);
  AktualisierePalette();
}

void TTamrelPalette::AutomatKnopfClick() {
  // Im Fenster "Parallele Kopplungen" sucht "Automatik" eine Anordnung ohne Konflikte.
  if (auto* par = dynamic_cast<TParForm*>(Schule().fAktivesFenster))
    par->SucheLoesung();
  else
    AutomatikRechnung(this);
  AktualisierePalette();
}

// ---- Fenstermenü ----

void TTamrelPalette::MarkiereFensterImMenu(TFenster* fenster) {
  for (const auto& [f, eintrag] : fFensterEintraege) eintrag->setChecked(f == fenster);
}

void TTamrelPalette::FensterTitelAnpassen() {
  for (const auto& [f, eintrag] : fFensterEintraege) {
    const QString titel = QString::fromStdString(f->Titel());
    if (eintrag->text() != titel) eintrag->setText(titel);
  }
}

// ---- THauptfenster ----

void TTamrelPalette::SichernFreigeben(bool frei) {
  // Eine offene Schule lässt sich immer sichern, die leere Schule ohne Datei nie.
  (void)frei;
  SetzeAn(T("Datei/Sichern"), fHalter && SchulFreigabe(fHalter->Offen()).Sichern);
}

void TTamrelPalette::UndoBefehleFreigeben(bool frei) {
  SetzeAn(T("Bearbeiten/Widerrufen"), frei);
  SetzeAn(T("Bearbeiten/Löschen"), frei);
}

void TTamrelPalette::TitelSetzen(const std::string& titel) {
  setWindowTitle(QString::fromStdString(titel));
}

void TTamrelPalette::NeuesKursFenster(TKurs* kurs, TElement* vater) {
  TKursForm::Oeffnen(kurs, vater);
  AktualisierePalette();
}

void TTamrelPalette::HintergrundNachHinten() {
  if (fHintergrund && fHintergrund->isVisible()) fHintergrund->lower();
}

void TTamrelPalette::HintergrundAnpassen() {
  const TStandard& s = Standard();
  fHintergrund->FarbeSetzen(s.fHintergrundFarbe);
  if (s.fHintergrundAn)
    fHintergrund->Zeigen();
  else
    fHintergrund->hide();
}

void TTamrelPalette::FensterNachVorne(TFenster* fenster) {
  auto* w = dynamic_cast<QWidget*>(fenster);
  if (!w) return;
  if (fVerwaltung.Angemeldet(fenster) && w->isMinimized()) w->showNormal();
  w->raise();
}

void TTamrelPalette::ManuellFensterOeffnen(const std::vector<TKurs*>& kurse, bool ohneKonflikte) {
  TManuellForm::IManuellForm(kurse, ohneKonflikte);
}

void TTamrelPalette::PaletteNachVorne() {
  raise();
}

// ---- TFensterHoerer ----

void TTamrelPalette::FensterAngemeldet(TFenster* fenster) {
  if (!fenster || fFensterEintraege.count(fenster)) return;
  QAction* a = fFensterMenue->addAction(QString::fromStdString(fenster->Titel()));
  a->setCheckable(true);
  connect(a, &QAction::triggered, this, [this, fenster] {
    if (!fVerwaltung.Angemeldet(fenster)) return;
    if (auto* w = dynamic_cast<QWidget*>(fenster)) {
      if (w->isMinimized()) w->showNormal();
      w->show();
      w->raise();
      w->activateWindow();
    }
  });
  fFensterEintraege[fenster] = a;
  MarkiereFensterImMenu(fenster);
}

void TTamrelPalette::FensterAbgemeldet(TFenster* fenster) {
  if (auto it = fFensterEintraege.find(fenster); it != fFensterEintraege.end()) {
    fFensterMenue->removeAction(it->second);
    delete it->second;
    fFensterEintraege.erase(it);
  }
  AktualisierePalette();
}

void TTamrelPalette::AktivesFensterGewechselt(TFenster* fenster) {
  MarkiereFensterImMenu(fenster);
  AktualisierePalette();
}

void TTamrelPalette::UmschaltGeaendert(unsigned umschalt) {
  AdjustCursor(umschalt);
}

std::optional<TFensterDienst::TElementWahl> TTamrelPalette::ElementWaehlen(TKuerzelArt art,
                                                                           bool mitOhne, int x,
                                                                           int y) {
  TFensterDienst::TElementWahl wahl;
  wahl.Gewaehlt = PopupListe(art, mitOhne, QPoint(x, y));
  if (!wahl.Gewaehlt) return wahl;
  switch (art) {
    case leh:
      wahl.Element = fPopLehrer;
      break;
    case kla:
      wahl.Element = fPopKlasse;
      break;
    case kop:
      wahl.Element = fPopKopplung;
      break;
    case fac:
      wahl.Element = fPopFach;
      break;
    case rau:
      wahl.Element = fPopRaum;
      break;
    default:
      break;
  }
  return wahl;
}

void TTamrelPalette::ProtokollBefehle(bool an) {
  QAction* widerrufen = Befehl(T("Bearbeiten/Widerrufen"));
  QAction* loeschen = Befehl(T("Bearbeiten/Löschen"));
  if (an) {
    // Die Befehle gelten nun dem Protokoll; es ist noch leer.
    if (widerrufen) widerrufen->setText(T("Widerrufen Protokoll"));
    if (loeschen) loeschen->setText(T("Löschen Protokoll"));
    return;
  }
  if (widerrufen) {
    widerrufen->setText(T("Widerrufen"));
    widerrufen->setEnabled(true);
  }
  if (loeschen) {
    loeschen->setText(T("Löschen"));
    loeschen->setEnabled(false);
  }
}

void TTamrelPalette::VorigerNaechster(int richtung) {
  const QString name = richtung < 0 ? T("PfeilLinksKnopf") : T("PfeilRechtsKnopf");
  if (QToolButton* k = Knopf(name); k && k->isEnabled()) k->click();
}

// ---- Für Tests ----

QAction* TTamrelPalette::Befehl(const QString& pfad) const {
  auto it = fBefehle.find(pfad);
  return it == fBefehle.end() ? nullptr : it->second;
}

std::vector<QString> TTamrelPalette::BefehlsPfade() const {
  std::vector<QString> pfade;
  for (const auto& [pfad, a] : fBefehle) pfade.push_back(pfad);
  return pfade;
}

QToolButton* TTamrelPalette::Knopf(const QString& name) const {
  auto it = fKnoepfe.find(name);
  return it == fKnoepfe.end() ? nullptr : it->second;
}
