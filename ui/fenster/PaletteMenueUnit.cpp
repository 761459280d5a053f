// Aufbau der Palette: das Hauptmenü mit allen Befehlen und Tastenkürzeln, die Werkzeugknöpfe und
// ihre sieben Anordnungen.
#include <QActionGroup>
#include <QApplication>
#include <QBoxLayout>
#include <QButtonGroup>
#include <QGridLayout>
#include <QMenu>
#include <QMenuBar>
#include <QToolButton>
#include <string_view>

#include "model/SchulUnit.h"
#include "output/fenster/DruckListeFormUnit.h"
#include "output/ExportUnit.h"
#include "output/fenster/HTMLFormUnit.h"
#include "output/fenster/IcalFormUnit.h"
#include "planning/PruefUnit.h"
#include "planning/UndoUnit.h"
#include "settings/StandardUnit.h"
#include "settings/fenster/StandardFormUnit.h"
#include "substitution/fenster/VStatFormUnit.h"
#include "substitution/fenster/VStdFormUnit.h"
#include "substitution/fenster/VertrFormUnit.h"
#include "substitution/fenster/WoAusfallFormUnit.h"
#include "ui/fenster/AuTabFormUnit.h"
#include "ui/fenster/DepFormUnit.h"
#include "ui/ElementMenueUnit.h"
#include "ui/fenster/PaletteUnit.h"
#include "ui/fenster/ParFormUnit.h"
#include "ui/fenster/QtTextUnit.h"
#include "persistence/SchulHalterUnit.h"
#include "ui/fenster/StatistikFormUnit.h"
#include "ui/fenster/SymbolUnit.h"
#include "ui/fenster/UebersichtFormUnit.h"
#include "ui/fenster/ZwischenFormUnit.h"

namespace {

QKeySequence Strg(int taste) {
  return QKeySequence(static_cast<int>(Qt::CTRL) | taste);
}

// Die Gruppen der Knöpfe in der Anordnung; zwischen zwei Gruppen bleibt eine kleine Lücke.
enum { grNavigation, grFensterArt, grKurs, grWerkzeug, grPlanen };

}  // namespace

QMenu* TTamrelPalette::Untermenue(QMenu* menu, const QString& pfad, const QString& text) {
  QMenu* unter = menu->addMenu(text);
  fBefehle[pfad] = unter->menuAction();
  return unter;
}

QAction* TTamrelPalette::Eintrag(QMenu* menu, const QString& pfad, const QString& text,
                                 const QKeySequence& taste, std::function<void()> aktion) {
  QAction* a = menu->addAction(text);
  if (!taste.isEmpty()) {
    a->setShortcut(taste);
    a->setShortcutContext(Qt::ApplicationShortcut);
  }
  connect(a, &QAction::triggered, this, [aktion = std::move(aktion)] { aktion(); });
  fBefehle[pfad] = a;
  return a;
}

// Ein Befehl, dessen Fenster oder Ablauf es in diesem Ausbau noch nicht gibt: sichtbar, aber
// nie wählbar.
QAction* TTamrelPalette::Fehlt(QMenu* menu, const QString& pfad, const QString& text,
                               const QKeySequence& taste) {
  QAction* a = menu->addAction(text);
  if (!taste.isEmpty()) a->setShortcut(taste);
  a->setEnabled(false);
  fBefehle[pfad] = a;
  fFehlende.push_back(a);
  return a;
}

void TTamrelPalette::MenuesAnlegen() {
  // Datei
  QMenu* datei = new QMenu(T("Datei"), this);
  Eintrag(datei, T("Datei/Neu"), T("Neu"), Strg(Qt::Key_N), [this] { NeuItemClick(); });
  Eintrag(datei, T("Datei/Öffnen..."), T("Öffnen..."), Strg(Qt::Key_O),
          [this] { OeffnenItemClick(); });
  Eintrag(datei, T("Datei/Datei schließen"), T("Datei schließen"), {},
          [this] { DateiSchliessenItemClick(); });
  Eintrag(datei, T("Datei/Fenster schließen"), T("Fenster schließen"), Strg(Qt::Key_W),
          [this] { FensterSchliessenItemClick(); });
  datei->addSeparator();
  Eintrag(datei, T("Datei/Sichern"), T("Sichern"), Strg(Qt::Key_S), [this] { SichernItemClick(); });
  Eintrag(datei, T("Datei/Sichern unter..."), T("Sichern unter..."), {},
          [this] { SichernUnterItemClick(); });
  datei->addSeparator();
  Eintrag(datei, T("Datei/Papierformat..."), T("Papierformat..."), {},
          [this] { PapierformatItemClick(); });
  Eintrag(datei, T("Datei/Fenster drucken..."), T("Fenster drucken..."), Strg(Qt::Key_P),
          [this] { FensterDruckenItemClick(); });
  QMenu* drucken = Untermenue(datei, T("Datei/Drucken"), T("Drucken"));
  Eintrag(drucken, T("Datei/Drucken/Kürzel..."), T("Kürzel..."), {},
          [this] { ListenDruckItemClick(int(TListenDruck::Kuerzel)); });
  Eintrag(drucken, T("Datei/Drucken/Deputate..."), T("Deputate..."), {},
          [this] { ListenDruckItemClick(int(TListenDruck::Deputate)); });
  QMenu* dPlaene = Untermenue(drucken, T("Datei/Drucken/Pläne"), T("Pläne"));
  int planDruck = 0;
  for (const char* t : {"Lehrerpläne...", "Klassenpläne...", "Raumpläne...",
                        "Kopplungspläne für Lehrer...", "Kopplungspläne für Klassen..."})
    Eintrag(dPlaene, T("Datei/Drucken/Pläne/") + T(t), T(t), {},
            [this, art = planDruck++] { PlanDruckItemClick(art); });
  QMenu* dUeb = Untermenue(drucken, T("Datei/Drucken/Übersichten"), T("Übersichten"));
  // -1: die Fächerübersicht; sonst die Art der Übersicht.
  for (const auto& [t, art] : {std::pair{"Lehrer...", 0},
                               {"Klassen...", 1},
                               {"Räume...", 2},
                               {"Fächer...", -1},
                               {"Kombination...", 3}})
    Eintrag(dUeb, T("Datei/Drucken/Übersichten/") + T(t), T(t), {},
            [this, art = art] { UebDruckItemClick(art); });
  QMenu* dListen = Untermenue(drucken, T("Datei/Drucken/Listen"), T("Listen"));
  for (const auto& [t, art] : {std::pair{"Reststunden...", TListenDruck::Rest},
                               {"Stundenverteilung...", TListenDruck::SV},
                               {"Fachkonferenzen...", TListenDruck::FachKonf},
                               {"Klassenkonferenzen...", TListenDruck::KlassenKonf}})
    Eintrag(dListen, T("Datei/Drucken/Listen/") + T(t), T(t), {},
            [this, art = art] { ListenDruckItemClick(int(art)); });
  QMenu* dVertr = Untermenue(drucken, T("Datei/Drucken/Vertretung"), T("Vertretung"));
  for (const char* t :
       {"Vertretungsplan...", "Vertretungsstunden...", "Vertretungsübersicht für Lehrer...",
        "Vertretungsübersicht für Klassen..."}) {
    const std::string_view name(t);
    if (name == "Vertretungsplan...")
      Eintrag(dVertr, T("Datei/Drucken/Vertretung/") + T(t), T(t), {},
              [this] { VertrDruckItemClick(); });
    else if (name == "Vertretungsstunden...")
      Eintrag(dVertr, T("Datei/Drucken/Vertretung/") + T(t), T(t), {},
              [this] { ListenDruckItemClick(int(TListenDruck::VStd)); });
    else  // die beiden Vertretungsübersichten; der Zeitraum beginnt mit heute bis heute
      Eintrag(dVertr, T("Datei/Drucken/Vertretung/") + T(t), T(t), {},
              [this, lehrer = name.find("Lehrer") != std::string_view::npos] {
                VUebDruckZeigen(lehrer, Heute() + 0.5, Heute() + 0.5, this);
              });
  }
  datei->addSeparator();
  Eintrag(datei, T("Datei/Import..."), T("Import..."), {}, [this] { ImportItemClick(); });
  QMenu* export_ = Untermenue(datei, T("Datei/Export"), T("Export"));
  for (const char* t :
       {"Kurse...", "Vertretungsübersicht für Lehrer...", "Vertretungsübersicht für Klassen...",
        "Vertretungsplan...", "HTML-Dateien...", "Kalender (iCalendar)...", "Lehrerpläne...",
        "Klassenpläne...", "Raumpläne...", "Lanis Stundenplan (csv)", "Schulmanager (csv)"}) {
    const TExportBefehl* befehl = nullptr;
    for (const TExportBefehl& b : ExportBefehle())
      if (std::string_view(b.Menue) == t) befehl = &b;
    if (befehl)
      Eintrag(export_, T("Datei/Export/") + T(t), T(t), {},
              [this, art = befehl->Art] { ExportItemClick(art); });
    else if (std::string_view(t) == "HTML-Dateien...")
      Eintrag(export_, T("Datei/Export/") + T(t), T(t), {}, [this] {
        if (fHalter->Offen()) HTMLBefehlAusfuehren(this);
        AktualisierePalette();
      });
    else if (std::string_view(t) == "Kalender (iCalendar)...")
      Eintrag(export_, T("Datei/Export/") + T(t), T(t), {}, [this] {
        if (fHalter->Offen()) IcalBefehlAusfuehren(this);
        AktualisierePalette();
      });
    else
      Fehlt(export_, T("Datei/Export/") + T(t), T(t));
  }
  datei->addSeparator();
  Eintrag(datei, T("Datei/Beenden"), T("Beenden"), Strg(Qt::Key_Q), [this] { BeendenItemClick(); });

  // Bearbeiten
  QMenu* bearb = new QMenu(T("Bearbeiten"), this);
  Eintrag(bearb, T("Bearbeiten/Widerrufen"), T("Widerrufen"), Strg(Qt::Key_Z),
          [this] { WiderrufenItemClick(); });
  bearb->addSeparator();
  Eintrag(bearb, T("Bearbeiten/Ausschneiden"), T("Ausschneiden"), Strg(Qt::Key_X),
          [this] { KopierenItemClick(true); });
  Eintrag(bearb, T("Bearbeiten/Kopieren"), T("Kopieren"), Strg(Qt::Key_C),
          [this] { KopierenItemClick(false); });
  Eintrag(bearb, T("Bearbeiten/Einsetzen"), T("Einsetzen"), Strg(Qt::Key_V),
          [this] { EinsetzenItemClick(); });
  // Vergisst die Widerrufschritte des Fensters "Manuell".
  Eintrag(bearb, T("Bearbeiten/Löschen"), T("Löschen"), {}, [] {
    ProtokollLoeschen();
  })->setEnabled(false);
  Eintrag(bearb, T("Bearbeiten/Alles auswählen"), T("Alles auswählen"), Strg(Qt::Key_A),
          [this] { AllesAuswaehlenItemClick(); });
  bearb->addSeparator();
  QMenu* vor = Untermenue(bearb, T("Bearbeiten/Voreinstellungen"), T("Voreinstellungen"));
  for (const char* t :
       {"Eckdaten", "Grunddaten", "Deputate", "Pläne", "Kurse", "Planversionen", "Kalender",
        "Zeiten", "Kennwort", "Automatik", "Vertretung", "HTML-Farben"}) {
    if (std::string_view(t) == "Kalender")
      Eintrag(vor, T("Bearbeiten/Voreinstellungen/") + T(t), T(t), {},
              [this] { KalenderItemClick(); });
    else if (std::string_view(t) == "Automatik")
      Eintrag(vor, T("Bearbeiten/Voreinstellungen/Automatik"), T(t), {},
              [this] { VoreinstellungItemClick("Automatik"); });
    else if (VoreinstellungVorhanden(t))
      Eintrag(vor, T("Bearbeiten/Voreinstellungen/") + T(t), T(t), {},
              [this, e = std::string(t)] { VoreinstellungItemClick(e); });
    else
      Fehlt(vor, T("Bearbeiten/Voreinstellungen/") + T(t), T(t));
  }
  QMenu* wz = Untermenue(bearb, T("Bearbeiten/Werkzeuge"), T("Werkzeuge"));
  fFensterArtItems = new QActionGroup(this);
  fWerkzeugItems = new QActionGroup(this);
  struct TWz {
    const char* Text;
    const char* Knopf;
  };
  const TWz werkzeuge[] = {{"Grunddaten", "GrDatKnopf"},
                           {"Deputat", "DepKnopf"},
                           {"Plan", "PlanKnopf"},
                           {"Neuer Kurs", "NeueUEKnopf"},
                           {"Kurs löschen", "UELoeschKnopf"},
                           {"Zeigen", "ZeigKnopf"},
                           {"Setzen", "SetzKnopf"},
                           {"Löschen", "LoeschKnopf"},
                           {"Schieben", "SchiebKnopf"},
                           {"Fixieren", "FixKnopf"},
                           {"Manuell", "ManuellKnopf"},
                           {"Automatik", "AutomatKnopf"}};
  int f = 0;
  for (const TWz& w : werkzeuge) {
    const QString knopf = T(w.Knopf);
    const bool deputat = knopf == QLatin1String("DepKnopf");
    QAction* a = Eintrag(
        wz, T("Bearbeiten/Werkzeuge/") + T(w.Text), T(w.Text), Strg(Qt::Key_F1 + f++),
        [this, knopf, deputat] {
          if (deputat)
            fVerwaltung.UmschalttastenSetzen(Umschalt() & ~static_cast<TUmschaltMenge>(umCtrl));
          if (QToolButton* k = Knopf(knopf); k && k->isEnabled()) k->click();
        });
    if (f <= 3) {
      a->setCheckable(true);
      fFensterArtItems->addAction(a);
    } else if (f >= 6 && f <= 10) {
      a->setCheckable(true);
      fWerkzeugItems->addAction(a);
    }
  }

  // Daten
  QMenu* daten = new QMenu(T("Daten"), this);
  Eintrag(daten, T("Daten/Kürzel..."), T("Kürzel..."), Strg(Qt::Key_K),
          [this] { KuerzelItemClick(); });
  Eintrag(daten, T("Daten/Kurse"), T("Kurse"), Strg(Qt::Key_U), [this] {
    // "alle Kurse" gibt es nur einmal; ein offenes kommt nach vorn.
    if (TFenster* offen = Schule().fKursDepForm)
      FensterNachVorne(offen);
    else
      AlleKurseFenster();
  });
  Eintrag(daten, T("Daten/Parallele Kopplungen"), T("Parallele Kopplungen"), {}, [this] {
    TParForm::ParItemClick(this);
    AktualisierePalette();
  });
  QMenu* uvStat = Untermenue(daten, T("Daten/UV-Statistik"), T("UV-Statistik"));
  const std::pair<const char*, TKuerzelArt> statistiken[] = {
      {"Lehrer", leh}, {"Klassen", kla}, {"Kopplungen", kop}, {"Fächer", fac}, {"Räume", rau}};
  for (const auto& [t, art] : statistiken)
    Eintrag(uvStat, T("Daten/UV-Statistik/") + T(t), T(t), {},
            [art = art] { StatistikZeigen(art); });
  Eintrag(uvStat, T("Daten/UV-Statistik/UV-Tabellen"), T("UV-Tabellen"), {},
          [] { StatistikZeigen(uvt); });
  QMenu* plaene = Untermenue(daten, T("Daten/Pläne"), T("Pläne"));
  Eintrag(plaene, T("Daten/Pläne/Löschen..."), T("Löschen..."), {},
          [this] { PlaeneLoeschenItemClick(); });
  Eintrag(plaene, T("Daten/Pläne/Komprimieren"), T("Komprimieren"), {},
          [this] { KomprimierenItemClick(); });
  Eintrag(plaene, T("Daten/Pläne/Stundenverteilung"), T("Stundenverteilung"), {},
          [this] { StundenverteilungItemClick(); });
  Eintrag(plaene, T("Daten/Pläne/nicht belegte Räume"), T("nicht belegte Räume"), {},
          [this] { RaeumeLoeschenItemClick(false); });
  Eintrag(plaene, T("Daten/Pläne/später eingetragene Räume"), T("später eingetragene Räume"), {},
          [this] { RaeumeLoeschenItemClick(true); });
  QMenu* ueb = Untermenue(daten, T("Daten/Übersichten"), T("Übersichten"));
  Eintrag(ueb, T("Daten/Übersichten/Lehrerübersicht"), T("Lehrerübersicht"), {},
          [] { UebersichtZeigen(leh); });
  Eintrag(ueb, T("Daten/Übersichten/Klassenübersicht"), T("Klassenübersicht"), {},
          [] { UebersichtZeigen(kla); });
  Eintrag(ueb, T("Daten/Übersichten/Raumübersicht"), T("Raumübersicht"), {},
          [] { UebersichtZeigen(rau); });
  QMenu* vertr = Untermenue(daten, T("Daten/Vertretung"), T("Vertretung"));
  Eintrag(vertr, T("Daten/Vertretung/Heute"), T("Heute"), Strg(Qt::Key_H),
          [] { VertretungZeigen(Heute()); });
  Eintrag(vertr, T("Daten/Vertretung/Morgen"), T("Morgen"), {},
          [] { VertretungZeigen(Heute() + 1); });
  Eintrag(vertr, T("Daten/Vertretung/anderer Tag"), T("anderer Tag"), {},
          [] { VertretungAndererTag(); });
  Eintrag(vertr, T("Daten/Vertretung/Vertretungsstunden"), T("Vertretungsstunden"), {},
          [] { VStundenZeigen(); });
  Eintrag(vertr, T("Daten/Vertretung/Vertretungsübersicht für Lehrer"),
          T("Vertretungsübersicht für Lehrer"), {}, [] { VStatZeigen(leh); });
  Eintrag(vertr, T("Daten/Vertretung/Vertretungsübersicht für Klassen"),
          T("Vertretungsübersicht für Klassen"), {}, [] { VStatZeigen(kla); });
  Eintrag(vertr, T("Daten/Vertretung/wöchentlicher Unterrichtsausfall (NRW)"),
          T("wöchentlicher Unterrichtsausfall (NRW)"), {}, [] { WoAusfallZeigen(); });
  QMenu* pruefen = Untermenue(daten, T("Daten/Prüfen"), T("Prüfen"));
  const std::pair<const char*, TPruefArt> pruefungen[] = {
      {"Konsistenz", TPruefArt::Konsistenz},          {"Brücken", TPruefArt::Bruecken},
      {"fehlende Räume", TPruefArt::FehlRaum},        {"fehlende Stunden", TPruefArt::FehlStunden},
      {"Versionsunterschiede", TPruefArt::Versionen}, {"gekoppelte Kurse", TPruefArt::Kopplungen},
      {"Einzel-/Mehrfachstunden", TPruefArt::Einzel}};
  for (const auto& [t, art] : pruefungen)
    Eintrag(pruefen, T("Daten/Prüfen/") + T(t), T(t), {},
            [this, art = art] { PruefenItemClick(static_cast<int>(art)); });

  // Fenster
  fFensterMenue = new QMenu(T("Fenster"), this);
  connect(fFensterMenue, &QMenu::aboutToShow, this, [this] { FensterTitelAnpassen(); });
  Eintrag(fFensterMenue, T("Fenster/Anordnung..."), T("Anordnung..."), {},
          [this] { AnordnungItemClick(); });
  fFensterMenue->addSeparator();
  Eintrag(fFensterMenue, T("Fenster/Zwischenablage"), T("Zwischenablage"), {},
          [] { TZwischenForm::Zeigen(); });
  fFensterMenue->addSeparator();

  // Hilfe
  QMenu* hilfe = new QMenu(T("Hilfe"), this);
  Eintrag(hilfe, T("Hilfe/WinTamrel Hilfe"), T("WinTamrel Hilfe"), QKeySequence(Qt::Key_F1),
          [this] { HilfeItemClick(); });
  Eintrag(hilfe, T("Hilfe/Tamrel-Handbuch"), T("Tamrel-Handbuch"), {},
          [this] { HandbuchItemClick(); });
  Fehlt(hilfe, T("Hilfe/Updates"), T("Updates"));
  hilfe->addSeparator();
  Eintrag(hilfe, T("Hilfe/Über WinTamrel..."), T("Über WinTamrel..."), {},
          [this] { UeberItemClick(); });

  // Die Menüleiste in ihrer Folge, die Elementmenüs zwischen "Daten" und "Fenster".
  fHauptMenues = {datei, bearb, daten};
  for (QMenu* m : fHauptMenues) fHauptAktionen.push_back(m->menuAction());
  for (TKuerzelArt art : {leh, kla, kop, fac, rau, uvt}) {
    const QString titel = QString::fromStdString(ElementMenueTitel(art));
    auto* a = new QAction(titel, this);
    a->setEnabled(false);
    connect(a, &QAction::triggered, this, [this, art] { ElementMenueZeigen(art); });
    fBefehle[titel] = a;
    fHauptAktionen.push_back(a);
  }
  fHauptMenues.push_back(fFensterMenue);
  fHauptMenues.push_back(hilfe);
  fHauptAktionen.push_back(fFensterMenue->menuAction());
  fHauptAktionen.push_back(hilfe->menuAction());
  fSammelMenue = new QMenu(T("Menu"), this);
}

QToolButton* TTamrelPalette::NeuerKnopf(const QString& name, const QString& hinweis, int symbol) {
  auto* k = new QToolButton(this);
  k->setObjectName(name);
  k->setToolTip(hinweis);
  k->setIcon(SymbolIcon(static_cast<TSymbol>(symbol)));
  k->setIconSize(QSize(20, 20));
  k->setFixedSize(30, 30);
  k->setFocusPolicy(Qt::NoFocus);
  fKnoepfe[name] = k;
  return k;
}

void TTamrelPalette::KnoepfeAnlegen() {
  QToolButton* links = NeuerKnopf(T("PfeilLinksKnopf"), T("Voriger"), int(TSymbol::Voriger));
  QToolButton* rechts = NeuerKnopf(T("PfeilRechtsKnopf"), T("Nächster"), int(TSymbol::Naechster));
  QToolButton* grDat = NeuerKnopf(T("GrDatKnopf"), T("Grunddaten"), int(TSymbol::Grunddaten));
  QToolButton* dep = NeuerKnopf(T("DepKnopf"), T("Deputate"), int(TSymbol::Deputate));
  QToolButton* plan = NeuerKnopf(T("PlanKnopf"), T("Pläne"), int(TSymbol::Plaene));
  QToolButton* neueUE =
      NeuerKnopf(T("NeueUEKnopf"), T("Neuen Kurs erzeugen"), int(TSymbol::NeuerKurs));
  QToolButton* ueLoesch =
      NeuerKnopf(T("UELoeschKnopf"), T("Ausgewählte Kurse löschen"), int(TSymbol::KursLoeschen));
  QToolButton* zeig = NeuerKnopf(T("ZeigKnopf"), T("Zeigen"), int(TSymbol::Zeigen));
  QToolButton* setz = NeuerKnopf(T("SetzKnopf"), T("Setzen"), int(TSymbol::Setzen));
  QToolButton* loesch = NeuerKnopf(T("LoeschKnopf"), T("Löschen"), int(TSymbol::Loeschen));
  QToolButton* schieb = NeuerKnopf(T("SchiebKnopf"), T("Schieben"), int(TSymbol::Schieben));
  QToolButton* fix = NeuerKnopf(T("FixKnopf"), T("Fixieren"), int(TSymbol::Fixieren));
  QToolButton* manuell =
      NeuerKnopf(T("ManuellKnopf"), T("Ausgewählte Kurse manuell setzen"), int(TSymbol::Manuell));
  QToolButton* automat = NeuerKnopf(T("AutomatKnopf"), T("Ausgewählte Kurse automatisch setzen"),
                                    int(TSymbol::Automatik));
  fVersKnopf = new QToolButton(this);
  fVersKnopf->setObjectName(T("VersKnopf"));
  fVersKnopf->setToolTip(T("Planversion (rot = alle Versionen)"));
  fVersKnopf->setFixedSize(30, 30);
  fVersKnopf->setFocusPolicy(Qt::NoFocus);
  QFont fett = fVersKnopf->font();
  fett.setBold(true);
  fVersKnopf->setFont(fett);
  fKnoepfe[T("VersKnopf")] = fVersKnopf;

  connect(links, &QToolButton::clicked, this, [this] { VorigerKnopfClick(); });
  connect(rechts, &QToolButton::clicked, this, [this] { NaechsterKnopfClick(); });
  connect(neueUE, &QToolButton::clicked, this, [this] { NeueUEKnopfClick(); });
  connect(ueLoesch, &QToolButton::clicked, this, [this] { UELoeschKnopfClick(); });
  connect(fVersKnopf, &QToolButton::clicked, this, [this] { VersKnopfClick(); });

  fFensterArtGruppe = new QButtonGroup(this);
  const std::pair<QToolButton*, TFensterArt> arten[] = {
      {grDat, TFensterArt::GFenster}, {dep, TFensterArt::DFenster}, {plan, TFensterArt::PFenster}};
  for (const auto& [k, art] : arten) {
    k->setCheckable(true);
    fFensterArtGruppe->addButton(k);
    connect(k, &QToolButton::clicked, this, [this, art] { FensterArtKnopfClick(art); });
  }
  fWerkzeugGruppe = new QButtonGroup(this);
  const std::pair<QToolButton*, TToolArt> tools[] = {{zeig, TToolArt::ZeigTool},
                                                     {setz, TToolArt::SetzTool},
                                                     {loesch, TToolArt::LoeschTool},
                                                     {schieb, TToolArt::SchiebTool},
                                                     {fix, TToolArt::FixTool}};
  for (const auto& [k, tool] : tools) {
    k->setCheckable(true);
    fWerkzeugGruppe->addButton(k);
    connect(k, &QToolButton::clicked, this, [this, tool] { WerkzeugKnopfClick(tool); });
  }
  grDat->setChecked(true);
  zeig->setChecked(true);
  connect(manuell, &QToolButton::clicked, this, [this] { ManuellKnopfClick(); });
  manuell->setEnabled(false);
  connect(automat, &QToolButton::clicked, this, [this] { AutomatKnopfClick(); });
  automat->setEnabled(false);

  fKnopfFolge = {{links, grNavigation}, {fVersKnopf, grNavigation}, {rechts, grNavigation},
                 {grDat, grFensterArt}, {dep, grFensterArt},        {plan, grFensterArt},
                 {neueUE, grKurs},      {ueLoesch, grKurs},         {zeig, grWerkzeug},
                 {setz, grWerkzeug},    {loesch, grWerkzeug},       {schieb, grWerkzeug},
                 {fix, grWerkzeug},     {manuell, grPlanen},        {automat, grPlanen}};
}

void TTamrelPalette::AendereForm() {
  const int anordnung = std::clamp(Standard().fPaletteSchalter, 0, 6);
  const bool sichtbar = isVisible();
  const QPoint lage = pos();

  // Die Knöpfe in eine neue Fläche: eine Zeile mit Lücken zwischen den Gruppen, sonst ein Gitter.
  auto* flaeche = new QWidget(this);
  for (const auto& [knopf, gruppe] : fKnopfFolge) knopf->setParent(flaeche);
  if (anordnung == 0) {
    auto* zeile = new QHBoxLayout(flaeche);
    zeile->setContentsMargins(3, 3, 3, 3);
    zeile->setSpacing(1);
    int letzte = -1;
    for (const auto& [knopf, gruppe] : fKnopfFolge) {
      if (letzte >= 0 && gruppe != letzte) zeile->addSpacing(6);
      zeile->addWidget(knopf);
      letzte = gruppe;
    }
    zeile->addStretch();
  } else {
    // "15 X 1", "8 X 2", "5 X 3", "4 X 4", "3 X 5", "2 X 8", "1 X 15": Spalten × Zeilen.
    static constexpr int kSpalten[] = {15, 8, 5, 4, 3, 2, 1};
    const int spalten = kSpalten[anordnung];
    auto* gitter = new QGridLayout(flaeche);
    gitter->setContentsMargins(3, 3, 3, 3);
    gitter->setSpacing(1);
    int i = 0;
    for (const auto& [knopf, gruppe] : fKnopfFolge) {
      gitter->addWidget(knopf, i / spalten, i % spalten);
      ++i;
    }
  }
  for (const auto& [knopf, gruppe] : fKnopfFolge) knopf->show();
  setCentralWidget(flaeche);  // die bisherige Fläche wird zerstört
  fKnopfFlaeche = flaeche;

  // Breit: normales Fenster mit dem ganzen Menü; schmal: Werkzeugfenster mit "Menu".
  const bool schmal = anordnung >= 3;
  if (anordnung != fAnordnung) {
    QMenuBar* leiste = menuBar();
    for (QAction* a : leiste->actions()) leiste->removeAction(a);
    for (QAction* a : fSammelMenue->actions()) fSammelMenue->removeAction(a);
    if (schmal) {
      for (QAction* a : fHauptAktionen) fSammelMenue->addAction(a);
      leiste->addMenu(fSammelMenue);
    } else {
      for (QAction* a : fHauptAktionen) leiste->addAction(a);
    }
    const Qt::WindowFlags art = (schmal ? Qt::Tool : Qt::Window) | Qt::WindowStaysOnTopHint |
                                Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                                Qt::WindowMinimizeButtonHint | Qt::CustomizeWindowHint;
    setWindowFlags(art);
    fAnordnung = anordnung;
  }
  flaeche->adjustSize();
  int breite = flaeche->sizeHint().width();
  if (!schmal) breite = std::max(breite, menuBar()->sizeHint().width());
  const int hoehe = menuBar()->heightForWidth(breite) + flaeche->sizeHint().height();
  setFixedSize(breite, std::max(hoehe, flaeche->sizeHint().height()));
  if (sichtbar) {
    move(lage);
    show();
  }
}
