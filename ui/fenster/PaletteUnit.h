// Das Hauptfenster: die Werkzeugpalette mit dem ganzen Menü, den Werkzeugknöpfen, dem Knopf der
// Planversion und den Elementmenüs. Sie führt die Befehle aus oder gibt sie an das aktive
// Fenster und an die Schule weiter.
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <QTimer>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "model/DatumUnit.h"
#include "model/DienstUnit.h"
#include "model/MenueUnit.h"
#include "ui/FreigabeUnit.h"
#include "ui/FensterVerwaltungUnit.h"
#include "ui/QuonAuswahlUnit.h"
#include "ui/fenster/PopupMenueUnit.h"

class QAction;
class QKeyEvent;
class QActionGroup;
class QButtonGroup;
class QMenu;
class QToolButton;
class TElement;
class TFach;
class TKlasse;
class TKopplung;
class TLehrer;
class TRaum;
class TSchulHalter;
class TSchulSpeicherung;
class TSpeicherErinnerung;
class THintergrund;
enum class TExportArt;

// Die Palette hört der Fensterverwaltung zu (Fenstermenü, Freigaben, Mauszeiger) und führt die
// Aufträge an das Hauptfenster aus; die Verwaltung selbst ist der eingesetzte Fensterdienst.
class TTamrelPalette : public QMainWindow, public THauptfenster {
  Q_OBJECT

 public:
  // Der Dateidialog "WinTamrel-Datei öffnen": bekommt den Startordner (UTF-8) und liefert den
  // gewählten Pfad, oder nichts bei Abbruch.
  using TOeffnenDialog = std::function<std::optional<std::string>(const std::string& ordner)>;
  // Der Dateidialog "Sichern als": vorgeschlagener Name und Ordner (UTF-8); liefert den Pfad
  // oder nichts. Er fragt selbst vor dem Überschreiben.
  using TSichernDialog = std::function<std::optional<std::string>(const std::string& vorschlag,
                                                                  const std::string& ordner)>;

  // Die Einstellungen müssen eingesetzt und geladen sein; die Palette legt eine leere Schule an.
  explicit TTamrelPalette(QWidget* parent = nullptr);
  ~TTamrelPalette() override;

  // Für Tests: die Dateidialoge ersetzen.
  void SetzeOeffnenDialog(TOeffnenDialog dialog) { fOeffnenDialog = std::move(dialog); }
  void SetzeSichernDialog(TSichernDialog dialog) { fSichernDialog = std::move(dialog); }
  // Der Dateidialog "Tamrel-Textdatei öffnen" des Imports (bekommt fImportPfad).
  void SetzeImportDialog(TOeffnenDialog dialog) { fImportDialog = std::move(dialog); }
  // Der Dateidialog der Exporte: Art des Exports und Anfangsordner; liefert den Pfad oder nichts.
  using TExportPfadDialog =
      std::function<std::optional<std::string>(TExportArt art, const std::string& ordner)>;
  void SetzeExportDialog(TExportPfadDialog dialog) { fExportDialog = std::move(dialog); }
  // Für Tests: statt des Dialogs "Vertretungsplanexport" diese Felder (nichts: Abbruch).
  using TZeitraumDialog =
      std::function<std::optional<std::pair<TDatum, TDatum>>(TDatum von, TDatum bis)>;
  void SetzeZeitraumDialog(TZeitraumDialog dialog) { fZeitraumDialog = std::move(dialog); }

  // ---- Zustand ----
  bool fSpeicherMeldungDa = false;
  bool fFertig = false;
  bool fAktiv = false;
  std::string fStartDir;  // mit "/" am Ende
  int StdWahl = -1;

  // Die Fensterverwaltung, der die Palette zuhört; sie lebt so lange wie die Palette und ist,
  // solange die Palette lebt, der eingesetzte Fensterdienst.
  TFensterVerwaltung& Verwaltung() { return fVerwaltung; }
  const TFensterVerwaltung& Verwaltung() const { return fVerwaltung; }
  // Die Umschalttasten, wie die Verwaltung sie verfolgt.
  TUmschaltMenge Umschalt() const { return fVerwaltung.Umschalttasten().value_or(0u); }

  TSchulHalter& Halter() const { return *fHalter; }
  TSchulSpeicherung& Speicherung() const { return *fSpeicherung; }
  const TPaletteFreigabe& Freigabe() const { return fFreigabe; }

  // ---- Befehle ----
  void NeuItemClick();
  void OeffnenItemClick();
  // Die Öffnen-Folge ohne Dialog (auch für die Kommandozeile); falsch, wenn die Datei nicht
  // gelesen werden konnte (die Meldung ist dann gezeigt, es ist keine Schule offen).
  bool DateiOeffnen(const std::string& pfad);
  void DateiSchliessenItemClick();
  void FensterSchliessenItemClick();
  void SichernItemClick();
  void SichernUnterItemClick();
  void BeendenItemClick();
  void WiderrufenItemClick();
  void KopierenItemClick(bool ausschneiden);
  void EinsetzenItemClick();
  void AllesAuswaehlenItemClick();
  void KuerzelItemClick();
  // "Voreinstellungen" › "Kalender": der Kalenderdialog modal, danach alle Fenster neu.
  void KalenderItemClick();
  void HilfeItemClick();
  void HandbuchItemClick();
  void UeberItemClick();
  // Drucken (PaletteDruckUnit.cpp): "Papierformat...", "Fenster drucken..." und die Plandrucke
  // (art: 0 Lehrer-, 1 Klassen-, 2 Raumpläne, 3 Kopplungspläne für Lehrer, 4 für Klassen).
  void PapierformatItemClick();
  void FensterDruckenItemClick();
  void PlanDruckItemClick(int art);
  void VertrDruckItemClick();
  // Übersichtsdrucke (0 Lehrer, 1 Klassen, 2 Räume, 3 Kombination, -1 Fächer) und Listendrucke
  // (TListenDruck).
  void UebDruckItemClick(int art);
  void ListenDruckItemClick(int art);
  // "Voreinstellungen" (PaletteVoreinstellungUnit.cpp): öffnet den Dialog des Eintrags und nach
  // "Wechseln" den gewählten; danach folgen Knöpfe, Versionsknopf und Fenster.
  void VoreinstellungItemClick(const std::string& eintrag);
  // Für Tests: führt die Dialoge der Voreinstellungen und der Fensteranordnung aus (statt exec).
  std::function<void(QDialog&)> fDialogLauf;
  // "Fenster" › "Anordnung...": nach einem neuen Modus werden alle Fenster neu angeordnet.
  void AnordnungItemClick();
  // Die Palette nach vorn, dann jedes Fenster der Fensterliste an seinen Platz (Index ab 1).
  void FensterUmordnen();
  // Das Hintergrundfenster nach den Einstellungen: Farbe, gezeigt oder verborgen.
  void HintergrundAnpassen();
  THintergrund* Hintergrund() const { return fHintergrund.get(); }
  // Nach dem Lesen einer Schule: die gespeicherten Planfenster wieder öffnen (vom letzten Satz
  // zum ersten, so liegt das erste oben); ihre Sätze sind damit verbraucht, die übrigen bleiben.
  void GespeicherteFensterOeffnen();
  // "Import...": Dateidialog ab fImportPfad, dann DateiImportieren.
  void ImportItemClick();
  // Der Import ohne Dialog: Fenster "Importieren", die drei Phasen, danach gilt die Schule als
  // offen (Name und Datei bleiben). Wahr, wenn importiert wurde.
  bool DateiImportieren(const std::string& pfad);
  // "Export" › …: Dateidialog, Ordner merken, Export mit dem Fenster "Exportieren".
  void ExportItemClick(TExportArt art);

  // Knöpfe.
  void VorigerKnopfClick();
  void NaechsterKnopfClick();
  void FensterArtKnopfClick(TFensterArt art);
  void WerkzeugKnopfClick(TToolArt tool);
  void NeueUEKnopfClick();
  void UELoeschKnopfClick();
  // "Manuell": die ausgewählten Kurse des aktiven Fensters im Manuellfenster (mit Strg ohne
  // Konflikte).
  void ManuellKnopfClick();
  // "Automatik": der Startdialog und die automatische Planung der ausgewählten Kurse.
  void AutomatKnopfClick();
  // Der Knopf der Planversion: mit Strg Einwochenbetrieb umschalten, sonst das Menü zeigen.
  void VersKnopfClick();
  void VersionWaehlen(int woche);

  // "Daten" › "Prüfen" (art: TPruefArt) und "Daten" › "Pläne" (ui/PalettePflegeUnit.cpp).
  void PruefenItemClick(int art);
  void PlaeneLoeschenItemClick();
  void KomprimierenItemClick();
  void StundenverteilungItemClick();
  void RaeumeLoeschenItemClick(bool ergaenzt);

  // Elementmenüs und Auswahllisten neu anlegen.
  void MenuAnlage();
  // Freigaben nach aktivem Fenster, Schule und Werkzeug.
  void AktualisierePalette();
  // Anordnung der Knöpfe nach fPaletteSchalter.
  void AendereForm();
  // Titelzeile nach dem Zustand der Schule.
  void TitelAnpassen();

  // Das Fenstermenü: Häkchen beim Fenster; die Einträge zeigen die heutigen Überschriften.
  void MarkiereFensterImMenu(TFenster* fenster);
  void FensterTitelAnpassen();

  // Auswahllisten für andere Fenster: zeigt die Liste der Art (mit "ohne" für Lehrer,
  // Kopplungen und Räume) an der Bildschirmstelle und wartet. Setzt fPopWahl und das gewählte
  // Element (fPopLehrer …; "ohne" setzt nichts). Liefert fPopWahl.
  bool PopupListe(TKuerzelArt art, bool mitOhne, const QPoint& pos);
  // Mehrfachwahl: die gewählten Elemente in der Folge der Wahl; leer bei "Abbrechen".
  std::vector<TElement*> MultiMenu(const std::vector<TElement*>& menge, const QString& titel);

  // ---- Für Tests ----
  // Ein Menüeintrag nach Pfad, z. B. "Datei/Neu", "Bearbeiten/Werkzeuge/Setzen", "Le".
  QAction* Befehl(const QString& pfad) const;
  std::vector<QString> BefehlsPfade() const;
  QToolButton* Knopf(const QString& name) const;
  // Das zuletzt geöffnete Element- oder Versionsmenü (solange es lebt).
  TPopupMenue* OffenesMenue() const { return fOffenesMenue.data(); }
  // Das Modell des Elementmenüs einer Art (nach MenuAnlage).
  const TMenue& ElementMenueModell(TKuerzelArt art) const;
  // Zeigt das Elementmenü der Art unter seinem Menüeintrag (ohne zu warten).
  void ElementMenueZeigen(TKuerzelArt art);
  // Der Leerlauf: Erinnerung ans Sichern, Schließen nach Aufforderung des Systems.
  void Leerlauf();

  // Pfade, die SetzeAn nicht fand (in Debug-Bauten bricht das Programm dabei ab).
  const std::vector<QString>& UnbekanntePfade() const { return fUnbekanntePfade; }

  // ---- THauptfenster ----
  void SichernFreigeben(bool frei) override;
  void TitelSetzen(const std::string& titel) override;
  void UndoBefehleFreigeben(bool frei) override;
  void NeuesKursFenster(TKurs* kurs, TElement* vater) override;
  void PlanFensterZeigen(TPlanElement* element) override;
  void HintergrundNachHinten() override;
  void FensterNachVorne(TFenster* fenster) override;
  void PaletteNachVorne() override;
  void ElementFensterNeu(TElement* element, int art) override;
  void ManuellFensterOeffnen(const std::vector<TKurs*>& kurse, bool ohneKonflikte) override;
  std::optional<TFensterDienst::TElementWahl> ElementWaehlen(TKuerzelArt art, bool mitOhne, int x,
                                                             int y) override;
  void ProtokollBefehle(bool an) override;
  void VorigerNaechster(int richtung) override;
  // ---- TFensterHoerer ----
  void FensterAngemeldet(TFenster* fenster) override;
  void FensterAbgemeldet(TFenster* fenster) override;
  void AktivesFensterGewechselt(TFenster* fenster) override;
  void UmschaltGeaendert(unsigned umschalt) override;
  void ZustandGeaendert() override { AktualisierePalette(); }

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* objekt, QEvent* event) override;

 private:
  // Aufbau (PaletteMenueUnit.cpp).
  void MenuesAnlegen();
  void KnoepfeAnlegen();
  QMenu* Untermenue(QMenu* menu, const QString& pfad, const QString& text);
  QAction* Eintrag(QMenu* menu, const QString& pfad, const QString& text, const QKeySequence& taste,
                   std::function<void()> aktion);
  QAction* Fehlt(QMenu* menu, const QString& pfad, const QString& text,
                 const QKeySequence& taste = {});
  QToolButton* NeuerKnopf(const QString& name, const QString& hinweis, int symbol);
  void SetzeAn(const QString& pfad, bool an);
  void SetzeAn(QToolButton* knopf, bool an);
  void VersKnopfAnpassen();
  void UmschaltMerken(Qt::KeyboardModifiers tasten);
  void ElementGewaehlt(TElement* element);
  void MenueUnterEintrag(TPopupMenue* menue, QAction* eintrag);
  std::optional<std::string> SichernPfadErfragen(const std::string& vorschlag,
                                                 const std::string& ordner);
  void SchulMenues();
  void NachSchulwechsel();
  // Nach dem Schließen der Palette: alle übrigen Fenster zu, die Ereignisschleife endet.
  void ProgrammBeenden();

  TLehrer* fPopLehrer = nullptr;
  TKlasse* fPopKlasse = nullptr;
  TKopplung* fPopKopplung = nullptr;
  TFach* fPopFach = nullptr;
  TRaum* fPopRaum = nullptr;
  bool fPopWahl = false;

  TFensterVerwaltung fVerwaltung;  // vor der Schule gebaut, nach ihr abgebaut
  std::unique_ptr<TSchulHalter> fHalter;
  std::unique_ptr<TSchulSpeicherung> fSpeicherung;
  std::unique_ptr<TSpeicherErinnerung> fErinnerung;
  std::unique_ptr<THintergrund> fHintergrund;
  TOeffnenDialog fOeffnenDialog;
  TSichernDialog fSichernDialog;
  TOeffnenDialog fImportDialog;
  TExportPfadDialog fExportDialog;
  TZeitraumDialog fZeitraumDialog;
  TPaletteFreigabe fFreigabe;
  QTimer fLeerlauf;

  std::map<QString, QAction*> fBefehle;
  std::vector<QAction*> fFehlende;  // Befehle, deren Fenster es noch nicht gibt
  std::vector<QMenu*> fHauptMenues;
  std::vector<QAction*> fHauptAktionen;  // Einträge der Menüleiste in Folge
  QMenu* fSammelMenue = nullptr;         // "Menu" der schmalen Anordnungen
  QMenu* fFensterMenue = nullptr;
  std::map<TFenster*, QAction*> fFensterEintraege;  // die Einträge des Fenstermenüs
  std::vector<QString> fUnbekanntePfade;
  QActionGroup* fWerkzeugItems = nullptr;
  QActionGroup* fFensterArtItems = nullptr;

  std::map<QString, QToolButton*> fKnoepfe;
  std::vector<std::pair<QToolButton*, int>> fKnopfFolge;  // Knopf und Gruppe der Anordnung
  QButtonGroup* fFensterArtGruppe = nullptr;
  QButtonGroup* fWerkzeugGruppe = nullptr;
  QToolButton* fVersKnopf = nullptr;
  QWidget* fKnopfFlaeche = nullptr;
  int fAnordnung = -1;

  TMenue fElementMenues[6];
  TMenue fPopMenues[5];
  TMenue fOhneMenues[3];
  QPointer<TPopupMenue> fOffenesMenue;
};
