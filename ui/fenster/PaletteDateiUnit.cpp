// Die Befehle der Palette zu Datei, Bearbeiten, Kürzeln und Hilfe.
#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <algorithm>
#include <QGuiApplication>
#include <filesystem>

#include "model/DienstUnit.h"
#include "model/SchulLebenUnit.h"
#include "model/SchulUnit.h"
#include "persistence/DateiSpeicherungUnit.h"
#include "planning/UndoUnit.h"
#include "settings/StandardUnit.h"
#include "ui/FensterSchliessenUnit.h"
#include "ui/fenster/HandbuchFormUnit.h"
#include "ui/HandbuchUnit.h"
#include "ui/fenster/KueFormUnit.h"
#include "ui/fenster/PaletteUnit.h"
#include "ui/fenster/QtTextUnit.h"
#include "persistence/SchulHalterUnit.h"
#include "ui/fenster/UeberFormUnit.h"

namespace {

// Die Dateien der Schule: "Tamrel-Dateien (*.TMR)|*.tmr", als Filter für beide Schreibweisen.
const QString& SchulFilter() {
  static const QString filter = T("Tamrel-Dateien (*.TMR *.tmr)");
  return filter;
}

std::optional<std::string> OeffnenMitQt(QWidget* vater, const std::string& ordner) {
  QFileDialog dialog(vater, T("WinTamrel-Datei öffnen"), T(ordner), SchulFilter());
  dialog.setFileMode(QFileDialog::ExistingFile);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setDefaultSuffix(T("tmr"));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return dialog.selectedFiles().first().toStdString();
}

std::optional<std::string> SichernMitQt(QWidget* vater, const std::string& vorschlag,
                                        const std::string& ordner) {
  QFileDialog dialog(vater, T("Sichern als"), T(ordner), SchulFilter());
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setDefaultSuffix(T("tmr"));
  dialog.selectFile(T(vorschlag));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return dialog.selectedFiles().first().toStdString();
}

}  // namespace

// Der Dialog "Sichern als" mit Endung: fehlt dem gewählten Namen die Endung, kommt ".tmr" dazu;
// gibt es die Datei mit Endung schon, wird vor dem Überschreiben gefragt.
std::optional<std::string> TTamrelPalette::SichernPfadErfragen(const std::string& vorschlag,
                                                               const std::string& ordner) {
  std::optional<std::string> pfad =
      fSichernDialog ? fSichernDialog(vorschlag, ordner) : SichernMitQt(this, vorschlag, ordner);
  if (!pfad || pfad->empty()) return std::nullopt;
  const QFileInfo info(T(*pfad));
  if (info.suffix().isEmpty()) {
    const QString mitEndung = info.filePath() + T(".tmr");
    if (QFileInfo::exists(mitEndung) &&
        Dialog().Frage("Sichern als",
                       {"Die Datei „" + QFileInfo(mitEndung).fileName().toStdString() +
                            "“ ist schon vorhanden.",
                        "Soll sie ersetzt werden?"},
                       TMeldungsArt::Warnung, {"Ja", "Nein"}, 1, 1) != 0)
      return std::nullopt;
    return mitEndung.toStdString();
  }
  return pfad;
}

// ---- Datei ----

void TTamrelPalette::NeuItemClick() {
  if (fHalter->Offen()) return;
  fHalter->Neu();
  TitelAnpassen();
  // Nacheinander die Voreinstellungen für Eckdaten, Grunddaten und Kurse, dann der Kürzeleditor.
  for (const char* e : {"Eckdaten", "Grunddaten", "Kurse"}) VoreinstellungItemClick(e);
  TKueForm editor(this);
  editor.exec();
  MenuAnlage();
  NachSchulwechsel();
  Schule().AlleFensterUpdate();
}

void TTamrelPalette::OeffnenItemClick() {
  if (fHalter->Offen()) return;
  const std::string ordner = Standard().fOpenPfad;
  const std::optional<std::string> pfad =
      fOeffnenDialog ? fOeffnenDialog(ordner) : OeffnenMitQt(this, ordner);
  if (!pfad || pfad->empty()) return;
  DateiOeffnen(*pfad);
}

bool TTamrelPalette::DateiOeffnen(const std::string& pfad) {
  if (fHalter->Offen() && !fHalter->Schliessen(*fSpeicherung, false)) return false;
  // Der Ordner der Datei: "Sichern" schreibt dorthin zurück.
  const std::filesystem::path p(std::u8string(pfad.begin(), pfad.end()));
  const std::u8string ordner = std::filesystem::absolute(p).parent_path().u8string();
  Standard().fOpenPfad = std::string(ordner.begin(), ordner.end());
  // In eine frische, leere Schule lesen; misslingt das, bleibt keine halb gelesene zurück.
  std::string fehler;
  bool gelesen = false;
  {
    TBeschaeftigt sanduhr;
    gelesen = fHalter->Oeffnen(pfad, fehler);
  }
  if (!gelesen) {
    MenuAnlage();
    NachSchulwechsel();
    // Eine Zeile je Satz der Meldung ("… kann nicht gelesen werden." / "Die Version …").
    std::vector<std::string> zeilen;
    for (std::size_t a = 0, e; a <= fehler.size(); a = e + 1) {
      e = std::min(fehler.find('\n', a), fehler.size());
      zeilen.push_back(fehler.substr(a, e - a));
    }
    Dialog().Meldung("Fehler beim Öffnen", zeilen, TMeldungsArt::Fehler);
    return false;
  }
  MenuAnlage();
  NachSchulwechsel();
  Schule().AlleFensterUpdate();
  // Danach: das Neuzeichnen passt die Größe der Fenster an, die Maße aus der Datei gelten zuletzt.
  GespeicherteFensterOeffnen();
  return true;
}

void TTamrelPalette::DateiSchliessenItemClick() {
  if (!fHalter->Offen()) return;
  if (!fHalter->Schliessen(*fSpeicherung, false)) return;
  MenuAnlage();
  NachSchulwechsel();
}

void TTamrelPalette::FensterSchliessenItemClick() {
  UmschaltMerken(QGuiApplication::keyboardModifiers());
  TSchule& schule = Schule();
  if (!MitAltAlleSchliessen(schule, Umschalt(), nullptr) && schule.fAktivesFenster)
    schule.fAktivesFenster->Schliessen();
  AktualisierePalette();
}

void TTamrelPalette::SichernItemClick() {
  if (SchuleSichern(Schule(), *fSpeicherung)) {
    fHalter->AlsOffen();
    TitelAnpassen();
  }
  AktualisierePalette();
}

void TTamrelPalette::SichernUnterItemClick() {
  if (fSpeicherung->SichernUnter()) {
    fHalter->AlsOffen();
    TitelAnpassen();
  }
  AktualisierePalette();
}

void TTamrelPalette::BeendenItemClick() {
  close();
}

// ---- Bearbeiten ----

void TTamrelPalette::WiderrufenItemClick() {
  TBeschaeftigt sanduhr;
  Widerrufen();
  AktualisierePalette();
}

void TTamrelPalette::KopierenItemClick(bool ausschneiden) {
  UmschaltMerken(QGuiApplication::keyboardModifiers());
  Schule().DoCopy(ausschneiden, (Umschalt() & umShift) != 0);
}

void TTamrelPalette::EinsetzenItemClick() {
  Schule().DoPaste();
}

void TTamrelPalette::AllesAuswaehlenItemClick() {
  if (TFenster* f = Schule().fAktivesFenster) f->AllesAuswaehlen();
}

// ---- Daten ----

void TTamrelPalette::KuerzelItemClick() {
  if (!fHalter->Offen()) return;
  {
    TKueForm editor(this);
    editor.exec();
  }
  MenuAnlage();
  Schule().AlleFensterUpdate();
  AktualisierePalette();
}

// ---- Hilfe ----

// F1: das Handbuch beim Abschnitt des aktiven Fensters (die Palette selbst, wenn sie vorn ist).
void TTamrelPalette::HilfeItemClick() {
  int art = FensterArt::Palette;
  if (QApplication::activeWindow() != this && fHalter->Offen() && Schule().fAktivesFenster)
    art = Schule().fAktivesFenster->FensterArt();
  THandbuchForm::Zeigen(this, HandbuchAbschnitt(art));
}

void TTamrelPalette::HandbuchItemClick() {
  THandbuchForm::Zeigen(this, {});
}

void TTamrelPalette::UeberItemClick() {
  TUeberForm ueber(fHalter->Offen() ? U8(Schule().fDateiName.str()) : std::string(), this);
  ueber.exec();
}
